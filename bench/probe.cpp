// Drives the real game on an X server through XTEST as a player's keyboard
// would, reads the window's pixels back (MIT-SHM) and writes the samples of
// the figures to files, one number a line, plus a few single values.
//
// Usage: probe PROGRAM PICTURES-RGB-DIR OUT-DIR
//   PROGRAM           the game; its profile Brindlex.ini is written beside it
//   PICTURES-RGB-DIR  blank.rgb, jewel1..6.rgb, vanish1..7.rgb: 46 x 46 raw RGB
//   OUT-DIR           where the sample files go
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <dirent.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int Cell = 46;
constexpr int Columns = 6;
constexpr int Rows = 13;
constexpr int ClientWidth = 362;
constexpr int ClientHeight = 598;

// Labels of what a cell shows.
constexpr int Unknown = -1;
constexpr int Blank = 0; // 1..6 jewels, 7..13 vanish frames 1..7
constexpr int FirstVanish = 7;
bool IsJewel(int label) {
    return label >= 1 && label <= 6;
}
bool IsVanish(int label) {
    return label >= FirstVanish && label < FirstVanish + 7;
}

// Between two reads while watching the screen. Reading much more often takes
// processor time from the game on a 2-core machine and shows up in the very
// figures it measures (0.2 ms: vanish frames p99 57 ms; 1 ms: 44 ms).
double PollMs = 1.0;

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

[[noreturn]] void Fail(const std::string& why) {
    throw std::runtime_error(why);
}

Display* Dpy = nullptr;
std::string PicturesDir;
std::string OutDir;
std::string Program;
std::array<std::vector<uint32_t>, 14> Refs; // 0x00RRGGBB, 46 x 46

void LoadRefs() {
    for (int i = 0; i < 14; ++i) {
        std::string name = i == 0            ? "blank"
                           : i < FirstVanish ? "jewel" + std::to_string(i)
                                             : "vanish" + std::to_string(i - FirstVanish + 1);
        std::ifstream in(PicturesDir + "/" + name + ".rgb", std::ios::binary);
        std::vector<unsigned char> bytes(Cell * Cell * 3);
        if (!in.read(reinterpret_cast<char*>(bytes.data()),
                     static_cast<std::streamsize>(bytes.size()))) {
            Fail("cannot read the picture " + name);
        }
        Refs[i].resize(Cell * Cell);
        for (int p = 0; p < Cell * Cell; ++p) {
            Refs[i][p] = (uint32_t{bytes[p * 3]} << 16) | (uint32_t{bytes[p * 3 + 1]} << 8) |
                         bytes[p * 3 + 2];
        }
    }
}

// A shared-memory image of one size, reused for every read of that size.
class Grabber {
public:
    Grabber(int w, int h) : FW(w), FH(h) {
        const int screen = DefaultScreen(Dpy);
        FImage = XShmCreateImage(Dpy, DefaultVisual(Dpy, screen), DefaultDepth(Dpy, screen),
                                 ZPixmap, nullptr, &FInfo, w, h);
        if (FImage == nullptr || FImage->bits_per_pixel != 32) {
            Fail("no 32-bit shared-memory images on this display");
        }
        FInfo.shmid =
            shmget(IPC_PRIVATE, static_cast<size_t>(FImage->bytes_per_line) * h, IPC_CREAT | 0600);
        FInfo.shmaddr = FImage->data = static_cast<char*>(shmat(FInfo.shmid, nullptr, 0));
        FInfo.readOnly = False;
        XShmAttach(Dpy, &FInfo);
        XSync(Dpy, False);
        shmctl(FInfo.shmid, IPC_RMID, nullptr);
    }
    ~Grabber() {
        XShmDetach(Dpy, &FInfo);
        XDestroyImage(FImage);
        shmdt(FInfo.shmaddr);
    }
    Grabber(const Grabber&) = delete;
    Grabber& operator=(const Grabber&) = delete;

    bool Read(Window w, int x, int y) { return XShmGetImage(Dpy, w, FImage, x, y, AllPlanes); }
    uint32_t Pixel(int x, int y) const {
        return *reinterpret_cast<const uint32_t*>(FImage->data + y * FImage->bytes_per_line +
                                                  x * 4) &
               0x00FFFFFFu;
    }
    // The label of the 46 x 46 square at (x, y) of the last read.
    int Label(int x, int y) const {
        for (int i = 0; i < 14; ++i) {
            const auto& ref = Refs[i];
            bool same = true;
            // A few probes first: most pictures differ near the middle.
            for (int p : {23 * Cell + 23, 17 * Cell + 23, 10 * Cell + 30, 0}) {
                if (Pixel(x + p % Cell, y + p / Cell) != ref[p]) {
                    same = false;
                    break;
                }
            }
            for (int py = 0; same && py < Cell; ++py) {
                for (int px = 0; px < Cell; ++px) {
                    if (Pixel(x + px, y + py) != ref[py * Cell + px]) {
                        same = false;
                        break;
                    }
                }
            }
            if (same) {
                return i;
            }
        }
        return Unknown;
    }
    int W() const { return FW; }
    int H() const { return FH; }

private:
    int FW, FH;
    XImage* FImage = nullptr;
    XShmSegmentInfo FInfo{};
};

Grabber& GrabberOf(int w, int h) {
    static std::map<std::pair<int, int>, std::unique_ptr<Grabber>> grabbers;
    auto& g = grabbers[{w, h}];
    if (!g) {
        g = std::make_unique<Grabber>(w, h);
    }
    return *g;
}

std::string WindowName(Window w) {
    char* name = nullptr;
    std::string result;
    if (XFetchName(Dpy, w, &name) && name != nullptr) {
        result = name;
        XFree(name);
    }
    return result;
}

// The running game and where its client area lies in its window.
struct App {
    pid_t pid = 0;
    Window win = 0;
    int ox = 0, oy = 0; // client area origin in window coordinates
    double forkMs = 0, mapMs = 0, paintMs = 0;
};

void WriteProfile(int height, int speed) {
    const std::string dir = Program.substr(0, Program.rfind('/') + 1);
    std::ofstream ini(dir + "Brindlex.ini", std::ios::trunc);
    ini << "[Settings]\r\nStarting_Height=" << height << "\r\nLevel_Change=35\r\nSpeed=" << speed
        << "\r\nShow_Next=1\r\n[HighScores]\r\n";
    // Places no game of the bench can earn (-1 is the top score, 2^32 - 1),
    // so no name prompt stops it.
    for (int n = 1; n <= 10; ++n) {
        ini << "Name" << n << "=Bench\r\nScore" << n << "=-1\r\nJewels" << n << "=9999\r\n";
    }
}

bool CountersPainted(const App& app) {
    // The three value labels "0" each show some dark pixels once painted.
    XImage* img = XGetImage(Dpy, app.win, app.ox + 285, app.oy + 40, 20, 170, AllPlanes, ZPixmap);
    if (img == nullptr) {
        return false;
    }
    bool all = true;
    for (int y0 : {0, 70, 140}) {
        bool dark = false;
        for (int y = y0; y < y0 + 26 && !dark; ++y) {
            for (int x = 0; x < 20; ++x) {
                const unsigned long p = XGetPixel(img, x, y);
                if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 400) {
                    dark = true;
                    break;
                }
            }
        }
        all = all && dark;
    }
    XDestroyImage(img);
    return all;
}

// Starts the game and waits for its window to be mapped and painted.
App Launch() {
    App app;
    const Window root = DefaultRootWindow(Dpy);
    XSelectInput(Dpy, root, SubstructureNotifyMask);
    XSync(Dpy, True);
    app.forkMs = NowMs();
    app.pid = fork();
    if (app.pid == 0) {
        execl(Program.c_str(), Program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const double deadline = app.forkMs + 10000;
    while (app.win == 0) {
        while (XPending(Dpy)) {
            XEvent ev;
            XNextEvent(Dpy, &ev);
            if (ev.type == MapNotify && ev.xmap.event == root &&
                WindowName(ev.xmap.window) == "Brindlex") {
                app.mapMs = NowMs();
                app.win = ev.xmap.window;
            }
        }
        if (app.win == 0) {
            if (NowMs() > deadline) {
                Fail("the game window did not appear");
            }
            SleepMs(0.1);
        }
    }
    XSelectInput(Dpy, root, NoEventMask);
    Window rootRet;
    int x, y;
    unsigned w, h, border, depth;
    XGetGeometry(Dpy, app.win, &rootRet, &x, &y, &w, &h, &border, &depth);
    app.ox = 0;
    app.oy = static_cast<int>(h) - ClientHeight;
    while (!CountersPainted(app)) {
        if (NowMs() > deadline) {
            Fail("the counters were never painted");
        }
        SleepMs(0.1);
    }
    app.paintMs = NowMs();
    return app;
}

void Focus(const App& app) {
    XSetInputFocus(Dpy, app.win, RevertToParent, CurrentTime);
    XSync(Dpy, False);
    SleepMs(300);
}

long VmHWMkB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Processor time of every thread of the process: nanoseconds on the CPU
// (schedstat), and utime + stime in clock ticks (stat).
std::pair<double, double> CpuTime(pid_t pid) {
    double ns = 0, ticks = 0;
    const std::string base = "/proc/" + std::to_string(pid) + "/task/";
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(base.c_str()), closedir);
    while (const dirent* entry = dir ? readdir(dir.get()) : nullptr) {
        const std::string tid = entry->d_name;
        if (tid[0] == '.') {
            continue;
        }
        std::ifstream sched(base + tid + "/schedstat");
        double run = 0;
        sched >> run;
        ns += run;
        std::ifstream stat(base + tid + "/stat");
        std::string all((std::istreambuf_iterator<char>(stat)), {});
        const auto close = all.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream fields(all.substr(close + 2));
        std::string f;
        for (int i = 3; i <= 15 && fields >> f; ++i) {
            if (i == 14 || i == 15) {
                ticks += std::stod(f);
            }
        }
    }
    return {ns, ticks};
}

void Close(App& app) {
    // As the window manager's close button would: no game runs, nothing is written.
    Atom protocols = XInternAtom(Dpy, "WM_PROTOCOLS", False);
    Atom del = XInternAtom(Dpy, "WM_DELETE_WINDOW", False);
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = app.win;
    ev.xclient.message_type = protocols;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(del);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(Dpy, app.win, False, NoEventMask, &ev);
    XSync(Dpy, False);
    for (int i = 0; i < 300; ++i) {
        int status;
        if (waitpid(app.pid, &status, WNOHANG) == app.pid) {
            app.pid = 0;
            return;
        }
        SleepMs(10);
    }
    kill(app.pid, SIGKILL);
    waitpid(app.pid, nullptr, 0);
    app.pid = 0;
}

void Key(KeySym sym, bool press) {
    XTestFakeKeyEvent(Dpy, XKeysymToKeycode(Dpy, sym), press ? True : False, CurrentTime);
    XSync(Dpy, False);
}
void Tap(KeySym sym) {
    Key(sym, true);
    Key(sym, false);
}

// The well as labels, [column 0..5][row 0..12].
using Well = std::array<std::array<int, Rows>, Columns>;
Well ReadWell(const App& app) {
    Grabber& g = GrabberOf(Columns * Cell, Rows * Cell);
    g.Read(app.win, app.ox, app.oy);
    Well well{};
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            well[c][r] = g.Label(c * Cell, r * Cell);
        }
    }
    return well;
}

bool IsStripes(const Well& w) {
    // The end picture: kind ((c + r) mod 6) + 1 at cell (c, r), counted from 1.
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            if (w[c][r] != ((c + 1 + r + 1) % 6) + 1) {
                return false;
            }
        }
    }
    return true;
}

std::string WellText(const Well& w) {
    std::string text;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            text += w[c][r] == Unknown ? '?' : "0123456abcdefg"[w[c][r]];
        }
        text += '\n';
    }
    return text;
}

bool WaitFor(const App& app, const std::function<bool(const Well&)>& done, double ms) {
    const double end = NowMs() + ms;
    Well well{};
    while (NowMs() < end) {
        well = ReadWell(app);
        if (done(well)) {
            return true;
        }
        SleepMs(1);
    }
    std::fprintf(stderr, "probe: the well shows\n%s", WellText(well).c_str());
    return false;
}

void EndGame(const App& app) {
    Tap(XK_Escape);
    if (!WaitFor(app, IsStripes, 3000)) {
        Fail("Esc did not end the game");
    }
}

void WriteSamples(const std::string& name, const std::vector<double>& values) {
    std::ofstream out(OutDir + "/" + name);
    out.precision(6);
    for (double v : values) {
        out << std::fixed << v << '\n';
    }
}

// Finds the falling trio in a well that holds nothing else.
struct Trio {
    int col = -1, row = -1; // 0-based, top jewel
    std::array<int, 3> kinds{};
};
std::optional<Trio> FindTrio(const Well& w) {
    std::optional<Trio> found;
    int jewels = 0;
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            if (w[c][r] != Blank) {
                ++jewels;
                if (!found && IsJewel(w[c][r]) && r + 2 < Rows && IsJewel(w[c][r + 1]) &&
                    IsJewel(w[c][r + 2])) {
                    found = Trio{c, r, {w[c][r], w[c][r + 1], w[c][r + 2]}};
                }
            }
        }
    }
    if (jewels != 3) {
        return std::nullopt;
    }
    return found;
}

// Figures 1 and 2: key to screen, and the press-plus-read floor.
void KeysPhase(const App& app, int wanted) {
    std::vector<double> moves, rotations, floor, phase;
    int lost = 0, raced = 0;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> gap(2.0, 60.0);
    int action = 0;
    while (static_cast<int>(moves.size() + rotations.size()) < wanted) {
        Tap(XK_space);
        if (!WaitFor(
                app, [](const Well& w) { return FindTrio(w).has_value(); }, 3000)) {
            Fail("no trio came into the well");
        }
        double lastSeen = NowMs();
        for (;;) {
            const Well well = ReadWell(app);
            const auto trio = FindTrio(well);
            if (!trio) {
                if (NowMs() - lastSeen > 1000) {
                    Fail("the trio left the well");
                }
                continue; // a step was being painted
            }
            lastSeen = NowMs();
            if (trio->row + 3 >= 10) {
                break;
            }
            const int kind = action++ % 8;
            // Odd turns: a key without a command, then one read.
            if (kind % 2 == 1) {
                Grabber& g = GrabberOf(2 * Cell, 4 * Cell);
                Key(XK_q, true);
                const double t0 = NowMs();
                g.Read(app.win, app.ox + std::max(0, trio->col - 1) * Cell,
                       app.oy + trio->row * Cell);
                floor.push_back(NowMs() - t0);
                Key(XK_q, false);
                SleepMs(gap(random));
                continue;
            }
            KeySym sym = XK_Left;
            int target = trio->col;
            std::array<int, 3> expect = trio->kinds;
            if (kind == 0) {
                sym = trio->col > 0 ? XK_Left : XK_Right;
                target = trio->col + (sym == XK_Left ? -1 : 1);
            } else if (kind == 2) {
                sym = trio->col < Columns - 1 ? XK_Right : XK_Left;
                target = trio->col + (sym == XK_Left ? -1 : 1);
            } else if (kind == 4) {
                sym = XK_Control_L; // rotate down: the bottom jewel goes to the top
                expect = {trio->kinds[2], trio->kinds[0], trio->kinds[1]};
            } else {
                sym = XK_Shift_L;
                expect = {trio->kinds[1], trio->kinds[2], trio->kinds[0]};
            }
            if (target == trio->col && expect == trio->kinds) {
                continue; // three equal jewels: a rotation shows nothing
            }
            const int left = std::min(target, trio->col);
            const int width = target == trio->col ? 1 : 2;
            Grabber& g = GrabberOf(width * Cell, 4 * Cell);
            Key(sym, true);
            const double t0 = NowMs();
            double t1 = 0;
            bool seen = false, stepped = false;
            while (NowMs() - t0 < 300) {
                g.Read(app.win, app.ox + left * Cell, app.oy + trio->row * Cell);
                const double t = NowMs();
                // The move may show one row lower if a step came first.
                for (int d = 0; d < 2 && !seen; ++d) {
                    bool ok = true;
                    for (int k = 0; k < 3 && ok; ++k) {
                        ok = g.Label((target - left) * Cell, (d + k) * Cell) == expect[k];
                        if (ok && target != trio->col) {
                            ok = g.Label((trio->col - left) * Cell, (d + k) * Cell) == Blank;
                        }
                    }
                    if (ok) {
                        seen = true;
                        stepped = d == 1;
                    }
                }
                if (seen) {
                    t1 = t;
                    break;
                }
            }
            Key(sym, false);
            if (!seen) {
                ++lost;
            } else {
                (target == trio->col ? rotations : moves).push_back(t1 - t0);
                raced += stepped ? 1 : 0;
            }
            SleepMs(gap(random));
        }
        EndGame(app);
    }
    std::vector<double> all = moves;
    all.insert(all.end(), rotations.begin(), rotations.end());
    WriteSamples("key_to_screen", all);
    WriteSamples("key_to_screen_moves", moves);
    WriteSamples("key_to_screen_rotations", rotations);
    WriteSamples("round_trip", floor);
    std::ofstream(OutDir + "/key_notes") << "lost=" << lost << "\nafter_step=" << raced << "\n";
}

// Figure 3: the trio's steps as seen on screen, column 4 only, no input.
void StepsPhase(const App& app, int wanted) {
    std::vector<double> deviations;
    int blurred = 0;
    Grabber& g = GrabberOf(Cell, Rows * Cell);
    const int col = 3;
    const double dropDelay = 500;
    // A step lies between the read before the one that shows it and that one;
    // when the probe itself was held up for longer than this, the step cannot
    // be timed closely enough and the interval is left out (and counted).
    const double widestWindow = 2.5;
    while (static_cast<int>(deviations.size()) < wanted) {
        Tap(XK_space);
        std::array<int, Rows> last{};
        last.fill(-2);
        double lastStep = -1, lastWindow = 0;
        int lastBottom = -1;
        const double start = NowMs();
        double before = start;
        for (;;) {
            const double sent = NowMs();
            g.Read(app.win, app.ox + col * Cell, app.oy);
            const double after = NowMs();
            const double t = (before + after) / 2;
            const double window = after - before;
            before = sent;
            std::array<int, Rows> now{};
            bool vanish = false;
            for (int r = 0; r < Rows; ++r) {
                now[r] = g.Label(0, r * Cell);
                vanish = vanish || IsVanish(now[r]) || now[r] == Unknown;
            }
            if (now != last) {
                bool lastVanish = false;
                for (int v : last) {
                    lastVanish = lastVanish || IsVanish(v) || v == Unknown;
                }
                // A step: a blank cell takes a jewel right under jewels.
                int bottom = -1;
                for (int r = 1; r < Rows; ++r) {
                    if (last[r] == Blank && IsJewel(now[r]) && IsJewel(now[r - 1])) {
                        bottom = r;
                    }
                }
                if (bottom < 0 && last[0] == Blank && IsJewel(now[0])) {
                    bottom = 0; // the bottom jewel enters the well
                }
                if (vanish || lastVanish || bottom < 0) {
                    lastStep = -1;
                } else {
                    if (lastStep >= 0 && bottom == lastBottom + 1) {
                        if (window > widestWindow || lastWindow > widestWindow) {
                            ++blurred;
                        } else {
                            deviations.push_back(t - lastStep - dropDelay);
                        }
                    }
                    lastStep = t;
                    lastWindow = window;
                    lastBottom = bottom;
                }
                last = now;
                bool stripes = true;
                for (int r = 0; r < Rows; ++r) {
                    stripes = stripes && now[r] == ((col + 1 + r + 1) % 6) + 1;
                }
                if (stripes) {
                    break;
                }
            }
            if (after - start > 60000) {
                Fail("a game without input did not end");
            }
            SleepMs(PollMs);
        }
        // Seen in column 4 only: make sure the whole game has ended.
        if (!IsStripes(ReadWell(app))) {
            EndGame(app);
        }
        SleepMs(300);
    }
    WriteSamples("step_deviation", deviations);
    std::ofstream(OutDir + "/step_notes") << "blurred=" << blurred << "\n";
}

// Figure 4: how long each vanish frame stands on the screen.
void CascadePhase(const App& app, int wantedPasses) {
    std::array<std::vector<double>, 7> frames;
    int passes = 0, skipped = 0, games = 0;
    Grabber& g = GrabberOf(Columns * Cell, Rows * Cell);
    while (passes < wantedPasses) {
        ++games;
        if (games > 200) {
            Fail("too few cascades");
        }
        Tap(XK_space);
        SleepMs(50);
        Tap(XK_Down);
        Tap(XK_Down);
        Tap(XK_Down);
        int current = -1; // frame shown, 0..6
        double since = 0;
        std::vector<int> seenFrames;
        const double start = NowMs();
        for (;;) {
            g.Read(app.win, app.ox, app.oy);
            const double t = NowMs();
            int newest = -1;
            bool stripes = true;
            for (int c = 0; c < Columns; ++c) {
                for (int r = 0; r < Rows; ++r) {
                    const int label = g.Label(c * Cell, r * Cell);
                    if (IsVanish(label)) {
                        newest = std::max(newest, label - FirstVanish);
                    }
                    stripes = stripes && label == ((c + 1 + r + 1) % 6) + 1;
                }
            }
            if (newest != current) {
                if (current >= 0) {
                    frames[current].push_back(t - since);
                }
                // A pass ends when its frames leave the screen or the next
                // pass starts again from the first frame.
                if (current >= 0 && (newest < 0 || newest < current)) {
                    ++passes;
                    skipped += seenFrames != std::vector<int>{0, 1, 2, 3, 4, 5, 6} ? 1 : 0;
                    seenFrames.clear();
                }
                if (newest >= 0) {
                    seenFrames.push_back(newest);
                }
                current = newest;
                since = t;
            }
            if (stripes) {
                break;
            }
            if (t - start > 60000) {
                std::fprintf(stderr, "probe: the well shows\n%s", WellText(ReadWell(app)).c_str());
                Fail("a cascade game did not end");
            }
            SleepMs(PollMs);
        }
        SleepMs(300);
    }
    std::vector<double> all;
    for (int f = 0; f < 7; ++f) {
        WriteSamples("vanish_frame" + std::to_string(f + 1), frames[f]);
        all.insert(all.end(), frames[f].begin(), frames[f].end());
    }
    WriteSamples("vanish_frames", all);
    std::ofstream(OutDir + "/cascade_notes")
        << "passes=" << passes << "\nskipped=" << skipped << "\ngames=" << games << "\n";
}

// Figure 5: processor time with no input, idle and during games.
void CpuPhase(const App& app) {
    auto measure = [&](double seconds) {
        const auto a = CpuTime(app.pid);
        SleepMs(seconds * 1000);
        const auto b = CpuTime(app.pid);
        return std::make_pair(b.first - a.first, b.second - a.second);
    };
    SleepMs(1000);
    const auto idle = measure(30);
    double gameNs = 0, gameTicks = 0;
    for (int i = 0; i < 2; ++i) {
        Tap(XK_space);
        SleepMs(300);
        const auto game = measure(15);
        gameNs += game.first;
        gameTicks += game.second;
        EndGame(app);
        SleepMs(500);
    }
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));
    std::ofstream out(OutDir + "/cpu");
    out << "idle_percent=" << idle.first / 30e9 * 100
        << "\nidle_stat_percent=" << idle.second / hz / 30 * 100
        << "\ngame_percent=" << gameNs / 30e9 * 100
        << "\ngame_stat_percent=" << gameTicks / hz / 30 * 100 << "\n";
}

void Run(const std::string& phases) {
    LoadRefs();
    std::vector<double> hwm;
    auto has = [&](const char* p) { return phases.find(p) != std::string::npos; };

    if (has("startup")) {
        WriteProfile(0, 10);
        std::vector<double> map, paint;
        for (int i = 0; i < 21; ++i) {
            App app = Launch();
            if (i > 0) { // the first start warms the caches
                map.push_back(app.mapMs - app.forkMs);
                paint.push_back(app.paintMs - app.forkMs);
            }
            Close(app);
            SleepMs(100);
        }
        WriteSamples("startup_map", map);
        WriteSamples("startup_paint", paint);
    }
    if (has("keys") || has("steps")) {
        WriteProfile(0, 10);
        App app = Launch();
        Focus(app);
        if (has("keys")) {
            KeysPhase(app, 400);
        }
        if (has("steps")) {
            StepsPhase(app, 110);
        }
        hwm.push_back(static_cast<double>(VmHWMkB(app.pid)) / 1024);
        Close(app);
    }
    if (has("cascade")) {
        WriteProfile(10, 10);
        App app = Launch();
        Focus(app);
        CascadePhase(app, 24);
        hwm.push_back(static_cast<double>(VmHWMkB(app.pid)) / 1024);
        Close(app);
    }
    if (has("cpu")) {
        WriteProfile(0, 10);
        App app = Launch();
        Focus(app);
        CpuPhase(app);
        hwm.push_back(static_cast<double>(VmHWMkB(app.pid)) / 1024);
        Close(app);
    }
    if (!hwm.empty()) {
        WriteSamples("peak_rss_mb", hwm);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: probe PROGRAM PICTURES-RGB-DIR OUT-DIR [PHASES]\n");
        return 2;
    }
    Program = argv[1];
    PicturesDir = argv[2];
    OutDir = argv[3];
    const std::string phases = argc > 4 ? argv[4] : "startup keys steps cascade cpu";
    if (const char* poll = std::getenv("PROBE_POLL_MS")) {
        PollMs = std::atof(poll);
    }
    Dpy = XOpenDisplay(nullptr);
    if (Dpy == nullptr) {
        std::fprintf(stderr, "probe: no display\n");
        return 1;
    }
    int ev, err, major, minor;
    if (!XTestQueryExtension(Dpy, &ev, &err, &major, &minor) || !XShmQueryExtension(Dpy)) {
        std::fprintf(stderr, "probe: the display lacks XTEST or MIT-SHM\n");
        return 1;
    }
    try {
        Run(phases);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "probe: %s\n", e.what());
        return 1;
    }
    return 0;
}
