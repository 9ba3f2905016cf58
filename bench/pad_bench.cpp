// Figure 9 of bench/run: a button press of a game controller to the screen,
// and the processor time of the game with a pad attached and no game.
//
// SDL's virtual pad exists only inside the process that attaches it, so this
// program is the game itself, started as the game starts (the game window with
// its controller, the settings and high-scores windows), plus a measuring
// thread that presses the virtual pad and reads the game window back from the
// X server on a connection of its own. The shipped program has no switch
// that could do any of this.
//
// Usage: pad_bench OUT-DIR [PRESSES [IDLE-SECONDS]]
//   writes OUT-DIR/pad_to_screen (one sample a line, ms), OUT-DIR/pad_notes
//   and OUT-DIR/pad_cpu; run on an X server (Xvfb), as bench/run does.
#include "tests/ui/controller/VirtualPad.h"
#include "ui/ClientArea.h"
#include "ui/MainWindow.h"
#include "ui/PlayerPresence.h"
#include "ui/controller/Controller.h"
#include "ui/highscores/HighScores.h"
#include "ui/options/Options.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int Cell = 46;
constexpr int Columns = 6;
constexpr int Rows = 13;

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

// Nanoseconds on the processor of every thread of this process but one.
double CpuNs(long skipTid) {
    double ns = 0;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir("/proc/self/task"), closedir);
    while (const dirent* entry = dir ? readdir(dir.get()) : nullptr) {
        const std::string tid = entry->d_name;
        if (tid[0] == '.' || std::stol(tid) == skipTid) {
            continue;
        }
        std::ifstream sched("/proc/self/task/" + tid + "/schedstat");
        double run = 0;
        sched >> run;
        ns += run;
    }
    return ns;
}

struct Trio {
    int col, row; // 0-based; row of the top jewel
};

// The game window as the X server shows it, read on a connection of the
// measuring thread's own.
class WindowReader {
public:
    WindowReader(unsigned long window, int x, int y) : FWindow(window), FX(x), FY(y) {
        FDisplay = XOpenDisplay(nullptr);
        if (FDisplay == nullptr) {
            throw std::runtime_error("no display");
        }
    }
    ~WindowReader() { XCloseDisplay(FDisplay); }

    // Which cells of columns [c0, c0 + n) and rows [r0, r0 + m) hold a jewel:
    // an empty cell is white in its middle, a jewel never is.
    std::vector<std::vector<bool>> Jewels(int c0, int n, int r0, int m) {
        XImage* image = XGetImage(FDisplay, FWindow, FX + c0 * Cell, FY + r0 * Cell,
                                  static_cast<unsigned>(n * Cell), static_cast<unsigned>(m * Cell),
                                  AllPlanes, ZPixmap);
        std::vector<std::vector<bool>> jewels(n, std::vector<bool>(m, false));
        if (image == nullptr) {
            return jewels;
        }
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < m; ++r) {
                jewels[c][r] =
                    (XGetPixel(image, c * Cell + 23, r * Cell + 23) & 0xFFFFFF) != 0xFFFFFF;
            }
        }
        XDestroyImage(image);
        return jewels;
    }

    // The falling trio, when the well shows it whole and nothing else.
    std::optional<Trio> FindTrio() {
        const auto jewels = Jewels(0, Columns, 0, Rows);
        std::optional<Trio> trio;
        int count = 0;
        for (int c = 0; c < Columns; ++c) {
            for (int r = 0; r < Rows; ++r) {
                if (jewels[c][r]) {
                    ++count;
                    if (!trio && r + 2 < Rows && jewels[c][r + 1] && jewels[c][r + 2]) {
                        trio = Trio{c, r};
                    }
                }
            }
        }
        return count == 3 ? trio : std::nullopt;
    }

private:
    Display* FDisplay;
    unsigned long FWindow;
    int FX, FY;
};

struct Results {
    std::vector<double> samples;
    int lost = 0;
    double idlePercent = 0;
};

// The measuring thread: the cost of an attached pad at rest, then presses.
void Measure(VirtualPad& pad, WindowReader& screen, int presses, double idleSeconds, Results& out) {
    const long self = syscall(SYS_gettid);
    SleepMs(1000);
    const double before = CpuNs(self);
    SleepMs(idleSeconds * 1000);
    out.idlePercent = (CpuNs(self) - before) / (idleSeconds * 1e9) * 100;

    std::mt19937 random(9);
    // Longer than two polls of the pad, so a release is seen before the next press.
    std::uniform_real_distribution<double> gap(20.0, 60.0);
    const auto tap = [&pad](SDL_GameControllerButton button) {
        // Held longer than a poll of a virtual pad outside a game.
        pad.Button(button, true);
        SleepMs(80);
        pad.Button(button, false);
        SleepMs(80);
    };
    while (static_cast<int>(out.samples.size()) + out.lost < presses) {
        tap(SDL_CONTROLLER_BUTTON_START);
        std::optional<Trio> trio;
        for (double end = NowMs() + 3000; !trio && NowMs() < end; SleepMs(1)) {
            trio = screen.FindTrio();
        }
        if (!trio) {
            throw std::runtime_error("no trio came into the well");
        }
        while (static_cast<int>(out.samples.size()) + out.lost < presses) {
            trio = screen.FindTrio();
            if (!trio) {
                continue; // a step is being painted
            }
            if (trio->row + 3 >= 10) {
                break;
            }
            const bool left = trio->col >= 3;
            const int target = trio->col + (left ? -1 : 1);
            const int c0 = std::min(target, trio->col);
            const auto button =
                left ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
            const double t0 = NowMs();
            pad.Button(button, true);
            bool seen = false;
            while (!seen && NowMs() - t0 < 300) {
                const auto jewels = screen.Jewels(c0, 2, trio->row, 4);
                const double t = NowMs();
                // The move may show one row lower if a step came first.
                for (int d = 0; d < 2 && !seen; ++d) {
                    bool moved = true;
                    for (int k = 0; k < 3; ++k) {
                        moved =
                            moved && jewels[target - c0][d + k] && !jewels[trio->col - c0][d + k];
                    }
                    if (moved) {
                        seen = true;
                        out.samples.push_back(t - t0);
                    }
                }
            }
            out.lost += seen ? 0 : 1;
            pad.Button(button, false);
            SleepMs(gap(random));
        }
        tap(SDL_CONTROLLER_BUTTON_BACK);
        SleepMs(300);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: pad_bench OUT-DIR [PRESSES [IDLE-SECONDS]]\n");
        return 2;
    }
    const std::string outDir = argv[1];
    const int presses = argc > 2 ? std::atoi(argv[2]) : 400;
    const double idleSeconds = argc > 3 ? std::atof(argv[3]) : 60;

    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string profile = (dir.path() + "/Brindlex.ini").toStdString();
    {
        // Speed 10, an empty well, and a table no game of the bench can enter.
        std::ofstream ini(profile);
        ini << "[Settings]\nStarting_Height=0\nLevel_Change=35\nSpeed=10\nShow_Next=1\n"
               "[HighScores]\n";
        for (int n = 1; n <= 10; ++n) {
            ini << "Name" << n << "=Bench\nScore" << n << "=-1\nJewels" << n << "=9999\n";
        }
    }
    TForm1 form(profile);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        form.move(screen->availableGeometry().center() - form.frameGeometry().center());
    }
    form.show();
    form.activateWindow();
    auto* settings = new tForm2(
        form, [&form] { return form.ProfileFileName(); }, &form);
    auto* scores = new TForm3(form, &form);
    form.SetSecondaryWindows(settings, scores);
    auto* controller = new TController(form);

    std::unique_ptr<VirtualPad> pad;
    std::unique_ptr<WindowReader> screen;
    std::thread measurer;
    Results results;
    std::string failure;
    std::function<void()> begin = [&] {
        if (!form.Presence()->Present()) {
            QTimer::singleShot(50, begin); // until the window has the keyboard
            return;
        }
        controller->Poll();
        pad = std::make_unique<VirtualPad>();
        controller->Poll(); // a virtual pad has no device file to be watched
        const QPoint client = form.ClientArea()->mapTo(&form, QPoint(0, 0));
        screen = std::make_unique<WindowReader>(form.winId(), client.x(), client.y());
        measurer = std::thread([&] {
            try {
                Measure(*pad, *screen, presses, idleSeconds, results);
            } catch (const std::exception& e) {
                failure = e.what();
            }
            QMetaObject::invokeMethod(
                &form, [&form] { form.close(); }, Qt::QueuedConnection);
        });
    };
    QTimer::singleShot(300, begin);
    QApplication::exec();
    if (measurer.joinable()) {
        measurer.join();
    }
    pad.reset();
    if (!failure.empty()) {
        std::fprintf(stderr, "pad_bench: %s\n", failure.c_str());
        return 1;
    }
    std::ofstream samples(outDir + "/pad_to_screen");
    for (double v : results.samples) {
        samples << std::fixed << v << '\n';
    }
    std::ofstream(outDir + "/pad_notes") << "lost=" << results.lost << "\n";
    std::ofstream(outDir + "/pad_cpu") << "idle_percent=" << results.idlePercent << "\n";
    return 0;
}
