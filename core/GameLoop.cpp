// One whole game: the start, the drop loop, the end; the counters and pause.
#include "core/Game.h"

#include "core/Random.h"

#include <limits>
#include <string>

namespace {

constexpr int32_t SpawnCol = 4;
constexpr int32_t SpawnRow = -2; // all three jewels above the well

// Marks the game as running for as long as NewGame is on the stack, also when
// the high-score save leaves it with an error.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : FFlag(flag) { FFlag = true; }
    ~RunningFlag() { FFlag = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& FFlag;
};

} // namespace

TGame::TGame() {
    GameOver = true;
}

void TGame::Randomize() {
    int64_t counter = 0;
    RandSeed = QueryPerformanceCounter(counter) ? static_cast<uint32_t>(counter) : GetTickCount();
}

void TGame::NewGame() {
    RunningFlag running(FGameRunning);

    JewelCount = 0;
    Score = 0;
    GameOver = false;
    Paused = false;
    ResetWell();
    Randomize();
    PreFill();
    EnableGameMenu(true);
    ClearPreview();
    DealFirstTrios();
    Level = 1;
    DropDelay = StepInterval();
    DrawScore();

    DropLoop();

    // A game left because the program is ending has no stop request of its
    // own; from here on no game runs, and no key may act on the old trio.
    GameOver = true;
    ProcessMessages();
    DrawWell(TWellPicture::EndStripes, TWellOrder::ColumnByColumn);
    EnableGameMenu(false);
    EnterHighScore();
}

// Walls around an empty well, and the well blanked on the screen.
void TGame::ResetWell() {
    for (auto& column : Board) {
        for (auto& cell : column) {
            cell = CellWall;
        }
    }
    for (int32_t c = 1; c <= WellColumns; ++c) {
        for (int32_t r = 1; r <= WellRows; ++r) {
            Board[c][r] = CellEmpty;
        }
    }
    DrawWell(TWellPicture::Blank, TWellOrder::ColumnByColumn);
}

// The starting height's rows of random jewels, from the bottom row up.
void TGame::PreFill() {
    const int32_t height = EffectiveStartingHeight();
    for (int32_t r = WellRows; r > WellRows - height; --r) {
        for (int32_t c = 1; c <= WellColumns; ++c) {
            const uint8_t kind = RandomJewel();
            Board[c][r] = kind;
            DrawShape(c, r, kind);
        }
    }
}

// The first trio at the spawn place and the next trio, their jewels drawn in turn.
void TGame::DealFirstTrios() {
    PieceCol = SpawnCol;
    PieceRow = SpawnRow;
    for (int k = 0; k < 3; ++k) {
        CurrentPiece[k] = RandomJewel();
        NextPiece[k] = RandomJewel();
    }
}

// Waiting turns until the step interval has run out, then a step: the trio
// moves down one row, lands, or cannot enter the well. Until the game is over.
void TGame::DropLoop() {
    uint32_t LastStepTick = GetTickCount();
    do {
        const uint32_t now = GetTickCount();
        // The menu bar in use holds the trio as a pause does. LastStepTick stays,
        // so once the bar is left a step that fell due meanwhile comes at once.
        if (Paused || MenuActive() || now - LastStepTick < static_cast<uint32_t>(DropDelay)) {
            WaitingTurn(LastStepTick);
            continue;
        }

        LastStepTick = now;
        if (!PieceCollided()) {
            MovePieceDown();
        } else if (PieceRow >= 1) {
            LandTrio();
            // The next trio's first step comes a whole interval after the cascade.
            LastStepTick = GetTickCount();
            SpawnNextTrio();
        } else {
            // The trio came to rest before it was wholly inside the well.
            GameOver = true;
        }
    } while (!GameOver && !Terminated());
}

// The player's commands run inside the dispatch; then the host waits, at most
// until the next step is due.
void TGame::WaitingTurn(uint32_t LastStepTick) {
    ProcessMessages();
    uint32_t untilStep = std::numeric_limits<uint32_t>::max();
    if (GameOver || Terminated()) {
        untilStep = 0;
    } else if (!Paused && !MenuActive()) {
        const uint32_t elapsed = GetTickCount() - LastStepTick;
        const auto delay = static_cast<uint32_t>(DropDelay);
        untilStep = elapsed >= delay ? 0 : delay - elapsed;
    }
    SleepUntilEvent(untilStep);
}

// The trio goes into Board, and the cascade resolves the well.
void TGame::LandTrio() {
    // A trio that has not moved since a resume is not on the screen yet;
    // draw it as it goes into Board, or it would rest there unseen.
    for (int32_t k = 0; k < 3; ++k) {
        Board[PieceCol][PieceRow + k] = CurrentPiece[k];
        DrawShape(PieceCol, PieceRow + k, CurrentPiece[k]);
    }
    CheckLines();
}

// The next trio enters at the spawn place and a new one is drawn for the
// preview; the game is over when the top cell of the spawn column is taken.
void TGame::SpawnNextTrio() {
    for (int k = 0; k < 3; ++k) {
        CurrentPiece[k] = NextPiece[k];
    }
    PieceCol = SpawnCol;
    PieceRow = SpawnRow;
    for (auto& kind : NextPiece) {
        kind = RandomJewel();
    }
    DrawScore();
    if (PieceCollided()) {
        GameOver = true;
    }
}

void TGame::DrawScore() {
    ShowCounters(std::to_string(Score), std::to_string(JewelCount), std::to_string(Level));
    if (ShowNext) {
        for (int32_t i = 0; i < 3; ++i) {
            PaintPreview(0, i * CellSize, JewelPictures[NextPiece[i]]);
        }
    }
}

void TGame::TogglePause() {
    Paused = !Paused;
    DrawWell(Paused ? TWellPicture::PauseBands : TWellPicture::Position, TWellOrder::RowByRow);
}
