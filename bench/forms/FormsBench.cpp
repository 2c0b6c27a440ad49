// The command line on whole forms, as a user runs it: `vntab render` of the showcase and of a
// form of 1,000 tabs, and `vntab info` (loading), `vntab render` and `vntab roundtrip` of forms of
// 1,000, 8,000 and 32,767 tabs (the most a form holds), written by make-big-form.sh. Each command runs as its
// own process, several times; a figure is the median of the CPU time (user and system) the process took,
// which a machine shared with other work disturbs far less than the time on the clock, and the largest
// resident size it reached. The floor, measured in the same run: reading the form file and splitting it into
// lines, the least any loader does. One line a figure:
//   ms render_showcase 12.4                  (milliseconds of CPU time)
//   kib render_showcase_peak 11280           (largest resident size)
//   ratio render_showcase_vs_20ms 0.62
//   ratio info_32767tabs_vs_1s 0.81
//   ratio info_per_tab_32767_vs_8000 1.10    (linear in the tabs: about 1)
//   ratio info_32767tabs_vs_read_lines 40.3
//
//   bench_forms [VNTAB_BINARY [SOURCE_DIR]]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 5;
constexpr int kTabCounts[] = {1000, 8000, 32767};

struct Usage {
    double cpu_ms = 0;  // user and system time of the process
    double wall_ms = 0; // time on the clock
    long peak_kib = 0;  // largest resident size
    int status = -1;
};

// Runs `args` (args[0] the program) with its standard output going to `output`.
Usage RunProcess(const std::vector<std::string>& args, const std::string& output = "/dev/null") {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    Usage usage;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage r{};
        if (wait4(pid, &status, 0, &r) == pid) {
            usage.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            usage.cpu_ms = (double(r.ru_utime.tv_sec) + double(r.ru_stime.tv_sec)) * 1e3 +
                           (double(r.ru_utime.tv_usec) + double(r.ru_stime.tv_usec)) / 1e3;
            usage.peak_kib = r.ru_maxrss;
        }
    }
    usage.wall_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return usage;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of kRuns runs of a command, and the largest resident size any of them reached.
Usage Measure(const std::vector<std::string>& args) {
    std::vector<double> cpu, wall;
    Usage worst;
    for (int i = 0; i < kRuns; ++i) {
        const Usage u = RunProcess(args);
        if (u.status != 0) {
            std::fprintf(stderr, "%s exited with %d\n", args[1].c_str(), u.status);
            return u;
        }
        cpu.push_back(u.cpu_ms);
        wall.push_back(u.wall_ms);
        worst.peak_kib = std::max(worst.peak_kib, u.peak_kib);
    }
    worst.cpu_ms = Median(cpu);
    worst.wall_ms = Median(wall);
    worst.status = 0;
    return worst;
}

// The floor: the form file read and split into lines, in this process, median of kRuns.
double ReadLinesMs(const fs::path& path) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::ifstream in(path, std::ios::binary);
        std::string line;
        size_t lines = 0, bytes = 0;
        while (std::getline(in, line)) {
            ++lines;
            bytes += line.size();
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (lines == 0 || bytes == 0) return 0;
    }
    return Median(times);
}

void Figure(const char* kind, const std::string& name, double value) {
    std::printf(std::string(kind) == "kib" ? "%s %s %.0f\n" : "%s %s %.2f\n", kind, name.c_str(), value);
}

} // namespace

int main(int argc, char** argv) {
    // The options every benchmark program of the folder is given (--benchmark_...) mean nothing here.
    std::vector<std::string> given;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--", 0) != 0) given.push_back(argv[i]);
    const std::string vntab = given.size() > 0 ? given[0] : VNTAB_BINARY;
    const fs::path source = given.size() > 1 ? given[1] : VNTAB_SOURCE;
    const fs::path examples = source / "examples";
    const fs::path dir = fs::temp_directory_path() / ("vntab-bench-forms-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string png = (dir / "out.png").string(), frm = (dir / "out.frm").string();

    const Usage showcase = Measure({vntab, "render", (examples / "showcase.frm").string(), "-o", png});
    if (showcase.status != 0) return 1;
    Figure("ms", "render_showcase", showcase.cpu_ms);
    Figure("ms", "render_showcase_wall", showcase.wall_ms);
    Figure("kib", "render_showcase_peak", double(showcase.peak_kib));
    Figure("ratio", "render_showcase_vs_20ms", showcase.cpu_ms / 20);
    Figure("ratio", "render_showcase_peak_vs_16MiB", double(showcase.peak_kib) / (16 * 1024));

    std::map<std::string, std::map<int, double>> ms; // command -> tabs -> CPU ms
    for (int tabs : kTabCounts) {
        const fs::path form = dir / ("big" + std::to_string(tabs) + ".frm");
        if (RunProcess({"/bin/sh", (source / "bench/forms/make-big-form.sh").string(), std::to_string(tabs)},
                       form.string())
                .status != 0)
            return 1;
        const double floor = ReadLinesMs(form);
        const std::string label = std::to_string(tabs) + "tabs";
        Figure("ms", "read_lines_" + label, floor);
        for (const std::string command : {"info", "render", "roundtrip"}) {
            std::vector<std::string> args{vntab, command, form.string()};
            if (command == "render") args.insert(args.end(), {"-o", png});
            if (command == "roundtrip") args.insert(args.end(), {"-o", frm});
            const Usage u = Measure(args);
            if (u.status != 0) return 1;
            ms[command][tabs] = u.cpu_ms;
            Figure("ms", command + "_" + label, u.cpu_ms);
            Figure("kib", command + "_" + label + "_peak", double(u.peak_kib));
            if (floor > 0) Figure("ratio", command + "_" + label + "_vs_read_lines", u.cpu_ms / floor);
        }
    }
    Figure("ratio", "render_1000tabs_vs_100ms", ms["render"][1000] / 100);
    for (const auto& [command, by_tabs] : ms) {
        Figure("ratio", command + "_32767tabs_vs_1s", by_tabs.at(32767) / 1000);
        // Linear in the tabs: the time a tab takes at 32,767 tabs against the time at 8,000, where the
        // start of the process no longer counts.
        Figure("ratio", command + "_per_tab_32767_vs_8000",
               (by_tabs.at(32767) / 32767) / (by_tabs.at(8000) / 8000));
    }
    fs::remove_all(dir);
    return 0;
}
