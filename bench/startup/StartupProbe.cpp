// Measures how long a program takes from exec to its window being mapped and to its first
// complete drawing, and its peak memory, in the X server named by DISPLAY.
//
// The probe watches the root window for new top-level windows, follows the one whose name
// matches, and takes: mapped = its MapNotify; drawn = the last DAMAGE report on it before
// the window has stayed unchanged for a quiet interval. Times are read when the events
// arrive (CLOCK_MONOTONIC), so each is late by the server's and the probe's scheduling,
// well under a millisecond on an idle machine.
//
// Usage: startup_probe NAME RUNS WARMUP -- COMMAND [ARGS...]
//   NAME: the window's exact name, or a prefix when it ends in '*'.
// Prints one line per measured run and a summary line:
//   median mapped_ms=.. drawn_ms=.. rss_mb=..

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto QUIET = std::chrono::milliseconds(300);
constexpr auto GIVE_UP = std::chrono::seconds(15);

struct SRun {
    double dMappedMs;
    double dDrawnMs;
    double dRssMb;
};

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::string WindowName(Display* pDisplay, Window window) {
    Atom utf8 = XInternAtom(pDisplay, "UTF8_STRING", False);
    Atom netName = XInternAtom(pDisplay, "_NET_WM_NAME", False);
    Atom type = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    std::string strName;
    if (XGetWindowProperty(pDisplay, window, netName, 0, 1024, False, utf8, &type, &nFormat,
                           &nItems, &nAfter, &pData) == Success &&
        pData) {
        strName.assign(reinterpret_cast<char*>(pData), nItems);
        XFree(pData);
    }
    if (strName.empty()) {
        char* pszName = nullptr;
        if (XFetchName(pDisplay, window, &pszName) && pszName) {
            strName = pszName;
            XFree(pszName);
        }
    }
    return strName;
}

bool NameMatches(const std::string& strName, const std::string& strPattern) {
    if (!strPattern.empty() && strPattern.back() == '*')
        return strName.compare(0, strPattern.size() - 1, strPattern, 0, strPattern.size() - 1) == 0;
    return strName == strPattern;
}

std::optional<SRun> MeasureOnce(Display* pDisplay, int nDamageEvent, const std::string& strName,
                                char** argv) {
    Window root = DefaultRootWindow(pDisplay);
    XSelectInput(pDisplay, root, SubstructureNotifyMask);
    XSync(pDisplay, True);

    const auto start = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    std::set<Window> candidates;
    Window target = None;
    std::optional<Clock::time_point> mapped, lastDamage;
    const int fd = ConnectionNumber(pDisplay);
    for (;;) {
        const auto now = Clock::now();
        if (lastDamage && now - *lastDamage > QUIET)
            break;
        if (now - start > GIVE_UP)
            break;
        while (XPending(pDisplay)) {
            XEvent event;
            XNextEvent(pDisplay, &event);
            const auto at = Clock::now();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                Window w = event.xcreatewindow.window;
                candidates.insert(w);
                XSelectInput(pDisplay, w, StructureNotifyMask | PropertyChangeMask);
                XDamageCreate(pDisplay, w, XDamageReportRawRectangles);
            } else if (event.type == MapNotify && candidates.count(event.xmap.window) &&
                       target == None) {
                if (NameMatches(WindowName(pDisplay, event.xmap.window), strName)) {
                    target = event.xmap.window;
                    mapped = at;
                }
            } else if (event.type == nDamageEvent + XDamageNotify) {
                auto* pDamage = reinterpret_cast<XDamageNotifyEvent*>(&event);
                if (pDamage->drawable == target && target != None)
                    lastDamage = at;
            }
        }
        pollfd poller{fd, POLLIN, 0};
        poll(&poller, 1, 10);
    }
    kill(pid, SIGTERM);
    int nStatus = 0;
    rusage usage{};
    wait4(pid, &nStatus, 0, &usage);
    XSelectInput(pDisplay, root, NoEventMask);
    if (!mapped || !lastDamage)
        return std::nullopt;
    return SRun{Ms(*mapped - start), Ms(*lastDamage - start), usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6 || std::strcmp(argv[4], "--") != 0) {
        std::fprintf(stderr, "usage: %s NAME RUNS WARMUP -- COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string strName = argv[1];
    const int nRuns = std::atoi(argv[2]);
    const int nWarmup = std::atoi(argv[3]);
    Display* pDisplay = XOpenDisplay(nullptr);
    if (!pDisplay) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    int nDamageEvent = 0, nDamageError = 0;
    if (!XDamageQueryExtension(pDisplay, &nDamageEvent, &nDamageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::vector<double> mappedMs, drawnMs, rssMb;
    for (int i = 0; i < nWarmup + nRuns; ++i) {
        std::optional<SRun> run = MeasureOnce(pDisplay, nDamageEvent, strName, argv + 5);
        if (!run) {
            std::fprintf(stderr, "startup_probe: no window named '%s' was drawn\n",
                         strName.c_str());
            return 1;
        }
        if (i < nWarmup)
            continue;
        std::printf("run %d mapped_ms=%.1f drawn_ms=%.1f rss_mb=%.1f\n", i - nWarmup + 1,
                    run->dMappedMs, run->dDrawnMs, run->dRssMb);
        mappedMs.push_back(run->dMappedMs);
        drawnMs.push_back(run->dDrawnMs);
        rssMb.push_back(run->dRssMb);
    }
    std::printf("median mapped_ms=%.1f drawn_ms=%.1f rss_mb=%.1f\n", Median(mappedMs),
                Median(drawnMs), *std::max_element(rssMb.begin(), rssMb.end()));
    XCloseDisplay(pDisplay);
    return 0;
}
