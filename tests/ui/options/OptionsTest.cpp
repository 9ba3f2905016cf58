// The settings window: clamped positions, one step per track click, labels
// that follow a dragged thumb, and OK / Cancel / a failed save.
#include "ui/options/Options.h"
#include "store/GameSettings.h"
#include "store/IniFile.h"
#include "tests/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

using testfiles::ReadFileIfAny;

QRect ThumbRect(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        bar);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Closes the error box that the next modal loop shows and keeps its text.
void AnswerErrorBox(QString& text) {
    QTimer::singleShot(0, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->windowTitle() + u'|' + box->text();
            box->accept();
        }
    });
}

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TGameSettings> FSettings;
    // Where the window saves: the test's profile.
    std::function<std::string()> FProfilePath = [this] { return Profile(); };

    std::string Profile() const { return FDir->filePath("Brindlex.ini").toStdString(); }

    // Writes text as the whole profile file and loads the settings from it,
    // as start-up does.
    void LoadProfile(const std::string& text) {
        testfiles::WriteFile(Profile(), text);
        TIniFile ini(Profile());
        FSettings->LoadSettings(ini);
    }

private Q_SLOTS:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        FSettings = std::make_unique<TGameSettings>();
    }

    void windowLooksAsDesigned() {
        tForm2 form(*FSettings, FProfilePath);
        QCOMPARE(form.objectName(), QStringLiteral("Form2"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Settings"));
        QVERIFY(!form.isVisible());
        const Qt::WindowFlags flags = form.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(form.minimumSize(), QSize(346, 188));
        QCOMPARE(form.maximumSize(), QSize(346, 188));
        QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
        QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("DejaVu Sans"));

        QCOMPARE(form.scrlHeight->geometry(), QRect(128, 8, 193, 25));
        QCOMPARE(form.scrlLvlChg->geometry(), QRect(128, 40, 193, 25));
        QCOMPARE(form.scrlSpeed->geometry(), QRect(128, 72, 193, 25));
        QCOMPARE(form.chkNext->geometry(), QRect(8, 112, 201, 25));
        QCOMPARE(form.btnCancel->geometry(), QRect(8, 144, 137, 33));
        QCOMPARE(form.btnOk->geometry(), QRect(184, 144, 137, 33));
        QCOMPARE(form.chkNext->text(), QStringLiteral("Show next  block"));
        QCOMPARE(form.btnCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(form.btnOk->text(), QStringLiteral("Ok"));
        for (QScrollBar* bar : {form.scrlHeight, form.scrlLvlChg, form.scrlSpeed}) {
            QCOMPARE(bar->orientation(), Qt::Horizontal);
            QCOMPARE(bar->singleStep(), 1);
            QCOMPARE(bar->pageStep(), 1);
        }
        QCOMPARE(form.scrlHeight->minimum(), 0);
        QCOMPARE(form.scrlHeight->maximum(), 10);
        QCOMPARE(form.scrlLvlChg->minimum(), 10);
        QCOMPARE(form.scrlLvlChg->maximum(), 90);
        QCOMPARE(form.scrlSpeed->minimum(), 1);
        QCOMPARE(form.scrlSpeed->maximum(), 10);
        for (QPushButton* button : {form.btnCancel, form.btnOk}) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }

        // The captions fit the room the layout gives them, the values stay
        // inside the window even with two digits.
        const struct {
            QLabel* label;
            QString text;
            QPoint at;
            int room;
        } captions[] = {{form.lblHeight, "Starting height:", {8, 8}, 87},
                        {form.lblLvlChg, "Jewels to level up:", {8, 40}, 109},
                        {form.lblSpeed, "Game speed:", {8, 72}, 82}};
        for (const auto& caption : captions) {
            QCOMPARE(caption.label->text(), caption.text);
            QCOMPARE(caption.label->pos(), caption.at);
            QVERIFY2(caption.label->width() <= caption.room, qPrintable(caption.text));
            QVERIFY(caption.label->height() <= 16);
        }
        for (QLabel* value : {form.lblHeightV, form.lblLvlChgV, form.lblSpeedV}) {
            QCOMPARE(value->x(), 328);
            QVERIFY(value->geometry().right() < 346);
            QCOMPARE(value->focusPolicy(), Qt::NoFocus);
        }

        // Tab goes through the bars, the check box and the buttons in that order.
        const QList<QWidget*> order = {form.scrlHeight, form.scrlLvlChg, form.scrlSpeed,
                                       form.chkNext,    form.btnCancel,  form.btnOk};
        QWidget* widget = order.front();
        for (QWidget* next : order.mid(1)) {
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus));
            QCOMPARE(widget, next);
        }
    }

    void creationShowsSettingsClampedIntoTheBars_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lvlChg");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("next");
        QTest::newRow("no profile") << QString() << 0 << 35 << 10 << true;
        QTest::newRow("Level_Change 5") << "[Settings]\nLevel_Change=5\n" << 0 << 10 << 10 << true;
        QTest::newRow("Starting_Height 50") << "[Settings]\nStarting_Height=50\n"
                                            << 10 << 35 << 10 << true;
        QTest::newRow("Speed 0") << "[Settings]\nSpeed=0\n" << 0 << 35 << 1 << true;
        QTest::newRow("all inside") << "[Settings]\nStarting_Height=4\nLevel_Change=90\n"
                                       "Speed=3\nShow_Next=0\n"
                                    << 4 << 90 << 3 << false;
        QTest::newRow("far below") << "[Settings]\nStarting_Height=-2147483648\n"
                                      "Level_Change=-1\nSpeed=-7\n"
                                   << 0 << 10 << 1 << true;
    }

    void creationShowsSettingsClampedIntoTheBars() {
        QFETCH(QString, profile);
        QFETCH(int, height);
        QFETCH(int, lvlChg);
        QFETCH(int, speed);
        QFETCH(bool, next);
        if (!profile.isEmpty()) {
            LoadProfile(profile.toStdString());
        }
        const TGameSettings loaded = *FSettings;
        tForm2 form(*FSettings, FProfilePath);
        QCOMPARE(form.scrlHeight->value(), height);
        QCOMPARE(form.scrlLvlChg->value(), lvlChg);
        QCOMPARE(form.scrlSpeed->value(), speed);
        QCOMPARE(form.lblHeightV->text(), QString::number(height));
        QCOMPARE(form.lblLvlChgV->text(), QString::number(lvlChg));
        QCOMPARE(form.lblSpeedV->text(), QString::number(speed));
        QCOMPARE(form.chkNext->isChecked(), next);
        // Showing the values changes nothing in effect...
        QCOMPARE(FSettings->StartingHeight, loaded.StartingHeight);
        QCOMPARE(FSettings->LevelChange, loaded.LevelChange);
        QCOMPARE(FSettings->Speed, loaded.Speed);

        // ...until OK takes what the window shows.
        form.show();
        form.btnOk->click();
        QCOMPARE(FSettings->StartingHeight, height);
        QCOMPARE(FSettings->LevelChange, lvlChg);
        QCOMPARE(FSettings->Speed, speed);
        QCOMPARE(FSettings->ShowNext, next);
        TGameSettings reloaded;
        TIniFile ini(Profile());
        reloaded.LoadSettings(ini);
        QCOMPARE(reloaded.StartingHeight, height);
        QCOMPARE(reloaded.LevelChange, lvlChg);
        QCOMPARE(reloaded.Speed, speed);
        QCOMPARE(reloaded.ShowNext, next);
    }

    void valueLabelsGrowToTheRight() {
        tForm2 form(*FSettings, FProfilePath);
        form.scrlSpeed->setValue(9);
        const int oneDigit = form.lblSpeedV->width();
        form.scrlSpeed->setValue(10);
        QCOMPARE(form.lblSpeedV->text(), QStringLiteral("10"));
        QCOMPARE(form.lblSpeedV->x(), 328);
        QVERIFY(form.lblSpeedV->width() > oneDigit);
    }

    void clickInTheTrackMovesByOne() {
        tForm2 form(*FSettings, FProfilePath);
        form.show();
        QScrollBar* bar = form.scrlLvlChg;
        QStyleOptionSlider option;
        option.initFrom(bar);
        QVERIFY(
            !bar->style()->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition, &option, bar));
        QCOMPARE(bar->value(), 35);
        const QRect thumb = ThumbRect(bar);
        QVERIFY(thumb.isValid());

        // Far to the right of the thumb: a large jump if the click were taken
        // as a place or a page.
        const QPoint right(thumb.right() + (bar->width() - thumb.right()) / 2, bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, right);
        QCOMPARE(bar->value(), 36);
        QCOMPARE(form.lblLvlChgV->text(), QStringLiteral("36"));

        const QPoint left(ThumbRect(bar).left() / 2 + 8, bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, left);
        QCOMPARE(bar->value(), 35);
        QCOMPARE(form.lblLvlChgV->text(), QStringLiteral("35"));
    }

    // A focused bar follows the arrow keys the way they point: Right is one
    // more, Left one less (Qt's scroll bars invert them unless told not to).
    void arrowKeysOnAFocusedBarMoveItByOne() {
        tForm2 form(*FSettings, FProfilePath);
        form.show();
        struct Case {
            QScrollBar* bar;
            Qt::Key key;
            int before, after;
        } cases[] = {
            {form.scrlHeight, Qt::Key_Right, 0, 1},   {form.scrlHeight, Qt::Key_Left, 1, 0},
            {form.scrlLvlChg, Qt::Key_Right, 35, 36}, {form.scrlSpeed, Qt::Key_Left, 10, 9},
            {form.scrlSpeed, Qt::Key_Home, 9, 1},     {form.scrlSpeed, Qt::Key_End, 1, 10},
        };
        for (const auto& c : cases) {
            QCOMPARE(c.bar->value(), c.before);
            QTest::keyClick(c.bar, c.key);
            QCOMPARE(c.bar->value(), c.after);
        }
        QCOMPARE(form.lblHeightV->text(), QStringLiteral("0"));
        QCOMPARE(form.lblLvlChgV->text(), QStringLiteral("36"));
    }

    // A player moving through the window with Tab sees which bar the arrow
    // keys will change: the focused bar looks different from itself unfocused,
    // in Fusion and in the plain Windows look alike, and only that bar changes.
    void theFocusedBarShowsItsFocus() {
        const auto restore = qScopeGuard(
            [previous = QApplication::style()->name()] { QApplication::setStyle(previous); });
        for (const char* style : {"Fusion", "Windows"}) {
            QApplication::setStyle(QStyleFactory::create(QString::fromLatin1(style)));
            tForm2 form(*FSettings, FProfilePath);
            form.show();
            QApplication::setActiveWindow(&form);
            QVERIFY(QTest::qWaitForWindowActive(&form));
            form.btnOk->setFocus();
            const QImage unfocused = form.grab().toImage();
            form.scrlLvlChg->setFocus();
            QVERIFY(form.scrlLvlChg->hasFocus());
            const QImage focused = form.grab().toImage();
            for (QScrollBar* bar : {form.scrlHeight, form.scrlLvlChg, form.scrlSpeed}) {
                int changed = 0;
                const QRect area = bar->geometry();
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    for (int x = area.left(); x <= area.right(); ++x) {
                        changed += focused.pixel(x, y) != unfocused.pixel(x, y);
                    }
                }
                // At least every other pixel of a frame around the bar.
                if (bar == form.scrlLvlChg) {
                    QVERIFY2(changed >= area.width() + area.height(),
                             qPrintable(QStringLiteral("%1: %2 pixels").arg(style).arg(changed)));
                } else {
                    QCOMPARE(changed, 0);
                }
            }
        }
    }

    void draggingTheThumbUpdatesTheLabelBeforeRelease() {
        tForm2 form(*FSettings, FProfilePath);
        form.show();
        QScrollBar* bar = form.scrlLvlChg;
        const QPoint grip = ThumbRect(bar).center();
        SendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton);
        QCOMPARE(bar->value(), 35);
        SendMouse(bar, QEvent::MouseMove, grip + QPoint(40, 0), Qt::LeftButton);
        const int moved = bar->value();
        QVERIFY(moved > 35);
        QCOMPARE(form.lblLvlChgV->text(), QString::number(moved));
        SendMouse(bar, QEvent::MouseMove, grip + QPoint(bar->width(), 0), Qt::LeftButton);
        QCOMPARE(bar->value(), 90);
        QCOMPARE(form.lblLvlChgV->text(), QStringLiteral("90"));
        SendMouse(bar, QEvent::MouseButtonRelease, grip + QPoint(bar->width(), 0), Qt::NoButton);
        QCOMPARE(bar->value(), 90);
        QCOMPARE(FSettings->LevelChange, 35);
    }

    void okWritesAllFourKeysInOrder() {
        tForm2 form(*FSettings, FProfilePath);
        form.show();
        QVERIFY(!ReadFileIfAny(Profile()));
        form.btnOk->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(ReadFileIfAny(Profile()).value_or("(none)"),
                 std::string("[Settings]\nStarting_Height=0\nLevel_Change=35\nSpeed=10\n"
                             "Show_Next=1\n"));

        form.show();
        form.scrlHeight->setValue(3);
        form.scrlLvlChg->setValue(50);
        form.scrlSpeed->setValue(7);
        form.chkNext->setChecked(false);
        form.btnOk->click();
        QCOMPARE(FSettings->StartingHeight, 3);
        QCOMPARE(FSettings->LevelChange, 50);
        QCOMPARE(FSettings->Speed, 7);
        QCOMPARE(FSettings->ShowNext, false);
        QCOMPARE(ReadFileIfAny(Profile()).value_or("(none)"),
                 std::string("[Settings]\nStarting_Height=3\nLevel_Change=50\nSpeed=7\n"
                             "Show_Next=0\n"));
    }

    // The profile's place may change while the program runs (a folder made
    // read-only, a configuration folder set up): each OK asks for it anew.
    void okSavesWhereTheProfileLiesAtThatMoment() {
        std::string place = FDir->filePath("first.ini").toStdString();
        tForm2 form(*FSettings, [&place] { return place; });
        form.show();
        form.btnOk->click();
        const std::string first = place;
        place = FDir->filePath("second.ini").toStdString();
        form.show();
        form.scrlSpeed->setValue(4);
        form.btnOk->click();
        QVERIFY(ReadFileIfAny(first).value_or("").find("Speed=10\n") != std::string::npos);
        QVERIFY(ReadFileIfAny(place).value_or("").find("Speed=4\n") != std::string::npos);
    }

    void okKeepsTheRestOfTheProfile() {
        const std::string before = "[HighScores]\r\nName1=Ann\r\n[Settings]\r\nSpeed=4\r\n";
        LoadProfile(before);
        tForm2 form(*FSettings, FProfilePath);
        form.btnOk->click();
        QCOMPARE(ReadFileIfAny(Profile()).value_or("(none)"),
                 std::string("[HighScores]\r\nName1=Ann\r\n[Settings]\r\nSpeed=4\r\n"
                             "Starting_Height=0\r\nLevel_Change=35\r\nShow_Next=1\r\n"));
    }

    void failedSaveShowsTheErrorAndKeepsTheWindowOpen() {
        const std::string missing = FDir->filePath("gone/Brindlex.ini").toStdString();
        TGameSettings settings;
        tForm2 form(settings, [missing] { return missing; });
        form.show();
        form.scrlSpeed->setValue(3);
        form.chkNext->setChecked(false);
        QString shown;
        AnswerErrorBox(shown);
        form.btnOk->click();
        QCOMPARE(shown, QString::fromStdString("Brindlex|Unable to write to " + missing +
                                               ": the folder does not exist."));
        QVERIFY(form.isVisible());
        QCOMPARE(form.scrlSpeed->value(), 3);
        QVERIFY(!form.chkNext->isChecked());
        // In effect although not saved.
        QCOMPARE(settings.Speed, 3);
        QCOMPARE(settings.ShowNext, false);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(missing)));
    }

    void cancelAndTheCloseBoxOnlyHide() {
        QPointer<tForm2> form = new tForm2(*FSettings, FProfilePath);
        form->show();
        form->scrlSpeed->setValue(3);
        form->btnCancel->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(FSettings->Speed, 10);
        QVERIFY(!ReadFileIfAny(Profile()));

        // The controls keep the player's values; OK saves those later.
        form->show();
        QCOMPARE(form->scrlSpeed->value(), 3);
        QCOMPARE(form->lblSpeedV->text(), QStringLiteral("3"));
        QVERIFY(form->close());
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(FSettings->Speed, 10);
        form->show();
        form->btnOk->click();
        QCOMPARE(FSettings->Speed, 3);
        QVERIFY(ReadFileIfAny(Profile()).value_or("").find("Speed=3\n") != std::string::npos);
        delete form;
    }

    void escapePressesNeitherButtonEnterPressesTheFocusedOne() {
        tForm2 form(*FSettings, FProfilePath);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.scrlSpeed->setValue(3);
        for (QWidget* target : QList<QWidget*>{form.btnOk, form.btnCancel, form.scrlSpeed}) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(form.isVisible());
        }
        form.scrlSpeed->setFocus();
        QTest::keyClick(form.scrlSpeed, Qt::Key_Return);
        QVERIFY(form.isVisible());
        QCOMPARE(FSettings->Speed, 10);
        QVERIFY(!ReadFileIfAny(Profile()));

        form.btnOk->setFocus();
        QTest::keyClick(form.btnOk, Qt::Key_Return);
        QVERIFY(!form.isVisible());
        QCOMPARE(FSettings->Speed, 3);
    }

    // BRINDLEX_SCREENSHOTS=<dir> keeps a picture of the window to look at.
    void screenshot() {
        const QString directory = qEnvironmentVariable("BRINDLEX_SCREENSHOTS");
        if (directory.isEmpty()) {
            QSKIP("BRINDLEX_SCREENSHOTS not set");
        }
        LoadProfile("[Settings]\nLevel_Change=90\nSpeed=3\n");
        tForm2 form(*FSettings, FProfilePath);
        form.show();
        QVERIFY(form.grab().save(directory + "/settings.png"));
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "OptionsTest.moc"
