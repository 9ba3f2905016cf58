// The high-scores window: the grid's layout, its copy of the table taken at
// each showing, names in either encoding, and the selection.
#include "ui/highscores/HighScores.h"
#include "store/HighScoreTable.h"
#include "store/IniFile.h"
#include "tests/TestFiles.h"
#include "ui/common/NameText.h"
#include "ui/highscores/StringGrid.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

QStringList GridRow(const TStringGrid* grid, int row) {
    QStringList cells;
    for (int col = 0; col < grid->ColCount(); ++col) {
        cells << grid->Cells(col, row);
    }
    return cells;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestHighScoresWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<THighScoreTable> FTable;

    // Writes text as the whole profile file and loads the table from it, as
    // start-up does.
    void LoadProfile(const std::string& text) {
        const std::string profile = FDir->filePath("Brindlex.ini").toStdString();
        testfiles::WriteFile(profile, text);
        TIniFile ini(profile);
        FTable->LoadHighScores(ini);
    }

private Q_SLOTS:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        FTable = std::make_unique<THighScoreTable>();
        LoadProfile("");
    }

    void windowLooksAsDesigned() {
        TForm3 form(*FTable);
        QCOMPARE(form.objectName(), QStringLiteral("Form3"));
        QCOMPARE(form.windowTitle(), QStringLiteral("High Scores"));
        QVERIFY(form.isWindow());
        QVERIFY(!form.isVisible());
        // A window of its own: no dialog, no parent to stay above, no icon.
        QCOMPARE(form.parentWidget(), nullptr);
        QVERIFY(form.windowIcon().isNull());
        const Qt::WindowFlags flags = form.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowStaysOnTopHint)));
        QCOMPARE(form.minimumSize(), QSize(405, 277));
        QCOMPARE(form.maximumSize(), QSize(405, 277));
        QVERIFY(!form.testAttribute(Qt::WA_QuitOnClose));

        TStringGrid* grid = form.strngrdHS;
        QCOMPARE(grid->objectName(), QStringLiteral("strngrdHS"));
        QCOMPARE(grid->geometry(), QRect(0, 0, 405, 277));
        QCOMPARE(grid->ColCount(), 4);
        QCOMPARE(grid->RowCount(), 11);
        QCOMPARE(QFontInfo(grid->font()).family(), QStringLiteral("DejaVu Sans"));
        // Columns 34, 206, 80 and 79 wide and rows 24 high, each followed by a
        // 1-pixel line, inside a 1-pixel border: exactly the client area.
        QCOMPARE(grid->CellRect(0, 0), QRect(1, 1, 34, 24));
        QCOMPARE(grid->CellRect(1, 1), QRect(36, 26, 206, 24));
        QCOMPARE(grid->CellRect(2, 5), QRect(243, 126, 80, 24));
        QCOMPARE(grid->CellRect(3, 10), QRect(324, 251, 79, 24));
        QCOMPARE(grid->CellAt({35, 10}), QPoint(-1, -1));
        QCOMPARE(grid->CellAt({402, 274}), QPoint(3, 10));
        QCOMPARE(grid->CellAt({403, 274}), QPoint(-1, -1));
        QVERIFY(form.findChildren<QScrollBar*>().isEmpty());
        QCOMPARE(form.focusWidget(), grid);

        // Empty until the first showing.
        QCOMPARE(GridRow(grid, 1), QStringList({"", "", "", ""}));

        form.show();
        QCOMPARE(form.windowHandle()->transientParent(), nullptr);
        QCOMPARE(form.frameGeometry().topLeft(), QPoint(0, 0));
        form.move(120, 40);
        form.hide();
        form.show();
        QCOMPARE(form.pos(), QPoint(120, 40));
    }

    void showingCopiesTheDefaultTable() {
        TForm3 form(*FTable);
        form.show();
        const TStringGrid* grid = form.strngrdHS;
        QCOMPARE(GridRow(grid, 0), QStringList({"", "Name", "Jewels", "Score"}));
        QCOMPARE(GridRow(grid, 1), QStringList({"1", "Nobody", "100", "1000"}));
        QCOMPARE(GridRow(grid, 2), QStringList({"2", "Nobody", "90", "900"}));
        QCOMPARE(GridRow(grid, 10), QStringList({"10", "Nobody", "10", "100"}));
    }

    void showingCopiesTheProfilesValues() {
        LoadProfile("[HighScores]\nName1=\nScore1=-1\nJewels1=-2\n"
                    "Name2=Zo\xC3\xAB\nScore2=-2147483648\n"
                    "Name3=Zo\xEB \x80\nScore3=0\nJewels3=0\n");
        TForm3 form(*FTable);
        form.show();
        const TStringGrid* grid = form.strngrdHS;
        QCOMPARE(GridRow(grid, 1), QStringList({"1", "", "4294967294", "4294967295"}));
        QCOMPARE(GridRow(grid, 2), QStringList({"2", u"Zoë"_qs, "90", "2147483648"}));
        QCOMPARE(GridRow(grid, 3), QStringList({"3", u"Zoë €"_qs, "0", "0"}));
        QCOMPARE(GridRow(grid, 4), QStringList({"4", "Nobody", "70", "700"}));
    }

    void namesDecodeAsUtf8OrAsWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Nobody") << u"Nobody"_qs;
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("utf-8") << QByteArray("J\xC3\xBCrgen \xE2\x82\xAC") << u"Jürgen €"_qs;
        QTest::newRow("latin-1") << QByteArray("J\xFCrgen") << u"Jürgen"_qs;
        QTest::newRow("cp1252 only") << QByteArray("\x80\x8A\x9F") << u"€ŠŸ"_qs;
        QTest::newRow("undefined in cp1252")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << u"\u0081\u008D\u008F\u0090\u009D"_qs;
        QTest::newRow("cut utf-8 sequence") << QByteArray("abc\xC3") << u"abcÃ"_qs;
        QTest::newRow("overlong utf-8") << QByteArray("\xC0\xAF") << u"À¯"_qs;
    }

    void namesDecodeAsUtf8OrAsWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(NameText(bytes.toStdString()), text);
    }

    void theCopyIsTakenOnlyWhenTheWindowIsShown() {
        TForm3 form(*FTable);
        form.show();
        FTable->InsertHighScore(1, "Ann", 5000, 200);
        form.show();
        form.raise();
        QCOMPARE(GridRow(form.strngrdHS, 1), QStringList({"1", "Nobody", "100", "1000"}));
        // A restore from minimized is no new showing.
        form.showMinimized();
        QCoreApplication::processEvents();
        form.showNormal();
        QCoreApplication::processEvents();
        QVERIFY(form.isVisible());
        QCOMPARE(GridRow(form.strngrdHS, 1), QStringList({"1", "Nobody", "100", "1000"}));
        form.hide();
        QCOMPARE(GridRow(form.strngrdHS, 1), QStringList({"1", "Nobody", "100", "1000"}));
        form.show();
        QCOMPARE(GridRow(form.strngrdHS, 1), QStringList({"1", "Ann", "200", "5000"}));
        QCOMPARE(GridRow(form.strngrdHS, 2), QStringList({"2", "Nobody", "100", "1000"}));
    }

    void closingOnlyHides() {
        QPointer<TForm3> form = new TForm3(*FTable);
        form->show();
        QVERIFY(form->close());
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        form->show();
        QVERIFY(form->isVisible());
        delete form;
    }

    void aLongNameIsClippedToItsColumn() {
        TForm3 form(*FTable);
        form.show();
        const QRect jewels = form.strngrdHS->CellRect(2, 1);
        const QImage before = form.strngrdHS->grab().toImage().copy(jewels);
        FTable->HiName[1] = std::string(MaxNameLength, 'W');
        form.hide();
        form.show();
        QCOMPARE(form.strngrdHS->Cells(1, 1).size(), 255);
        QCOMPARE(form.size(), QSize(405, 277));
        QCOMPARE(form.strngrdHS->size(), QSize(405, 277));
        QCOMPARE(form.strngrdHS->grab().toImage().copy(jewels), before);
    }

    void textIsNavyTwoPixelsIntoItsCell() {
        TForm3 form(*FTable);
        form.show();
        const QImage image = form.strngrdHS->grab().toImage();
        const QRect cell = form.strngrdHS->CellRect(1, 2); // "Nobody", not selected
        const QColor base = form.strngrdHS->palette().color(QPalette::Base);
        bool navy = false;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (x < cell.left() + 2 || y < cell.top() + 2) {
                    QCOMPARE(pixel, base);
                }
                navy = navy || pixel == QColor(0, 0, 128);
            }
        }
        QVERIFY(navy);
        const QRect header = form.strngrdHS->CellRect(0, 5);
        QCOMPARE(image.pixelColor(header.bottomRight()),
                 form.strngrdHS->palette().color(QPalette::Button));
    }

    void selectionMovesAmongTheScoresOnly() {
        TForm3 form(*FTable);
        form.show();
        TStringGrid* grid = form.strngrdHS;
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(1, 1));
        QCOMPARE(grid->Selection(), QRect(1, 1, 1, 1));

        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QPoint current;
            QRect selection;
        } keys[] = {
            {Qt::Key_Left, Qt::NoModifier, {1, 1}, QRect(1, 1, 1, 1)},
            {Qt::Key_Up, Qt::NoModifier, {1, 1}, QRect(1, 1, 1, 1)},
            {Qt::Key_Right, Qt::NoModifier, {2, 1}, QRect(2, 1, 1, 1)},
            {Qt::Key_Down, Qt::ShiftModifier, {2, 2}, QRect(2, 1, 1, 2)},
            {Qt::Key_End, Qt::ShiftModifier, {3, 2}, QRect(2, 1, 2, 2)},
            {Qt::Key_Right, Qt::NoModifier, {3, 2}, QRect(3, 2, 1, 1)},
            {Qt::Key_PageDown, Qt::NoModifier, {3, 10}, QRect(3, 10, 1, 1)},
            {Qt::Key_Down, Qt::NoModifier, {3, 10}, QRect(3, 10, 1, 1)},
            {Qt::Key_Home, Qt::ControlModifier, {1, 1}, QRect(1, 1, 1, 1)},
        };
        for (const auto& step : keys) {
            QTest::keyClick(grid, step.key, step.modifiers);
            QCOMPARE(QPoint(grid->Col(), grid->Row()), step.current);
            QCOMPARE(grid->Selection(), step.selection);
        }

        // A click on a header cell changes nothing; a click elsewhere moves
        // the current cell; a drag selects a block, clamped to the grid.
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(2, 0).center());
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(0, 4).center());
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(1, 1));
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(2, 5).center());
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(2, 5));

        SendMouse(grid, QEvent::MouseButtonPress, grid->CellRect(1, 3).center(), Qt::LeftButton);
        SendMouse(grid, QEvent::MouseMove, grid->CellRect(3, 4).center(), Qt::LeftButton);
        QCOMPARE(grid->Selection(), QRect(QPoint(1, 3), QPoint(3, 4)));
        SendMouse(grid, QEvent::MouseMove, {-50, 600}, Qt::LeftButton);
        QCOMPARE(grid->Selection(), QRect(QPoint(1, 3), QPoint(1, 10)));
        SendMouse(grid, QEvent::MouseMove, {2, -10}, Qt::LeftButton);
        QCOMPARE(grid->Selection(), QRect(QPoint(1, 1), QPoint(1, 3)));
        SendMouse(grid, QEvent::MouseButtonRelease, {2, -10}, Qt::NoButton);
        SendMouse(grid, QEvent::MouseMove, grid->CellRect(3, 9).center(), Qt::NoButton);
        QCOMPARE(grid->Selection(), QRect(QPoint(1, 1), QPoint(1, 3)));
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(1, 1));
    }

    // BRINDLEX_SCREENSHOTS=<dir> keeps a picture of the window to look at.
    void screenshot() {
        const QString directory = qEnvironmentVariable("BRINDLEX_SCREENSHOTS");
        if (directory.isEmpty()) {
            QSKIP("BRINDLEX_SCREENSHOTS not set");
        }
        FTable->InsertHighScore(1, "Ann-Kathrin Zoë M\xC3\xBCller", 4294967295u, 123456);
        FTable->InsertHighScore(3, std::string(MaxNameLength, 'W'), 98765432, 4321);
        TForm3 form(*FTable);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(form.strngrdHS, Qt::Key_Down);
        QTest::keyClick(form.strngrdHS, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(form.strngrdHS, Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(form.grab().save(directory + "/highscores.png"));
    }
};

QTEST_MAIN(TestHighScoresWindow)
#include "HighScoresTest.moc"
