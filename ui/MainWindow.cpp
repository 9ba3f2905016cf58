#include "ui/MainWindow.h"

#include "store/IniFile.h"
#include "store/ProfilePlace.h"
#include "ui/ClientArea.h"
#include "ui/FreshKeys.h"
#include "ui/KeyMap.h"
#include "ui/KeysBox.h"
#include "ui/NamePrompt.h"
#include "ui/Pictures.h"
#include "ui/PlayerPresence.h"
#include "ui/common/ErrorBox.h"
#include "ui/common/Fonts.h"
#include "ui/common/NameText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>
#include <thread>

namespace {

const QColor Navy(0, 0, 128);

const TQtPicture* AsQt(const TPicture* picture) {
    return static_cast<const TQtPicture*>(picture);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  bool heading) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = SansFont(20);
    font.setUnderline(heading);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Navy);
    label->setPalette(palette);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TForm1::TForm1(std::string profileFile) : FProfileFile(std::move(profileFile)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brindlex"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QIcon icon;
    for (int size : {16, 24, 32, 64}) {
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);

    FClient = new TClientArea(this);
    setCentralWidget(FClient);
    CreateMenu();
    CreateLabels();
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    // Keys held as the player left act no more on the return.
    new TFreshKeys(this);
    FPresence = new TPlayerPresence(*this);
    connect(FPresence, &TPlayerPresence::PresenceChanged, this, [this](bool present) {
        if (!present) {
            RunCommand([this] { PauseIfPlaying(); });
        }
    });

    FormCreate();
}

void TForm1::FormCreate() {
    LoadPictureTables();
    ClearPreview(); // the preview starts white
    GameOver = true;
    // One reading of the file for all of it: a save by another copy of the
    // game in between cannot give a table half old and half new.
    TIniFile ini(ProfileFileName());
    TMemIniFile profile(ini.FileName(), {});
    ini.ReadSnapshot(profile);
    LoadSettings(profile);
    LoadHighScores(profile);
}

void TForm1::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* game = bar->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("N1"));
    // The captions name the keys; only the key handler takes them, so no
    // item has a shortcut of its own. Access letters are unique within each
    // menu, in every language.
    mniNew = game->addAction(tr("&New game (Space)"));
    mniPause = game->addAction(tr("&Pause game (Pause)"));
    mniAbort = game->addAction(tr("&Abort game (Esc)"));
    game->addSeparator()->setObjectName(QStringLiteral("mniSep1"));
    mniHighscores = game->addAction(tr("&High scores"));
    game->addSeparator()->setObjectName(QStringLiteral("mniSep2"));
    mniExit = game->addAction(tr("&Exit"));
    QMenu* options = bar->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("N2"));
    mniKeys = options->addAction(tr("&Keys"));
    mniSettings = options->addAction(tr("&Settings"));

    const std::pair<QAction*, const char*> names[] = {
        {mniNew, "mniNew"},          {mniPause, "mniPause"},
        {mniAbort, "mniAbort"},      {mniHighscores, "mniHighscores"},
        {mniExit, "mniExit"},        {mniKeys, "mniKeys"},
        {mniSettings, "mniSettings"}};
    for (const auto& [action, name] : names) {
        action->setObjectName(QString::fromLatin1(name));
        action->setMenuRole(QAction::NoRole);
    }
    mniPause->setEnabled(false);
    mniAbort->setEnabled(false);

    connect(mniNew, &QAction::triggered, this, [this] { RunCommand([this] { mniNewClick(); }); });
    connect(mniPause, &QAction::triggered, this,
            [this] { RunCommand([this] { mniPauseClick(); }); });
    connect(mniAbort, &QAction::triggered, this,
            [this] { RunCommand([this] { mniAbortClick(); }); });
    connect(mniHighscores, &QAction::triggered, this,
            [this] { RunCommand([this] { mniHighscoresClick(); }); });
    connect(mniExit, &QAction::triggered, this, [this] { RunCommand([this] { mniExitClick(); }); });
    connect(mniKeys, &QAction::triggered, this, [this] { RunCommand([this] { mniKeysClick(); }); });
    connect(mniSettings, &QAction::triggered, this,
            [this] { RunCommand([this] { mniSettingsClick(); }); });
}

void TForm1::CreateLabels() {
    lblScoreHeader = MakeLabel(FClient, "lblScoreHeader", tr("Score:"), 285, 10, true);
    lblScore = MakeLabel(FClient, "lblScore", QStringLiteral("0"), 285, 40, false);
    lblJewelsHeader = MakeLabel(FClient, "lblJewelsHeader", tr("Jewels:"), 285, 80, true);
    lblJewels = MakeLabel(FClient, "lblJewels", QStringLiteral("0"), 285, 110, false);
    lblLevelHeader = MakeLabel(FClient, "lblLevelHeader", tr("Level:"), 285, 150, true);
    lblLevel = MakeLabel(FClient, "lblLevel", QStringLiteral("0"), 285, 180, false);
    lblNext = MakeLabel(FClient, "lblNext", tr("Next:"), 285, 220, true);
}

void TForm1::SetSecondaryWindows(QWidget* settings, QWidget* highScores) {
    FSettingsWindow = settings;
    FHighScoresWindow = highScores;
}

void TForm1::RunCommand(const std::function<void()>& command) {
    Guarded(command);
    // A game that just ended drew its end picture after its last pause.
    FClient->Flush();
    if (FTerminated && !GameRunning()) {
        close();
    }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const uint16_t key = VirtualKeyOf(*event);
    if (key == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    RunCommand([this, key] { FormKeyDown(key); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (GameRunning()) {
        // The game ends the ordinary way first; the command that started it
        // closes the window once it has.
        FTerminated = true;
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

void TForm1::mniExitClick() {
    close();
}

namespace {

void Toggle(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    if (window->isVisible()) {
        window->hide();
    } else {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

} // namespace

void TForm1::mniHighscoresClick() {
    Toggle(FHighScoresWindow);
}

void TForm1::mniSettingsClick() {
    Toggle(FSettingsWindow);
}

void TForm1::mniKeysClick() {
    FClient->Flush();
    TKeysBox box(this);
    box.exec();
}

void TForm1::PaintWell(int32_t x, int32_t y, const TPicture* picture) {
    FClient->PaintWellCell(x, y, AsQt(picture));
}

void TForm1::PaintPreview(int32_t x, int32_t y, const TPicture* picture) {
    FClient->PaintPreviewCell(x, y, AsQt(picture));
}

void TForm1::ClearPreview() {
    FClient->ClearPreview();
}

void TForm1::ShowCounters(const std::string& score, const std::string& jewels,
                          const std::string& level) {
    const std::pair<QLabel*, const std::string*> counters[] = {
        {lblScore, &score}, {lblJewels, &jewels}, {lblLevel, &level}};
    for (const auto& [label, text] : counters) {
        const QString value = QString::fromStdString(*text);
        if (label->text() == value) {
            continue;
        }
        FClient->MarkDirty(label->geometry());
        label->setText(value);
        label->adjustSize();
        FClient->MarkDirty(label->geometry());
    }
}

void TForm1::EnableGameMenu(bool gameRunning) {
    mniNew->setEnabled(!gameRunning);
    mniPause->setEnabled(gameRunning);
    mniAbort->setEnabled(gameRunning);
}

void TForm1::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    FClient->Flush();
}

void TForm1::WaitTurn(uint32_t msUntilStep) {
    FClient->Flush();
    if (msUntilStep == 0) {
        return;
    }
    // Nothing but an event or the step falling due can change what the next
    // turn does, so sleep until the first of them.
    QTimer due;
    due.setSingleShot(true);
    due.setTimerType(Qt::PreciseTimer);
    if (msUntilStep != std::numeric_limits<uint32_t>::max()) {
        due.start(static_cast<int>(msUntilStep));
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    FClient->Flush();
}

bool TForm1::MenuOpen() {
    // A menu of the bar is a popup that stays open between two passes of the
    // event loop; the settings and high-scores windows are no menus and hold
    // nothing.
    const auto items = menuBar()->actions();
    return std::any_of(items.begin(), items.end(), [](const QAction* item) {
        return item->menu() != nullptr && item->menu()->isVisible();
    });
}

uint32_t TForm1::GetTickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void TForm1::Sleep(uint32_t ms) {
    // What was drawn is on the screen before the pause, so it is seen for all of it.
    FClient->Flush();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool TForm1::QueryPerformanceCounter(int64_t& counter) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    counter = static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    return true;
}

std::string TForm1::InputQuery(int place, uint32_t score, const std::string& value) {
    if (FTerminated) {
        // The program is ending: the prompt closes at once, as cancelled.
        return value;
    }
    FClient->Flush();
    TNamePrompt dialog(HighScoreCaption(), HighScorePrompt(place, score), ShownName(value), this);
    if (const QScreen* screen = this->screen()) {
        dialog.move(screen->geometry().center() - dialog.rect().center());
    }
    dialog.exec();
    if (dialog.result() != QDialog::Accepted) {
        return value; // byte for byte, whatever its encoding
    }
    return StoredName(dialog.Answer());
}

std::string TForm1::ProfileFileName() {
    return FProfileFile.empty() ? ProfilePath() : FProfileFile;
}
