#include "platform/gdi/Pixels.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace gdi;

// Pixels keeps tiles pending instead of writing them. Against a plain array that writes every
// pixel at once, random fills, writes and reads through every accessor must agree everywhere.
namespace {

struct Model {
    int32_t width, height;
    std::vector<uint32_t> pixels;

    void fill(RECT r, uint32_t value) {
        for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
            for (int32_t x = std::max(r.left, 0); x < std::min(r.right, width); ++x)
                pixels[size_t(y) * width + x] = value;
    }
};

class PixelsAgainstAModel : public testing::TestWithParam<std::pair<int32_t, int32_t>> {};

TEST_P(PixelsAgainstAModel, AgreeAfterRandomFillsWritesAndReads) {
    const auto [w, h] = GetParam();
    std::mt19937 random(static_cast<uint32_t>(w * 1000 + h));
    auto pick = [&](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    const uint32_t values[] = {0xC0C0C0, 0xC0C0C0, 0x808080, 0xFFFFFF, 0};
    for (int round = 0; round < 40; ++round) {
        Pixels p = Pixels::black(w, h, false);
        Model m{w, h, std::vector<uint32_t>(size_t(w) * h, 0)};
        for (int step = 0; step < 60; ++step) {
            const RECT r{pick(-40, w + 10), pick(-40, h + 10), pick(-10, w + 40), pick(-10, h + 40)};
            const RECT whole{-pick(0, 3), -pick(0, 3), w + pick(0, 3), h + pick(0, 3)};
            switch (pick(0, 6)) {
            case 0: { // the whole bitmap, as a background
                const uint32_t v = values[pick(0, 4)];
                p.fill(whole, v);
                m.fill(whole, v);
                break;
            }
            case 1:
            case 2: {
                const uint32_t v = values[pick(0, 4)];
                p.fill(r, v);
                m.fill(r, v);
                break;
            }
            case 3: { // a write inside a rectangle made real for it
                uint32_t* px = p.data_in(r);
                for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
                    for (int32_t x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
                        if ((x + y) % 3 == 0)
                            px[size_t(y) * w + x] = m.pixels[size_t(y) * w + x] = uint32_t(x * 7 + y);
                break;
            }
            case 6: { // one row's span, as a polygon's fill stores it
                const uint32_t v = values[pick(0, 4)];
                const int32_t y = pick(0, h - 1), x0 = pick(0, w - 1), x1 = pick(x0 + 1, w);
                p.store_span(y, x0, x1, v);
                m.fill(RECT{x0, y, x1, y + 1}, v);
                break;
            }
            case 4: { // rows read without making anything real
                const int32_t y = pick(0, h - 1), x0 = pick(0, w - 1), x1 = pick(x0, w);
                std::vector<uint32_t> row(size_t(x1 - x0) + 1, 0xDEADBEEF);
                p.read_row(y, x0, x1, row.data());
                for (int32_t x = x0; x < x1; ++x)
                    ASSERT_EQ(row[size_t(x - x0)], m.pixels[size_t(y) * w + x]) << x << "," << y;
                ASSERT_EQ(row.back(), 0xDEADBEEFu) << "nothing past the end";
                break;
            }
            default: { // pixels read inside a rectangle made real for it
                const uint32_t* px = p.data_in(r);
                for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
                    for (int32_t x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
                        ASSERT_EQ(px[size_t(y) * w + x], m.pixels[size_t(y) * w + x]) << x << "," << y;
                break;
            }
            }
        }
        const Pixels copy = p;
        EXPECT_FALSE(copy.has_pending());
        const uint32_t* all = p.data();
        EXPECT_FALSE(p.has_pending());
        for (size_t k = 0; k < m.pixels.size(); ++k) {
            ASSERT_EQ(all[k], m.pixels[k]) << k;
            ASSERT_EQ(copy.data()[k], m.pixels[k]) << k;
        }
    }
}

// Sizes that end inside a tile and sizes smaller than one.
INSTANTIATE_TEST_SUITE_P(Sizes, PixelsAgainstAModel,
                         testing::Values(std::pair{64, 64}, std::pair{97, 45}, std::pair{13, 7},
                                         std::pair{1, 100}, std::pair{200, 1}));

// A copy reads a band of tiles at a time: into rows of the part's own length (rows that lie one
// after another in both buffers go in one piece) or longer, it must give what reading the rows one
// by one gives, pending tiles as their values.
TEST(Pixels, RowsReadABandAtATimeAreTheRowsReadOneByOne) {
    std::mt19937 random(5150);
    auto pick = [&](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    const uint32_t values[] = {0xC0C0C0, 0x808080, 0xFFFFFF, 0};
    for (const auto& [w, h] : {std::pair{200, 150}, std::pair{97, 45}, std::pair{13, 70}}) {
        for (int round = 0; round < 60; ++round) {
            Pixels p = Pixels::black(w, h, false);
            p.fill(RECT{0, 0, w, h}, values[pick(0, 3)]);
            for (int step = pick(0, 6); step > 0; --step)
                p.fill(RECT{pick(-5, w), pick(-5, h), pick(0, w + 5), pick(0, h + 5)}, values[pick(0, 3)]);
            for (int step = pick(0, 4); step > 0; --step) {
                const int32_t y = pick(0, h - 1), x0 = pick(0, w - 1);
                p.store_span(y, x0, pick(x0 + 1, w), values[pick(0, 3)]);
            }
            const bool whole = round % 2 == 0;
            const int32_t x0 = whole ? 0 : pick(0, w - 1), x1 = whole ? w : pick(x0 + 1, w);
            const int32_t y0 = pick(0, h - 1), y1 = pick(y0 + 1, h);
            const size_t stride = size_t(x1 - x0) + size_t(round % 3 == 0 ? pick(1, 5) : 0);
            std::vector<uint32_t> rows(size_t(y1 - y0) * stride + 1, 0xDEADBEEF);
            p.read_rows(y0, y1, x0, x1, rows.data(), stride);
            std::vector<uint32_t> row(size_t(x1 - x0));
            for (int32_t y = y0; y < y1; ++y) {
                p.read_row(y, x0, x1, row.data());
                for (int32_t x = x0; x < x1; ++x)
                    ASSERT_EQ(rows[size_t(y - y0) * stride + size_t(x - x0)], row[size_t(x - x0)])
                        << w << "x" << h << " round " << round << " at " << x << "," << y;
            }
            ASSERT_EQ(rows.back(), 0xDEADBEEFu) << "nothing past the end";
            // Once every tile is real the rows are copied straight from the buffer.
            const uint32_t* all = p.data();
            std::vector<uint32_t> again(rows.size(), 0xDEADBEEF);
            p.read_rows(y0, y1, x0, x1, again.data(), stride);
            for (int32_t y = y0; y < y1; ++y)
                for (int32_t x = x0; x < x1; ++x)
                    ASSERT_EQ(again[size_t(y - y0) * stride + size_t(x - x0)], all[size_t(y) * w + x]);
        }
    }
}

TEST(Pixels, ANewBitmapIsPendingBlackAndAFillOfWholeTilesWritesNothing) {
    Pixels p = Pixels::black(100, 70, false);
    EXPECT_TRUE(p.has_pending());
    // Dirty the buffer behind the tiles' back through a rectangle made real: only its tiles are.
    uint32_t* px = p.data_in(RECT{0, 0, 1, 1});
    px[0] = 0x123456;
    p.fill(RECT{0, 0, 100, 70}, 0xC0C0C0);
    std::vector<uint32_t> row(100);
    p.read_row(0, 0, 100, row.data());
    for (uint32_t v : row)
        EXPECT_EQ(v, 0xC0C0C0u);
    EXPECT_EQ(p.data()[0], 0xC0C0C0u);
}

TEST(Pixels, ExposedPixelsStayRealThroughLaterFills) {
    Pixels p = Pixels::black(64, 64, false);
    uint32_t* px = p.expose();
    EXPECT_FALSE(p.has_pending());
    p.fill(RECT{0, 0, 64, 64}, 0x808080);
    EXPECT_FALSE(p.has_pending()) << "written, not pending";
    EXPECT_EQ(px[63 * 64 + 63], 0x808080u);
    px[5] = 1; // a write through the view
    p.fill(RECT{32, 0, 64, 32}, 0x808080);
    EXPECT_EQ(p.data()[5], 1u);
}

} // namespace
