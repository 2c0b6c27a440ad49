// GIF and JPEG pictures made in memory with giflib's and libjpeg's own encoders, so that each case
// is exactly the one a test names.
#include "PictureTestSupport.h"

#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <gif_lib.h>
#include <jpeglib.h>

using namespace rt;
using namespace picture_test;

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kButtonFace = 0xC0C0C0;
constexpr uint32_t kBackground = 0x123456;

// ---------------------------------------------------------------------------------------------
// GIF
// ---------------------------------------------------------------------------------------------

struct GifFrame {
    GifFrame(int l, int t, int w, int h, std::vector<uint8_t> rows)
        : left(l), top(t), width(w), height(h), indices(std::move(rows)) {}

    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> indices;  // rows top-down
    std::vector<uint32_t> palette; // a local colour table; empty for none
    int transparent = -1;
    bool interlace = false;
};

int append_gif_bytes(GifFileType* gif, const GifByteType* data, int count) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + count);
    return count;
}

// A colour table for giflib, padded to a power of two entries.
ColorMapObject* colour_map(std::vector<uint32_t> colours) {
    if (colours.empty()) return nullptr;
    size_t size = 2;
    while (size < colours.size())
        size *= 2;
    colours.resize(size, 0);
    std::vector<GifColorType> entries;
    for (uint32_t c : colours)
        entries.push_back({GifByteType(c >> 16), GifByteType(c >> 8), GifByteType(c)});
    return GifMakeMapObject(int(size), entries.data());
}

// The order in which an interlaced image stores its rows.
std::vector<int> row_order(int height, bool interlace) {
    std::vector<int> rows;
    if (!interlace) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step)
            rows.push_back(y);
    return rows;
}

std::vector<uint8_t> gif_file(int screen_width, int screen_height, const std::vector<uint32_t>& palette,
                              const std::vector<GifFrame>& frames) {
    std::vector<uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, append_gif_bytes, &error);
    EXPECT_TRUE(gif);
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = colour_map(palette);
    EXPECT_EQ(EGifPutScreenDesc(gif, screen_width, screen_height, 8, 0, global), GIF_OK);
    GifFreeMapObject(global);
    for (const GifFrame& f : frames) {
        if (f.transparent >= 0) {
            GraphicsControlBlock block{};
            block.TransparentColor = f.transparent;
            GifByteType extension[4];
            EGifGCBToExtension(&block, extension);
            EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), GIF_OK);
        }
        ColorMapObject* local = colour_map(f.palette);
        EXPECT_EQ(EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlace, local), GIF_OK);
        GifFreeMapObject(local);
        for (int y : row_order(f.height, f.interlace)) {
            std::vector<GifPixelType> row(f.indices.begin() + y * f.width,
                                          f.indices.begin() + (y + 1) * f.width);
            EXPECT_EQ(EGifPutLine(gif, row.data(), f.width), GIF_OK);
        }
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    return out;
}

// A 2 x 1 GIF written byte by byte, for data giflib's encoder will not write: its image holds the
// indices 3 and 0 with a colour table of two entries (or none at all).
std::vector<uint8_t> hand_made_gif(bool with_colour_table) {
    std::vector<uint8_t> f = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0};
    f.push_back(with_colour_table ? 0x80 : 0x00); // a global table of 2 entries, or none
    f.insert(f.end(), {0, 0});
    if (with_colour_table) f.insert(f.end(), {0x11, 0x22, 0x33, 0x44, 0x55, 0x66});
    f.insert(f.end(), {0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0});
    // LZW, 2-bit minimum code size, 3-bit codes from the least significant bit: clear (4), 3, 0,
    // end of information (5).
    f.insert(f.end(), {2, 2, 0x1C, 0x0A, 0, 0x3B});
    return f;
}

std::string load_description(const std::vector<uint8_t>& file) {
    return error_description([&] { LoadPictureFromBytes(file); });
}

TEST(GifLoading, AnOpaqueGifIsAPlainBitmapOfItsColours) {
    auto picture = LoadPictureFromBytes(
        gif_file(3, 2, {kRed, kGreen, kBlue, kWhite}, {{0, 0, 3, 2, {0, 1, 2, 3, 2, 1}}}));
    EXPECT_EQ(picture->Type(), kPicTypeBitmap);
    EXPECT_EQ(picture->PixelSize(), (gdi::SIZE{3, 2}));
    EXPECT_EQ(bitmap_pixels(*picture), (Pixels{kRed, kGreen, kBlue, kWhite, kBlue, kGreen}));
    EXPECT_FALSE(picture->mask());
    EXPECT_EQ(picture->WidthHimetric(), 79);
}

TEST(GifTransparency, TheTransparentColourIsMaskedAndLeftUnpainted) {
    GifFrame frame{0, 0, 3, 1, {0, 1, 2}};
    frame.transparent = 1;
    auto picture = LoadPictureFromBytes(gif_file(3, 1, {kRed, kGreen, kBlue, kWhite}, {frame}));
    EXPECT_EQ(picture->Type(), kPicTypeBitmap);
    // The bitmap holds the button face there, so copying the handle shows it on a form's colour...
    EXPECT_EQ(bitmap_pixels(*picture), (Pixels{kRed, kButtonFace, kBlue}));
    EXPECT_EQ(bitmap_mask(*picture), (std::vector<uint8_t>{0, 1, 0}));
    // ...and the picture's own drawing leaves the background there.
    EXPECT_EQ(rendered(*picture, kBackground), (Pixels{kRed, kBackground, kBlue}));
}

TEST(GifTransparency, TheControlBlockBeforeTheFirstImageIsTheOneThatCounts) {
    GifFrame first{0, 0, 2, 1, {0, 1}};
    first.transparent = 0;
    GifFrame second = first;
    second.transparent = 1;
    second.indices = {1, 1};
    auto picture = LoadPictureFromBytes(gif_file(2, 1, {kRed, kGreen}, {first, second}));
    EXPECT_EQ(rendered(*picture, kBackground), (Pixels{kBackground, kGreen})) << "the first frame only";
}

TEST(GifGeometry, TheScreenSizesThePictureAndWhatNoImageCoversIsTransparent) {
    const auto check = [](const char* name, int screen_width, int screen_height, const GifFrame& frame,
                          gdi::SIZE size, const Pixels& expected) {
        SCOPED_TRACE(name);
        auto picture = LoadPictureFromBytes(gif_file(screen_width, screen_height, {kRed, kGreen}, {frame}));
        EXPECT_EQ(picture->PixelSize(), size);
        EXPECT_EQ(rendered(*picture, kBackground), expected);
    };
    const uint32_t b = kBackground;
    check("uncovered", 4, 3, {1, 1, 2, 1, {0, 1}}, {4, 3}, {b, b, b, b, b, kRed, kGreen, b, b, b, b, b});
    check("past the screen is cut", 2, 2, {1, 1, 3, 2, {1, 0, 0, 0, 0, 0}}, {2, 2}, {b, b, b, kGreen});
    check("a zero screen takes the image's extent", 0, 0, {2, 1, 2, 2, {0, 1, 1, 0}}, {4, 3},
          {b, b, b, b, b, b, kRed, kGreen, b, b, kGreen, kRed});
}

TEST(GifGeometry, InterlacedRowsLandWhereTheirPassPutsThem) {
    GifFrame frame{0, 0, 1, 11, {}};
    std::vector<uint32_t> palette;
    for (int y = 0; y < 11; ++y) {
        frame.indices.push_back(uint8_t(y));
        palette.push_back(uint32_t(y) * 0x111111);
    }
    frame.interlace = true;
    const auto interlaced = LoadPictureFromBytes(gif_file(1, 11, palette, {frame}));
    frame.interlace = false;
    const auto plain = LoadPictureFromBytes(gif_file(1, 11, palette, {frame}));
    EXPECT_EQ(bitmap_pixels(*interlaced), bitmap_pixels(*plain));
    EXPECT_EQ(bitmap_pixels(*plain)[7], 0x777777u);
}

TEST(GifColours, ALocalTableWinsOverTheGlobalOne) {
    GifFrame frame{0, 0, 2, 1, {0, 1}};
    frame.palette = {kBlue, kWhite};
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(gif_file(2, 1, {kRed, kGreen}, {frame}))),
              (Pixels{kBlue, kWhite}));
}

TEST(GifColours, AnIndexPastTheTableIsBlackAndNoTableIsBroken) {
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(hand_made_gif(true))), (Pixels{0x000000, 0x112233}));
    EXPECT_EQ(load_description(hand_made_gif(false)), "Invalid picture: broken GIF: no colour table");
}

TEST(GifCorrupt, EveryTruncationBeforeTheTrailerIsBroken) {
    GifFrame frame{0, 0, 5, 4, {}};
    for (int i = 0; i < 20; ++i)
        frame.indices.push_back(uint8_t(i % 7));
    const std::vector<uint8_t> file = gif_file(5, 4, {kRed, kGreen, kBlue, kWhite, 1, 2, 3}, {frame});
    for (size_t n = 0; n + 1 < file.size(); ++n)
        EXPECT_EQ(error_number([&] { LoadPictureFromBytes({file.data(), n}); }), kErrInvalidPicture) << n;
    // The trailer ends the file after the first image: without it the picture is all there.
    EXPECT_EQ(error_number([&] { LoadPictureFromBytes({file.data(), file.size() - 1}); }), 0);
    EXPECT_EQ(load_description({file.begin(), file.end() - 3}),
              "Invalid picture: broken GIF: the data ends before the first image is complete");
}

TEST(GifCorrupt, AFileWithoutAnImageIsBroken) {
    const std::vector<uint8_t> file = gif_file(2, 2, {kRed, kGreen}, {});
    EXPECT_EQ(load_description(file), "Invalid picture: broken GIF: the file ends before its first image");
}

TEST(GifLimits, AnOversizedScreenIsRefused) {
    EXPECT_EQ(load_description(gif_file(20000, 20000, {kRed, kGreen}, {{0, 0, 1, 1, {0}}})),
              "Invalid picture: picture too large: 20000 x 20000, at most 16384 pixels a side and 67108864 "
              "pixels in all");
}

// ---------------------------------------------------------------------------------------------
// JPEG
// ---------------------------------------------------------------------------------------------

struct JpegOptions {
    J_COLOR_SPACE input = JCS_RGB;
    int components = 3;
    int quality = 100;
    std::function<void(jpeg_compress_struct&)> adjust; // after the defaults are set
};

// Every component at full resolution, so that flat 8 x 8 blocks stay flat.
void full_resolution(jpeg_compress_struct& cinfo) {
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
}

// Encodes interleaved samples with libjpeg into memory.
std::vector<uint8_t> jpeg_file(int width, int height, const std::vector<uint8_t>& samples,
                               const JpegOptions& options = {}) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = options.components;
    cinfo.in_color_space = options.input;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.adjust) options.adjust(cinfo);
    full_resolution(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPLE*>(samples.data()) + size_t(cinfo.next_scanline) * width * options.components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// 16 x 16 samples of four flat 8 x 8 quadrants, each quadrant one sample tuple.
std::vector<uint8_t> quadrants(const std::vector<std::vector<uint8_t>>& tuples) {
    std::vector<uint8_t> samples;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const auto& t = tuples[size_t((y / 8) * 2 + x / 8)];
            samples.insert(samples.end(), t.begin(), t.end());
        }
    return samples;
}

// Every pixel of each quadrant within `tolerance` of that quadrant's colour in every channel.
void expect_quadrants(const Pixels& pixels, const std::vector<uint32_t>& colours, int tolerance) {
    ASSERT_EQ(pixels.size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const uint32_t want = colours[size_t(((i / 16) / 8) * 2 + (i % 16) / 8)];
        for (int shift = 0; shift < 24; shift += 8) {
            const int got = int((pixels[size_t(i)] >> shift) & 0xFF), wanted = int((want >> shift) & 0xFF);
            ASSERT_LE(std::abs(got - wanted), tolerance) << "pixel " << i << " channel " << shift / 8;
        }
    }
}

const std::vector<std::vector<uint8_t>> kColourQuadrants = {
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

TEST(JpegLoading, ABaselineJpegIsABitmapOfItsColours) {
    auto picture = LoadPictureFromBytes(jpeg_file(16, 16, quadrants(kColourQuadrants)));
    EXPECT_EQ(picture->Type(), kPicTypeBitmap);
    EXPECT_EQ(picture->PixelSize(), (gdi::SIZE{16, 16}));
    EXPECT_FALSE(picture->mask());
    expect_quadrants(bitmap_pixels(*picture), {kRed, kGreen, kBlue, kWhite}, 8);
}

TEST(JpegLoading, ProgressiveAndArithmeticCodingDecodeToTheSamePixelsAsBaselineHuffman) {
    // The same quantised coefficients, sent in one scan or in several, Huffman or arithmetic coded:
    // the pixels are identical.
    std::vector<uint8_t> samples;
    for (int i = 0; i < 24 * 20 * 3; ++i)
        samples.push_back(uint8_t((i * 37) % 251));
    const auto plain = bitmap_pixels(*LoadPictureFromBytes(jpeg_file(24, 20, samples, {JCS_RGB, 3, 75, {}})));
    const std::pair<const char*, std::function<void(jpeg_compress_struct&)>> codings[] = {
        {"progressive", [](jpeg_compress_struct& c) { jpeg_simple_progression(&c); }},
        {"arithmetic", [](jpeg_compress_struct& c) { c.arith_code = TRUE; }},
    };
    for (const auto& [name, adjust] : codings) {
        SCOPED_TRACE(name);
        EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(jpeg_file(24, 20, samples, {JCS_RGB, 3, 75, adjust}))),
                  plain);
    }
}

TEST(JpegLoading, GreyscaleFillsTheThreeChannels) {
    const auto picture = LoadPictureFromBytes(
        jpeg_file(16, 16, quadrants({{0}, {80}, {160}, {255}}), {JCS_GRAYSCALE, 1, 100, {}}));
    for (uint32_t p : bitmap_pixels(*picture))
        ASSERT_EQ(p, (p & 0xFF) * 0x010101);
    expect_quadrants(bitmap_pixels(*picture), {0x000000, 0x505050, 0xA0A0A0, 0xFFFFFF}, 2);
}

// CMYK samples as stored: 0/255 and mid values, with K 255 (the inverted "no black") and 128.
const std::vector<std::vector<uint8_t>> kCmykQuadrants = {
    {255, 0, 0, 255}, {0, 255, 128, 255}, {200, 100, 50, 128}, {255, 255, 255, 0}};

TEST(JpegCmyk, AnAdobeFileStoresInvertedCmykAndYcckIsReadSo) {
    // R = C x K / 255 for inverted values: (200, 100, 50, 128) gives (100, 50, 25).
    const auto adobe =
        LoadPictureFromBytes(jpeg_file(16, 16, quadrants(kCmykQuadrants), {JCS_CMYK, 4, 100, {}}));
    expect_quadrants(bitmap_pixels(*adobe), {0xFF0000, 0x00FF80, 0x643219, 0x000000}, 3);
    const JpegOptions ycck{JCS_CMYK, 4, 100,
                           [](jpeg_compress_struct& c) { jpeg_set_colorspace(&c, JCS_YCCK); }};
    const auto picture = LoadPictureFromBytes(jpeg_file(16, 16, quadrants(kCmykQuadrants), ycck));
    expect_quadrants(bitmap_pixels(*picture), {0xFF0000, 0x00FF80, 0x643219, 0x000000}, 4);
}

TEST(JpegCmyk, AFileWithoutTheAdobeMarkerStoresPlainCmyk) {
    // R = (255 - C) x (255 - K) / 255: no ink is white, full cyan lacks red, (200, 100, 50, 128)
    // gives (27, 77, 102), full black is black.
    const JpegOptions plain{JCS_CMYK, 4, 100, [](jpeg_compress_struct& c) { c.write_Adobe_marker = FALSE; }};
    const auto picture = LoadPictureFromBytes(jpeg_file(
        16, 16, quadrants({{0, 0, 0, 0}, {255, 0, 0, 0}, {200, 100, 50, 128}, {0, 0, 0, 255}}), plain));
    expect_quadrants(bitmap_pixels(*picture), {0xFFFFFF, 0x00FFFF, 0x1B4D66, 0x000000}, 3);
}

TEST(JpegCorrupt, ATruncatedFileIsBrokenWithLibjpegsReason) {
    const std::vector<uint8_t> file = jpeg_file(16, 16, quadrants(kColourQuadrants));
    // Everything but the end-of-image marker is needed.
    for (size_t n = 0; n + 2 < file.size(); ++n)
        EXPECT_EQ(error_number([&] { LoadPictureFromBytes({file.data(), n}); }), kErrInvalidPicture) << n;
    EXPECT_EQ(load_description({file.begin(), file.end() - 10}),
              "Invalid picture: broken JPEG: Premature end of JPEG file");
    EXPECT_EQ(load_description({0xFF, 0xD8, 0xFF, 0xE0, 0, 2}),
              "Invalid picture: broken JPEG: Premature end of JPEG file");
}

TEST(JpegCorrupt, DamageInsideACompleteFileStillShows) {
    // libjpeg warns and goes on, as viewers show such files: bytes before a marker...
    std::vector<uint8_t> file = jpeg_file(16, 16, quadrants(kColourQuadrants));
    std::vector<uint8_t> extraneous = file;
    extraneous.insert(extraneous.end() - 2, {0x12, 0x34});
    EXPECT_EQ(load_description(extraneous), "");
    // ...and entropy-coded data changed in the middle (no marker byte made).
    size_t scan = 2;
    while (!(file[scan] == 0xFF && file[scan + 1] == 0xDA))
        ++scan;
    const size_t data = scan + 2 + (size_t(file[scan + 2]) << 8 | file[scan + 3]);
    size_t at = (data + file.size() - 2) / 2;
    while (file[at] == 0xFF || file[at - 1] == 0xFF || (file[at] ^ 0x5A) == 0xFF)
        ++at;
    file[at] ^= 0x5A;
    const auto damaged = LoadPictureFromBytes(file);
    EXPECT_EQ(damaged->PixelSize(), (gdi::SIZE{16, 16}));
}

TEST(JpegCorrupt, AColourSpaceOfTwoComponentsIsNotRead) {
    std::vector<uint8_t> samples(16 * 16 * 2, 100);
    EXPECT_EQ(load_description(jpeg_file(16, 16, samples, {JCS_UNKNOWN, 2, 90, {}})),
              "Invalid picture: broken JPEG: a colour space of 2 components is not read");
}

TEST(JpegLimits, AnOversizedFrameIsRefusedBeforeDecoding) {
    std::vector<uint8_t> file = jpeg_file(16, 16, quadrants(kColourQuadrants));
    // The start-of-frame segment: FF C0, length, precision, height, width (big-endian).
    size_t sof = 2;
    while (!(file[sof] == 0xFF && file[sof + 1] == 0xC0))
        ++sof;
    file[sof + 5] = 20000 >> 8;
    file[sof + 6] = 20000 & 0xFF;
    file[sof + 7] = 20000 >> 8;
    file[sof + 8] = 20000 & 0xFF;
    EXPECT_EQ(load_description(file),
              "Invalid picture: picture too large: 20000 x 20000, at most 16384 pixels a "
              "side and 67108864 pixels in all");
}

TEST(JpegAndGifPictures, LeaveNoGdiObjectsBehind) {
    const gdi::LiveObjects before = gdi::live_objects();
    {
        GifFrame frame{0, 0, 2, 1, {0, 1}};
        frame.transparent = 0;
        auto gif = LoadPictureFromBytes(gif_file(2, 1, {kRed, kGreen}, {frame}));
        auto jpeg = LoadPictureFromBytes(jpeg_file(16, 16, quadrants(kColourQuadrants)));
        EXPECT_EQ(gdi::live_objects().bitmaps, before.bitmaps + 3) << "a masked bitmap keeps its mask";
        rendered(*gif, kBackground);
    }
    EXPECT_EQ(gdi::live_objects(), before);
}

} // namespace
