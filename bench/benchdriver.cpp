// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the benchmarks and prints one table.
//
//   solenorium_bench BINDIR [--runs N] [--calls N] [--cg-calls N] [--no-callgrind] [--startup-only]
//
// BINDIR holds solenorium_bench_startup (the program's own start-up, ending
// after the menu's first paint), solenorium_bench_bare (a bare QWidget),
// solenorium_bench_button (the bare window with one push button) and
// solenorium_bench_handlers.
//
// Start-up: the three are started in turn, each from fork to exit, N times
// each after a warm-up run; the wall time, the CPU time and the peak resident
// memory (wait4's rusage) of every run are kept and their medians compared.
// One run of each under callgrind gives instruction counts, which do not
// depend on the load of the machine. Under the offscreen platform always, and
// under the X server named by DISPLAY when there is one.
// Handlers: the median time per click, and the instructions per click under
// callgrind for the three slowest.
// Exits non-zero if a run fails; a missed target is shown in the table.
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kStartTimeTarget = 1.25;
constexpr double kMemoryTarget = 1.15;
constexpr double kHandlerTargetUs = 1000.0;
// A click that redraws the coil sheet's chart: with its repaint, within one frame at 60 Hz.
constexpr double kFrameTargetUs = 16000.0;

[[noreturn]] void Fail(const std::string &why)
{
    std::fprintf(stderr, "solenorium_bench: %s\n", why.c_str());
    std::exit(1);
}

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Seconds(const timeval &t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

template<typename T> double Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? static_cast<double>(values[n / 2])
                 : (static_cast<double>(values[n / 2 - 1]) + static_cast<double>(values[n / 2])) / 2.0;
}

std::string Quote(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The environment of a measured process. Offscreen runs never see an X
// display, so they are the same with or without Xvfb. X runs get a session
// bus address that refuses at once: without a bus libdbus would try to
// autolaunch one, which a desktop never does.
std::string Environment(const std::string &platform)
{
    if (platform == "offscreen")
        return "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen";
    return "env QT_QPA_PLATFORM=" + platform
        + " DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/solenorium-bench";
}

void SetEnvironment(const std::string &platform)
{
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    if (platform == "offscreen") {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
    } else {
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/solenorium-bench", 1);
    }
}

struct Launch
{
    double seconds = 0;
    double cpuSeconds = 0; // user and system time of the process
    long maxRssKiB = 0;
};

// Starts the program on the given platform with its output thrown away and
// waits for it: wall time from fork to the end of the wait, CPU time and peak
// memory.
Launch Start(const std::string &program, const std::string &platform)
{
    const double begin = Now();
    const pid_t pid = fork();
    if (pid < 0)
        Fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        SetEnvironment(platform);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0)
        Fail(std::string("wait4: ") + std::strerror(errno));
    const double end = Now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(program + " failed under " + platform + " (status " + std::to_string(status)
             + "); run it by hand with QT_QPA_PLATFORM=" + platform + " to see why");
    return {end - begin, Seconds(usage.ru_utime) + Seconds(usage.ru_stime), usage.ru_maxrss};
}

// Runs a shell command and returns what it wrote to its standard output.
std::string Capture(const std::string &command)
{
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        Fail("cannot run " + command);
    std::string out;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    if (status != 0)
        Fail("failed (status " + std::to_string(status) + "): " + command);
    return out;
}

std::vector<std::string> Split(const std::string &line, char separator)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, separator))
        fields.push_back(field);
    return fields;
}

std::string CpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return "unknown CPU";
}

std::string LoadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// Runs a command under callgrind (with the given extra options) and returns
// the instructions of its main process: the largest total among the output
// files, one per process.
double CallgrindTotal(const std::string &environment, const std::string &options, const std::string &command)
{
    char dir[] = "/tmp/solenorium-bench-XXXXXX";
    if (!mkdtemp(dir))
        Fail("mkdtemp failed");
    Capture(environment + " valgrind --tool=callgrind " + options + " --callgrind-out-file=" + Quote(dir)
            + "/callgrind.out.%p " + command + " >/dev/null 2>&1");
    double largest = -1;
    if (DIR *listing = opendir(dir)) {
        while (dirent *entry = readdir(listing)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string path = std::string(dir) + "/" + entry->d_name;
            std::ifstream file(path);
            std::string line;
            while (std::getline(file, line)) {
                // "summary:" in older callgrind files, "totals:" in newer ones; the only event is Ir.
                for (const char *key : {"summary:", "totals:"}) {
                    if (line.rfind(key, 0) == 0)
                        largest = std::max(largest, std::strtod(line.c_str() + std::strlen(key), nullptr));
                }
            }
            file.close();
            std::remove(path.c_str());
        }
        closedir(listing);
    }
    rmdir(dir);
    if (largest < 0)
        Fail("no instruction total in the callgrind output of " + command);
    return largest;
}

// The three start-up executables, in the order of the table's columns.
const char *const kStartups[] = {"solenorium_bench_bare", "solenorium_bench_button",
                                 "solenorium_bench_startup"};
constexpr int kBare = 0;
constexpr int kButton = 1;
constexpr int kProgram = 2;

struct StartupRow
{
    std::string platform;
    double ms[3];
    double fastestMs[3];
    double cpuMs[3];
    double kib[3];
    double instructions[3] = {-1, -1, -1};
};

StartupRow MeasureStartup(const std::string &bindir, const std::string &platform, int runs, bool callgrind)
{
    StartupRow row{platform, {}, {}, {}, {}};
    std::vector<double> times[3], cpu[3];
    std::vector<long> rss[3];
    // One run of each first, so all start with the libraries and fonts in the cache.
    for (const char *name : kStartups)
        Start(bindir + "/" + name, platform);
    for (int i = 0; i < runs; ++i) {
        // In turn, the order rotating each round, so no one always follows another.
        for (int k = 0; k < 3; ++k) {
            const int which = (i + k) % 3;
            const Launch launch = Start(bindir + "/" + kStartups[which], platform);
            times[which].push_back(launch.seconds);
            cpu[which].push_back(launch.cpuSeconds);
            rss[which].push_back(launch.maxRssKiB);
        }
    }
    for (int which = 0; which < 3; ++which) {
        row.ms[which] = Median(times[which]) * 1000.0;
        row.fastestMs[which] = *std::min_element(times[which].begin(), times[which].end()) * 1000.0;
        row.cpuMs[which] = Median(cpu[which]) * 1000.0;
        row.kib[which] = Median(rss[which]);
        if (callgrind)
            row.instructions[which] =
                CallgrindTotal(Environment(platform), "", Quote(bindir + "/" + kStartups[which]));
    }
    return row;
}

struct HandlerRow
{
    int index = 0;
    std::string handler, variant;
    double us = 0, paintedUs = 0;
    int calls = 0;
    bool frame = false; // measured against one frame, click and repaint
    double instructions = -1;
};

const char *Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        Fail("usage: solenorium_bench BINDIR [--runs N] [--calls N] [--cg-calls N] [--no-callgrind] "
             "[--startup-only]");
    const std::string bindir = argv[1];
    int runs = 15;
    int calls = 201;
    int cgCalls = 20;
    bool callgrind = true;
    bool handlersToo = true;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (arg == "--calls" && i + 1 < argc)
            calls = std::atoi(argv[++i]);
        else if (arg == "--cg-calls" && i + 1 < argc)
            cgCalls = std::atoi(argv[++i]);
        else if (arg == "--no-callgrind")
            callgrind = false;
        else if (arg == "--startup-only")
            handlersToo = false;
        else
            Fail("unknown argument " + arg);
    }
    if (runs < 10)
        Fail("--runs must be at least 10");
    if (calls < 1 || cgCalls < 1)
        Fail("--calls and --cg-calls must be at least 1");

    const std::string loadBefore = LoadAverage();
    std::vector<std::string> platforms{"offscreen"};
    const char *display = std::getenv("DISPLAY");
    if (display && *display)
        platforms.push_back("xcb");
    std::vector<StartupRow> startup;
    for (const std::string &platform : platforms) {
        std::fprintf(stderr, "start-up under %s: %d runs of each ...\n", platform.c_str(), runs);
        startup.push_back(MeasureStartup(bindir, platform, runs, callgrind));
    }

    std::vector<HandlerRow> handlers;
    if (handlersToo) {
        std::fprintf(stderr, "handlers: %d calls each ...\n", calls);
        const std::string log = "/tmp/solenorium-bench-handlers.log";
        const std::string listing =
            Capture(Environment("offscreen") + " " + Quote(bindir + "/solenorium_bench_handlers")
                    + " --calls " + std::to_string(calls) + " 2>" + Quote(log) + " || { tail -n 5 "
                    + Quote(log) + " >&2; exit 1; }");
        for (const std::string &line : Split(listing, '\n')) {
            const std::vector<std::string> f = Split(line, '\t');
            if (f.size() != 6 && !(f.size() == 7 && f[6] == "frame"))
                continue;
            HandlerRow row;
            row.index = std::atoi(f[0].c_str());
            row.handler = f[1];
            row.variant = f[2];
            row.us = std::atof(f[3].c_str()) / 1000.0;
            row.paintedUs = std::atof(f[4].c_str()) / 1000.0;
            row.calls = std::atoi(f[5].c_str());
            row.frame = f.size() == 7;
            handlers.push_back(row);
        }
        if (handlers.empty())
            Fail("the handler benchmark printed no results");
        if (callgrind) {
            std::vector<HandlerRow *> slowest;
            for (HandlerRow &row : handlers)
                slowest.push_back(&row);
            std::sort(slowest.begin(), slowest.end(),
                      [](const HandlerRow *a, const HandlerRow *b) { return a->us > b->us; });
            slowest.resize(std::min<size_t>(3, slowest.size()));
            for (HandlerRow *row : slowest) {
                std::fprintf(stderr, "callgrind: case %d (%s, %s) ...\n", row->index, row->handler.c_str(),
                             row->variant.c_str());
                // Only the timed clicks are collected; the handler benchmark switches collection on and off.
                row->instructions = CallgrindTotal(Environment("offscreen"), "--collect-atstart=no",
                                                   Quote(bindir + "/solenorium_bench_handlers") + " --only "
                                                       + std::to_string(row->index) + " --warmup 3 --calls "
                                                       + std::to_string(cgCalls))
                    / cgCalls;
            }
        }
    }
    const std::string loadAfter = LoadAverage();

    std::printf("\nSolenorium benchmarks: Release build, %s, %ld CPUs; load average %s before, %s after\n",
                CpuModel().c_str(), sysconf(_SC_NPROCESSORS_ONLN), loadBefore.c_str(), loadAfter.c_str());
    std::printf("\nStart-up: from fork until the process has shown and painted its first window and\n"
                "exited; median of %d runs each, the three started in turn. \"bare\": a QApplication\n"
                "with one empty QWidget; \"button\": the same with one QPushButton \"END\" (the cost of\n"
                "showing any text); the ratio and its target are Solenorium against the bare window.\n"
                "\"fastest\": the quickest run of each, the least disturbed by other work on the\n"
                "machine. Instructions: one run of each under callgrind (independent of load).\n\n",
                runs);
    std::printf("%-9s %-19s %12s %12s %12s %7s %8s %-6s %10s\n", "platform", "measure", "bare", "button",
                "Solenorium", "ratio", "target", "", "vs button");
    bool allMet = true;
    for (const StartupRow &row : startup) {
        const double timeRatio = row.ms[kProgram] / row.ms[kBare];
        const double memoryRatio = row.kib[kProgram] / row.kib[kBare];
        allMet = allMet && timeRatio <= kStartTimeTarget && memoryRatio <= kMemoryTarget;
        std::printf("%-9s %-19s %9.1f ms %9.1f ms %9.1f ms %7.3f %8s %-6s %10.3f\n", row.platform.c_str(),
                    "wall time", row.ms[kBare], row.ms[kButton], row.ms[kProgram], timeRatio, "<= 1.25",
                    Verdict(timeRatio <= kStartTimeTarget), row.ms[kProgram] / row.ms[kButton]);
        std::printf("%-9s %-19s %9.1f ms %9.1f ms %9.1f ms %7.3f %8s %-6s %10.3f\n", row.platform.c_str(),
                    "wall time, fastest", row.fastestMs[kBare], row.fastestMs[kButton],
                    row.fastestMs[kProgram], row.fastestMs[kProgram] / row.fastestMs[kBare], "", "",
                    row.fastestMs[kProgram] / row.fastestMs[kButton]);
        std::printf("%-9s %-19s %9.1f ms %9.1f ms %9.1f ms %7.3f %8s %-6s %10.3f\n", row.platform.c_str(),
                    "CPU time (user+sys)", row.cpuMs[kBare], row.cpuMs[kButton], row.cpuMs[kProgram],
                    row.cpuMs[kProgram] / row.cpuMs[kBare], "", "", row.cpuMs[kProgram] / row.cpuMs[kButton]);
        std::printf("%-9s %-19s %8.0f KiB %8.0f KiB %8.0f KiB %7.3f %8s %-6s %10.3f\n", row.platform.c_str(),
                    "peak RSS", row.kib[kBare], row.kib[kButton], row.kib[kProgram], memoryRatio, "<= 1.15",
                    Verdict(memoryRatio <= kMemoryTarget), row.kib[kProgram] / row.kib[kButton]);
        if (row.instructions[kBare] > 0)
            std::printf("%-9s %-19s %11.1fM %11.1fM %11.1fM %7.3f %8s %-6s %10.3f\n", row.platform.c_str(),
                        "instructions", row.instructions[kBare] / 1e6, row.instructions[kButton] / 1e6,
                        row.instructions[kProgram] / 1e6,
                        row.instructions[kProgram] / row.instructions[kBare], "", "",
                        row.instructions[kProgram] / row.instructions[kButton]);
    }

    if (!handlers.empty()) {
        std::printf("\nHandlers: a real button or scroll bar of the open window (offscreen), median of %d\n"
                    "calls (\"click\": the handler alone; \"+repaint\": until the repaint it causes is\n"
                    "done); target: click under %.0f us, or for a step that redraws the coil sheet's\n"
                    "chart (\"frame\") click and repaint under %.0f us. Ir/call: instructions per\n"
                    "click under callgrind (%d calls) for the three slowest.\n\n",
                    handlers.front().calls, kHandlerTargetUs, kFrameTargetUs, cgCalls);
        std::printf("%3s  %-28s %-52s %9s %11s %6s %10s\n", "#", "handler", "variant", "click us",
                    "+repaint us", "target", "Ir/call");
        for (const HandlerRow &row : handlers) {
            const bool met = row.frame ? row.paintedUs < kFrameTargetUs : row.us < kHandlerTargetUs;
            allMet = allMet && met;
            char instructions[32] = "";
            if (row.instructions >= 0)
                std::snprintf(instructions, sizeof instructions, "%10.0f", row.instructions);
            std::printf("%3d  %-28s %-52s %9.1f %11.1f %6s %10s\n", row.index, row.handler.c_str(),
                        row.variant.c_str(), row.us, row.paintedUs, Verdict(met), instructions);
        }
    }
    std::printf("\n%s\n", allMet ? "Every target met." : "Some targets MISSED (see above).");
    return 0;
}
