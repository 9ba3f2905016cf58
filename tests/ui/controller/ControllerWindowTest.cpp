// The game controller in the game window, on Qt's offscreen platform: SDL's
// virtual pad read by the window's controller as the program reads one, its
// presses in the game and in the modal dialogs.
#include "tests/ui/controller/VirtualPad.h"
#include "ui/KeysBox.h"
#include "ui/MainWindow.h"
#include "ui/NamePrompt.h"
#include "ui/common/ErrorBox.h"
#include "ui/controller/Controller.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Runs each step in turn, the first after ms milliseconds and each next one
// ms after the last, from the event loop (and so from inside a game).
void Steps(std::vector<std::function<void()>> steps, int ms = 60) {
    if (steps.empty()) {
        return;
    }
    QTimer::singleShot(ms, [steps = std::move(steps), ms]() mutable {
        const auto step = steps.front();
        steps.erase(steps.begin());
        step();
        Steps(std::move(steps), ms);
    });
}

// Runs action once a modal dialog is up, with that dialog.
void WhenModalOpens(std::function<void(QWidget*)> action) {
    QTimer::singleShot(10, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            WhenModalOpens(action);
            return;
        }
        action(modal);
    });
}

} // namespace

class ControllerWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    std::unique_ptr<TForm1> FForm;
    TController* FController = nullptr;
    std::unique_ptr<VirtualPad> FPad;

    std::string Profile() const { return (FDir.path() + "/Brindlex.ini").toStdString(); }

    // A press and, 30 ms later, its release, each read at once: a virtual pad
    // is otherwise read only every few milliseconds, and a loaded machine
    // could let a short press slip between two reads. It returns at once: the
    // press may start a game, which runs until it ends inside the event loop.
    void Tap(SDL_GameControllerButton button) {
        FPad->Button(button, true);
        FController->Poll();
        QTimer::singleShot(30, FController, [this, button] {
            FPad->Button(button, false);
            FController->Poll();
        });
    }

private slots:
    void init() {
        FForm = std::make_unique<TForm1>(Profile());
        FForm->show();
        QApplication::setActiveWindow(FForm.get());
        QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
        FController = new TController(*FForm);
        FController->Poll(); // SDL starts
        FPad = std::make_unique<VirtualPad>();
        FController->Poll(); // a virtual pad has no device file to be watched
    }

    void cleanup() {
        FPad.reset();
        FForm.reset();
    }

    void playsAWholeGame() {
        bool played = false;
        Steps({
            [&] {
                QVERIFY(FForm->GameRunning());
                CurrentPiece[0] = 1;
                CurrentPiece[1] = 2;
                CurrentPiece[2] = 3;
                Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
            },
            [&] {
                QCOMPARE(PieceCol, 3);
                Tap(SDL_CONTROLLER_BUTTON_A);
            },
            [&] {
                QCOMPARE(CurrentPiece[0], uint8_t{3});
                Tap(SDL_CONTROLLER_BUTTON_START);
            },
            [&] {
                QVERIFY(Paused);
                Tap(SDL_CONTROLLER_BUTTON_START);
            },
            [&] {
                QVERIFY(!Paused);
                Tap(SDL_CONTROLLER_BUTTON_BACK);
                played = true;
            },
        });
        Tap(SDL_CONTROLLER_BUTTON_START);
        QTRY_VERIFY(played && !FForm->GameRunning());
        QVERIFY(FForm->mniNew->isEnabled());
    }

    void namePromptTakesAForOkAndBForCancel() {
        const struct {
            SDL_GameControllerButton button;
            const char* name;
        } cases[] = {
            {SDL_CONTROLLER_BUTTON_A, "Ann"},
            {SDL_CONTROLLER_BUTTON_B, "Nobody"}, // as the prompt was opened
        };
        for (const auto& c : cases) {
            bool asked = false;
            WhenModalOpens([&](QWidget* modal) {
                auto* prompt = dynamic_cast<TNamePrompt*>(modal);
                QVERIFY(prompt != nullptr);
                prompt->Edit->setText(QStringLiteral("Ann"));
                Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT); // nothing in a dialog
                QVERIFY(prompt->isVisible());
                Tap(c.button);
                asked = true;
            });
            Steps({[] {
                Score = 5000;
                GameOver = true;
            }});
            Tap(SDL_CONTROLLER_BUTTON_START);
            QTRY_VERIFY(asked && !FForm->GameRunning());
            QCOMPARE(FForm->HiName[1], std::string(c.name));
            QCOMPARE(FForm->HiScore[1], 5000u);
            QFile::remove(QString::fromStdString(Profile()));
            FForm->HiName[1] = "Nobody";
            FForm->HiScore[1] = 0;
        }
    }

    void aOrBClosesTheKeyHelpAndAnErrorBox() {
        for (auto button : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B}) {
            for (const auto& open :
                 std::vector<std::function<void()>>{[&] { FForm->mniKeysClick(); },
                                                    [] { ShowErrorBox(QStringLiteral("Gone")); }}) {
                bool closed = false;
                WhenModalOpens([&](QWidget* modal) {
                    Tap(SDL_CONTROLLER_BUTTON_START); // nothing in a dialog
                    QVERIFY(modal->isVisible());
                    Tap(button);
                    QTRY_VERIFY(!modal->isVisible());
                    closed = true;
                });
                open();
                QVERIFY(closed);
                QVERIFY(!FForm->GameRunning());
                QTest::qWait(60); // the buttons let go
            }
        }
    }

    // While another program is active the pad never starts or resumes a
    // game; what was held meanwhile acts only once pressed again.
    void padIsIgnoredWhileAnotherProgramIsActive() {
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        Tap(SDL_CONTROLLER_BUTTON_START);
        QTest::qWait(60);
        QVERIFY(!FForm->GameRunning());
        FPad->Button(SDL_CONTROLLER_BUTTON_START, true);
        QTest::qWait(30);
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QTest::qWait(50);
        QVERIFY(!FForm->GameRunning());
        FPad->Button(SDL_CONTROLLER_BUTTON_START, false);
        QTest::qWait(30);

        bool checked = false;
        Steps({
            [] { emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive); },
            [&] {
                QVERIFY(Paused); // the player left
                Tap(SDL_CONTROLLER_BUTTON_START);
            },
            [] { emit qGuiApp->applicationStateChanged(Qt::ApplicationActive); },
            [&] {
                QVERIFY(Paused); // until the player resumes it
                Tap(SDL_CONTROLLER_BUTTON_START);
            },
            [&] {
                QVERIFY(!Paused);
                checked = true;
                Tap(SDL_CONTROLLER_BUTTON_BACK);
            },
        });
        Tap(SDL_CONTROLLER_BUTTON_START);
        QTRY_VERIFY(checked && !FForm->GameRunning());
    }

    void unpluggingTheLastPadPausesTheGame() {
        bool checked = false;
        Steps({
            [&] { FPad->Unplug(); },
            [&] {
                QVERIFY(Paused);
                checked = true;
                FForm->mniAbortClick();
            },
        });
        Tap(SDL_CONTROLLER_BUTTON_START);
        QTRY_VERIFY(checked && !FForm->GameRunning());
    }
};

QTEST_MAIN(ControllerWindowTest)
#include "ControllerWindowTest.moc"
