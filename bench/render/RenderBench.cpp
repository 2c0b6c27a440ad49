// The full redraw of a 640 x 480 control with 24 tabs in 3 rows, once for each justification and
// each 3D look: layout, rotation, background, every header with its panel part and caption, and the
// copy to the window. Beside it, two floors measured in the same run:
//   - the plain floor: one memset of a 640 x 480 32-bit buffer and one memcpy of it to another, the
//     memory traffic any redraw of that surface costs at least;
//   - the GDI floor: making the same off-screen surface through the GDI, filling it and copying it
//     to the window once, which every redraw does whatever it draws.
// Then the redraw of 100, 250 and 1,000 tabs in 4, 10 and 40 rows on the same control, to show the
// cost growing with the headers painted and nothing else. After the run, one line a figure:
//   ratio redraw_vs_plain_floor_640x480_24tabs_none_look1 1.93
//   ratio redraw_vs_gdi_floor_640x480_24tabs_none_look1 1.41
//   per_header redraw_rows_1000tabs_40rows 812.4        (nanoseconds of CPU time per header)
//   ratio redraw_per_header_1000tabs_40rows_vs_100tabs_4rows 1.02
#include "Figures.h"
#include "RedrawControl.h"

#include "layout/Constants.h"
#include "platform/gdi/Gdi.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace vntab;

namespace {

constexpr size_t kBytes = size_t(bench::kWidth) * bench::kHeight * sizeof(uint32_t);

void time_redraws(benchmark::State& state, int32_t tabs, int16_t rows, int32_t justification, int32_t look) {
    bench::RedrawControl control(tabs, rows, justification, look);
    for (auto _ : state)
        benchmark::DoNotOptimize(control.Redraw());
}

// Arguments: justification, look.
void redraw(benchmark::State& state) {
    time_redraws(state, 24, 3, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
}

// Arguments: tabs, rows.
void redraw_rows(benchmark::State& state) {
    time_redraws(state, static_cast<int32_t>(state.range(0)), static_cast<int16_t>(state.range(1)),
                 vnJustifiedNone, vn3DWindows95);
}

// What every redraw through the GDI costs at least: the surface, its background and the one copy.
// The window is the control's, which is not redrawn here.
void gdi_floor(benchmark::State& state) {
    using bench::kHeight;
    using bench::kWidth;
    bench::RedrawControl screen(24, 3, vnJustifiedNone, vn3DWindows95);
    const gdi::HDC window = screen.WindowDC();
    gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(192, 192, 192));
    const gdi::RECT all{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        gdi::HDC surface = gdi::CreateCompatibleDC(window);
        gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(window, kWidth, kHeight);
        gdi::HGDIOBJ previous = gdi::SelectObject(surface, bitmap);
        gdi::FillRect(surface, &all, brush);
        gdi::BitBlt(window, 0, 0, kWidth, kHeight, surface, 0, 0, gdi::SRCCOPY);
        gdi::SelectObject(surface, previous);
        gdi::DeleteObject(bitmap);
        gdi::DeleteDC(surface);
        benchmark::DoNotOptimize(gdi::LockBitmap(screen.WindowBitmap()).pixels[0]);
    }
    gdi::DeleteObject(brush);
}

// What any redraw of the surface costs at least: its buffer set and copied once, with plain memory
// operations.
void plain_floor(benchmark::State& state) {
    std::vector<uint32_t> surface(kBytes / sizeof(uint32_t)), window(kBytes / sizeof(uint32_t));
    int k = 0;
    for (auto _ : state) {
        std::memset(surface.data(), (k ^= 1) ? 0xC0 : 0x80, kBytes);
        std::memcpy(window.data(), surface.data(), kBytes);
        benchmark::ClobberMemory();
    }
}

constexpr std::pair<int32_t, const char*> kJustifications[] = {{vnJustifiedNone, "none"},
                                                               {vnJustifiedFitCaption, "fit_caption"},
                                                               {vnJustifiedProportional, "proportional"},
                                                               {vnJustifiedByCaption, "by_caption"}};
constexpr std::pair<int32_t, int32_t> kRows[] = {{100, 4}, {250, 10}, {1000, 40}};

void print_figures(const bench::FiguresReporter& reporter) {
    for (const auto& [value, name] : kJustifications)
        for (int32_t look : {vn3DWindows95, vn3DWindows}) {
            const std::string run = "redraw/" + std::to_string(value) + "/" + std::to_string(look);
            const std::string figure = std::string("640x480_24tabs_") + name + "_look" + std::to_string(look);
            reporter.ratio("redraw_vs_plain_floor_" + figure, run, "plain_floor");
            reporter.ratio("redraw_vs_gdi_floor_" + figure, run, "gdi_floor");
        }
    // The time a header takes once the floor every redraw pays is taken off; the runs report
    // microseconds, the figure is in nanoseconds.
    const double* gdi = reporter.time("gdi_floor");
    auto per_header = [&](int32_t tabs, int32_t rows) -> double {
        const double* t = reporter.time("redraw_rows/" + std::to_string(tabs) + "/" + std::to_string(rows));
        return t && gdi ? (*t - *gdi) * 1000.0 / tabs : 0.0;
    };
    for (const auto& [tabs, rows] : kRows) {
        const double each = per_header(tabs, rows);
        if (each <= 0) continue;
        const std::string label = std::to_string(tabs) + "tabs_" + std::to_string(rows) + "rows";
        bench::FiguresReporter::figure("per_header", "redraw_rows_" + label, each);
        const double first = per_header(kRows[0].first, kRows[0].second);
        if (first > 0 && tabs != kRows[0].first)
            bench::FiguresReporter::figure("ratio",
                                           "redraw_per_header_" + label + "_vs_" +
                                               std::to_string(kRows[0].first) + "tabs_" +
                                               std::to_string(kRows[0].second) + "rows",
                                           each / first);
    }
}

} // namespace

BENCHMARK(redraw)
    ->ArgsProduct({{vnJustifiedNone, vnJustifiedFitCaption, vnJustifiedProportional, vnJustifiedByCaption},
                   {vn3DWindows95, vn3DWindows}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(redraw_rows)->Args({100, 4})->Args({250, 10})->Args({1000, 40})->Unit(benchmark::kMicrosecond);
BENCHMARK(gdi_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(plain_floor)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return bench::RunAndPrint(argc, argv, print_figures);
}
