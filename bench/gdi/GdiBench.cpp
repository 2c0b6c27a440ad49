// Fills, blits and text output of the software GDI, each measured beside a floor of plain memory
// operations on the same bytes in the same run; the ratios are printed at the end, one a line:
//   ratio fillrect_640x480_vs_memset 1.08
// The plain floor is what any redraw of a 640 x 480 surface costs at least: one memset of its
// 32-bit buffer and one memcpy of it to a second buffer. Text is measured against itself: a glyph
// drawn from the cache against the same glyph drawn the first time, and creating, selecting and
// deleting a font around each measurement against measuring with a font kept selected.
#include "Figures.h"

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

// A 32-bit surface selected into a memory DC. A new surface is an off-screen one: a solid fill
// over it leaves its tiles pending (see platform/gdi/Pixels.h). A written one has had its pixels
// handed out, as a window's surface has, so every fill and copy stores every pixel.
struct Surface {
    enum Kind { OffScreen, Written };
    explicit Surface(Kind kind = Written)
        : dc(CreateCompatibleDC(HDC{})), bitmap(CreateBitmap32(kWidth, kHeight, nullptr)) {
        previous = SelectObject(dc, bitmap);
        if (kind == Written) LockBitmap(bitmap);
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

// The plain floor: the surface's buffer set and copied once, as a redraw fills and shows it.
void plain_floor_640x480(benchmark::State& state) {
    std::vector<uint32_t> surface(size_t(kWidth) * kHeight), window(size_t(kWidth) * kHeight);
    int k = 0;
    for (auto _ : state) {
        std::memset(surface.data(), (k ^= 1) ? 0xC0 : 0x80, kBytes);
        std::memcpy(window.data(), surface.data(), kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(2 * kBytes));
}

// The same through the GDI, as a redraw does it: an off-screen surface covered with a brush and
// copied to a window's surface.
void fill_and_copy_640x480(benchmark::State& state) {
    Surface surface(Surface::OffScreen), window;
    HBRUSH brushes[2] = {CreateSolidBrush(RGB(192, 192, 192)), CreateSolidBrush(RGB(128, 128, 128))};
    const RECT all{0, 0, kWidth, kHeight};
    int k = 0;
    for (auto _ : state) {
        FillRect(surface.dc, &all, brushes[k ^= 1]);
        BitBlt(window.dc, 0, 0, kWidth, kHeight, surface.dc, 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(window.pixels()[k]);
    }
    DeleteObject(brushes[0]);
    DeleteObject(brushes[1]);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(2 * kBytes));
}

// The same with every pixel stored and copied: both surfaces written ones.
void fill_and_copy_written_640x480(benchmark::State& state) {
    Surface surface, window;
    HBRUSH brushes[2] = {CreateSolidBrush(RGB(192, 192, 192)), CreateSolidBrush(RGB(128, 128, 128))};
    const RECT all{0, 0, kWidth, kHeight};
    int k = 0;
    for (auto _ : state) {
        FillRect(surface.dc, &all, brushes[k ^= 1]);
        BitBlt(window.dc, 0, 0, kWidth, kHeight, surface.dc, 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(window.pixels()[k]);
    }
    DeleteObject(brushes[0]);
    DeleteObject(brushes[1]);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(2 * kBytes));
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

// One glyph drawn from the glyph cache.
void glyph_cached(benchmark::State& state) {
    Surface surface;
    HFONT font = arial12();
    HGDIOBJ old = SelectObject(surface.dc, font);
    SetBkMode(surface.dc, TRANSPARENT);
    TextOutA(surface.dc, 10, 10, "W", 1);
    for (auto _ : state) {
        TextOutA(surface.dc, 10, 10, "W", 1);
        benchmark::DoNotOptimize(surface.pixels()[0]);
    }
    SelectObject(surface.dc, old);
    DeleteObject(font);
}

// The same glyph drawn the first time: the cache is emptied before each output, so FreeType loads
// and renders it every time.
void glyph_first(benchmark::State& state) {
    Surface surface;
    HFONT font = arial12();
    HGDIOBJ old = SelectObject(surface.dc, font);
    SetBkMode(surface.dc, TRANSPARENT);
    for (auto _ : state) {
        ClearGlyphCache();
        TextOutA(surface.dc, 10, 10, "W", 1);
        benchmark::DoNotOptimize(surface.pixels()[0]);
    }
    SelectObject(surface.dc, old);
    DeleteObject(font);
}

constexpr const char* kCaption = "Tab 17";

LOGFONTA caption_logfont() {
    LOGFONTA lf;
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    return lf;
}

// A caption measured with its font kept selected.
void measure_caption(benchmark::State& state) {
    Surface surface;
    const LOGFONTA lf = caption_logfont();
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(surface.dc, font);
    SIZE size;
    for (auto _ : state) {
        GetTextExtentPoint32A(surface.dc, kCaption, 6, &size);
        benchmark::DoNotOptimize(size);
    }
    SelectObject(surface.dc, old);
    DeleteObject(font);
}

// A caption measured as the control measures one: the same font created, selected, used and
// deleted around every measurement.
void font_create_select_measure_delete(benchmark::State& state) {
    Surface surface;
    const LOGFONTA lf = caption_logfont();
    SIZE size;
    for (auto _ : state) {
        HFONT font = CreateFontIndirectA(&lf);
        HGDIOBJ old = SelectObject(surface.dc, font);
        GetTextExtentPoint32A(surface.dc, kCaption, 6, &size);
        SelectObject(surface.dc, old);
        DeleteObject(font);
        benchmark::DoNotOptimize(size);
    }
}

} // namespace

BENCHMARK(fillrect_640x480);
BENCHMARK(memset_640x480);
BENCHMARK(bitblt_640x480);
BENCHMARK(memcpy_640x480);
BENCHMARK(fill_and_copy_640x480);
BENCHMARK(fill_and_copy_written_640x480);
BENCHMARK(plain_floor_640x480);
BENCHMARK(textout_line);
BENCHMARK(memcpy_text_cell);
BENCHMARK(glyph_cached);
BENCHMARK(glyph_first);
BENCHMARK(measure_caption);
BENCHMARK(font_create_select_measure_delete);

int main(int argc, char** argv) {
    return vntab::bench::RunAndPrint(argc, argv, [](const vntab::bench::FiguresReporter& reporter) {
        reporter.ratio("fillrect_640x480_vs_memset", "fillrect_640x480", "memset_640x480");
        reporter.ratio("bitblt_640x480_vs_memcpy", "bitblt_640x480", "memcpy_640x480");
        reporter.ratio("fill_and_copy_640x480_vs_plain_floor", "fill_and_copy_640x480",
                       "plain_floor_640x480");
        reporter.ratio("fill_and_copy_written_640x480_vs_plain_floor", "fill_and_copy_written_640x480",
                       "plain_floor_640x480");
        reporter.ratio("textout_line_vs_memcpy_text_cell", "textout_line", "memcpy_text_cell");
        // How many times a first-time glyph costs a cached one.
        reporter.ratio("glyph_first_vs_cached", "glyph_first", "glyph_cached");
        reporter.ratio("font_create_select_measure_delete_vs_measure", "font_create_select_measure_delete",
                       "measure_caption");
    });
}
