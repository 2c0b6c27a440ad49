// The tab layout alone (LayoutTabs: rows, distribution and every TabRect) for 10, 100 and 1,000
// tabs under each justification, on a 640 x 480 control with automatic rows. Beside them, the floor:
// storing as many rectangles into the tabs, the least any layout has to do. After the run one line
// a figure:
//   per_tab equal_width/100 41.7          (nanoseconds of CPU time per tab)
//   ratio equal_width/100_vs_store_rects 3.20
#include "support/TestSite.h"

#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "layout/TabLayout.h"
#include "platform/automation/StdFont.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace vntab;

namespace {

// A control of `tabs` tabs with their default captions ("Tab &1", ...) in Arial 8 points, kept
// busy so that adding the tabs does not lay it out on the way.
struct BenchControl {
    fakes::TestSite site;
    std::shared_ptr<VNTabCtl> ctl;

    BenchControl(int64_t tabs, int32_t justification) {
        site.container_scale_mode = host::vbPixels;
        site.client_width = 640;
        site.client_height = 480;
        ctl = VNTabCtl::Create(site);
        ctl->InitProperties();
        ctl->State().Busy = true;
        while (ctl->Tabs()->Count() < tabs)
            ctl->Tabs()->Add();
        ctl->State().TabJustification = justification;
        ctl->State().TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 8.0);
    }
    ~BenchControl() { ctl->Terminate(); }
    BenchControl(const BenchControl&) = delete;
    BenchControl& operator=(const BenchControl&) = delete;
};

void Layout(benchmark::State& state, int32_t justification) {
    BenchControl c(state.range(0), justification);
    LayoutTabs(*c.ctl, c.site.hDC());
    for (auto _ : state) {
        LayoutTabs(*c.ctl, c.site.hDC());
        benchmark::DoNotOptimize(c.ctl->Tabs()->at(1)->TabRect());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void equal_width(benchmark::State& state) {
    Layout(state, vnJustifiedNone);
}
void proportional(benchmark::State& state) {
    Layout(state, vnJustifiedProportional);
}
void fit_caption(benchmark::State& state) {
    Layout(state, vnJustifiedFitCaption);
}
void by_caption(benchmark::State& state) {
    Layout(state, vnJustifiedByCaption);
}

// The floor: one rectangle written into every tab.
void store_rects(benchmark::State& state) {
    BenchControl c(state.range(0), vnJustifiedNone);
    int32_t k = 0;
    for (auto _ : state) {
        ++k;
        for (const auto& tab : c.ctl->Tabs()->tabs())
            tab->SetTabRect(gdi::RECT{k, 0, k + 50, 20});
        benchmark::DoNotOptimize(c.ctl->Tabs()->at(1)->TabRect());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Keeps each run's CPU time per iteration: on a machine shared with other work the CPU time of the
// one benchmark thread is steadier than the wall-clock time.
class PerTabReporter : public benchmark::ConsoleReporter {
public:
    PerTabReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // Times are in nanoseconds per iteration (the default unit), one iteration a whole layout.
    void PrintFigures() const {
        for (const char* name : {"equal_width", "proportional", "fit_caption", "by_caption", "store_rects"}) {
            for (int tabs : {10, 100, 1000}) {
                const std::string run = std::string(name) + "/" + std::to_string(tabs);
                const auto it = m_times.find(run);
                if (it == m_times.end()) continue;
                std::printf("per_tab %s %.1f\n", run.c_str(), it->second / tabs);
                const auto floor = m_times.find("store_rects/" + std::to_string(tabs));
                if (floor != m_times.end() && floor->second > 0 && run != floor->first)
                    std::printf("ratio %s_vs_store_rects %.2f\n", run.c_str(), it->second / floor->second);
            }
        }
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

BENCHMARK(equal_width)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(proportional)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(fit_caption)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(by_caption)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(store_rects)->Arg(10)->Arg(100)->Arg(1000);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    PerTabReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fflush(stdout);
    reporter.PrintFigures();
    benchmark::Shutdown();
    return 0;
}
