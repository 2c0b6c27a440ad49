// The loader's other rules: PNG samples as they are stored, metafile sizes, naming the formats it
// does not read, and error descriptions that say which file and what is wrong with it.
#include "PictureTestSupport.h"

#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <string>

using namespace rt;
using namespace picture_test;
using namespace std::literals;

namespace {

constexpr uint32_t kBackground = 0x123456;

std::string load_description(const std::vector<uint8_t>& file) {
    return error_description([&] { LoadPictureFromBytes(file); });
}

// ---------------------------------------------------------------------------------------------
// PNG, chunk by chunk
// ---------------------------------------------------------------------------------------------

std::vector<uint8_t> chunk(std::string_view kind, const std::vector<uint8_t>& body) {
    Bytes c;
    c.be32(uint32_t(body.size())).text(kind).append(body);
    uint32_t crc = uint32_t(crc32(0, c.data.data() + 4, uInt(c.data.size() - 4)));
    return c.be32(crc).data;
}

// A PNG of raw rows (filter byte 0 added to each) and extra chunks before the image data.
std::vector<uint8_t> png_file(uint32_t width, uint32_t height, uint8_t depth, uint8_t colour_type,
                              const std::vector<std::vector<uint8_t>>& rows,
                              const std::vector<std::vector<uint8_t>>& extra = {}) {
    std::vector<uint8_t> raw;
    for (const auto& row : rows) {
        raw.push_back(0);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(size);
    EXPECT_EQ(compress(packed.data(), &size, raw.data(), uLong(raw.size())), Z_OK);
    packed.resize(size);
    Bytes header;
    header.be32(width).be32(height).u8(depth).u8(colour_type).u8(0).u8(0).u8(0);
    Bytes file;
    file.append({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}).append(chunk("IHDR", header.data));
    for (const auto& c : extra)
        file.append(c);
    return file.append(chunk("IDAT", packed)).append(chunk("IEND", {})).data;
}

TEST(PngSamples, SixteenBitSamplesAndAlphaShowTheirHighByte) {
    // 244, 128 and 10 once came out as 250, 186 and 59 (a linear-to-sRGB conversion); a low byte
    // of 255 must not round them up either.
    Bytes row;
    for (uint32_t v : {244u, 128u, 10u})
        row.be16(v * 256 + 255);
    for (uint32_t v : {0u, 255u, 77u})
        row.be16(v * 256 + 128);
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(png_file(2, 1, 16, 2, {row.data}))),
              (Pixels{0xF4800A, 0x00FF4D}));
    // Red at alpha 128, blended over the button face: (255 x 128 + 192 x 127) / 255 = 223.6,
    // (192 x 127) / 255 = 95.6.
    Bytes alpha;
    alpha.be16(0xFFFF).be16(0).be16(0).be16(0x80FF);
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(png_file(1, 1, 16, 6, {alpha.data}))), (Pixels{0xE06060}));
}

TEST(PngSamples, GammaAndColourChunksChangeNothing) {
    const std::vector<std::vector<uint8_t>> rows = {{10, 128, 244, 0, 64, 255}};
    const Pixels raw{0x0A80F4, 0x0040FF};
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(png_file(2, 1, 8, 2, rows))), raw);
    Bytes gamma_one;
    gamma_one.be32(100000);
    EXPECT_EQ(
        bitmap_pixels(*LoadPictureFromBytes(png_file(2, 1, 8, 2, rows, {chunk("gAMA", gamma_one.data)}))),
        raw);
    Bytes gamma_low, chromaticities;
    gamma_low.be32(45455);
    for (uint32_t v : {31270u, 32900u, 64000u, 33000u, 30000u, 60000u, 15000u, 6000u})
        chromaticities.be32(v);
    // A profile that is no profile at all: it is skipped unread, not refused.
    Bytes profile;
    profile.text("broken").u8(0).u8(0).append({1, 2, 3, 4, 5});
    const auto tagged = png_file(2, 1, 8, 2, rows,
                                 {chunk("gAMA", gamma_low.data), chunk("cHRM", chromaticities.data),
                                  chunk("sRGB", {0}), chunk("iCCP", profile.data)});
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(tagged)), raw);
}

TEST(PngSamples, LowDepthsAndPalettesExpandToEightBits) {
    // Two-bit grey 0, 1, 2, 3 is 0, 85, 170, 255.
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(png_file(4, 1, 2, 0, {{0x1B}}))),
              (Pixels{0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}));
    // A 1-bit palette with a tRNS entry making index 1 transparent: blended over the button face.
    const auto palette = chunk("PLTE", {255, 0, 0, 0, 0, 255});
    const auto trns = chunk("tRNS", {255, 0});
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(png_file(2, 1, 1, 3, {{0x40}}, {palette, trns}))),
              (Pixels{0xFF0000, 0xC0C0C0}));
}

TEST(PngSamples, AnInterlacedImageHasTheSamePixels) {
    // Adam7 data of a 2 x 2 image: pass 1 has pixel (0, 0), pass 6 (1, 0), pass 7 row 1.
    const std::vector<std::vector<uint8_t>> passes = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    auto file = png_file(2, 2, 8, 2, passes);
    file[8 + 8 + 12] = 1; // the IHDR's interlace method
    const uint32_t crc = uint32_t(crc32(0, file.data() + 12, 17));
    for (int i = 0; i < 4; ++i)
        file[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    EXPECT_EQ(bitmap_pixels(*LoadPictureFromBytes(file)), (Pixels{0x010203, 0x040506, 0x070809, 0x0A0B0C}));
}

TEST(PngCorrupt, BrokenDataNamesTheReason) {
    auto file = png_file(2, 1, 8, 2, {{1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(load_description({file.begin(), file.begin() + 40}),
              "Invalid picture: broken PNG: the data ends early");
    file[8 + 8 + 9] = 7; // a colour type PNG does not have
    EXPECT_EQ(load_description(file).rfind("Invalid picture: broken PNG: ", 0), 0u) << load_description(file);
}

// ---------------------------------------------------------------------------------------------
// Metafiles
// ---------------------------------------------------------------------------------------------

// The metafile header (disk type, nine words, version 3) and records of (function, parameters).
std::vector<uint8_t> wmf_body(const std::vector<std::pair<uint16_t, std::vector<uint16_t>>>& records,
                              bool end = true) {
    Bytes b;
    b.u16(2).u16(9).u16(0x0300).u32(0).u16(0).u32(0).u16(0);
    for (const auto& [function, parameters] : records) {
        b.u32(uint32_t(3 + parameters.size())).u16(function);
        for (uint16_t p : parameters)
            b.u16(p);
    }
    if (end) b.u32(3).u16(0);
    return b.data;
}

std::vector<uint8_t> placeable_wmf(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t inch,
                                   const std::vector<uint8_t>& body) {
    Bytes b;
    b.u32(0x9AC6CDD7)
        .u16(0)
        .u16(uint16_t(left))
        .u16(uint16_t(top))
        .u16(uint16_t(right))
        .u16(uint16_t(bottom));
    b.u16(inch).u32(0).u16(0);
    return b.append(body).data;
}

constexpr uint16_t kSetWindowExt = 0x020C;
constexpr uint16_t kLineTo = 0x0213;

TEST(Metafiles, APlaceableWmfIsAMetafileOfItsBoundingBox) {
    const gdi::LiveObjects before = gdi::live_objects();
    // 1440 x 720 units at 1440 a inch: an inch by half an inch.
    auto picture = LoadPictureFromBytes(placeable_wmf(0, 0, 1440, 720, 1440, wmf_body({{kLineTo, {5, 5}}})));
    EXPECT_EQ(picture->Type(), kPicTypeMetafile);
    EXPECT_EQ(picture->WidthHimetric(), 2540);
    EXPECT_EQ(picture->HeightHimetric(), 1270);
    EXPECT_EQ(picture->Handle(), 0);
    EXPECT_EQ(picture->PixelSize(), (gdi::SIZE{0, 0}));
    EXPECT_EQ(gdi::live_objects(), before) << "no GDI object stands for a metafile";
    Dispatch& d = *picture;
    EXPECT_EQ(d.Get("Type"), Variant(int16_t(2)));
    EXPECT_EQ(d.Get("Width"), Variant(int32_t(2540)));
    EXPECT_EQ(rendered(*picture, kBackground), (Pixels{kBackground})) << "a metafile draws nothing";
}

TEST(Metafiles, ABoundingBoxMayRunBackwardsAndRoundsHalfToEven) {
    // 3 units at 8 a inch: 952.5 HIMETRIC rounds to 952; 1 unit: 317.5 rounds to 318.
    auto picture = LoadPictureFromBytes(placeable_wmf(10, 5, 7, 4, 8, wmf_body({})));
    EXPECT_EQ(picture->WidthHimetric(), 952);
    EXPECT_EQ(picture->HeightHimetric(), 318);
    // One unit at 6656 a inch is 0.38 HIMETRIC: the smallest size there is, not none.
    auto tiny = LoadPictureFromBytes(placeable_wmf(0, 0, 1, 1, 6656, wmf_body({})));
    EXPECT_EQ(tiny->WidthHimetric(), 1);
    EXPECT_EQ(tiny->HeightHimetric(), 1);
}

TEST(Metafiles, WithoutThePlaceableHeaderTheWindowExtentIsPixels) {
    // SetWindowExt stores the height, then the width: 100 x 50 pixels at 96 DPI.
    auto picture = LoadPictureFromBytes(
        wmf_body({{kLineTo, {1, 1}}, {kSetWindowExt, {50, 100}}, {kSetWindowExt, {1, 1}}}));
    EXPECT_EQ(picture->Type(), kPicTypeMetafile);
    EXPECT_EQ(picture->WidthHimetric(), 2646);
    EXPECT_EQ(picture->HeightHimetric(), 1323);
    gdi::SetLogicalDpi(120);
    auto at_120 = LoadPictureFromBytes(wmf_body({{kSetWindowExt, {50, 100}}}));
    gdi::SetLogicalDpi(96);
    EXPECT_EQ(at_120->WidthHimetric(), 2117);
}

TEST(Metafiles, BrokenWmfsSayWhatIsWrong) {
    EXPECT_EQ(load_description(wmf_body({{kLineTo, {1, 1}}})),
              "Invalid picture: broken WMF: no placeable header and no window extent, so no size");
    EXPECT_EQ(load_description(placeable_wmf(0, 0, 0, 10, 1440, wmf_body({}))),
              "Invalid picture: broken WMF: the bounding box is empty");
    EXPECT_EQ(load_description(placeable_wmf(0, 0, 10, 10, 0, wmf_body({}))),
              "Invalid picture: broken WMF: the placeable header gives 0 units a inch");
    EXPECT_EQ(load_description(placeable_wmf(0, 0, 10, 10, 96, {1, 0, 9, 0})),
              "Invalid picture: broken WMF: no metafile header");
    std::vector<uint8_t> long_record = wmf_body({{kLineTo, {1, 1}}}, false);
    long_record[18] = 40; // the record claims 40 words
    EXPECT_EQ(load_description(placeable_wmf(0, 0, 10, 10, 96, long_record)),
              "Invalid picture: broken WMF: the record at byte 40 runs past the end of the data");
    // Data that ends on a record boundary without the end-of-file record still has its size.
    EXPECT_EQ(
        error_number([] { LoadPictureFromBytes(placeable_wmf(0, 0, 10, 10, 96, wmf_body({}, false))); }), 0);
}

// An enhanced metafile: the header record (88 bytes) with its frame, records, the EOF record.
std::vector<uint8_t> emf_file(int32_t left, int32_t top, int32_t right, int32_t bottom, bool end = true) {
    Bytes b;
    b.u32(1).u32(88);
    for (int i = 0; i < 4; ++i)
        b.u32(0); // bounds in device pixels
    b.u32(uint32_t(left)).u32(uint32_t(top)).u32(uint32_t(right)).u32(uint32_t(bottom));
    b.u32(0x464D4520).u32(0x10000).u32(0).u32(3).u16(1).u16(0).u32(0).u32(0).u32(0);
    b.u32(1024).u32(768).u32(320).u32(240);
    b.u32(27).u32(16).u32(0).u32(0); // EMR_MOVETOEX
    if (end) b.u32(14).u32(20).u32(0).u32(16).u32(20);
    return b.data;
}

TEST(Metafiles, AnEmfIsAnEnhancedMetafileOfItsFrame) {
    auto picture = LoadPictureFromBytes(emf_file(100, 50, 2100, 1050));
    EXPECT_EQ(picture->Type(), kPicTypeEnhMetafile);
    EXPECT_EQ(picture->WidthHimetric(), 2000);
    EXPECT_EQ(picture->HeightHimetric(), 1000);
    EXPECT_EQ(picture->Handle(), 0);
    EXPECT_EQ(static_cast<Dispatch&>(*picture).Get("Type"), Variant(int16_t(4)));
}

TEST(Metafiles, BrokenEmfsSayWhatIsWrong) {
    EXPECT_EQ(load_description(emf_file(0, 0, 0, 100)),
              "Invalid picture: broken EMF: the frame is 0 x 100 HIMETRIC");
    EXPECT_EQ(load_description(emf_file(0, 0, 10, 10, false)),
              "Invalid picture: broken EMF: the data ends at byte 104");
    auto odd = emf_file(0, 0, 10, 10);
    odd[88 + 4] = 6;
    EXPECT_EQ(load_description(odd), "Invalid picture: broken EMF: a record of 6 bytes at byte 88");
    auto second_header = emf_file(0, 0, 10, 10);
    second_header[88] = 1;
    EXPECT_EQ(load_description(second_header),
              "Invalid picture: broken EMF: the header record is not first and only");
    auto long_record = emf_file(0, 0, 10, 10);
    long_record[88 + 5] = 1; // 16 + 256 bytes
    EXPECT_EQ(load_description(long_record),
              "Invalid picture: broken EMF: the record at byte 88 runs past the end of the data");
}

TEST(Metafiles, EveryTruncationIsAnInvalidPicture) {
    for (const auto& file :
         {placeable_wmf(0, 0, 10, 10, 96, wmf_body({{kLineTo, {1, 1}}})), emf_file(0, 0, 9, 9)}) {
        // A WMF cut on a record boundary keeps its size; any other cut is refused.
        for (size_t n = 0; n < file.size(); ++n) {
            const int32_t error = error_number([&] { LoadPictureFromBytes({file.data(), n}); });
            const bool on_a_record_boundary = file[0] != 1 && (n == 22 + 18 || n == 22 + 18 + 10);
            EXPECT_EQ(error, on_a_record_boundary ? 0 : kErrInvalidPicture) << n;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Formats this loader names but does not read
// ---------------------------------------------------------------------------------------------

TEST(PictureRecognition, FormatsNotReadAreNamed) {
    const auto named = [](std::vector<uint8_t> bytes) {
        bytes.resize(std::max<size_t>(bytes.size(), 200), 0);
        return load_description(bytes);
    };
    const auto text = [](std::string_view s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    EXPECT_EQ(named({'I', 'I', 42, 0, 8, 0, 0, 0}), "Invalid picture: unsupported picture format (TIFF)");
    EXPECT_EQ(named({'M', 'M', 0, 42, 0, 0, 0, 8}), "Invalid picture: unsupported picture format (TIFF)");
    EXPECT_EQ(named({0x0A, 5, 1, 8, 0, 0, 0, 0}), "Invalid picture: unsupported picture format (PCX)");
    EXPECT_EQ(named(text("RIFF\x24\0\0\0WEBPVP8 "sv)), "Invalid picture: unsupported picture format (WebP)");
    EXPECT_EQ(named(text("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- drawn -->\n<svg "
                         "xmlns=\"http://www.w3.org/2000/svg\">")),
              "Invalid picture: unsupported picture format (SVG)");
    EXPECT_EQ(named(text("8BPS\0\x01"sv)), "Invalid picture: unsupported picture format (Photoshop)");
    EXPECT_EQ(named(text("\0\0\0\x0CjP  \r\n\x87\n"sv)),
              "Invalid picture: unsupported picture format (JPEG 2000)");
    EXPECT_EQ(named(text("\0\0\0\x1C"
                         "ftypavif"sv)),
              "Invalid picture: unsupported picture format (AVIF)");
    EXPECT_EQ(named(text("P6\n2 2\n255\n")), "Invalid picture: unsupported picture format (Netpbm)");
    EXPECT_EQ(named(text("%PDF-1.4")), "Invalid picture: unsupported picture format (PDF document)");
    std::vector<uint8_t> tga(100, 0);
    const std::string footer("TRUEVISION-XFILE.\0", 18);
    std::copy(footer.begin(), footer.end(), tga.end() - 18);
    EXPECT_EQ(load_description(tga), "Invalid picture: unsupported picture format (TGA)");
}

TEST(PictureRecognition, AnythingElseIsUnknownAndNothingIsEmpty) {
    EXPECT_EQ(load_description({'h', 'e', 'l', 'l', 'o'}), "Invalid picture: unknown picture format");
    EXPECT_EQ(load_description({'<', 'h', 't', 'm', 'l', '>'}), "Invalid picture: unknown picture format");
    EXPECT_EQ(load_description({}), "Invalid picture: empty file");
}

// ---------------------------------------------------------------------------------------------
// Errors that name the file
// ---------------------------------------------------------------------------------------------

class PictureErrors : public PictureFolder {};

TEST_F(PictureErrors, AMissingFileOrAFolderIsFileNotFoundWithTheSystemsReason) {
    const std::string absent = (m_dir / "absent.gif").string();
    EXPECT_EQ(error_number([&] { LoadPicture(absent); }), kErrFileNotFound);
    EXPECT_EQ(error_description([&] { LoadPicture(absent); }),
              "cannot open " + absent + ": No such file or directory");
    EXPECT_EQ(error_number([&] { LoadPicture(m_dir.string()); }), kErrFileNotFound);
    EXPECT_EQ(error_description([&] { LoadPicture(m_dir.string()); }),
              "cannot open " + m_dir.string() + ": Is a directory");
}

TEST_F(PictureErrors, AnInvalidPictureNamesItsFileAndTheReason) {
    const std::string tiff = write("scan.tif", {'I', 'I', 42, 0, 8, 0, 0, 0});
    EXPECT_EQ(error_number([&] { LoadPicture(tiff); }), kErrInvalidPicture);
    EXPECT_EQ(error_description([&] { LoadPicture(tiff); }),
              "Invalid picture: " + tiff + ": unsupported picture format (TIFF)");
    // A BMP header of 16384 x 8192 pixels: within a side, past the 64 Mi pixels in all.
    Bytes bmp;
    bmp.u8('B').u8('M').u32(54).u32(0).u32(54).u32(40).u32(16384).u32(8192).u16(1).u16(24).u32(0);
    bmp.data.resize(54, 0);
    const std::string large = write("large.bmp", bmp.data);
    EXPECT_EQ(
        error_description([&] { LoadPicture(large); }),
        "Invalid picture: " + large +
            ": picture too large: 16384 x 8192, at most 16384 pixels a side and 67108864 pixels in all");
    bmp.data.resize(30);
    const std::string cut = write("cut.bmp", bmp.data);
    EXPECT_EQ(error_description([&] { LoadPicture(cut); }),
              "Invalid picture: " + cut + ": broken BMP: the data ends at byte 30");
}

TEST_F(PictureErrors, TheReasonsOfBrokenBitmapsAndIcons) {
    Bytes bmp;
    bmp.u8('B').u8('M').u32(60).u32(0).u32(54).u32(40).u32(1).u32(1).u16(1).u16(2).u32(0);
    bmp.data.resize(60, 0);
    EXPECT_EQ(load_description(bmp.data),
              "Invalid picture: broken BMP: 2 bits a pixel with compression 0 is not drawn");
    bmp.data[14] = 20;
    EXPECT_EQ(load_description(bmp.data),
              "Invalid picture: broken BMP: DIB header size 20 is not a known version");
    Bytes ico;
    ico.u16(0).u16(1).u16(1).u8(1).u8(1).u8(0).u8(0).u16(1).u16(0).u32(100).u32(22);
    EXPECT_EQ(load_description(ico.data), "Invalid picture: broken ICO: the data ends at byte 22");
}

} // namespace
