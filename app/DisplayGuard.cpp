#include "app/DisplayGuard.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
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

// The libraries under Qt's platform plugins write to standard error
// themselves (libwayland: "error: XDG_RUNTIME_DIR is invalid or not set"), so
// while the window system opens, descriptor 2 goes into a file in memory.
int gStderr = -1; // the real standard error, while held
int gCaught = -1; // what was written to it meanwhile

void HoldStderr() {
    std::fflush(stderr);
    gCaught = ::memfd_create("brindlex-stderr", MFD_CLOEXEC);
    gStderr = gCaught < 0 ? -1 : ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (gStderr < 0 || ::dup2(gCaught, STDERR_FILENO) < 0) {
        if (gCaught >= 0) {
            ::close(gCaught);
        }
        if (gStderr >= 0) {
            ::close(gStderr);
        }
        gCaught = gStderr = -1; // nothing held: it goes straight out
    }
}

// Puts the real standard error back and gives what was caught.
std::string RestoreStderr() {
    if (gStderr < 0) {
        return {};
    }
    std::fflush(stderr);
    ::dup2(gStderr, STDERR_FILENO);
    ::close(gStderr);
    gStderr = -1;
    std::string caught;
    char buffer[4096];
    ssize_t n = 0;
    ::lseek(gCaught, 0, SEEK_SET);
    while ((n = ::read(gCaught, buffer, sizeof buffer)) > 0) {
        caught.append(buffer, static_cast<size_t>(n));
    }
    ::close(gCaught);
    gCaught = -1;
    return caught;
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

QString NoteMissingDisplay(QString reason) {
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        reason += QStringLiteral(" (DISPLAY and WAYLAND_DISPLAY are not set)");
    }
    return reason;
}

// Qt's platform messages say what went wrong ("could not connect to display
// :5"), and so may a library's own line; the plugin loader's message and the
// fatal one that follows only say that nothing worked.
QString Reason(const QString& fatal, const std::string& caught) {
    const auto firstLine = [](const QString& text) {
        return text.section(QLatin1Char('\n'), 0, 0).trimmed();
    };
    QString generic = firstLine(fatal);
    for (const THeldMessage& message : gHeld) {
        if (message.Category == "qt.qpa.plugin") {
            generic = firstLine(message.Text);
        } else if (message.Category.starts_with("qt.qpa")) {
            return NoteMissingDisplay(firstLine(message.Text));
        }
    }
    QString library = firstLine(QString::fromLocal8Bit(caught));
    if (library.startsWith(QLatin1String("error: "))) {
        library.remove(0, 7);
    }
    return NoteMissingDisplay(library.isEmpty() ? generic : library);
}

void Guard(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string caught = RestoreStderr();
        const QString line =
            QStringLiteral("brindlex: cannot open a display: %1\n").arg(Reason(text, caught));
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
    HoldStderr();
}

void TDisplayGuard::Release() {
    if (!FActive) {
        return;
    }
    FActive = false;
    const std::string caught = RestoreStderr();
    if (!caught.empty()) {
        std::fwrite(caught.data(), 1, caught.size(), stderr);
    }
    qInstallMessageHandler(gPrevious);
    for (const THeldMessage& message : gHeld) {
        const QMessageLogContext context(message.File.c_str(), message.Line,
                                         message.Function.c_str(), message.Category.c_str());
        qt_message_output(message.Type, context, message.Text);
    }
    gHeld.clear();
}
