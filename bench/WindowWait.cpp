// Times a GUI program from its start to its window on screen: starts the
// command, watches the X server for a top-level window that is mapped and
// titled TITLE, then prints the milliseconds that took and the program's
// peak resident memory so far, and ends the program.
//   window-wait TITLE COMMAND [ARG...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string TitleOf(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return title;
}

long PeakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window-wait TITLE COMMAND [ARG...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window-wait: no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    std::set<Window> mapped;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) == 0) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fprintf(stderr, "window-wait: the program ended before its window showed\n");
                return 1;
            }
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            timeval tick{0, 20000};
            select(fd + 1, &readable, nullptr, nullptr, &tick);
        }
        XEvent event;
        XNextEvent(display, &event);
        Window window = 0;
        if (event.type == CreateNotify) {
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            continue;
        }
        if (event.type == MapNotify) {
            window = event.xmap.window;
            mapped.insert(window);
        } else if (event.type == PropertyNotify) {
            window = event.xproperty.window;
        }
        if (window != 0 && mapped.contains(window) && TitleOf(display, window) == wanted) {
            break;
        }
    }
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%.1f ms %ld KiB\n", elapsed, PeakResidentKiB(pid));
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
