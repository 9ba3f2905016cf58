// A game waits for a player who leaves it, on Qt's offscreen platform: it
// pauses when another program becomes active or the window is minimised,
// not for the program's own windows; keys held as the player left act no
// more on the return.
#include "ui/ClientArea.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Starts a game with Space and runs steps 50 ms apart inside it; the last
// one's 50 ms on, the game is ended from the menu.
void PlayWith(TForm1& form, std::vector<std::function<void()>> steps) {
    steps.push_back([&form] { form.mniAbortClick(); });
    for (size_t i = 0; i < steps.size(); ++i) {
        QTimer::singleShot(50 * static_cast<int>(i + 1), &form, steps[i]);
    }
    QTest::keyClick(&form, Qt::Key_Space);
}

void Key(QWidget& to, int key, bool repeat) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(&to, &press);
}

void Activate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
}

} // namespace

class LeaveTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    std::string Profile() const { return (FDir.path() + "/Brindlex.ini").toStdString(); }

private slots:
    void aGameWaitsOnlyForAPlayerWhoLeftTheProgram() {
        const auto otherProgram = [] {
            emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        };
        const auto back = [] { emit qGuiApp->applicationStateChanged(Qt::ApplicationActive); };
        const struct {
            const char* what;
            bool pausedFirst;
            std::function<void(TForm1&, QWidget&, QWidget&)> leave, comeBack;
            bool paused;
        } cases[] = {
            {"another program", false, [&](TForm1&, QWidget&, QWidget&) { otherProgram(); },
             [&](TForm1&, QWidget&, QWidget&) { back(); }, true},
            {"the settings window", false,
             [](TForm1&, QWidget& settings, QWidget&) { Activate(settings); },
             [](TForm1& form, QWidget&, QWidget&) { Activate(form); }, false},
            {"the high-scores window", false,
             [](TForm1&, QWidget&, QWidget& scores) { Activate(scores); },
             [](TForm1& form, QWidget&, QWidget&) { Activate(form); }, false},
            {"minimised", false, [](TForm1& form, QWidget&, QWidget&) { form.showMinimized(); },
             [](TForm1& form, QWidget&, QWidget&) { form.showNormal(); }, true},
            {"paused, another program", true, [&](TForm1&, QWidget&, QWidget&) { otherProgram(); },
             [&](TForm1&, QWidget&, QWidget&) { back(); }, true},
        };
        for (const auto& c : cases) {
            TForm1 form(Profile());
            QWidget settings, scores;
            form.SetSecondaryWindows(&settings, &scores);
            Activate(form);
            bool paused = !c.paused;
            QImage well;
            PlayWith(form, {
                               [&] {
                                   if (c.pausedFirst) {
                                       QTest::keyClick(&form, Qt::Key_Pause);
                                   }
                                   c.leave(form, settings, scores);
                               },
                               [&] { c.comeBack(form, settings, scores); },
                               [&] {
                                   paused = Paused;
                                   well = form.ClientArea()->grab().toImage();
                               },
                           });
            QVERIFY2(paused == c.paused, c.what);
            if (c.paused) {
                // The pause picture: row 1 shows jewel 2 all across.
                const QImage jewel2 = static_cast<const TQtPicture*>(JewelPictures[2])->For(1.0);
                QVERIFY2(well.pixelColor(23 + 5 * 46, 23) == jewel2.pixelColor(23, 23), c.what);
            }
        }

        TForm1 idle(Profile());
        Activate(idle);
        Paused = false; // as the last game left it
        otherProgram();
        back();
        QVERIFY(GameOver);
        QVERIFY(!Paused);
    }

    void keysHeldAsTheWindowWasLeftActNoMore() {
        TForm1 form(Profile());
        QWidget settings;
        form.SetSecondaryWindows(&settings, nullptr);
        Activate(form);
        int32_t held = 0, onReturn = 0, pressedAgain = 0;
        bool escapeEnded = true;
        PlayWith(form, {
                           [&] {
                               Key(form, Qt::Key_Left, false);
                               Key(form, Qt::Key_Left, true);
                               held = PieceCol;
                               Activate(settings);
                           },
                           [&] {
                               Activate(form);
                               // Left held all along, Esc held down in the other window.
                               Key(form, Qt::Key_Left, true);
                               Key(form, Qt::Key_Escape, true);
                               onReturn = PieceCol;
                               escapeEnded = GameOver;
                               Key(form, Qt::Key_Left, false);
                               pressedAgain = PieceCol;
                           },
                       });
        QCOMPARE(held, 2);
        QCOMPARE(onReturn, 2);
        QVERIFY(!escapeEnded);
        QCOMPARE(pressedAgain, 1);
    }
};

QTEST_MAIN(LeaveTest)
#include "LeaveTest.moc"
