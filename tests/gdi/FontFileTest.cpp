#include "TestSurface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace gdi;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A one-glyph bitmap font: "A" is an 8 x 7 box standing on the baseline; ascent 7, descent 1.
std::string bdf_font(const char* family) {
    return std::string("STARTFONT 2.1\n"
                       "FONT -vntab-") +
           family +
           "-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
           "SIZE 8 75 75\nFONTBOUNDINGBOX 8 8 0 -1\n"
           "STARTPROPERTIES 7\n"
           "FAMILY_NAME \"" +
           family +
           "\"\nWEIGHT_NAME \"Medium\"\nPIXEL_SIZE 8\nFONT_ASCENT 7\nFONT_DESCENT 1\n"
           "CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\n"
           "ENDPROPERTIES\nCHARS 2\n"
           "STARTCHAR space\nENCODING 32\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 -1\nBITMAP\n"
           "00\n00\n00\n00\n00\n00\n00\n00\nENDCHAR\n"
           "STARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 -1\nBITMAP\n"
           "FF\n81\n81\n81\n81\n81\nFF\n00\nENDCHAR\n"
           "ENDFONT\n";
}

std::string write_temp(const std::string& name, const std::string& contents) {
    const auto path =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()) + ".bdf");
    std::ofstream(path) << contents;
    return path.string();
}

HFONT make_font(const char* face, int32_t height) {
    LOGFONTA lf;
    lf.lfHeight = height;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

TEST(FontFiles, AddedBitmapFontRendersItsOwnGlyphs) {
    const std::string path = write_temp("vntab-box-font", bdf_font("VntabBoxFace"));
    EXPECT_EQ(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 1);
    HFONT font = make_font("VntabBoxFace", -8);
    const FaceInfo info = DescribeFont(font);
    EXPECT_EQ(info.family, "VntabBoxFace");
    EXPECT_FALSE(info.truetype);
    EXPECT_EQ(info.pixel_size, 8);

    TestSurface s(30, 20);
    HGDIOBJ old = SelectObject(s.dc, font);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(s.dc, &tm));
    EXPECT_EQ(tm.tmAscent, 7);
    EXPECT_EQ(tm.tmDescent, 1);
    EXPECT_EQ(tm.tmHeight, 8);
    SIZE size;
    GetTextExtentPoint32A(s.dc, "AA", 2, &size);
    EXPECT_EQ(size.cx, 16);
    SetBkMode(s.dc, TRANSPARENT);
    TextOutA(s.dc, 2, 3, "A", 1);
    EXPECT_EQ(s.bounds(kBlack), (RECT{2, 3, 10, 10}));
    EXPECT_EQ(s.count(kBlack), 26);
    EXPECT_EQ(s.at(5, 6), kWhite);
    SelectObject(s.dc, old);
    DeleteObject(font);
    std::filesystem::remove(path);
}

TEST(FontFiles, BoldOfABitmapFaceWithoutABoldStrikeIsOverstruck) {
    const std::string path = write_temp("vntab-bold-font", bdf_font("VntabBoldlessFace"));
    ASSERT_EQ(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 1);
    LOGFONTA lf;
    lf.lfHeight = -8;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "VntabBoldlessFace");
    HFONT font = CreateFontIndirectA(&lf);
    TestSurface s(30, 20);
    HGDIOBJ old = SelectObject(s.dc, font);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(s.dc, &tm));
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(tm.tmOverhang, 1);
    SIZE size;
    GetTextExtentPoint32A(s.dc, "AA", 2, &size);
    EXPECT_EQ(size.cx, 18) << "each character one pixel wider";
    SetBkMode(s.dc, TRANSPARENT);
    TextOutA(s.dc, 2, 3, "A", 1);
    EXPECT_EQ(s.bounds(kBlack), (RECT{2, 3, 11, 10}));
    EXPECT_EQ(s.at(3, 5), kBlack) << "the left edge drawn again one pixel right";
    EXPECT_EQ(s.at(5, 5), kWhite);
    SelectObject(s.dc, old);
    DeleteObject(font);
    std::filesystem::remove(path);
}

TEST(FontFiles, AFileFreeTypeRejectsFallsBackToTheDefaultFaceWithAMessage) {
    const std::string path = write_temp("vntab-broken-font", bdf_font("VntabBrokenFace"));
    ASSERT_EQ(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 1);
    std::ofstream(path, std::ios::trunc) << "this is no longer a font";
    testing::internal::CaptureStderr();
    HFONT font = make_font("VntabBrokenFace", -12);
    const FaceInfo info = DescribeFont(font);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(info.family, "Liberation Sans");
    EXPECT_NE(message.find(path), std::string::npos) << message;
    TestSurface s(60, 20);
    HGDIOBJ old = SelectObject(s.dc, font);
    EXPECT_TRUE(TextOutA(s.dc, 0, 0, "Still", 5));
    EXPECT_GT(s.count(kBlack), 10);
    SelectObject(s.dc, old);
    DeleteObject(font);
    std::filesystem::remove(path);
}

// A font measured before its face was added keeps no stale face: the next use finds the new one.
TEST(FontFiles, AFontUsedBeforeItsFileIsAddedTakesTheAddedFace) {
    TestSurface s(30, 20);
    HFONT font = make_font("VntabLateFace", -8);
    HGDIOBJ old = SelectObject(s.dc, font);
    TEXTMETRICA before;
    ASSERT_TRUE(GetTextMetricsA(s.dc, &before));
    EXPECT_NE(DescribeFont(font).family, "VntabLateFace");
    const std::string path = write_temp("vntab-late-font", bdf_font("VntabLateFace"));
    ASSERT_EQ(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 1);
    TEXTMETRICA after;
    ASSERT_TRUE(GetTextMetricsA(s.dc, &after));
    EXPECT_EQ(after.tmAscent, 7);
    EXPECT_EQ(after.tmDescent, 1);
    SIZE size;
    GetTextExtentPoint32A(s.dc, "AA", 2, &size);
    EXPECT_EQ(size.cx, 16);
    EXPECT_EQ(DescribeFont(font).family, "VntabLateFace");
    SelectObject(s.dc, old);
    DeleteObject(font);
    std::filesystem::remove(path);
}

TEST(FontFiles, UnreadableFilesAreNotAdded) {
    const std::string path = write_temp("vntab-not-a-font", "plain text");
    EXPECT_EQ(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 0);
    EXPECT_EQ(AddFontResourceExA(nullptr, FR_PRIVATE, nullptr), 0);
    EXPECT_EQ(AddFontResourceExA("/nonexistent/font.ttf", FR_PRIVATE, nullptr), 0);
    std::filesystem::remove(path);
}

} // namespace
