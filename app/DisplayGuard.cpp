#include "app/DisplayGuard.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A message of Qt's held back until it is known whether the display opened.
struct THeldMessage {
    QtMsgType Type;
    std::string File, Function, Category;
    int Line;
    QString Text;
};

QtMessageHandler gPrevious = nullptr;
std::vector<THeldMessage> gHeld;

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt's platform messages say what went wrong ("could not connect to display
// :5"); the fatal message that follows only says that nothing worked.
QString Reason(const QString& fatal) {
    QString reason = fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
    for (const THeldMessage& message : gHeld) {
        if (message.Category.starts_with("qt.qpa")) {
            reason = message.Text.trimmed();
            break;
        }
    }
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        reason += QStringLiteral(" (DISPLAY and WAYLAND_DISPLAY are not set)");
    }
    return reason;
}

void Guard(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString line =
            QStringLiteral("brindlex: cannot open a display: %1\n").arg(Reason(text));
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        ::_exit(1);
    }
    gHeld.push_back({type, context.file ? context.file : "",
                     context.function ? context.function : "",
                     context.category ? context.category : "", context.line, text});
}

} // namespace

TDisplayGuard::TDisplayGuard() {
    gHeld.clear();
    gPrevious = qInstallMessageHandler(Guard);
}

void TDisplayGuard::Release() {
    if (!FActive) {
        return;
    }
    FActive = false;
    qInstallMessageHandler(gPrevious);
    for (const THeldMessage& message : gHeld) {
        const QMessageLogContext context(message.File.c_str(), message.Line,
                                         message.Function.c_str(), message.Category.c_str());
        qt_message_output(message.Type, context, message.Text);
    }
    gHeld.clear();
}
