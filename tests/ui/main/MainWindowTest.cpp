// The game window on Qt's offscreen platform: its layout, menu, keys, dialogs.
#include "ui/MainWindow.h"
#include "core/VirtualKeys.h"
#include "store/IniFile.h"
#include "store/IniFileTesting.h"
#include "ui/ClientArea.h"
#include "ui/KeyMap.h"
#include "ui/KeysBox.h"
#include "ui/NamePrompt.h"
#include "ui/Pictures.h"
#include "ui/common/ErrorBox.h"
#include "ui/common/NameText.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <optional>

namespace {

// Runs check on the modal dialog that opens next, then closes it with done.
void WhenModalOpens(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            WhenModalOpens(check);
            return;
        }
        check(modal);
    });
}

bool IsInk(QColor colour) {
    return colour.alpha() > 0 && colour.lightness() < 160;
}

// The x of every column within band of image that holds ink, left to right.
QList<int> InkColumns(const QImage& image, const QRect& band) {
    QList<int> columns;
    for (int x = band.left(); x <= band.right(); ++x) {
        for (int y = band.top(); y <= band.bottom(); ++y) {
            if (IsInk(image.pixelColor(x, y))) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

// How far right of its starting point text's first ink falls in font.
int InkBearing(const QString& text, const QFont& font) {
    const int origin = 20;
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 2 * origin, metrics.lineSpacing(),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(origin, metrics.ascent()), text);
    painter.end();
    return InkColumns(image, image.rect()).first() - origin;
}

QStringList MenuCaptions(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    std::string Profile() const { return (FDir.path() + "/Brindlex.ini").toStdString(); }

private slots:
    void hasTheLayoutOfTheGameWindow() {
        TForm1 form(Profile());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Brindlex"));
        QCOMPARE(form.ClientArea()->size(), QSize(362, 598));
        QCOMPARE(form.ClientArea()->geometry().top(), form.menuBar()->geometry().bottom() + 1);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.ClientArea()->cursor().shape(), Qt::CrossCursor);

        struct Label {
            QLabel* label;
            const char* text;
            QPoint place;
            bool heading;
        } labels[] = {
            {form.lblScoreHeader, "Score:", {285, 10}, true},
            {form.lblScore, "0", {285, 40}, false},
            {form.lblJewelsHeader, "Jewels:", {285, 80}, true},
            {form.lblJewels, "0", {285, 110}, false},
            {form.lblLevelHeader, "Level:", {285, 150}, true},
            {form.lblLevel, "0", {285, 180}, false},
            {form.lblNext, "Next:", {285, 220}, true},
        };
        for (const auto& l : labels) {
            QCOMPARE(l.label->text(), QString::fromLatin1(l.text));
            QCOMPARE(l.label->pos(), l.place);
            QCOMPARE(l.label->font().pixelSize(), 20);
            QCOMPARE(l.label->font().underline(), l.heading);
            QCOMPARE(l.label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            QCOMPARE(l.label->focusPolicy(), Qt::NoFocus);
        }
        // Nothing but the window itself takes the keyboard.
        for (QWidget* child : form.findChildren<QWidget*>()) {
            if (child->isVisible() && child != form.menuBar()) {
                QCOMPARE(child->focusPolicy(), Qt::NoFocus);
            }
        }

        // The preview and the well start white.
        const QImage start = form.ClientArea()->grab().toImage();
        for (QPoint p : {QPoint(5, 5), QPoint(270, 590), QPoint(300, 300), QPoint(330, 386)}) {
            QCOMPARE(start.pixelColor(p), QColor(Qt::white));
        }
    }

    void hasBothMenusWithTheirCaptionsAndStates() {
        TForm1 form(Profile());
        const auto menus = form.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Game"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Options"));
        QCOMPARE(MenuCaptions(menus[0]->menu()),
                 QStringList({"&New game (Space)", "&Pause game (Pause)", "&Abort game (Esc)", "-",
                              "&High scores", "-", "&Exit"}));
        QCOMPARE(MenuCaptions(menus[1]->menu()), QStringList({"&Keys", "&Settings"}));
        for (QAction* action : menus[0]->menu()->actions() + menus[1]->menu()->actions()) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->isCheckable());
        }
        QVERIFY(form.mniNew->isEnabled());
        QVERIFY(!form.mniPause->isEnabled());
        QVERIFY(!form.mniAbort->isEnabled());
    }

    void spaceStartsAGameThatTheMenuFollows() {
        TForm1 form(Profile());
        form.show();
        bool checkedDuringGame = false;
        QTimer::singleShot(100, [&] {
            QVERIFY(!form.mniNew->isEnabled());
            QVERIFY(form.mniPause->isEnabled());
            QVERIFY(form.mniAbort->isEnabled());
            QCOMPARE(form.lblLevel->text(), QStringLiteral("1"));
            QTest::keyClick(&form, Qt::Key_Pause);
            QVERIFY(Paused);
            QTest::keyClick(&form, Qt::Key_Escape); // ignored while paused
            QVERIFY(!GameOver);
            form.mniAbort->trigger(); // the menu ends even a paused game
            checkedDuringGame = true;
        });
        QTest::keyClick(&form, Qt::Key_Space);
        // The key handler returned only after the whole game.
        QVERIFY(checkedDuringGame);
        QVERIFY(!form.GameRunning());
        QVERIFY(form.mniNew->isEnabled());
        QVERIFY(!form.mniPause->isEnabled());
        // The end picture: cell (1, 1) shows jewel 3.
        const QImage well = form.ClientArea()->grab().toImage();
        const QImage jewel3 = static_cast<const TQtPicture*>(JewelPictures[3])->For(1.0);
        QCOMPARE(well.pixelColor(23, 23), jewel3.pixelColor(23, 23));
    }

    // Only an open menu of the bar holds the game; the menu a game was
    // started from has closed by then, and the settings window holds nothing.
    void reportsAnOpenMenuOfTheBar() {
        TForm1 form(Profile());
        QWidget settings;
        form.SetSecondaryWindows(&settings, nullptr);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(!form.MenuActive());
        for (QAction* item : form.menuBar()->actions()) {
            form.menuBar()->setActiveAction(item);
            QVERIFY(item->menu()->isVisible());
            QVERIFY(form.MenuActive());
            QTest::keyClick(item->menu(), Qt::Key_Escape);
            QTest::keyClick(form.menuBar(), Qt::Key_Escape);
            QVERIFY(!item->menu()->isVisible());
            QVERIFY(!form.MenuActive());
        }

        bool inGame = false;
        bool held = true;
        QTimer::singleShot(50, [&] {
            inGame = form.GameRunning();
            held = form.MenuActive();
            form.mniSettingsClick();
            QVERIFY(settings.isVisible());
            held = held || form.MenuActive();
            form.mniAbort->trigger();
        });
        QMenu* game = form.menuBar()->actions()[0]->menu();
        form.menuBar()->setActiveAction(form.menuBar()->actions()[0]);
        game->setActiveAction(form.mniNew);
        QTest::keyClick(game, Qt::Key_Return);
        QVERIFY(inGame);
        QVERIFY(!held);
        QVERIFY(!form.GameRunning());
    }

    // After Esc in an open menu, and after a lone Alt, the bar keeps the
    // keyboard: the game is held as by an open menu and the title is drawn
    // highlighted, until Esc or a click in the well gives the keyboard back.
    void theMenuBarHoldsTheKeyboardAfterEscAndALoneAlt() {
        TForm1 form(Profile());
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QMenuBar* bar = form.menuBar();
        QMenu* game = bar->actions()[0]->menu();
        const auto title = [bar] {
            return bar->grab().toImage().copy(bar->actionGeometry(bar->actions()[0]));
        };
        const QImage plain = title();
        const struct {
            const char* name;
            std::function<void()> enter;
            std::function<void()> leave;
        } cases[] = {
            {"Esc in the Game menu, then Esc",
             [&] {
                 QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
                 QVERIFY(game->isVisible());
                 QVERIFY(form.MenuActive());
                 QTest::keyClick(game, Qt::Key_Escape);
             },
             [&] { QTest::keyClick(bar, Qt::Key_Escape); }},
            {"a lone Alt, then a click in the well",
             [&] {
                 QTest::keyPress(&form, Qt::Key_Alt, Qt::AltModifier);
                 QTest::keyRelease(&form, Qt::Key_Alt);
             },
             [&] { QTest::mouseClick(form.ClientArea(), Qt::LeftButton, {}, QPoint(100, 300)); }},
            {"a lone Alt, then Esc",
             [&] {
                 QTest::keyPress(&form, Qt::Key_Alt, Qt::AltModifier);
                 QTest::keyRelease(&form, Qt::Key_Alt);
             },
             [&] { QTest::keyClick(bar, Qt::Key_Escape); }},
        };
        for (const auto& c : cases) {
            c.enter();
            QVERIFY2(!game->isVisible(), c.name);
            QVERIFY2(bar->hasFocus(), c.name);
            QVERIFY2(form.MenuActive(), c.name);
            QVERIFY2(title() != plain, c.name);
            c.leave();
            QVERIFY2(!form.MenuActive(), c.name);
            QVERIFY2(form.hasFocus(), c.name);
            QVERIFY2(title() == plain, c.name);
        }
        // Held with the keyboard, the bar still opens its menus by their letters.
        QTest::keyPress(&form, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(&form, Qt::Key_Alt);
        QTest::keyClick(bar, Qt::Key_O);
        QMenu* options = bar->actions()[1]->menu();
        QVERIFY(options->isVisible());
        QTest::keyClick(options, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QVERIFY(!form.MenuActive());
    }

    // Key events as X11 (xcb) and Wayland deliver them, with the scan code
    // and the XKB keysym Qt gives as the native virtual key. Wayland sets no
    // keypad modifier; wtype's keyboard has a layout of its own, one keysym
    // on each key, so its scan codes say nothing.
    void mapsKeysToVirtualKeyCodes() {
        constexpr Qt::KeyboardModifiers None = Qt::NoModifier, Keypad = Qt::KeypadModifier;
        struct Case {
            const char* what;
            int key;
            Qt::KeyboardModifiers modifiers;
            quint32 scanCode, keysym;
            uint16_t code;
        } cases[] = {
            {"X11 Left", Qt::Key_Left, None, 113, 0xff51, VK_LEFT},
            {"X11 Ctrl+Left: the modifier is not looked at", Qt::Key_Left, Qt::ControlModifier, 113,
             0xff51, VK_LEFT},
            {"X11 Right", Qt::Key_Right, None, 114, 0xff53, VK_RIGHT},
            {"X11 Down", Qt::Key_Down, None, 116, 0xff54, VK_DOWN},
            {"X11 Up: no command", Qt::Key_Up, None, 111, 0xff52, VK_UP},
            {"X11 keypad 4, Num Lock on", Qt::Key_4, Keypad, 83, 0xffb4, VK_NUMPAD4},
            {"X11 keypad 6, Num Lock on", Qt::Key_6, Keypad, 85, 0xffb6, VK_NUMPAD6},
            {"X11 keypad 2, Num Lock on", Qt::Key_2, Keypad, 88, 0xffb2, VK_NUMPAD2},
            {"X11 keypad 5, Num Lock on", Qt::Key_5, Keypad, 84, 0xffb5, VK_NUMPAD5},
            {"X11 keypad 8, Num Lock on", Qt::Key_8, Keypad, 80, 0xffb8, VK_NUMPAD8},
            {"X11 keypad 4, Num Lock off", Qt::Key_Left, Keypad, 83, 0xff96, VK_NUMPAD4},
            {"X11 keypad 6, Num Lock off", Qt::Key_Right, Keypad, 85, 0xff98, VK_NUMPAD6},
            {"X11 keypad 2, Num Lock off", Qt::Key_Down, Keypad, 88, 0xff99, VK_NUMPAD2},
            {"X11 keypad 5, Num Lock off", Qt::Key_Clear, Keypad, 84, 0xff9d, VK_NUMPAD5},
            {"X11 keypad 8, Num Lock off", Qt::Key_Up, Keypad, 80, 0xff97, VK_NUMPAD8},
            {"X11 Shift+keypad 8, Num Lock on", Qt::Key_Up, Qt::ShiftModifier | Keypad, 80, 0xff97,
             VK_NUMPAD8},
            {"X11 keypad 7, Num Lock off: no command", Qt::Key_Home, Keypad, 79, 0xff95,
             VK_NUMPAD0 + 7},
            {"X11 keypad 0, Num Lock off: no command", Qt::Key_Insert, Keypad, 90, 0xff9e,
             VK_NUMPAD0},
            {"X11 keypad point, Num Lock off", Qt::Key_Delete, Keypad, 91, 0xff9f, VK_DELETE},
            {"X11 keypad Enter", Qt::Key_Enter, Keypad, 104, 0xff8d, VK_RETURN},
            {"X11 Clear", Qt::Key_Clear, None, 0, 0xff0b, VK_CLEAR},
            {"X11 4 above the letters", Qt::Key_4, None, 13, 0x34, '4'},
            {"X11 Ctrl", Qt::Key_Control, Qt::ControlModifier, 37, 0xffe3, VK_CONTROL},
            {"X11 Shift", Qt::Key_Shift, Qt::ShiftModifier, 50, 0xffe1, VK_SHIFT},
            {"X11 Alt", Qt::Key_Alt, Qt::AltModifier, 64, 0xffe9, VK_MENU},
            {"X11 Pause", Qt::Key_Pause, None, 127, 0xff13, VK_PAUSE},
            {"X11 Esc", Qt::Key_Escape, None, 9, 0xff1b, VK_ESCAPE},
            {"X11 Space", Qt::Key_Space, None, 65, 0x20, VK_SPACE},
            {"X11 a", Qt::Key_A, None, 38, 0x61, 'A'},
            {"X11 F1", Qt::Key_F1, None, 67, 0xffbe, 0},
            {"Wayland Left", Qt::Key_Left, None, 113, 0xff51, VK_LEFT},
            {"Wayland Up: no command", Qt::Key_Up, None, 111, 0xff52, VK_UP},
            {"Wayland keypad 4, Num Lock on", Qt::Key_4, None, 83, 0xffb4, VK_NUMPAD4},
            {"Wayland keypad 6, Num Lock on", Qt::Key_6, None, 85, 0xffb6, VK_NUMPAD6},
            {"Wayland keypad 2, Num Lock on", Qt::Key_2, None, 88, 0xffb2, VK_NUMPAD2},
            {"Wayland keypad 5, Num Lock on", Qt::Key_5, None, 84, 0xffb5, VK_NUMPAD5},
            {"Wayland keypad 8, Num Lock on", Qt::Key_8, None, 80, 0xffb8, VK_NUMPAD8},
            {"Wayland keypad 4, Num Lock off", Qt::Key_Left, None, 83, 0xff96, VK_NUMPAD4},
            {"Wayland keypad 2, Num Lock off", Qt::Key_Down, None, 88, 0xff99, VK_NUMPAD2},
            {"Wayland keypad 5, Num Lock off", Qt::Key_Clear, None, 84, 0xff9d, VK_NUMPAD5},
            {"Wayland keypad 8, Num Lock off", Qt::Key_Up, None, 80, 0xff97, VK_NUMPAD8},
            {"Wayland Shift+keypad 8, Num Lock on", Qt::Key_Up, Qt::ShiftModifier, 80, 0xff97,
             VK_NUMPAD8},
            {"wtype -k KP_4", Qt::Key_4, None, 9, 0xffb4, VK_NUMPAD4},
            {"wtype -k KP_Up", Qt::Key_Up, None, 9, 0xff97, VK_NUMPAD8},
            {"wtype -k Up", Qt::Key_Up, None, 9, 0xff52, VK_UP},
        };
        for (const auto& c : cases) {
            QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.scanCode, c.keysym, 0);
            QVERIFY2(VirtualKeyOf(event) == c.code, qPrintable(QStringLiteral("%1: %2, not %3")
                                                                   .arg(QLatin1String(c.what))
                                                                   .arg(VirtualKeyOf(event))
                                                                   .arg(c.code)));
        }
    }

    void autoRepeatedKeysReachTheGame() {
        TForm1 form(Profile());
        form.show();
        int32_t columnAfter = 0;
        QTimer::singleShot(50, [&] {
            CurrentPiece[0] = CurrentPiece[1] = CurrentPiece[2] = 1;
            for (bool repeat : {false, true, true}) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), repeat);
                QApplication::sendEvent(&form, &press);
            }
            columnAfter = PieceCol;
            form.FormKeyDown(VK_ESCAPE);
        });
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(columnAfter, 1);
    }

    void keysBoxShowsTheHelpText() {
        TForm1 form(Profile());
        QString text;
        QString title;
        WhenModalOpens([&](QWidget* modal) {
            title = modal->windowTitle();
            text = static_cast<TKeysBox*>(modal)->Text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        form.mniKeysClick();
        QCOMPARE(title, QStringLiteral("Brindlex"));
        QCOMPARE(text,
                 QStringLiteral(
                     "Left:\t\tLeft or numpad 4\r\nRight:\t\tRight or numpad 6\r\nDown:\t\tDown "
                     "or numpad 2\r\nRotate down:\tCtrl or numpad 5\r\nRotate up:\tShift or "
                     "numpad 8\r\nStart new game:\tSpace\r\nPause:\t\tPause\r\nEnd game:\tEsc"));
    }

    // Not even under a style that gives standard buttons their theme icons.
    void keysBoxHasAnOkButtonWithoutIcon() {
        class IconButtonsStyle : public QProxyStyle {
        public:
            using QProxyStyle::QProxyStyle;
            int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* data) const override {
                return hint == SH_DialogButtonBox_ButtonsHaveIcons
                           ? 1
                           : QProxyStyle::styleHint(hint, option, widget, data);
            }
        };
        const QString styleName = QApplication::style()->name();
        QApplication::setStyle(new IconButtonsStyle(QStyleFactory::create(styleName)));
        auto restore = qScopeGuard([&] { QApplication::setStyle(styleName); });
        TForm1 form(Profile());
        TKeysBox box(&form);
        const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0]->text(), QStringLiteral("OK"));
        QVERIFY(buttons[0]->icon().isNull());
        QDialogButtonBox probe(QDialogButtonBox::Ok);
        QVERIFY2(!probe.button(QDialogButtonBox::Ok)->icon().isNull(), "the style gives icons");
    }

    // Measured on the drawn box, for the font it has and for others: every
    // key name starts at the same x, clear of the widest action name.
    void keysBoxLinesUpTheKeyNames() {
        TForm1 form(Profile());
        const QStringList lines = KeysHelp().split("\r\n");
        QFont serif(QStringLiteral("DejaVu Serif"));
        serif.setPixelSize(15);
        for (const std::optional<QFont>& font : {std::optional<QFont>(), std::optional(serif)}) {
            TKeysBox box(&form);
            if (font) {
                box.setFont(*font);
                box.adjustSize();
            }
            const auto* text = box.findChild<TTabbedText*>();
            const QImage shown = box.grab().toImage();
            const QRect area = text->geometry();
            const QFontMetrics metrics(text->font());
            QList<int> keyStarts;
            for (int i = 0; i < lines.size(); ++i) {
                const QRect band(area.left(), area.top() + i * metrics.lineSpacing(), area.width(),
                                 metrics.lineSpacing());
                const QString name = lines[i].section('\t', 0, 0);
                const QString key = lines[i].section('\t', -1);
                // The name's ink lies within its advance; the key's comes after.
                const int nameAdvance = metrics.horizontalAdvance(name);
                QList<int> nameInk = InkColumns(shown, band);
                QList<int> keyInk = nameInk;
                nameInk.removeIf([&](int x) { return x - area.left() > nameAdvance; });
                keyInk.removeIf([&](int x) { return x - area.left() <= nameAdvance; });
                QVERIFY2(!nameInk.isEmpty() && !keyInk.isEmpty(), qPrintable(lines[i]));
                QVERIFY2(keyInk.first() - nameInk.last() > 2, qPrintable(lines[i]));
                // Where the key's text starts: its first ink less its own bearing.
                keyStarts << keyInk.first() - area.left() - InkBearing(key, text->font());
            }
            for (int start : keyStarts) {
                QCOMPARE(start, keyStarts.front());
            }
        }
    }

    void keysBoxIsCentredOnTheScreen() {
        TForm1 form(Profile());
        form.move(0, 0);
        form.show();
        QPoint centre;
        WhenModalOpens([&](QWidget* modal) {
            centre = modal->frameGeometry().center();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        form.mniKeysClick();
        // Within the few pixels of a window frame, which the box cannot know
        // before it is shown.
        const QPoint screen = form.screen()->availableGeometry().center();
        QVERIFY2(std::abs(centre.x() - screen.x()) <= 4 && std::abs(centre.y() - screen.y()) <= 4,
                 qPrintable(QStringLiteral("box centred at %1,%2, screen at %3,%4")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(screen.x())
                                .arg(screen.y())));
    }

    void namePromptGivesTheTypedOrThePreFilledAnswer() {
        struct Case {
            const char* name;
            std::function<void(TNamePrompt&)> act;
            QString answer;
        } cases[] = {
            {"OK with a new name",
             [](TNamePrompt& d) {
                 QTest::keyClicks(d.Edit, "Tess");
                 QTest::keyClick(d.Edit, Qt::Key_Return);
             },
             "Tess"},
            {"OK on an emptied box",
             [](TNamePrompt& d) {
                 QTest::keyClick(d.Edit, Qt::Key_Backspace);
                 d.OkButton->click();
             },
             ""},
            {"Cancel", [](TNamePrompt& d) { d.CancelButton->click(); }, "Nobody"},
            {"Esc",
             [](TNamePrompt& d) {
                 QTest::keyClicks(d.Edit, "Tess");
                 QTest::keyClick(d.Edit, Qt::Key_Escape);
             },
             "Nobody"},
        };
        for (const auto& c : cases) {
            TNamePrompt dialog("You're Winner!",
                               "You placed #1 with your score of 1001.\r\nEnter "
                               "your name:",
                               "Nobody", nullptr);
            QCOMPARE(dialog.Edit->selectedText(), QStringLiteral("Nobody"));
            QVERIFY(dialog.OkButton->isDefault());
            QTimer::singleShot(0, [&] { c.act(dialog); });
            dialog.exec();
            QCOMPARE(dialog.Answer(), c.answer);
        }
    }

    // The box holds one line of at most 255 characters, counted as the
    // player sees them, however the text gets in.
    void namePromptHoldsOneLineOf255Characters() {
        const auto times = [](int n, const QString& piece) { return piece.repeated(n); };
        const struct {
            const char* what;
            QString typed;
            QString held;
        } cases[] = {
            {"a pasted line break", "Eve\r\nFay", "Eve Fay"},
            {"tabs and a trailing line feed", "\tEve\t\tFay\n", " Eve Fay "},
            {"a line separator", QString("Eve") + QChar(0x2028) + "Fay", "Eve Fay"},
            {"300 letters", times(300, "a"), times(255, "a")},
            {"255 two-byte characters", times(255, QString(QChar(0xE9))),
             times(255, QString(QChar(0xE9)))},
            {"255 three-byte characters", times(255, QString(QChar(0x20AC))),
             times(255, QString(QChar(0x20AC)))},
            {"255 four-byte characters", times(255, QString::fromUcs4(U"\U0001F48E")),
             times(255, QString::fromUcs4(U"\U0001F48E"))},
            {"256 four-byte characters", times(256, QString::fromUcs4(U"\U0001F48E")),
             times(255, QString::fromUcs4(U"\U0001F48E"))},
        };
        for (const auto& c : cases) {
            TNamePrompt dialog("You're Winner!", "Enter your name:", "Nobody", nullptr);
            dialog.Edit->insert(c.typed); // as a paste does, over the selection
            QCOMPARE(dialog.Edit->text(), c.held);
            QTimer::singleShot(0, [&] { QTest::keyClick(dialog.Edit, Qt::Key_Return); });
            dialog.exec();
            QCOMPARE(dialog.Answer(), c.held);
            QCOMPARE(NameText(NameBytes(dialog.Answer())), c.held);
        }
        // Typed on at the limit, the box takes nothing more.
        TNamePrompt dialog("You're Winner!", "Enter your name:", times(255, "b"), nullptr);
        dialog.Edit->end(false);
        QTest::keyClicks(dialog.Edit, "cd");
        QCOMPARE(dialog.Edit->text(), times(255, "b"));
    }

    // A key held down as the game ends goes on repeating into the prompt:
    // those repeats change nothing there until the key is let go, and a
    // fresh press acts at once.
    void namePromptIgnoresKeysHeldFromTheGame() {
        const auto send = [](QWidget* to, QEvent::Type type, int key, bool repeat,
                             quint64 timestamp = 0) {
            QKeyEvent event(type, key, Qt::NoModifier,
                            key == Qt::Key_A ? QStringLiteral("a") : QString(), repeat);
            event.setTimestamp(timestamp);
            QApplication::sendEvent(to, &event);
        };
        const struct {
            const char* what;
            std::function<void(TNamePrompt&)> act;
            QDialog::DialogCode closedBy;
            QString answer;
        } cases[] = {
            {"held Esc, then a name",
             [&](TNamePrompt& d) {
                 for (int i = 0; i < 5; ++i) {
                     send(d.Edit, QEvent::KeyPress, Qt::Key_Escape, true);
                 }
                 QVERIFY(d.isVisible());
                 QTest::keyClicks(d.Edit, "Ann");
                 QTest::keyClick(d.Edit, Qt::Key_Return);
             },
             QDialog::Accepted, "Ann"},
            {"held Left, then typing replaces the whole name",
             [&](TNamePrompt& d) {
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Left, true);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Left, true);
                 QCOMPARE(d.Edit->selectedText(), QStringLiteral("Nobody"));
                 QTest::keyClicks(d.Edit, "Alice");
                 QTest::keyClick(d.Edit, Qt::Key_Return);
             },
             QDialog::Accepted, "Alice"},
            {"held Return and a held letter",
             [&](TNamePrompt& d) {
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Return, true);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_A, true);
                 QVERIFY(d.isVisible());
                 QCOMPARE(d.Edit->text(), QStringLiteral("Nobody"));
                 d.OkButton->click();
             },
             QDialog::Accepted, "Nobody"},
            {"a fresh Esc after the held one is let go",
             [&](TNamePrompt& d) {
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Escape, true);
                 send(d.Edit, QEvent::KeyRelease, Qt::Key_Escape, false);
                 QTest::keyClicks(d.Edit, "Tess");
                 QTest::keyClick(d.Edit, Qt::Key_Escape);
             },
             QDialog::Rejected, "Nobody"},
            {"held Esc whose repeat comes as a release and a press of one moment",
             [&](TNamePrompt& d) {
                 send(d.Edit, QEvent::KeyRelease, Qt::Key_Escape, false, 5000);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Escape, false, 5000);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Escape, true, 5030);
                 QVERIFY(d.isVisible());
                 send(d.Edit, QEvent::KeyRelease, Qt::Key_Escape, false, 5100);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_Escape, false,
                      5400); // let go, pressed again
             },
             QDialog::Rejected, "Nobody"},
            {"a key pressed in the prompt repeats as usual",
             [&](TNamePrompt& d) {
                 send(d.Edit, QEvent::KeyPress, Qt::Key_A, false);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_A, true);
                 send(d.Edit, QEvent::KeyPress, Qt::Key_A, true);
                 QCOMPARE(d.Edit->text(), QStringLiteral("aaa"));
                 d.OkButton->click();
             },
             QDialog::Accepted, "aaa"},
        };
        for (const auto& c : cases) {
            TNamePrompt dialog("You're Winner!", "Enter your name:", "Nobody", nullptr);
            QTimer::singleShot(0, [&] { c.act(dialog); });
            dialog.exec();
            QVERIFY2(dialog.result() == c.closedBy, c.what);
            QCOMPARE(dialog.Answer(), c.answer);
        }
    }

    void errorBoxAddsAFullStopAfterALetterOrDigit() {
        struct Case {
            const char* message;
            const char* shown;
        } cases[] = {
            {"Unable to write to /home/p/Brindlex.ini", "Unable to write to /home/p/Brindlex.ini."},
            {"Disk 2", "Disk 2."},
            {"Done.", "Done."},
            {"Unable (really)", "Unable (really)"},
            {"", ""},
        };
        for (const auto& c : cases) {
            QCOMPARE(ErrorBoxText(QString::fromLatin1(c.message)), QString::fromLatin1(c.shown));
        }
        QString title;
        QString text;
        WhenModalOpens([&](QWidget* modal) {
            title = modal->windowTitle();
            text = modal->findChild<QLabel*>("qt_msgbox_label")->text();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        Guarded([] { throw std::runtime_error("Unable to write to /x/Brindlex.ini"); });
        QCOMPARE(title, QStringLiteral("Brindlex"));
        QCOMPARE(text, QStringLiteral("Unable to write to /x/Brindlex.ini."));
    }

    void aCoveredWellIsPaintedAgainAsItWas() {
        TForm1 form(Profile());
        form.show();
        form.DrawShape(2, 3, 5);
        form.DrawShape(6, 13, 1);
        form.ClientArea()->Flush();
        // A fresh paint of the whole area, as after another window covered it.
        const QImage shown = form.ClientArea()->grab().toImage();
        const auto* jewel5 = static_cast<const TQtPicture*>(JewelPictures[5]);
        const auto* jewel1 = static_cast<const TQtPicture*>(JewelPictures[1]);
        for (int y = 0; y < 46; y += 5) {
            for (int x = 0; x < 46; x += 5) {
                QCOMPARE(shown.pixelColor(46 + x, 92 + y), jewel5->For(1.0).pixelColor(x, y));
                QCOMPARE(shown.pixelColor(230 + x, 552 + y), jewel1->For(1.0).pixelColor(x, y));
            }
        }
        QCOMPARE(shown.pixelColor(100, 300), QColor(Qt::white));
    }

    // Run with QT_SCALE_FACTOR=2: the cells come from the double-size art,
    // pixel for pixel, not from the small art scaled up.
    void drawsTheDoubleSizePicturesOnAHighDensityScreen() {
        TForm1 form(Profile());
        form.show();
        if (form.ClientArea()->devicePixelRatioF() < 2.0) {
            QSKIP("needs a device pixel ratio of 2 (QT_SCALE_FACTOR=2)");
        }
        form.DrawShape(1, 1, 4);
        form.ClientArea()->Flush();
        const QImage shown = form.ClientArea()->grab().toImage();
        QCOMPARE(shown.size(), QSize(724, 1196));
        const QImage& art = static_cast<const TQtPicture*>(JewelPictures[4])->For(2.0);
        QCOMPARE(art.size(), QSize(92, 92));
        for (int y = 0; y < 92; y += 3) {
            for (int x = 0; x < 92; x += 3) {
                QCOMPARE(shown.pixelColor(x, y), art.pixelColor(x, y));
            }
        }
    }

    // A save that fails at the end of a game: the prompt, then the error box,
    // then the window goes on idle with the entry kept in memory.
    void aFailedHighScoreSaveIsShownAndTheProgramGoesOn() {
        TForm1 form("/nonexistent-folder/Brindlex.ini");
        form.show();
        QStringList dialogs;
        std::function<void(QWidget*)> answer = [&](QWidget* modal) {
            dialogs << modal->windowTitle();
            if (auto* prompt = qobject_cast<QDialog*>(modal);
                prompt != nullptr && modal->windowTitle() == "You're Winner!") {
                QTest::keyClicks(static_cast<TNamePrompt*>(prompt)->Edit, "Ann");
                QTest::keyClick(static_cast<TNamePrompt*>(prompt)->Edit, Qt::Key_Return);
                WhenModalOpens(answer);
                return;
            }
            dialogs << modal->findChild<QLabel*>("qt_msgbox_label")->text();
            QTest::keyClick(modal, Qt::Key_Return);
        };
        WhenModalOpens(answer);
        QTimer::singleShot(50, [] {
            Score = 5000;
            GameOver = true;
        });
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(dialogs, QStringList({"You're Winner!", "Brindlex",
                                       "Unable to write to /nonexistent-folder/Brindlex.ini: the "
                                       "folder does not exist."}));
        QCOMPARE(form.HiName[1], std::string("Ann"));
        QVERIFY(!form.GameRunning());
        QVERIFY(form.mniNew->isEnabled());
    }

    // An entry whose save failed (here a disk that fills up) is saved as the
    // program ends; when that save fails too, the error box says so.
    void aFailedHighScoreSaveIsTriedOnceMoreAtExit() {
        for (const bool failsAgain : {false, true}) {
            TForm1 form(Profile());
            form.show();
            SetIniFileFailure(IniFileStep::Write);
            auto clearFailure = qScopeGuard([] { SetIniFileFailure(std::nullopt); });
            {
                TIniFile ini(form.ProfileFileName());
                QVERIFY_THROWS_EXCEPTION(EIniFileException,
                                         form.SaveNewHighScore(ini, "Ann", 5000, 50));
            }
            if (!failsAgain) {
                SetIniFileFailure(std::nullopt);
            }
            QString shown;
            if (failsAgain) {
                WhenModalOpens([&shown](QWidget* modal) {
                    shown = modal->findChild<QLabel*>("qt_msgbox_label")->text();
                    QTest::keyClick(modal, Qt::Key_Return);
                });
            }
            form.close();
            SetIniFileFailure(std::nullopt);
            TIniFile ini(form.ProfileFileName());
            QCOMPARE(ini.ReadText("HighScores", "Name1", "none"), failsAgain ? "none" : "Ann");
            QCOMPARE(shown, failsAgain
                                ? QStringLiteral("Unable to write to ") +
                                      QString::fromStdString(form.ProfileFileName()) +
                                      QStringLiteral(": the disk is full.\n"
                                                     "The new high score could not be saved.")
                                : QString());
            QFile::remove(QString::fromStdString(form.ProfileFileName()));
        }
    }

    void theNamePromptClosesAtOnceWhenTheProgramIsEnding() {
        TForm1 form(Profile());
        form.show();
        QTimer::singleShot(50, [&] {
            Score = 5000;
            form.close(); // during the game: the game ends first
        });
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(form.HiScore[1], 5000u);
        QCOMPARE(form.HiName[1], std::string("Nobody"));
        QVERIFY(form.Terminated());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
