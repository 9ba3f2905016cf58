#include "tests/core/ScriptedHost.h"

#include <sstream>
#include <stdexcept>

namespace {

TestPicture JewelTestPictures[] = {{'J', 0}, {'J', 1}, {'J', 2}, {'J', 3},
                                   {'J', 4}, {'J', 5}, {'J', 6}};
TestPicture VanishTestPictures[] = {{'V', 1}, {'V', 2}, {'V', 3}, {'V', 4},
                                    {'V', 5}, {'V', 6}, {'V', 7}};

const TestPicture& AsTest(const TPicture* picture) {
    const auto* test = dynamic_cast<const TestPicture*>(picture);
    if (test == nullptr) {
        throw std::logic_error("the game drew a picture that is not in its tables");
    }
    return *test;
}

char ScreenCode(const TestPicture& picture) {
    return picture.table == 'J' ? static_cast<char>('0' + picture.index)
                                : static_cast<char>('a' + picture.index - 1);
}

} // namespace

ScriptedHost::ScriptedHost() {
    for (int k = 0; k <= JewelKinds; ++k) {
        JewelPictures[k] = &JewelTestPictures[k];
    }
    for (int f = 0; f < VanishFrameCount; ++f) {
        VanishFrames[f] = &VanishTestPictures[f];
    }
    for (auto& column : Screen) {
        for (auto& cell : column) {
            cell = ' ';
        }
    }
    for (auto& cell : PreviewScreen) {
        cell = ' ';
    }
    ProfileFile = FScratch / "Brindlex.ini";
}

void ScriptedHost::At(uint64_t ms, std::function<void()> action) {
    FActions.emplace(std::make_pair(ms, FSequence++), std::move(action));
}

std::vector<std::string> ScriptedHost::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const auto& call : Calls) {
        if (call.compare(0, prefix.size(), prefix) == 0) {
            result.push_back(call);
        }
    }
    return result;
}

std::string ScriptedHost::ScreenRows() const {
    std::string rows;
    for (int r = 1; r <= WellRows; ++r) {
        for (int c = 1; c <= WellColumns; ++c) {
            rows += Screen[c][r] == '0' ? '.' : Screen[c][r];
        }
        rows += '\n';
    }
    return rows;
}

void ScriptedHost::Record(std::string call) {
    Calls.push_back(std::move(call));
    if (AfterEachCall) {
        AfterEachCall();
    }
}

void ScriptedHost::PaintWell(int32_t x, int32_t y, const TPicture* picture) {
    const TestPicture& p = AsTest(picture);
    if (x % CellSize != 0 || y % CellSize != 0 || x < 0 || x >= WellColumns * CellSize ||
        y >= WellRows * CellSize) {
        throw std::logic_error("a picture drawn off the cells of the well: " + std::to_string(x) +
                               "," + std::to_string(y));
    }
    const int32_t c = x / CellSize + 1;
    const int32_t r = y / CellSize + 1; // rows 0 and above are clipped away
    if (r >= 1) {
        Screen[c][r] = ScreenCode(p);
    }
    Record("W " + std::to_string(c) + " " + std::to_string(r) + " " + p.table + " " +
           std::to_string(p.index));
}

void ScriptedHost::PaintPreview(int32_t x, int32_t y, const TPicture* picture) {
    const TestPicture& p = AsTest(picture);
    if (x != 0 || y % CellSize != 0 || y < 0 || y > 2 * CellSize || p.table != 'J') {
        throw std::logic_error("a preview picture off its three places");
    }
    PreviewScreen[y / CellSize] = ScreenCode(p);
    Record("P " + std::to_string(y / CellSize) + " J " + std::to_string(p.index));
}

void ScriptedHost::ClearPreview() {
    for (auto& cell : PreviewScreen) {
        cell = '0';
    }
    Record("clear");
}

void ScriptedHost::ShowCounters(const std::string& score, const std::string& jewels,
                                const std::string& level) {
    CounterTexts[0] = score;
    CounterTexts[1] = jewels;
    CounterTexts[2] = level;
    Record("counters " + score + " " + jewels + " " + level);
}

void ScriptedHost::EnableGameMenu(bool gameRunning) {
    GameMenuOn = gameRunning;
    Record(gameRunning ? "menu game" : "menu idle");
}

void ScriptedHost::RunDueActions() {
    while (!FActions.empty() && FActions.begin()->first.first <= FClock) {
        auto action = std::move(FActions.begin()->second);
        FActions.erase(FActions.begin());
        action();
    }
}

void ScriptedHost::ProcessMessages() {
    Record("events");
    RunDueActions();
}

void ScriptedHost::Advance(uint64_t ms) {
    FClock += ms;
    if (FClock > TimeLimit) {
        throw std::runtime_error("the game ran past the test's time limit");
    }
}

void ScriptedHost::WaitTurn(uint32_t msUntilStep) {
    Record("wait");
    if (!WakeEarly) {
        Advance(15);
        return;
    }
    // Like a host that sleeps until an event arrives or the next step is due,
    // and handles the events that woke it.
    uint64_t target = UINT64_MAX;
    if (msUntilStep != UINT32_MAX) {
        target = FClock + msUntilStep;
    }
    if (!FActions.empty()) {
        target = std::min(target, std::max(FClock, FActions.begin()->first.first));
    }
    if (target == UINT64_MAX) {
        throw std::runtime_error("the game would wait for ever: nothing is scheduled");
    }
    Advance(target - FClock);
    RunDueActions();
}

void ScriptedHost::Sleep(uint32_t ms) {
    Record("sleep " + std::to_string(ms));
    Advance(ms);
}

bool ScriptedHost::QueryPerformanceCounter(int64_t& counter) {
    counter = Counter;
    return HasCounter;
}

std::string ScriptedHost::InputQuery(int place, uint32_t score, const std::string& value) {
    Record("prompt #" + std::to_string(place) + " " + std::to_string(score) + "|" + value);
    if (WhilePromptOpen) {
        WhilePromptOpen();
    }
    if (TerminatedFlag || !PromptAnswer) {
        return value;
    }
    return *PromptAnswer;
}

void SetWell(const std::string& rows) {
    for (auto& column : Board) {
        for (auto& cell : column) {
            cell = CellWall;
        }
    }
    std::istringstream lines(rows);
    std::string line;
    int r = 0;
    while (std::getline(lines, line)) {
        const auto first = line.find_first_not_of(' ');
        if (first == std::string::npos) {
            continue;
        }
        line = line.substr(first);
        if (++r > WellRows || line.size() < static_cast<size_t>(WellColumns)) {
            throw std::invalid_argument("a well is 13 rows of 6 cells");
        }
        for (int c = 1; c <= WellColumns; ++c) {
            const char ch = line[static_cast<size_t>(c - 1)];
            Board[c][r] = ch == '.' ? CellEmpty : static_cast<uint8_t>(ch - '0');
        }
    }
    if (r != WellRows) {
        throw std::invalid_argument("a well is 13 rows of 6 cells");
    }
}

std::string WellText() {
    std::string rows;
    for (int r = 1; r <= WellRows; ++r) {
        for (int c = 1; c <= WellColumns; ++c) {
            rows += Board[c][r] == CellEmpty ? '.' : static_cast<char>('0' + Board[c][r]);
        }
        rows += '\n';
    }
    return rows;
}
