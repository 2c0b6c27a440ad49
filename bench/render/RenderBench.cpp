// The full redraw of a 640 x 480 control with 24 tabs in 3 rows, once for each justification:
// layout, rotation, background, every header with its panel part and caption, and the copy to the
// window. Beside it, the floor measured in the same run: making the same off-screen surface,
// filling it and copying it to the window once, which every redraw does whatever it draws. After
// the run one line a justification:
//   ratio redraw_none_vs_floor 6.40
#include "support/TestSite.h"

#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "platform/gdi/Gdi.h"
#include "tabs/VNTabs.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace vntab;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

// The window: the site's DC with a 32-bit screen of the control's size selected into it.
struct Screen {
    fakes::TestSite site;
    gdi::HBITMAP bitmap;
    gdi::HGDIOBJ previous;

    Screen() {
        site.container_scale_mode = host::vbPixels;
        site.client_width = kWidth;
        site.client_height = kHeight;
        bitmap = gdi::CreateBitmap32(kWidth, kHeight, nullptr);
        previous = gdi::SelectObject(site.hDC(), bitmap);
    }
    ~Screen() {
        gdi::SelectObject(site.hDC(), previous);
        gdi::DeleteObject(bitmap);
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
};

void redraw(benchmark::State& state) {
    Screen screen;
    auto ctl = VNTabCtl::Create(screen.site);
    ctl->InitProperties();
    TabCtlState& s = ctl->State();
    s.Busy = true;
    while (ctl->Tabs()->Count() < 24)
        ctl->Tabs()->Add();
    s.TabRows = 3;
    s.TabActive = 11; // in the middle row, so the rows turn
    s.TabJustification = static_cast<int32_t>(state.range(0));
    s.Busy = false;
    ctl->RepaintControl();
    for (auto _ : state) {
        ctl->RepaintControl();
        benchmark::DoNotOptimize(gdi::LockBitmap(screen.bitmap).pixels[0]);
    }
    ctl->Terminate();
}

// What every redraw costs at least: the surface, its background and the one copy.
void floor(benchmark::State& state) {
    Screen screen;
    gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(192, 192, 192));
    const gdi::RECT all{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        gdi::HDC surface = gdi::CreateCompatibleDC(screen.site.hDC());
        gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(screen.site.hDC(), kWidth, kHeight);
        gdi::HGDIOBJ previous = gdi::SelectObject(surface, bitmap);
        gdi::FillRect(surface, &all, brush);
        gdi::BitBlt(screen.site.hDC(), 0, 0, kWidth, kHeight, surface, 0, 0, gdi::SRCCOPY);
        gdi::SelectObject(surface, previous);
        gdi::DeleteObject(bitmap);
        gdi::DeleteDC(surface);
        benchmark::DoNotOptimize(gdi::LockBitmap(screen.bitmap).pixels[0]);
    }
    gdi::DeleteObject(brush);
}

// Keeps each benchmark's CPU time per iteration for the ratios: on a machine shared with other work
// the CPU time of the one benchmark thread is steadier than the wall-clock time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void print_ratio(const std::string& name, const std::string& measured, const std::string& base) const {
        auto a = m_times.find(measured), b = m_times.find(base);
        if (a == m_times.end() || b == m_times.end() || b->second <= 0) return;
        std::printf("ratio %s %.2f\n", name.c_str(), a->second / b->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

BENCHMARK(redraw)
    ->Arg(vnJustifiedNone)
    ->Arg(vnJustifiedFitCaption)
    ->Arg(vnJustifiedProportional)
    ->Arg(vnJustifiedByCaption)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(floor)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fflush(stdout);
    const std::pair<int32_t, const char*> justifications[] = {{vnJustifiedNone, "none"},
                                                              {vnJustifiedFitCaption, "fit_caption"},
                                                              {vnJustifiedProportional, "proportional"},
                                                              {vnJustifiedByCaption, "by_caption"}};
    for (const auto& [value, name] : justifications)
        reporter.print_ratio(std::string("redraw_") + name + "_vs_floor", "redraw/" + std::to_string(value),
                             "floor");
    benchmark::Shutdown();
    return 0;
}
