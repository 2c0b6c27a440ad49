// Fills, blits and text output of the software GDI, each measured beside a floor of plain memory
// operations on the same bytes in the same run; the ratios are printed at the end, one a line:
//   ratio fillrect_640x480_vs_memset 1.08
#include "platform/gdi/Gdi.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace gdi;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr const char* kLine = "The quick brown fox jumps over the lazy dog 0123456789";

// A 32-bit surface selected into a memory DC.
struct Surface {
    Surface() : dc(CreateCompatibleDC(HDC{})), bitmap(CreateBitmap32(kWidth, kHeight, nullptr)) {
        previous = SelectObject(dc, bitmap);
    }
    ~Surface() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    uint32_t* pixels() const { return LockBitmap(bitmap).pixels; }

    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

constexpr size_t kBytes = size_t(kWidth) * kHeight * sizeof(uint32_t);

void fillrect_640x480(benchmark::State& state) {
    Surface surface;
    HBRUSH brushes[2] = {CreateSolidBrush(RGB(192, 192, 192)), CreateSolidBrush(RGB(128, 128, 128))};
    const RECT all{0, 0, kWidth, kHeight};
    int k = 0;
    for (auto _ : state) {
        FillRect(surface.dc, &all, brushes[k ^= 1]);
        benchmark::DoNotOptimize(surface.pixels()[k]);
    }
    DeleteObject(brushes[0]);
    DeleteObject(brushes[1]);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void memset_640x480(benchmark::State& state) {
    std::vector<uint32_t> pixels(size_t(kWidth) * kHeight);
    int k = 0;
    for (auto _ : state) {
        std::memset(pixels.data(), (k ^= 1) ? 0xC0 : 0x80, kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void bitblt_640x480(benchmark::State& state) {
    Surface src, dst;
    for (auto _ : state) {
        BitBlt(dst.dc, 0, 0, kWidth, kHeight, src.dc, 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(dst.pixels()[0]);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void memcpy_640x480(benchmark::State& state) {
    std::vector<uint32_t> src(size_t(kWidth) * kHeight, 1), dst(size_t(kWidth) * kHeight);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

HFONT arial12() {
    LOGFONTA lf;
    lf.lfHeight = -12;
    std::strcpy(lf.lfFaceName, "Arial");
    return CreateFontIndirectA(&lf);
}

// Transparent text, glyphs already cached (the first output renders them).
void textout_line(benchmark::State& state) {
    Surface surface;
    HFONT font = arial12();
    HGDIOBJ old = SelectObject(surface.dc, font);
    SetBkMode(surface.dc, TRANSPARENT);
    const int count = static_cast<int>(std::strlen(kLine));
    TextOutA(surface.dc, 10, 10, kLine, count);
    for (auto _ : state) {
        TextOutA(surface.dc, 10, 10, kLine, count);
        benchmark::DoNotOptimize(surface.pixels()[0]);
    }
    SelectObject(surface.dc, old);
    DeleteObject(font);
}

// The text floor: copying the line's cell box (its extent, row by row) between two surfaces, the
// least memory traffic that puts a line of that size on a surface.
void memcpy_text_cell(benchmark::State& state) {
    Surface measure;
    HFONT font = arial12();
    HGDIOBJ old = SelectObject(measure.dc, font);
    SIZE size;
    GetTextExtentPoint32A(measure.dc, kLine, static_cast<int>(std::strlen(kLine)), &size);
    SelectObject(measure.dc, old);
    DeleteObject(font);
    std::vector<uint32_t> src(size_t(kWidth) * kHeight, 1), dst(size_t(kWidth) * kHeight);
    for (auto _ : state) {
        for (int32_t y = 0; y < size.cy; ++y)
            std::memcpy(dst.data() + size_t(10 + y) * kWidth + 10, src.data() + size_t(10 + y) * kWidth + 10,
                        size_t(size.cx) * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
}

// Keeps each benchmark's CPU time per iteration for the ratios: on a machine shared with other work
// the CPU time of the one benchmark thread is steadier than the wall-clock time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Without colour codes, so every ratio line starts with "ratio".
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void print_ratio(const char* name, const char* measured, const char* floor) const {
        auto a = m_times.find(measured), b = m_times.find(floor);
        if (a == m_times.end() || b == m_times.end() || b->second <= 0) return;
        std::printf("ratio %s %.2f\n", name, a->second / b->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

BENCHMARK(fillrect_640x480);
BENCHMARK(memset_640x480);
BENCHMARK(bitblt_640x480);
BENCHMARK(memcpy_640x480);
BENCHMARK(textout_line);
BENCHMARK(memcpy_text_cell);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fflush(stdout);
    reporter.print_ratio("fillrect_640x480_vs_memset", "fillrect_640x480", "memset_640x480");
    reporter.print_ratio("bitblt_640x480_vs_memcpy", "bitblt_640x480", "memcpy_640x480");
    reporter.print_ratio("textout_line_vs_memcpy_text_cell", "textout_line", "memcpy_text_cell");
    benchmark::Shutdown();
    return 0;
}
