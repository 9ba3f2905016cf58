// The program's windows of one size, maximized as Qt's own frame on Wayland
// does it (the frame sets the state on the window's QWindow directly): each
// gets its normal state and its size back, while a window that may grow stays
// maximized.
#include "ui/common/FixedSizeWindows.h"
#include "store/GameSettings.h"
#include "store/HighScoreTable.h"
#include "ui/KeysBox.h"
#include "ui/MainWindow.h"
#include "ui/NamePrompt.h"
#include "ui/highscores/HighScores.h"
#include "ui/options/Options.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

class FixedSizeWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qApp->installEventFilter(new TFixedSizeWindows(qApp)); }

    void fixedSizeWindowsRefuseTheMaximizedState() {
        QTemporaryDir dir;
        const std::string profile = (dir.path() + "/Brindlex.ini").toStdString();
        TGameSettings settings;
        THighScoreTable table;
        struct Case {
            const char* what;
            std::function<std::unique_ptr<QWidget>()> make;
        } cases[] = {
            {"game window", [&] { return std::make_unique<TForm1>(profile); }},
            {"settings window",
             [&] { return std::make_unique<tForm2>(settings, [profile] { return profile; }); }},
            {"high-scores window", [&] { return std::make_unique<TForm3>(table); }},
            {"name prompt",
             [] {
                 return std::make_unique<TNamePrompt>("You're Winner!", "Name:", "Nobody", nullptr);
             }},
            {"key help", [] { return std::make_unique<TKeysBox>(nullptr); }},
        };
        for (const auto& c : cases) {
            const std::unique_ptr<QWidget> window = c.make();
            window->show();
            QVERIFY2(QTest::qWaitForWindowExposed(window.get()), c.what);
            QVERIFY2(!(window->windowFlags() & Qt::WindowMaximizeButtonHint), c.what);
            QVERIFY2(window->minimumSize() == window->maximumSize(), c.what);
            const QSize size = window->size();
            window->windowHandle()->setWindowStates(Qt::WindowMaximized);
            QTRY_VERIFY2(window->windowHandle()->windowStates() == Qt::WindowNoState &&
                             window->windowState() == Qt::WindowNoState,
                         c.what);
            QVERIFY2(window->size() == size, c.what);
        }
    }

    void aWindowThatMayGrowStaysMaximized() {
        QWidget window;
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTRY_VERIFY(window.windowState() == Qt::WindowMaximized);
        QTest::qWait(50);
        QCOMPARE(window.windowState(), Qt::WindowMaximized);
    }
};

QTEST_MAIN(FixedSizeWindowsTest)
#include "FixedSizeWindowsTest.moc"
