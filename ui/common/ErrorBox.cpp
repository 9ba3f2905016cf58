#include "ui/common/ErrorBox.h"

#include "ui/common/ErrorText.h"

#include <QApplication>
#include <QMessageBox>

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') {
        return message + u'.';
    }
    return message;
}

void ShowErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Brindlex"), ErrorBoxText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowCurrentException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ShowErrorBox(TranslatedError(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        ShowErrorBox(QCoreApplication::translate("ErrorText", "Unknown error"));
    }
}
