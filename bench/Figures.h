#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

// What every benchmark program of this folder prints after its run: figures taken from the CPU
// time per iteration of the benchmarks of that same run, one a line, `KIND NAME VALUE`, for
// example
//   ratio redraw_vs_plain_floor_640x480_24tabs_none_look1 1.62
// On a machine shared with other work the CPU time of the one benchmark thread is steadier than
// the wall-clock time. Run with --benchmark_repetitions=N (and, better still,
// --benchmark_enable_random_interleaving=true, so that a benchmark and its floor see the same
// neighbours) and the figures come from the median of the repetitions.
namespace vntab::bench {

class FiguresReporter : public benchmark::ConsoleReporter {
public:
    // Without colour codes, so every figure line starts with its kind.
    FiguresReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                m_times[name] = run.GetAdjustedCPUTime();
                m_median.insert(name);
            } else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !m_median.count(name)) {
                m_times[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The CPU time per iteration of a benchmark, in the unit it reports, or null when it did not run.
    const double* time(const std::string& name) const {
        const auto it = m_times.find(name);
        return it == m_times.end() || it->second <= 0 ? nullptr : &it->second;
    }
    // `ratio NAME measured/base`, when both ran.
    void ratio(const std::string& name, const std::string& measured, const std::string& base) const {
        const double* a = time(measured);
        const double* b = time(base);
        if (a && b) figure("ratio", name, *a / *b);
    }
    static void figure(const char* kind, const std::string& name, double value) {
        std::printf("%s %s %.2f\n", kind, name.c_str(), value);
    }

private:
    std::map<std::string, double> m_times;
    std::set<std::string> m_median;
};

// Runs the benchmarks a command line selects, then prints the figures.
template <class PrintFigures>
int RunAndPrint(int argc, char** argv, PrintFigures print) {
    benchmark::Initialize(&argc, argv);
    FiguresReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fflush(stdout);
    print(reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace vntab::bench
