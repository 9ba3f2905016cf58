// Brindlex: the command line is answered first; then start-up creates the three windows in order,
// then runs the event loop until the game window is closed.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/DisplayGuard.h"
#include "translations/Translations.h"
#include "ui/MainWindow.h"
#include "ui/common/Centre.h"
#include "ui/controller/Controller.h"
#include "ui/highscores/HighScores.h"
#include "ui/options/Options.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>

int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerCommandLine(argc, argv)) {
        return *status;
    }
    TDisplayGuard guard;
    TApplication app(argc, argv);
    guard.Release();
    // Every window speaks the player's language from its first text on.
    TTranslators translators;
    translators.Install();

    auto* form1 = new TForm1();
    CentreOnScreen(form1, QGuiApplication::primaryScreen());
    form1->show();
    // The settings window saves to the profile the game window reads and
    // saves, wherever that lies at the moment.
    const auto profilePath = [form1] { return form1->ProfileFileName(); };
    auto* form2 = new tForm2(*form1, profilePath, form1);
    auto* form3 = new TForm3(*form1);
    form1->SetSecondaryWindows(form2, form3);
    new TController(*form1); // owned by the window

    const int result = TApplication::exec();
    delete form3; // a window of its own
    delete form1; // and the settings window it owns
    // Qt 6.4's Wayland plugin can deadlock as it takes down its connection
    // (two of its threads wait for each other), which leaves a process without
    // a window behind. Everything is saved and every window is gone: end here.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
