#include "ui/NamePrompt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TNamePrompt::TNamePrompt(const QString& caption, const QString& prompt, const QString& value,
                         QWidget* parent)
    : QDialog(parent), FValue(value) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowModality(Qt::ApplicationModal);

    // Laid out in dialog units: a quarter of the average letter width across,
    // an eighth of the letter height down.
    const QFontMetrics metrics = fontMetrics();
    auto dx = [&metrics](int units) { return units * metrics.averageCharWidth() / 4; };
    auto dy = [&metrics](int units) { return units * metrics.height() / 8; };

    Label = new QLabel(prompt, this);
    Label->setWordWrap(true);
    Label->setTextFormat(Qt::PlainText);
    Label->setFixedWidth(dx(164));
    Label->move(dx(8), dy(8));
    Label->adjustSize();
    Label->setFixedHeight(Label->heightForWidth(dx(164)));

    Edit = new QLineEdit(value, this);
    Edit->setMaxLength(255);
    Edit->setFixedWidth(dx(164));
    Edit->move(dx(8), Label->geometry().bottom() + 1 + 5);
    Edit->selectAll();

    const int buttonTop = Edit->geometry().bottom() + 1 + 15;
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setDefault(true);
    OkButton->setGeometry(dx(38), buttonTop, dx(50), dy(14));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(dx(92), buttonTop, dx(50), dy(14));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(dx(180), buttonTop + dy(14) + 13);
    Edit->setFocus();
}

QString TNamePrompt::Answer() const {
    return result() == Accepted ? Edit->text() : FValue;
}
