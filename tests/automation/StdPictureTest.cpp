#include "PictureTestSupport.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

using namespace rt;
using namespace picture_test;

namespace {

// ---------------------------------------------------------------------------------------------
// Picture files written byte by byte
// ---------------------------------------------------------------------------------------------

// Pixel values (palette indices, or raw 16-, 24- or 32-bit values) packed into DIB rows in file
// order, each row padded to 4 bytes.
std::vector<uint8_t> pack_rows(int bits, const std::vector<std::vector<uint32_t>>& rows) {
    Bytes out;
    for (const auto& row : rows) {
        const size_t start = out.data.size();
        if (bits < 8) {
            uint32_t acc = 0;
            int used = 0;
            for (uint32_t v : row) {
                acc = (acc << bits) | v;
                used += bits;
                if (used == 8) {
                    out.u8(acc);
                    acc = 0;
                    used = 0;
                }
            }
            if (used > 0) out.u8(acc << (8 - used));
        } else {
            for (uint32_t v : row) {
                for (int b = 0; b < bits / 8; ++b)
                    out.u8(v >> (8 * b));
            }
        }
        out.pad_to(start + (out.data.size() - start + 3) / 4 * 4);
    }
    return out.data;
}

struct Dib {
    int32_t width = 0;
    int32_t height = 0; // negative: top-down
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t header_size = 40;
    uint32_t clr_used = 0;
    std::vector<uint32_t> masks;   // after a 40-byte header, inside a larger one
    std::vector<uint32_t> palette; // 0x00RRGGBB
    std::vector<uint8_t> pixels;

    std::vector<uint8_t> header_and_palette(int32_t stored_height) const {
        Bytes b;
        if (header_size == 12) {
            b.u32(12).u16(uint32_t(width)).u16(uint32_t(stored_height)).u16(1).u16(bits);
            for (uint32_t c : palette)
                b.u8(c).u8(c >> 8).u8(c >> 16);
            return b.data;
        }
        b.u32(header_size)
            .u32(uint32_t(width))
            .u32(uint32_t(stored_height))
            .u16(1)
            .u16(bits)
            .u32(compression);
        b.u32(uint32_t(pixels.size())).u32(2835).u32(2835).u32(clr_used).u32(0);
        for (uint32_t m : masks)
            b.u32(m);
        if (header_size > 40) b.pad_to(header_size);
        for (uint32_t c : palette)
            b.u8(c).u8(c >> 8).u8(c >> 16).u8(0);
        return b.data;
    }
};

// An uncompressed DIB from rows of pixel values in file order.
Dib dib(int32_t width, int32_t height, uint16_t bits, const std::vector<std::vector<uint32_t>>& rows,
        std::vector<uint32_t> palette = {}) {
    Dib d;
    d.width = width;
    d.height = height;
    d.bits = bits;
    d.palette = std::move(palette);
    d.pixels = pack_rows(bits, rows);
    return d;
}

std::vector<uint8_t> bmp_file(const Dib& d, std::optional<uint32_t> off_bits = std::nullopt) {
    const std::vector<uint8_t> head = d.header_and_palette(d.height);
    const uint32_t offset = off_bits.value_or(uint32_t(14 + head.size()));
    Bytes f;
    f.u8('B').u8('M').u32(uint32_t(14 + head.size() + d.pixels.size())).u32(0).u32(offset);
    f.append(head);
    if (offset != 0) f.pad_to(offset);
    f.append(d.pixels);
    return f.data;
}

// An icon image as a DIB: the header's height counts the colour rows and the mask rows together.
std::vector<uint8_t> icon_dib(const Dib& colour, const std::vector<std::vector<uint32_t>>& mask_rows) {
    Bytes b;
    b.append(colour.header_and_palette(colour.height * 2))
        .append(colour.pixels)
        .append(pack_rows(1, mask_rows));
    return b.data;
}

struct IconEntry {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> image;
};

std::vector<uint8_t> ico_file(const std::vector<IconEntry>& entries) {
    Bytes f;
    f.u16(0).u16(1).u16(uint32_t(entries.size()));
    uint32_t offset = uint32_t(6 + 16 * entries.size());
    for (const auto& e : entries) {
        // The bit count is left 0, as many writers leave it: the image header tells.
        f.u8(e.width & 0xFF).u8(e.height & 0xFF).u8(0).u8(0).u16(1).u16(0);
        f.u32(uint32_t(e.image.size())).u32(offset);
        offset += uint32_t(e.image.size());
    }
    for (const auto& e : entries)
        f.append(e.image);
    return f.data;
}

// A PNG of 0xAARRGGBB pixels, through libpng's writer.
std::vector<uint8_t> png_file(int width, int height, const std::vector<uint32_t>& argb) {
    std::vector<uint8_t> rgba;
    for (uint32_t p : argb) {
        rgba.push_back(uint8_t(p >> 16));
        rgba.push_back(uint8_t(p >> 8));
        rgba.push_back(uint8_t(p));
        rgba.push_back(uint8_t(p >> 24));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = uint32_t(width);
    image.height = uint32_t(height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr));
    std::vector<uint8_t> out(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr));
    out.resize(size);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Looking at the result
// ---------------------------------------------------------------------------------------------

Pixels loaded(const std::vector<uint8_t>& file) {
    return bitmap_pixels(*LoadPictureFromBytes(file));
}

int32_t load_error(const std::vector<uint8_t>& bytes) {
    return error_number([&] { LoadPictureFromBytes(bytes); });
}

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kGrey = 0x111111;
constexpr uint32_t kBackground = 0x00FF00;

// A small 24-bit bitmap file (3 x 2) used where any valid BMP will do.
std::vector<uint8_t> small_bmp() {
    return bmp_file(dib(3, 2, 24, {{kRed, kGreen, kBlue}, {kBlue, kGreen, kRed}}));
}

// A 4 x 4 24-bit icon: red, with the two corners (0, 0) and (3, 3) transparent.
std::vector<uint8_t> small_ico() {
    // Rows bottom-up: the last colour row listed is the icon's top row.
    const Dib colour = dib(
        4, 4, 24,
        {{kRed, kRed, kRed, 0}, {kRed, kRed, kRed, kRed}, {kRed, kRed, kRed, kRed}, {0, kRed, kRed, kRed}});
    return ico_file({{4, 4, icon_dib(colour, {{0, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 0, 0}})}});
}

// ---------------------------------------------------------------------------------------------
// BMP
// ---------------------------------------------------------------------------------------------

TEST(BmpLoading, EachDepthAndHeaderKindReadsItsPixels) {
    const auto check = [](const char* name, const Dib& d, const Pixels& expected,
                          std::optional<uint32_t> off_bits = std::nullopt) {
        SCOPED_TRACE(name);
        auto picture = LoadPictureFromBytes(bmp_file(d, off_bits));
        EXPECT_EQ(picture->Type(), kPicTypeBitmap);
        EXPECT_EQ(picture->PixelSize(), (gdi::SIZE{d.width, std::abs(d.height)}));
        EXPECT_EQ(bitmap_pixels(*picture), expected);
    };
    check("1-bit rows are bottom-up by default", dib(3, 2, 1, {{0, 1, 1}, {1, 0, 0}}, {kRed, kBlue}),
          {kBlue, kRed, kRed, kRed, kBlue, kBlue});
    check("negative height means top-down rows", dib(2, -2, 8, {{1, 2}, {2, 0}}, {kGrey, kRed, kGreen}),
          {kRed, kGreen, kGreen, kGrey});
    check("4-bit indices use both nibbles of odd-width rows",
          dib(3, 1, 4, {{3, 1, 2}}, {kGrey, kRed, kGreen, kBlue}), {kBlue, kRed, kGreen});
    check("16-bit defaults to 555 and widens by repeating bits", dib(3, 1, 16, {{0x7C00, 0x4210, 0x001F}}),
          {0xFF0000, 0x848484, 0x0000FF});
    Dib bitfields = dib(2, 1, 16, {{0x07E0, 0x0821}});
    bitfields.compression = 3;
    bitfields.masks = {0xF800, 0x07E0, 0x001F};
    check("16-bit bitfields read their masks", bitfields, {0x00FF00, 0x080408});
    check("24-bit rows are padded to four bytes",
          dib(3, 2, 24, {{0x010203, 0x040506, 0x070809}, {0x0A0B0C, 0x0D0E0F, 0x101112}}),
          {0x0A0B0C, 0x0D0E0F, 0x101112, 0x010203, 0x040506, 0x070809});
    check("32-bit alpha is dropped from the bitmap", dib(2, 1, 32, {{0x80AABBCC, 0xFF123456}}),
          {0xAABBCC, 0x123456});
    Dib v5 = dib(1, 1, 32, {{0x80332211}});
    v5.compression = 3;
    v5.header_size = 124;
    v5.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}; // bytes R, G, B, A
    check("a V5 header carries the bitfield masks", v5, {0x112233});
    Dib v4 = dib(1, 1, 32, {{0x00332211}});
    v4.header_size = 108;
    v4.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0};
    check("a V4 header with plain RGB ignores its masks", v4, {0x332211});
    Dib os2 = dib(3, 1, 1, {{1, 0, 1}}, {kBlue, 0xFFFF00});
    os2.header_size = 12;
    check("an OS/2 core header uses three-byte palette entries", os2, {0xFFFF00, kBlue, 0xFFFF00});
    // An 8-bit DIB declares 256 entries; this one stores two.
    check("a short palette ends at the pixel offset and later indices are black",
          dib(3, 1, 8, {{0, 1, 5}}, {kRed, kGreen}), {kRed, kGreen, 0});
    Dib counted = dib(2, 1, 8, {{1, 0}}, {kRed, kBlue});
    counted.clr_used = 2;
    check("a zero pixel offset means the pixels follow the colour table", counted, {kBlue, kRed}, 0);
}

TEST(BmpLoading, LastRowNeedsItsPixelsButNotItsPadding) {
    Dib d = dib(1, 2, 24, {{kRed}, {kBlue}});
    d.pixels.resize(d.pixels.size() - 1);
    EXPECT_EQ(loaded(bmp_file(d)), (Pixels{kBlue, kRed}));
    d.pixels.resize(d.pixels.size() - 1);
    EXPECT_EQ(load_error(bmp_file(d)), kErrInvalidPicture);
}

// Palette for the run-length tests: index 0 is not black, so pixels the data never writes (which
// stay black) are told apart from pixels written with index 0.
Dib rle_dib(uint16_t bits, int32_t width, int32_t height, std::vector<uint8_t> data) {
    Dib d;
    d.width = width;
    d.height = height;
    d.bits = bits;
    d.compression = bits == 8 ? 1 : 2;
    d.palette = {kGrey, kRed, kGreen, kBlue};
    d.clr_used = 4;
    d.pixels = std::move(data);
    return d;
}

TEST(BmpRle, Rle8RunsLiteralsDeltasAndEndsOfLineAndBitmap) {
    const Dib d = rle_dib(8, 4, 3,
                          {
                              2, 1,             // two red pixels
                              0, 3, 2, 3, 1, 0, // three literal pixels, the third past the edge; pad byte
                              0, 0,             // end of line
                              0, 2, 1, 0,       // move one right
                              1, 3,             // one blue pixel
                              0, 0,             // end of line
                              0, 1,             // end of bitmap: the top row is never written
                          });
    EXPECT_EQ(loaded(bmp_file(d)), (Pixels{0, 0, 0, 0, 0, kBlue, 0, 0, kRed, kRed, kGreen, kBlue}));
}

TEST(BmpRle, Rle8DeltaAcrossRowsLeavesSkippedPixelsBlack) {
    // One green pixel, a move two rows up (keeping the column), one red pixel, end of bitmap.
    const Dib d = rle_dib(8, 2, 3, {1, 2, 0, 2, 0, 2, 1, 1, 0, 1});
    EXPECT_EQ(loaded(bmp_file(d)), (Pixels{0, kRed, 0, 0, kGreen, 0}));
}

TEST(BmpRle, Rle4RunsAlternateNibblesAndLiteralsArePadded) {
    const Dib d = rle_dib(4, 6, 2,
                          {
                              5, 0x12,                   // 1 2 1 2 1
                              0, 0,                      // end of line
                              0, 5, 0x12, 0x31, 0x20, 0, // five literal nibbles in three bytes, one pad byte
                              0, 1,                      // end of bitmap
                          });
    EXPECT_EQ(loaded(bmp_file(d)),
              (Pixels{kRed, kGreen, kBlue, kRed, kGreen, 0, kRed, kGreen, kRed, kGreen, kRed, 0}));
}

TEST(BmpRle, TruncatedTopDownOrWrongDepthDataIsRefused) {
    EXPECT_EQ(load_error(bmp_file(rle_dib(8, 4, 2, {2, 1, 0, 0, 1, 1}))), kErrInvalidPicture);
    EXPECT_EQ(load_error(bmp_file(rle_dib(8, 4, 2, {0, 5, 1, 1}))), kErrInvalidPicture);
    // Run-length data is bottom-up only, and its depth must match the compression.
    EXPECT_EQ(load_error(bmp_file(rle_dib(8, 1, -1, {1, 1, 0, 1}))), kErrInvalidPicture);
    Dib d = rle_dib(8, 1, 1, {1, 1, 0, 1});
    d.compression = 2;
    EXPECT_EQ(load_error(bmp_file(d)), kErrInvalidPicture);
}

TEST(BmpRle, RowsPastTheTopEndTheImage) {
    EXPECT_NO_THROW(LoadPictureFromBytes(bmp_file(rle_dib(8, 1, 1, {1, 1, 0, 0}))));
    EXPECT_NO_THROW(LoadPictureFromBytes(bmp_file(rle_dib(8, 1, 1, {0, 2, 0, 200}))));
}

TEST(BmpCorrupt, HeadersThisLoaderCannotDrawAreInvalidPictures) {
    const auto with = [](const std::function<void(Dib&)>& change) {
        Dib d = dib(1, 1, 24, {{kRed}});
        change(d);
        return load_error(bmp_file(d));
    };
    EXPECT_EQ(with([](Dib&) {}), 0);
    EXPECT_EQ(with([](Dib& d) { d.header_size = 20; }), kErrInvalidPicture);
    EXPECT_EQ(with([](Dib& d) { d.bits = 2; }), kErrInvalidPicture);
    EXPECT_EQ(with([](Dib& d) { d.compression = 4; }), kErrInvalidPicture); // JPEG inside
    EXPECT_EQ(with([](Dib& d) { d.width = 0; }), kErrInvalidPicture);
    EXPECT_EQ(with([](Dib& d) { d.height = 0; }), kErrInvalidPicture);
    EXPECT_EQ(with([](Dib& d) { d.width = -1; }), kErrInvalidPicture);
    EXPECT_EQ(with([](Dib& d) { d.height = INT32_MIN; }), kErrInvalidPicture);
}

TEST(BmpCorrupt, PixelOffsetsOutsideTheDataAreRefused) {
    const Dib d = dib(1, 1, 24, {{kRed}});
    EXPECT_EQ(load_error(bmp_file(d, 20)), kErrInvalidPicture); // inside the header
    std::vector<uint8_t> far = bmp_file(d);
    far[10] = 0xF0;
    far[11] = far[12] = far[13] = 0xFF; // 0xFFFFFFF0, far past the end
    EXPECT_EQ(load_error(far), kErrInvalidPicture);
}

TEST(BmpCorrupt, EveryTruncationOfAFileIsAnInvalidPicture) {
    const std::vector<uint8_t> file =
        bmp_file(dib(5, 3, 4, {{0, 1, 2, 0, 1}, {2, 0, 1, 2, 0}, {1, 2, 0, 1, 2}}, {kRed, kGreen, kBlue}));
    // The last row may lose its padding (one byte here), nothing more.
    for (size_t n = 0; n + 1 < file.size(); ++n)
        EXPECT_EQ(load_error({file.begin(), file.begin() + std::ptrdiff_t(n)}), kErrInvalidPicture) << n;
}

TEST(BmpLimits, OversizedHeadersAreRefusedBeforeAnythingIsAllocated) {
    const auto header_only = [](int32_t w, int32_t h) {
        Dib d;
        d.width = w;
        d.height = h;
        return load_error(bmp_file(d));
    };
    EXPECT_EQ(header_only(100000, 100000), kErrInvalidPicture);
    EXPECT_EQ(header_only(16385, 1), kErrInvalidPicture);
    EXPECT_EQ(header_only(1, -16385), kErrInvalidPicture);
    EXPECT_EQ(header_only(16384, 4097), kErrInvalidPicture); // over 64 Mi pixels
    Dib d = dib(1, 1, 1, {{0}});
    d.clr_used = 0xFFFFFFFF;
    EXPECT_EQ(load_error(bmp_file(d, 0)), kErrInvalidPicture); // a colour table longer than the file
}

// ---------------------------------------------------------------------------------------------
// ICO
// ---------------------------------------------------------------------------------------------

// A square DIB icon image of one colour, fully opaque.
std::vector<uint8_t> plain_icon_image(int size, uint16_t bits, uint32_t colour) {
    const std::vector<uint32_t> row(size_t(size), bits <= 8 ? 1 : colour);
    Dib d = dib(size, size, bits, std::vector<std::vector<uint32_t>>(size_t(size), row));
    if (bits <= 8) {
        d.palette = {0, colour};
        d.clr_used = 2;
    }
    return icon_dib(d,
                    std::vector<std::vector<uint32_t>>(size_t(size), std::vector<uint32_t>(size_t(size), 0)));
}

TEST(IcoLoading, AnIconIsType3WithTheHimetricSizeOfItsPixels) {
    auto picture = LoadPictureFromBytes(ico_file({{32, 32, plain_icon_image(32, 4, kRed)}}));
    EXPECT_EQ(picture->Type(), kPicTypeIcon);
    EXPECT_EQ(picture->WidthHimetric(), 847);
    EXPECT_EQ(picture->HeightHimetric(), 847);
    EXPECT_TRUE(picture->icon());
    EXPECT_FALSE(picture->bitmap());
    EXPECT_EQ(picture->Handle(), int32_t(picture->icon().value));
}

TEST(IcoLoading, Exact32By32WinsOverOtherSizesAndDeeperColourAtTheSameSize) {
    auto picture = LoadPictureFromBytes(ico_file({{16, 16, plain_icon_image(16, 8, kRed)},
                                                  {48, 48, plain_icon_image(48, 32, kGreen)},
                                                  {32, 32, plain_icon_image(32, 4, kBlue)}}));
    EXPECT_EQ(picture->PixelSize(), (gdi::SIZE{32, 32}));
    EXPECT_EQ(drawn_icon(*picture, 0)[0], kBlue);
    auto deeper = LoadPictureFromBytes(
        ico_file({{32, 32, plain_icon_image(32, 4, kRed)}, {32, 32, plain_icon_image(32, 24, kGreen)}}));
    EXPECT_EQ(drawn_icon(*deeper, 0)[0], kGreen);
}

TEST(IcoLoading, WithoutA32By32TheClosestSizeWinsAndTheSmallerOnATie) {
    auto closest = LoadPictureFromBytes(
        ico_file({{16, 16, plain_icon_image(16, 8, kRed)}, {24, 24, plain_icon_image(24, 8, kGreen)}}));
    EXPECT_EQ(closest->PixelSize(), (gdi::SIZE{24, 24}));
    auto tie = LoadPictureFromBytes(
        ico_file({{48, 48, plain_icon_image(48, 8, kRed)}, {16, 16, plain_icon_image(16, 8, kGreen)}}));
    EXPECT_EQ(tie->PixelSize(), (gdi::SIZE{16, 16}));
}

TEST(IcoTransparency, MaskedPixelsKeepTheBackground) {
    auto picture = LoadPictureFromBytes(small_ico());
    const auto drawn = drawn_icon(*picture, kBackground);
    EXPECT_EQ(drawn[0], kBackground);
    EXPECT_EQ(drawn[1], kRed);
    EXPECT_EQ(drawn[3], kRed);
    EXPECT_EQ(drawn[15], kBackground);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), kRed), 14);
}

TEST(IcoTransparency, MaskedPixelsThatAreNotBlackInvertTheBackground) {
    auto picture = LoadPictureFromBytes(ico_file({{1, 1, icon_dib(dib(1, 1, 24, {{0xFFFFFF}}), {{1}})}}));
    EXPECT_EQ(drawn_icon(*picture, kBackground)[0], 0xFF00FF);
}

// Alpha 0, 255, 100 and 200.
Dib alpha_icon_colour() {
    return dib(4, 1, 32, {{0x00123456, 0xFF0000FF, 0x64FF0000, 0xC8FFFF00}});
}

// The icon's mask as one byte a pixel, 1 where white (the background shows through).
std::vector<uint8_t> icon_mask(const StdPicture& picture) {
    gdi::ICONINFO info;
    EXPECT_TRUE(gdi::GetIconInfo(picture.icon(), &info));
    const gdi::SurfaceView view = gdi::LockBitmap(info.hbmMask);
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < view.height; ++y)
        for (int32_t x = 0; x < view.width; ++x)
            out.push_back((view.pixels[size_t(y) * view.stride + x] & 0xFFFFFF) != 0);
    gdi::DeleteObject(info.hbmMask);
    gdi::DeleteObject(info.hbmColor);
    return out;
}

TEST(IcoTransparency, ThirtyTwoBitAlphaBlendsWhateverTheAndMaskSays) {
    // Over green: alpha 0 keeps it, 255 covers it, 100 and 200 blend, rounded to nearest:
    // red at 100 gives (255 x 100 + 0 x 155) / 255 = 100 and (0 x 100 + 255 x 155) / 255 = 155.
    const Pixels blended{kBackground, kBlue, 0x649B00, 0xC8FF00};
    auto empty_mask = LoadPictureFromBytes(ico_file({{4, 1, icon_dib(alpha_icon_colour(), {{0, 0, 0, 0}})}}));
    EXPECT_EQ(drawn_icon(*empty_mask, kBackground), blended);
    auto masked = LoadPictureFromBytes(ico_file({{4, 1, icon_dib(alpha_icon_colour(), {{0, 1, 0, 1}})}}));
    EXPECT_EQ(drawn_icon(*masked, kBackground), blended);
    // The mask still says what the mask alone shows: an empty one gains the pixels of alpha below
    // half, a non-empty one stays as the file has it.
    EXPECT_EQ(icon_mask(*empty_mask), (std::vector<uint8_t>{1, 0, 1, 0}));
    EXPECT_EQ(icon_mask(*masked), (std::vector<uint8_t>{0, 1, 0, 1}));
}

TEST(IcoTransparency, AllZeroAlphaOrNoAlphaLeavesTheAndMaskInChargeAndNoMaskIsOpaque) {
    auto picture = LoadPictureFromBytes(ico_file({{2, 1, icon_dib(dib(2, 1, 32, {{kRed, 0}}), {{0, 1}})}}));
    EXPECT_EQ(drawn_icon(*picture, kBackground), (Pixels{kRed, kBackground}));
    // An image without an AND mask is opaque.
    const Dib colour = dib(2, 1, 24, {{kRed, 0}});
    std::vector<uint8_t> data = colour.header_and_palette(2);
    data.insert(data.end(), colour.pixels.begin(), colour.pixels.end());
    EXPECT_EQ(drawn_icon(*LoadPictureFromBytes(ico_file({{2, 1, data}})), kBackground), (Pixels{kRed, 0}));
}

TEST(IcoTransparency, PngEntryAlphaBlendsAndBelowHalfIsTheMask) {
    const auto png = png_file(4, 1, {0x00FF0000, 0x7FFF0000, 0x800000FF, 0xFF00FF00});
    auto picture = LoadPictureFromBytes(ico_file({{4, 1, png}}));
    EXPECT_EQ(picture->Type(), kPicTypeIcon);
    // Red at 127 over 0x123456: (255 x 127 + 0x12 x 128) / 255 = 136.5 rounds to 136 (0x88).
    EXPECT_EQ(drawn_icon(*picture, 0x123456), (Pixels{0x123456, 0x881A2B, 0x091AAB, kGreen}));
    EXPECT_EQ(icon_mask(*picture), (std::vector<uint8_t>{1, 1, 0, 0}));
    const auto clear = LoadPictureFromBytes(ico_file({{2, 1, png_file(2, 1, {0x00FF0000, 0x0000FF00})}}));
    EXPECT_EQ(drawn_icon(*clear, 0x123456), (Pixels{0x123456, 0x123456})) << "fully transparent";
}

TEST(IcoCorrupt, BrokenDirectoriesAndImagesAreInvalidPictures) {
    std::vector<uint8_t> file = small_ico();
    EXPECT_EQ(load_error(file), 0);
    auto with = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> changed = file;
        changed[at] = value;
        return load_error(changed);
    };
    EXPECT_EQ(with(4, 0), kErrInvalidPicture);         // no entries: not an icon file at all
    EXPECT_EQ(with(5, 0x10), kErrInvalidPicture);      // a directory longer than the file
    EXPECT_EQ(with(6 + 15, 0x7F), kErrInvalidPicture); // image offset far past the end
    EXPECT_EQ(with(6 + 8, 0xFF), kErrInvalidPicture);  // image size past the end
    EXPECT_EQ(with(22 + 14, 2), kErrInvalidPicture);   // a depth no DIB has
    // A mask cut short (not absent) is a truncated image.
    file.resize(file.size() - 2);
    file[6 + 8] = uint8_t(file[6 + 8] - 2);
    EXPECT_EQ(load_error(file), kErrInvalidPicture);
    std::vector<uint8_t> rle = ico_file({{4, 4, plain_icon_image(4, 8, kRed)}});
    EXPECT_EQ(load_error(rle), 0);
    rle[22 + 16] = 1; // BI_RLE8: the mask after compressed rows could not be found
    EXPECT_EQ(load_error(rle), kErrInvalidPicture);
}

TEST(IcoCorrupt, EveryTruncationOfAnIconFileIsAnInvalidPicture) {
    const std::vector<uint8_t> file = small_ico();
    for (size_t n = 0; n < file.size(); ++n)
        EXPECT_EQ(load_error({file.begin(), file.begin() + std::ptrdiff_t(n)}), kErrInvalidPicture) << n;
}

TEST(IcoLimits, AnOversizedIconImageIsRefused) {
    Bytes image;
    image.u32(40).u32(100000).u32(200000).u16(1).u16(32).u32(0).pad_to(40);
    EXPECT_EQ(load_error(ico_file({{0, 0, image.data}})), kErrInvalidPicture);
}

// ---------------------------------------------------------------------------------------------
// PNG
// ---------------------------------------------------------------------------------------------

TEST(PngLoading, APngIsABitmapWithAlphaBlendedOverTheButtonFace) {
    auto picture = LoadPictureFromBytes(png_file(2, 2, {0xFFFF0000, 0x00FF0000, 0x80FF0000, 0xFF0000FF}));
    EXPECT_EQ(picture->Type(), kPicTypeBitmap);
    EXPECT_EQ(bitmap_pixels(*picture), (Pixels{kRed, 0xC0C0C0, 0xE06060, kBlue}));
}

TEST(PngLoading, OversizedHeaderIsRefused) {
    std::vector<uint8_t> file = png_file(1, 1, {0xFF000000});
    // IHDR width 100000 and height 100000 (the CRC no longer matches; the size check comes first).
    for (size_t at : {16u, 20u}) {
        file[at] = 0;
        file[at + 1] = 0x01;
        file[at + 2] = 0x86;
        file[at + 3] = 0xA0;
    }
    EXPECT_EQ(load_error(file), kErrInvalidPicture);
}

TEST(PngLoading, CorruptAndTruncatedDataAreInvalidPictures) {
    const std::vector<uint8_t> file = png_file(3, 3, std::vector<uint32_t>(9, 0xFF00FF00));
    // Up to the end of the image data; a file that loses only its closing IEND chunk still reads.
    for (size_t n = 0; n + 12 < file.size(); ++n)
        EXPECT_EQ(load_error({file.begin(), file.begin() + std::ptrdiff_t(n)}), kErrInvalidPicture) << n;
    std::vector<uint8_t> corrupt = file;
    const char idat[] = "IDAT";
    const auto chunk = std::search(corrupt.begin(), corrupt.end(), idat, idat + 4);
    ASSERT_NE(chunk, corrupt.end());
    chunk[6] ^= 0xFF; // inside the compressed image data
    EXPECT_EQ(load_error(corrupt), kErrInvalidPicture);
}

// ---------------------------------------------------------------------------------------------
// The picture object
// ---------------------------------------------------------------------------------------------

TEST(StdPictureObject, HimetricRoundsHalfToEvenAtTheDpiOfLoading) {
    EXPECT_EQ(PixelsToHimetric(32, 96), 847);
    EXPECT_EQ(PixelsToHimetric(16, 96), 423);
    EXPECT_EQ(PixelsToHimetric(12, 96), 318); // 317.5
    EXPECT_EQ(PixelsToHimetric(36, 96), 952); // 952.5
    EXPECT_EQ(PixelsToHimetric(32, 120), 677);
    gdi::SetLogicalDpi(120);
    auto picture = LoadPictureFromBytes(small_bmp());
    gdi::SetLogicalDpi(96);
    EXPECT_EQ(picture->WidthHimetric(), 64); // 63.5
    EXPECT_EQ(picture->HeightHimetric(), 42);
}

TEST(StdPictureObject, LateBoundMembersReadTheTypedValues) {
    auto picture = LoadPictureFromBytes(small_bmp());
    Dispatch& d = *picture;
    EXPECT_EQ(d.TypeName(), "StdPicture");
    EXPECT_EQ(d.Get("type"), Variant(int16_t(1)));
    EXPECT_EQ(d.Get("Width"), Variant(int32_t(79)));
    EXPECT_EQ(d.Get("HEIGHT"), Variant(int32_t(53)));
    EXPECT_EQ(d.Get("Handle"), Variant(int32_t(picture->bitmap().value)));
    EXPECT_EQ(d.Get("hPal"), Variant(int32_t(0)));
    EXPECT_EQ(d.DispId("Handle"), 0);
    EXPECT_EQ(d.DispId("Type"), 3);
    EXPECT_EQ(error_number([&] { d.Let("Width", Variant(int32_t(5))); }), kErrObjectDoesNotSupport);
    EXPECT_EQ(error_number([&] { d.Get("Palette"); }), kErrObjectDoesNotSupport);
}

TEST(StdPictureObject, RenderDrawsAtTheNaturalSizeAsTheHandleWouldDraw) {
    const auto bmp = LoadPictureFromBytes(small_bmp());
    EXPECT_EQ(rendered(*bmp, kBackground), bitmap_pixels(*bmp));
    const auto ico = LoadPictureFromBytes(small_ico());
    EXPECT_EQ(rendered(*ico, kBackground), drawn_icon(*ico, kBackground));
    EXPECT_EQ(rendered(*StdPicture::Empty(), kBackground), (Pixels{kBackground}));
}

TEST(StdPictureObject, PixelCountMustMatchTheSize) {
    const std::vector<uint32_t> pixels(5, 0);
    EXPECT_EQ(error_number([&] { StdPicture::FromPixels(2, 2, pixels); }), kErrInvalidProcedureCall);
    EXPECT_EQ(error_number([&] { StdPicture::FromPixels(0, 0, {}); }), kErrInvalidPicture);
    const std::vector<uint8_t> short_mask(3, 0);
    EXPECT_EQ(error_number([&] {
                  StdPicture::FromMaskedPixels(2, 2, {pixels.data(), 4}, short_mask);
              }),
              kErrInvalidProcedureCall);
    EXPECT_EQ(error_number([&] { StdPicture::FromMetafile(kPicTypeBitmap, 10, 10); }),
              kErrInvalidProcedureCall);
    EXPECT_EQ(error_number([&] { StdPicture::FromMetafile(kPicTypeMetafile, 0, 10); }),
              kErrInvalidProcedureCall);
}

TEST(StdPictureObject, PicturesLeaveNoGdiObjectsBehind) {
    const gdi::LiveObjects before = gdi::live_objects();
    {
        auto bmp = LoadPictureFromBytes(small_bmp());
        auto ico = LoadPictureFromBytes(small_ico());
        auto png = LoadPictureFromBytes(png_file(1, 1, {0xFF000000}));
        const gdi::LiveObjects during = gdi::live_objects();
        EXPECT_EQ(during.bitmaps, before.bitmaps + 2);
        EXPECT_EQ(during.icons, before.icons + 1);
        EXPECT_EQ(during.total(), before.total() + 3);
    }
    EXPECT_EQ(load_error({'B', 'M'}), kErrInvalidPicture);
    EXPECT_EQ(gdi::live_objects(), before);
}

// ---------------------------------------------------------------------------------------------
// LoadPicture from files
// ---------------------------------------------------------------------------------------------

class LoadPictureFiles : public PictureFolder {};

TEST_F(LoadPictureFiles, TheFormatComesFromTheContentNotTheName) {
    EXPECT_EQ(LoadPicture(write("really-a-bitmap.ico", small_bmp()))->Type(), kPicTypeBitmap);
    EXPECT_EQ(LoadPicture(write("really-an-icon.png", small_ico()))->Type(), kPicTypeIcon);
    EXPECT_EQ(LoadPicture(write("picture", png_file(1, 1, {0xFF000000})))->Type(), kPicTypeBitmap);
}

TEST_F(LoadPictureFiles, SourcePathIsTheAbsolutePathOfTheFile) {
    const std::string path = write("open.ico", small_ico());
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_dir);
    auto picture = LoadPicture("./open.ico");
    std::filesystem::current_path(previous);
    EXPECT_EQ(picture->SourcePath(), path);
    EXPECT_EQ(LoadPictureFromBytes(small_bmp())->SourcePath(), "");
}

TEST_F(LoadPictureFiles, AnEmptyPathGivesTheEmptyPicture) {
    auto picture = LoadPicture("");
    EXPECT_EQ(picture->Type(), kPicTypeNone);
    EXPECT_EQ(picture->Handle(), 0);
    EXPECT_EQ(picture->WidthHimetric(), 0);
    EXPECT_EQ(picture->HeightHimetric(), 0);
}

} // namespace
