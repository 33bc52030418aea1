// SPDX-License-Identifier: MIT
// Times the start of window programs from outside, on the X display in DISPLAY (without a
// window manager): from the fork until the program's first window is mapped and every pixel
// of it has been drawn. Notes the CPU time the program has used by then, its resident memory
// then and once it has gone idle. The programs start in turn (A B C A B C ...), so that a
// change in the machine's load falls on all of them alike; each has one uncounted start first.
//
//   startup_probe [--starts N] [--time-base LABEL] [--memory-base LABEL] LABEL='PROGRAM ARG...'
//
// The drawing is seen through the X DAMAGE extension: every request that draws into a window
// reports the rectangle it touched. A toolkit that leaves the window's background to itself
// (Qt sets no background pixmap, so the server draws nothing on its own) has drawn its first
// frame once those rectangles cover the whole window. The programs need no hook of any kind.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kWindowTimeout = 20s;  // a program that shows nothing in this time has failed
// Idle: less than 0.25 ms of CPU time in each of four polls 50 ms apart.
constexpr auto kIdlePoll = 50ms;
constexpr double kIdleCpuMs = 0.25;
constexpr int kIdlePolls = 4;
constexpr auto kIdleTimeout = 3s;

struct Program {
    std::string label;
    std::vector<std::string> command;  // the program and its arguments
};

struct Start {
    double paintedMs = 0;
    double cpuMs = 0;  // used until painted, all threads
    double residentMbAtPaint = 0;
    double residentMbIdle = 0;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "startup_probe: %s\n", message.c_str());
    std::exit(2);
}

// "PROGRAM ARG ...", split at spaces.
std::vector<std::string> SplitCommand(const std::string& text) {
    std::istringstream words(text);
    std::vector<std::string> command;
    for (std::string word; words >> word;) {
        command.push_back(word);
    }
    return command;
}

double ResidentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;  // given in kB
        }
    }
    return 0;
}

// The CPU time of the process's threads so far, in ms (threads that have ended are not
// counted): steadier than the wall time on a busy machine.
double CpuMs(pid_t pid) {
    double ns = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) {
            ns += onCpu;
        }
    }
    return ns / 1e6;
}

// Work left over from the start (whatever waited for the first paint) is done by then.
void WaitUntilIdle(pid_t pid) {
    const auto deadline = Clock::now() + kIdleTimeout;
    double last = CpuMs(pid);
    for (int quiet = 0; quiet < kIdlePolls && Clock::now() < deadline;) {
        std::this_thread::sleep_for(kIdlePoll);
        const double now = CpuMs(pid);
        quiet = now - last < kIdleCpuMs ? quiet + 1 : 0;
        last = now;
    }
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

using EventPtr = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

class Display {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0) {
            Fail("cannot connect to the X display in DISPLAY");
        }
        fcntl(xcb_get_file_descriptor(connection_), F_SETFD, FD_CLOEXEC);  // not the programs'
        const xcb_query_extension_reply_t* const damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            Fail("the X server has no DAMAGE extension");
        }
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        // Top-level windows as they are created and mapped.
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Starts the program and returns once its first window has been wholly drawn, with the
    // milliseconds since the fork. The program keeps running.
    std::pair<pid_t, double> startAndWaitForPaint(const std::vector<std::string>& command) {
        std::vector<char*> argv;
        for (const std::string& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));  // execv does not change them
        }
        argv.push_back(nullptr);
        discardPendingEvents();

        const auto begin = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int null = open("/dev/null", O_WRONLY);  // the programs' messages
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execv(argv[0], argv.data());
            std::_Exit(127);
        }
        if (pid < 0) {
            Fail("cannot fork");
        }

        std::map<xcb_window_t, xcb_damage_damage_t> damages;
        std::optional<xcb_window_t> shown;
        std::vector<unsigned char> drawn;  // a pixel of the shown window: 1 once drawn
        long undrawn = -1;                 // pixels; -1 until the window's size is known
        while (undrawn != 0) {
            const EventPtr event = nextEvent(begin + kWindowTimeout, pid);
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, before anything can draw into it.
                const auto& created =
                    *reinterpret_cast<const xcb_create_notify_event_t*>(event.get());
                const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, created.window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(connection_);
                damages[created.window] = damage;
            } else if (type == XCB_MAP_NOTIFY) {
                const auto& mapped = *reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                if (!shown && damages.contains(mapped.window)) {
                    shown = mapped.window;
                }
            } else if (type == damageEvent_) {
                const auto& damage =
                    *reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
                if (shown && damage.drawable == *shown) {
                    undrawn = markDrawn(damage, drawn, undrawn);
                }
            }
        }
        const auto painted = Clock::now();

        for (const auto& [window, damage] : damages) {
            xcb_damage_destroy(connection_, damage);  // an error, ignored, for a window gone
        }
        xcb_flush(connection_);
        return {pid, std::chrono::duration<double, std::milli>(painted - begin).count()};
    }

  private:
    // Marks the reported rectangle drawn; returns the pixels still undrawn.
    static long markDrawn(const xcb_damage_notify_event_t& damage,
                          std::vector<unsigned char>& drawn, long undrawn) {
        const int width = damage.geometry.width;
        const int height = damage.geometry.height;
        if (undrawn < 0) {
            drawn.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
            undrawn = static_cast<long>(width) * height;
        }
        const int right = std::min(width, damage.area.x + damage.area.width);
        const int bottom = std::min(height, damage.area.y + damage.area.height);
        for (int y = std::max<int>(0, damage.area.y); y < bottom; ++y) {
            for (int x = std::max<int>(0, damage.area.x); x < right; ++x) {
                unsigned char& pixel = drawn[static_cast<std::size_t>(y) * width + x];
                if (pixel == 0) {
                    pixel = 1;
                    --undrawn;
                }
            }
        }
        return undrawn;
    }

    EventPtr nextEvent(Clock::time_point deadline, pid_t pid) {
        for (;;) {
            if (xcb_generic_event_t* const event = xcb_poll_for_event(connection_)) {
                return EventPtr(event, &std::free);
            }
            if (xcb_connection_has_error(connection_) != 0) {
                Stop(pid);
                Fail("lost the X display");
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                Fail("the program ended before its window was drawn");
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left <= 0ms) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
                Fail("no window was drawn in time");
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            // Wakes now and then to notice a program that has ended.
            poll(&fd, 1, static_cast<int>(std::min<long>(100, left.count())));
        }
    }

    // Events of earlier programs (their windows' ends) do not count for the next one.
    void discardPendingEvents() {
        // A round trip: every event sent before it has arrived once the reply is here.
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* const event = xcb_poll_for_event(connection_)) {
            std::free(event);
        }
    }

    xcb_connection_t* const connection_;
    uint8_t damageEvent_ = 0;
};

Start RunOnce(Display& display, const Program& program) {
    const auto [pid, paintedMs] = display.startAndWaitForPaint(program.command);
    // Held still while read, so that work left for after the paint does not count.
    kill(pid, SIGSTOP);
    Start start;
    start.paintedMs = paintedMs;
    start.cpuMs = CpuMs(pid);
    start.residentMbAtPaint = ResidentMb(pid);
    kill(pid, SIGCONT);
    WaitUntilIdle(pid);
    start.residentMbIdle = ResidentMb(pid);
    Stop(pid);
    return start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<double> Column(const std::vector<Start>& starts, double Start::*field) {
    std::vector<double> values;
    for (const Start& start : starts) {
        values.push_back(start.*field);
    }
    return values;
}

[[noreturn]] void Usage() {
    std::fputs(
        "usage: startup_probe [--starts N] [--time-base LABEL] [--memory-base LABEL] "
        "LABEL='PROGRAM ARG...' ...\n",
        stderr);
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    int starts = 9;
    std::string timeBase;
    std::string memoryBase;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--starts" || arg == "--time-base" || arg == "--memory-base") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--starts") {
                starts = std::max(1, std::atoi(value.c_str()));
            } else if (arg == "--time-base") {
                timeBase = value;
            } else {
                memoryBase = value;
            }
        } else if (const auto equals = arg.find('='); equals != std::string::npos && equals > 0) {
            programs.push_back({arg.substr(0, equals), SplitCommand(arg.substr(equals + 1))});
            if (programs.back().command.empty()) {
                Usage();
            }
        } else {
            Usage();
        }
    }
    if (programs.empty()) {
        Usage();
    }
    const auto indexOf = [&programs](const std::string& label) {
        if (label.empty()) {
            return std::size_t{0};
        }
        for (std::size_t i = 0; i < programs.size(); ++i) {
            if (programs[i].label == label) {
                return i;
            }
        }
        Fail("no program labelled " + label);
    };
    const std::size_t timeIndex = indexOf(timeBase);
    const std::size_t memoryIndex = indexOf(memoryBase);

    Display display;
    for (const Program& program : programs) {
        RunOnce(display, program);  // not counted: fills the file cache
    }
    std::vector<std::vector<Start>> results(programs.size());
    for (int round = 0; round < starts; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            results[i].push_back(RunOnce(display, programs[i]));
        }
    }

    std::vector<double> painted;
    std::vector<double> cpu;
    std::vector<double> idle;
    for (const auto& result : results) {
        painted.push_back(Median(Column(result, &Start::paintedMs)));
        cpu.push_back(Median(Column(result, &Start::cpuMs)));
        idle.push_back(Median(Column(result, &Start::residentMbIdle)));
    }
    std::printf("Medians of %d starts each, interleaved; ratios to %s, memory beyond %s.\n", starts,
                programs[timeIndex].label.c_str(), programs[memoryIndex].label.c_str());
    std::printf("%-14s %8s %9s %6s %6s %6s %9s %9s %9s\n", "", "painted", "", "", "CPU", "",
                "resident", "resident", "");
    std::printf("%-14s %8s %9s %6s %6s %6s %9s %9s %9s\n", "program", "ms", "min-max", "ratio",
                "ms", "ratio", "MB paint", "MB idle", "MB more");
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const std::vector<double> times = Column(results[i], &Start::paintedMs);
        const auto [low, high] = std::minmax_element(times.begin(), times.end());
        const std::string range = std::to_string(static_cast<int>(*low + 0.5)) + "-" +
                                  std::to_string(static_cast<int>(*high + 0.5));
        std::printf("%-14s %8.1f %9s %6.2f %6.1f %6.2f %9.1f %9.1f %+9.1f\n",
                    programs[i].label.c_str(), painted[i], range.c_str(),
                    painted[i] / painted[timeIndex], cpu[i], cpu[i] / cpu[timeIndex],
                    Median(Column(results[i], &Start::residentMbAtPaint)), idle[i],
                    idle[i] - idle[memoryIndex]);
    }
    return 0;
}
