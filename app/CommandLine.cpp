#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

constexpr const char* ProgramName = "brindlex";

// The options that QGuiApplication and QApplication document, with or without
// a value, and those the xcb platform reads (-display, -name, -visual,
// -nograb, -dograb; -sync, an X11 option of Qt 5, which Qt 6 ignores). They
// are Qt's to interpret; here they only must not count as unknown.
const char* const QtOptionsWithValue[] = {
    "platform",      "platformpluginpath",
    "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",
    "qwindowtitle",  "qwindowicon",
    "session",       "style",
    "stylesheet",    "display",
    "geometry",      "title",
    "icon",          "name",
    "visual",
};
const char* const QtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb, -style=fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Brindlex, a falling-jewel puzzle game: line up three equal jewels and "
                       "they vanish."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    }
    if (!error.isEmpty()) {
        Print(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n").arg(ProgramName, error));
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(ProgramName));
        Print(stdout, text + QStringLiteral("\nQt's own options, such as -platform, -style and "
                                            "-display, are passed on to Qt.\n"
                                            "See brindlex(6) for the keys and where the "
                                            "profile is kept.\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(ProgramName, BRINDLEX_VERSION));
        return 0;
    }
    return std::nullopt;
}
