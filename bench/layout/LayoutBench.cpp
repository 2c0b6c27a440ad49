// The tab layout alone (LayoutTabs: rows, distribution and every TabRect) for 10, 100 and 1,000
// tabs under each justification, on a 640 x 480 control with automatic rows. Beside them, the floor:
// storing as many rectangles into the tabs, the least any layout has to do. After the run one line
// a figure:
//   per_tab equal_width_100tabs 41.7          (nanoseconds of CPU time per tab)
//   ratio equal_width_100tabs_vs_store_rects 3.20
//   ratio equal_width_per_tab_1000_vs_10 0.95  (linear in the tabs: about 1 or below)
//   ratio fit_caption_per_tab_1000_vs_150ns 0.45
#include "Figures.h"
#include "support/TestSite.h"

#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "layout/TabLayout.h"
#include "platform/automation/StdFont.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <benchmark/benchmark.h>

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

constexpr const char* kLayouts[] = {"equal_width", "proportional", "fit_caption", "by_caption"};
constexpr int kTabCounts[] = {10, 100, 1000};

// Times are in nanoseconds per iteration (the default unit), one iteration a whole layout.
void PrintFigures(const bench::FiguresReporter& reporter) {
    for (const char* name : kLayouts) {
        for (int tabs : kTabCounts) {
            const std::string run = std::string(name) + "/" + std::to_string(tabs);
            const std::string label = std::string(name) + "_" + std::to_string(tabs) + "tabs";
            const double* t = reporter.time(run);
            if (!t) continue;
            bench::FiguresReporter::figure("per_tab", label, *t / tabs);
            reporter.ratio(label + "_vs_store_rects", run, "store_rects/" + std::to_string(tabs));
        }
        // Linear in the tabs: the time a tab takes at 1,000 tabs against the time a tab takes at 10.
        const double* ten = reporter.time(std::string(name) + "/10");
        const double* thousand = reporter.time(std::string(name) + "/1000");
        if (ten && thousand)
            bench::FiguresReporter::figure("ratio", std::string(name) + "_per_tab_1000_vs_10",
                                           (*thousand / 1000) / (*ten / 10));
    }
    // The caption-based layouts against their budget of 150 ns a tab at 1,000 tabs.
    for (const char* name : {"fit_caption", "by_caption"})
        if (const double* t = reporter.time(std::string(name) + "/1000"))
            bench::FiguresReporter::figure("ratio", std::string(name) + "_per_tab_1000_vs_150ns",
                                           *t / 1000 / 150);
}

} // namespace

BENCHMARK(equal_width)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(proportional)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(fit_caption)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(by_caption)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(store_rects)->Arg(10)->Arg(100)->Arg(1000);

int main(int argc, char** argv) {
    return bench::RunAndPrint(argc, argv, PrintFigures);
}
