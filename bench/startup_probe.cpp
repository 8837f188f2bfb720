// Times a program's windows from X events, with no polling:
//   startup_probe launch <windows> <program> [args...]
//     starts the program and prints, in milliseconds after its exec, when
//     each of its first <windows> top-level windows was mapped and first
//     painted: "pid <pid>", then "map <n> <ms> <window> <cpu ms>" (the CPU
//     time the program had used by then) and "paint <n> <ms>".
//   startup_probe click <window> <x> <y>
//     clicks at (x, y) in the window and prints how long until the window's
//     contents changed: "click <ms>".
// It needs the display's DAMAGE and XTEST extensions (Xvfb has both).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// CPU time the process has used so far, all threads, in milliseconds.
double CpuMs(pid_t pid)
{
    double total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* folder = opendir(tasks.c_str())) {
        while (const dirent* task = readdir(folder)) {
            if (task->d_name[0] == '.') {
                continue; // "..": the process's own figure, the main thread's again
            }
            if (FILE* stat = std::fopen((tasks + "/" + task->d_name + "/schedstat").c_str(), "r")) {
                unsigned long long ns = 0;
                if (std::fscanf(stat, "%llu", &ns) == 1) {
                    total += ns / 1e6;
                }
                std::fclose(stat);
            }
        }
        closedir(folder);
    }
    return total;
}

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the next event for at most `seconds`; false on time-out.
bool NextEvent(Display* display, XEvent& event, int seconds)
{
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    while (XPending(display) == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
    XNextEvent(display, &event);
    return true;
}

int Launch(Display* display, int damageEvent, int windows, char** program)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(program[0], program);
        std::perror("exec");
        _exit(127);
    }
    std::printf("pid %d\n", pid);
    std::fflush(stdout);
    std::map<Damage, int> painting; // the damage of each window mapped so far, by its number
    int mapped = 0;
    int painted = 0;
    XEvent event;
    while (painted < windows) {
        if (!NextEvent(display, event, 30)) {
            std::fprintf(stderr, "startup_probe: no window after 30 s\n");
            return 1;
        }
        if (event.type == MapNotify && event.xmap.event == root && mapped < windows) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            if (attributes.width < 50 || attributes.height < 50) {
                continue; // not one of the program's windows
            }
            ++mapped;
            std::printf("map %d %.1f %lu %.1f\n", mapped, MsSince(start), event.xmap.window, CpuMs(pid));
            std::fflush(stdout);
            painting[XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty)] = mapped;
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
            const auto found = painting.find(notify->damage);
            if (found != painting.end()) {
                std::printf("paint %d %.1f\n", found->second, MsSince(start));
                std::fflush(stdout);
                XDamageDestroy(display, notify->damage);
                painting.erase(found);
                ++painted;
            }
        }
    }
    return 0;
}

int Click(Display* display, int damageEvent, Window window, int x, int y)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XSync(display, False);
    usleep(100000); // the pointer has settled before the damage is watched
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);
    XEvent event;
    while (XPending(display) > 0) {
        XNextEvent(display, &event);
    }
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);
    const Clock::time_point start = Clock::now();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    while (NextEvent(display, event, 5)) {
        if (event.type == damageEvent + XDamageNotify) {
            std::printf("click %.1f\n", MsSince(start));
            return 0;
        }
    }
    std::fprintf(stderr, "startup_probe: the click changed nothing within 5 s\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if ((mode != "launch" || argc < 4) && (mode != "click" || argc != 5)) {
        std::fprintf(stderr,
                     "usage: startup_probe launch <windows> <program> [args...]\n"
                     "       startup_probe click <window> <x> <y>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    int opcode = 0;
    int testEvent = 0;
    int testError = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError)
        || !XQueryExtension(display, "XTEST", &opcode, &testEvent, &testError)) {
        std::fprintf(stderr, "startup_probe: needs a display with DAMAGE and XTEST\n");
        return 2;
    }
    if (mode == "launch") {
        return Launch(display, damageEvent, std::atoi(argv[2]), argv + 3);
    }
    return Click(display, damageEvent, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]), std::atoi(argv[4]));
}
