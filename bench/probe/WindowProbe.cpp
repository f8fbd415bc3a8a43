// SPDX-License-Identifier: GPL-3.0-or-later
// Watches a program's window from outside, the way a user sees it, for the
// performance script (bench/run.sh):
//
//   zunpeko_window_probe launch [--keep] PIXEL -- PROGRAM [ARGS...]
//     starts PROGRAM and prints, in milliseconds since just before it started,
//     when its window was mapped and when the pixel showed the colour; then
//     ends the program with SIGTERM, or with --keep leaves it running.
//   zunpeko_window_probe wait --pid PID PIXEL
//     waits until the window of process PID shows the colour at the pixel.
//
// PIXEL is --pixel X,Y,RRGGBB in client-area coordinates: the client area is
// the bottom --client-height rows of the window (334 by default), under the
// menu bar. --timeout-ms (20000 by default) bounds every wait; --poll-ms
// (1 by default) spaces the looks, so a long wait can leave the display server
// to the program being measured.
//
// xdotool's `search --sync` polls twice a second, too coarse for start-up times
// near half a second; this polls every millisecond.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

struct Pixel {
    int x = 0;
    int y = 0;
    std::uint32_t rgb = 0;
};

struct Options {
    std::string mode;
    std::optional<Pixel> pixel;
    int clientHeight = 334;
    int timeoutMs = 20000;
    int pollMs = 1;
    bool keep = false;
    pid_t pid = 0;
    std::vector<char*> program;
};

struct Placement {
    Window window = 0;
    int left = 0;
    int top = 0;
    int clientTop = 0;
};

double MonotonicMs() {
    using Ms = std::chrono::duration<double, std::milli>;
    return Ms(std::chrono::steady_clock::now().time_since_epoch()).count();
}

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(stderr, "zunpeko_window_probe: %s\n", problem);
    std::fputs(
        "usage: zunpeko_window_probe launch [--keep] --pixel X,Y,RRGGBB -- PROGRAM...\n"
        "       zunpeko_window_probe wait --pid PID --pixel X,Y,RRGGBB\n",
        stderr);
    std::exit(64);
}

Pixel ParsePixel(const char* text) {
    Pixel pixel;
    unsigned rgb = 0;
    if (std::sscanf(text, "%d,%d,%6x", &pixel.x, &pixel.y, &rgb) != 3) {
        Usage("--pixel takes X,Y,RRGGBB");
    }
    pixel.rgb = rgb;
    return pixel;
}

Options ParseOptions(int argc, char* argv[]) {
    if (argc < 2) {
        Usage("no mode given");
    }
    Options options;
    options.mode = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--") {
            options.program.assign(argv + i + 1, argv + argc);
            break;
        }
        if (arg == "--keep") {
            options.keep = true;
        } else if (arg == "--pixel" && hasValue) {
            options.pixel = ParsePixel(argv[++i]);
        } else if (arg == "--client-height" && hasValue) {
            options.clientHeight = std::atoi(argv[++i]);
        } else if (arg == "--timeout-ms" && hasValue) {
            options.timeoutMs = std::atoi(argv[++i]);
        } else if (arg == "--poll-ms" && hasValue) {
            options.pollMs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--pid" && hasValue) {
            options.pid = static_cast<pid_t>(std::atoi(argv[++i]));
        } else {
            Usage("unknown argument");
        }
    }
    if (!options.pixel) {
        Usage("--pixel is required");
    }
    return options;
}

// A window can vanish between listing and reading it; such errors only mean
// "not this one".
int IgnoreXErrors(Display* /*display*/, XErrorEvent* /*event*/) {
    return 0;
}

std::optional<unsigned long> WindowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                          &format, &count, &after, &data);
    std::optional<unsigned long> pid;
    if (status == Success && data != nullptr && format == 32 && count == 1) {
        pid = *reinterpret_cast<unsigned long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

bool IsShown(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

// The first shown top-level window of the process; without a window manager
// top-level windows are children of the root.
std::optional<Window> ShownWindowOf(Display* display, pid_t pid) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        const auto owner = WindowPid(display, children[i], pidAtom);
        if (owner && *owner == static_cast<unsigned long>(pid) && IsShown(display, children[i])) {
            found = children[i];
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

Placement PlacementOf(Display* display, Window window, int clientHeight) {
    Placement placement;
    placement.window = window;
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &placement.left,
                          &placement.top, &child);
    placement.clientTop = attributes.height - clientHeight;
    return placement;
}

unsigned Channel(unsigned long value, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    while ((mask & 1UL) == 0) {
        mask >>= 1U;
        value >>= 1U;
    }
    return static_cast<unsigned>((value & mask) * 255UL / mask);
}

std::optional<std::uint32_t> ReadPixel(Display* display, const Placement& placement, int x, int y) {
    XImage* image =
        XGetImage(display, placement.window, x, placement.clientTop + y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return std::nullopt;
    }
    const unsigned long value = XGetPixel(image, 0, 0);
    const std::uint32_t rgb = Channel(value, image->red_mask) << 16U |
                              Channel(value, image->green_mask) << 8U |
                              Channel(value, image->blue_mask);
    XDestroyImage(image);
    return rgb;
}

template <typename Condition>
bool PollUntil(double deadline, int pollMs, Condition condition) {
    while (!condition()) {
        if (MonotonicMs() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
    return true;
}

pid_t Start(const std::vector<char*>& program) {
    std::vector<char*> argv = program;
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        // The probe's output is its report alone: the program writes to stderr,
        // and a program left running holds no pipe the report was read from.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        std::perror("zunpeko_window_probe: exec");
        _exit(127);
    }
    return pid;
}

bool StillRunning(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

void End(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

int Launch(Display* display, const Options& options) {
    if (options.program.empty()) {
        Usage("launch needs a program after --");
    }
    const double started = MonotonicMs();
    const double deadline = started + options.timeoutMs;
    const pid_t pid = Start(options.program);
    std::optional<Window> window;
    const auto shownOrGone = [&] {
        window = ShownWindowOf(display, pid);
        return window.has_value() || !StillRunning(pid);
    };
    const bool mapped = PollUntil(deadline, options.pollMs, shownOrGone) && window.has_value();
    if (!mapped) {
        std::fprintf(stderr, "zunpeko_window_probe: no window from pid %d\n",
                     static_cast<int>(pid));
        End(pid);
        return 2;
    }
    const double mappedAt = MonotonicMs() - started;
    const Placement placement = PlacementOf(display, *window, options.clientHeight);
    const Pixel pixel = *options.pixel;
    const bool painted = PollUntil(deadline, options.pollMs, [&] {
        return ReadPixel(display, placement, pixel.x, pixel.y) == pixel.rgb;
    });
    const double paintedAt = MonotonicMs() - started;
    std::printf("pid=%d window=0x%lx mapped_ms=%.1f painted_ms=%.1f left=%d top=%d client_top=%d\n",
                static_cast<int>(pid), placement.window, mappedAt, paintedAt, placement.left,
                placement.top, placement.clientTop);
    std::fflush(stdout);
    if (!options.keep || !painted) {
        End(pid);
    }
    return painted ? 0 : 3;
}

int Wait(Display* display, const Options& options) {
    if (options.pid <= 0) {
        Usage("wait needs --pid");
    }
    const double started = MonotonicMs();
    const double deadline = started + options.timeoutMs;
    const Pixel pixel = *options.pixel;
    const bool shown = PollUntil(deadline, options.pollMs, [&] {
        const auto window = ShownWindowOf(display, options.pid);
        return window && ReadPixel(display, PlacementOf(display, *window, options.clientHeight),
                                   pixel.x, pixel.y) == pixel.rgb;
    });
    std::printf("waited_ms=%.1f\n", MonotonicMs() - started);
    return shown ? 0 : 3;
}

}  // namespace

int main(int argc, char* argv[]) {
    const Options options = ParseOptions(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        Usage("cannot open the display named by DISPLAY");
    }
    XSetErrorHandler(IgnoreXErrors);
    int status = 0;
    if (options.mode == "launch") {
        status = Launch(display, options);
    } else if (options.mode == "wait") {
        status = Wait(display, options);
    } else {
        Usage("the mode is launch or wait");
    }
    XCloseDisplay(display);
    return status;
}
