#include "app/CommandLine.h"

#include "translations/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr const char* ProgramName = "brindlex";

// The options Qt's application objects take out of argv for themselves
// (QApplication, QGuiApplication and the xcb platform), with or without a
// value. They are Qt's to interpret; here they only must not count as unknown.
const char* const QtOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "session",       "style",  "stylesheet",
    "display",      "geometry",           "title",         "icon",   "name",
    "visual",
};
const char* const QtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The context of the command line's texts.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    // What is printed is in the player's language, Qt's words too ("Usage:",
    // "Unknown option"), which takes an application object; a plain one
    // opens no display, and named by the program's name alone it names the
    // program so in the help. A start without arguments, the usual one,
    // prints nothing and goes without.
    std::string programName = ProgramName;
    char* nameOnly[] = {programName.data(), nullptr};
    int count = 1;
    std::optional<QCoreApplication> application;
    std::optional<TTranslators> translators;
    if (argc > 1) {
        application.emplace(count, nameOnly);
        translators.emplace();
        translators->Install();
    }
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb, -style=fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLine::tr(
        "Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Shows the version and exits."));
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
            CommandLine::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    }
    if (!error.isEmpty()) {
        Print(stderr, CommandLine::tr("%1: %2 Try '%1 --help'.\n").arg(ProgramName, error));
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout,
              parser.helpText() + u'\n' +
                  CommandLine::tr(
                      "Qt's own options, such as -platform, -style and -display, are passed "
                      "on to Qt.\nSee brindlex(6) for the keys and where the profile is "
                      "kept.\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(ProgramName, BRINDLEX_VERSION));
        return 0;
    }
    return std::nullopt;
}
