// Real pictures, most of them shipped by Debian packages (see pictures/README.md), loaded and
// compared pixel for pixel with Pillow's decoding of the same files (pictures/make-expected.py).
#include "PictureTestSupport.h"

#include "platform/automation/StdPicture.h"
#include "platform/gdi/Png.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

using namespace rt;
using namespace picture_test;

namespace {

const std::filesystem::path kPictures = std::filesystem::path(VNTAB_SOURCE_DIR) / "tests/automation/pictures";

// The background the expected icons were drawn over (60, 120, 180).
constexpr uint32_t kIconBackground = 0x3C78B4;
// Where a GIF leaves its transparent pixels unpainted, the test's background shows.
constexpr uint32_t kRenderBackground = 0x123456;

struct RealPicture {
    const char* file;
    int16_t type;
    const char* what; // the case the file stands for
};

// Every picture of the folder; RealPictureFolder checks that none is left out.
const RealPicture kRealPictures[] = {
    {"cmake-logo.gif", kPicTypeBitmap, "opaque GIF"},
    {"cscope-back.gif", kPicTypeBitmap, "transparent GIF"},
    {"im-smile.gif", kPicTypeBitmap, "transparent GIF"},
    {"idle-folder.gif", kPicTypeBitmap, "interlaced transparent GIF"},
    {"gen-transparent-interlaced.gif", kPicTypeBitmap, "interlaced transparent GIF"},
    {"im-rose.jpg", kPicTypeBitmap, "baseline JPEG, 4:2:0"},
    {"im-sponsor.jpg", kPicTypeBitmap, "baseline JPEG, 4:4:4"},
    {"im-objects-grey.jpg", kPicTypeBitmap, "greyscale JPEG"},
    {"im-progressive.jpg", kPicTypeBitmap, "progressive JPEG, 4:4:4"},
    {"gen-progressive-420.jpg", kPicTypeBitmap, "progressive JPEG, 4:2:0"},
    {"gen-cmyk-adobe.jpg", kPicTypeBitmap, "Adobe (inverted) CMYK JPEG"},
    {"im-navy16.png", kPicTypeBitmap, "16-bit RGB PNG"},
    {"gen-rgb16.png", kPicTypeBitmap, "16-bit RGB PNG"},
    {"im-red-circle16.png", kPicTypeBitmap, "16-bit RGBA PNG"},
    {"gen-grey16.png", kPicTypeBitmap, "16-bit greyscale PNG"},
    {"gen-grey-alpha16.png", kPicTypeBitmap, "16-bit greyscale and alpha PNG"},
    {"gen-gamma1.png", kPicTypeBitmap, "PNG with a gAMA of 1.0"},
    {"im-wand.png", kPicTypeBitmap, "RGBA PNG with gAMA and cHRM"},
    {"im-objects-grey.png", kPicTypeBitmap, "greyscale PNG with gAMA"},
    {"gvim-16.png", kPicTypeBitmap, "4-bit palette PNG with tRNS and gAMA"},
    {"openjdk-16.png", kPicTypeBitmap, "RGBA PNG with iCCP, gAMA and cHRM"},
    {"libpng-pngtest.png", kPicTypeBitmap, "interlaced RGBA PNG with gAMA, sRGB and cHRM"},
    {"git-gui.ico", kPicTypeIcon, "8-bit icon with an AND mask"},
    {"im-imagemagick.ico", kPicTypeIcon, "32-bit icon with alpha"},
    {"gen-png-entries.ico", kPicTypeIcon, "icon of PNG entries"},
};

// The expected pixels, 0xAARRGGBB.
gdi::Image expected_of(const std::string& file) {
    std::string error;
    const auto image = gdi::ReadPng((kPictures / "expected" / (file + ".png")).string(), &error);
    EXPECT_TRUE(image) << error;
    return image.value_or(gdi::Image{});
}

// Equal, or how many pixels differ, the first of them and the largest difference in a channel.
::testing::AssertionResult same_pixels(const Pixels& actual, const Pixels& expected, int32_t width) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " pixels, expected " << expected.size();
    size_t differing = 0, first = 0;
    int worst = 0;
    for (size_t i = 0; i < actual.size(); ++i) {
        if ((actual[i] & 0xFFFFFF) == (expected[i] & 0xFFFFFF)) continue;
        if (differing++ == 0) first = i;
        for (int shift = 0; shift < 24; shift += 8)
            worst = std::max(worst,
                             std::abs(int((actual[i] >> shift) & 0xFF) - int((expected[i] >> shift) & 0xFF)));
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << differing << " pixels differ, the first at (" << first % size_t(width) << ", "
        << first / size_t(width) << "): " << std::hex << (actual[first] & 0xFFFFFF) << " instead of "
        << (expected[first] & 0xFFFFFF) << std::dec << "; largest difference " << worst;
    return ::testing::AssertionFailure() << out.str();
}

class RealPictures : public ::testing::TestWithParam<RealPicture> {};

TEST_P(RealPictures, LoadLikePillowDecodesThem) {
    const RealPicture& p = GetParam();
    const auto picture = LoadPicture((kPictures / p.file).string());
    ASSERT_EQ(picture->Type(), p.type) << p.what;
    const gdi::Image expected = expected_of(p.file);
    ASSERT_EQ(picture->PixelSize(), (gdi::SIZE{expected.width, expected.height}));
    if (p.type == kPicTypeIcon) {
        EXPECT_TRUE(same_pixels(drawn_icon(*picture, kIconBackground), expected.pixels, expected.width))
            << p.what;
        return;
    }
    // The bitmap holds the colours; where Pillow says transparent (alpha 0) the bitmap holds the
    // button face, the mask is set, and the picture's own drawing leaves the background.
    Pixels colours = expected.pixels, on_background = expected.pixels;
    std::vector<uint8_t> mask;
    for (size_t i = 0; i < expected.pixels.size(); ++i) {
        mask.push_back((expected.pixels[i] >> 24) == 0);
        if (mask.back()) on_background[i] = kRenderBackground;
    }
    EXPECT_TRUE(same_pixels(bitmap_pixels(*picture), colours, expected.width)) << p.what;
    if (std::count(mask.begin(), mask.end(), 1) == 0)
        EXPECT_TRUE(bitmap_mask(*picture).empty());
    else
        EXPECT_EQ(bitmap_mask(*picture), mask);
    EXPECT_TRUE(same_pixels(rendered(*picture, kRenderBackground), on_background, expected.width)) << p.what;
}

INSTANTIATE_TEST_SUITE_P(Pictures, RealPictures, ::testing::ValuesIn(kRealPictures),
                         [](const ::testing::TestParamInfo<RealPicture>& param) {
                             std::string name = param.param.file;
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

TEST(RealPictureFolder, EveryPictureHasAnExpectationAndATestCase) {
    std::set<std::string> listed;
    for (const RealPicture& p : kRealPictures)
        listed.insert(p.file);
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(kPictures)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".png" && extension != ".jpg" && extension != ".gif" && extension != ".ico")
            continue;
        found.insert(entry.path().filename().string());
        EXPECT_TRUE(
            std::filesystem::exists(kPictures / "expected" / (entry.path().filename().string() + ".png")))
            << entry.path();
    }
    EXPECT_EQ(found, listed);
}

} // namespace
