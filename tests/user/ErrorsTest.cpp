#include "platform/user/Errors.h"
#include "platform/user/Display.h"
#include "platform/user/Rects.h"

#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <string>

using namespace user;

namespace {

std::string system_text(uint32_t code, uint32_t language = MakeLangId(LANG_NEUTRAL, SUBLANG_DEFAULT)) {
    char* text = nullptr;
    const uint32_t n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, language, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = text ? std::string(text, n) : std::string("<none>");
    EXPECT_EQ(LocalFree(text), nullptr);
    return out;
}

TEST(SystemMessages, CommonCodesHaveThePlatformsTextsEndingInCrLf) {
    EXPECT_EQ(system_text(0), "The operation completed successfully.\r\n");
    EXPECT_EQ(system_text(6), "The handle is invalid.\r\n");
    EXPECT_EQ(system_text(8), "Not enough storage is available to process this command.\r\n");
    EXPECT_EQ(system_text(87), "The parameter is incorrect.\r\n");
    EXPECT_EQ(system_text(1400), "Invalid window handle.\r\n");
    EXPECT_EQ(system_text(6, 0), "The handle is invalid.\r\n");
    EXPECT_EQ(system_text(6, MakeLangId(LANG_ENGLISH, SUBLANG_ENGLISH_US)), "The handle is invalid.\r\n");
}

TEST(SystemMessages, UnknownCodesAndLanguagesFailWithTheirOwnErrors) {
    EXPECT_EQ(system_text(424242), "<none>");
    EXPECT_EQ(GetLastError(), ERROR_MR_MID_NOT_FOUND);
    EXPECT_EQ(system_text(6, MakeLangId(0x07, 0x01)), "<none>");
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_LANG_NOT_FOUND);
}

TEST(SystemMessages, ACallersBufferMustHoldTheTextAndItsZero) {
    char small[8];
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 6, 0, small, sizeof small, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    char big[64];
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 6, 0, big, sizeof big, nullptr), 24u);
    EXPECT_STREQ(big, "The handle is invalid.\r\n");
}

TEST(SystemMessages, InsertsComeFromAnArgumentArrayOrStayWhenIgnored) {
    const char* format = "%1 has %2!d! tabs%%%n";
    const intptr_t args[] = {reinterpret_cast<intptr_t>("Form1"), 3};
    char out[64];
    ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format, 0, 0, out,
                             sizeof out, args),
              0u);
    EXPECT_STREQ(out, "Form1 has 3 tabs%\r\n");
    FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_IGNORE_INSERTS, format, 0, 0, out, sizeof out,
                   nullptr);
    EXPECT_STREQ(out, format);
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_STRING, format, 0, 0, out, sizeof out, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(SystemMessages, LocalFreeRefusesMemoryItDidNotHandOut) {
    int local = 0;
    EXPECT_EQ(LocalFree(&local), &local);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(LocalFree(nullptr), nullptr);
}

TEST(Rects, SubtractRectCutsOnlyWholeSides) {
    const gdi::RECT a{0, 0, 10, 10};
    gdi::RECT out;
    gdi::RECT right_half{5, -1, 12, 11};
    EXPECT_TRUE(SubtractRect(&out, &a, &right_half));
    EXPECT_EQ(out, (gdi::RECT{0, 0, 5, 10}));
    gdi::RECT middle{3, 3, 6, 6};
    EXPECT_TRUE(SubtractRect(&out, &a, &middle));
    EXPECT_EQ(out, a) << "a hole leaves the rectangle as it was";
    gdi::RECT all{-1, -1, 11, 11};
    EXPECT_FALSE(SubtractRect(&out, &a, &all));
    EXPECT_EQ(out, (gdi::RECT{}));
}

TEST(Rects, UnionRectIgnoresEmptyRectangles) {
    const gdi::RECT a{0, 0, 10, 10}, empty{20, 20, 20, 30}, b{5, 5, 15, 12};
    gdi::RECT out;
    EXPECT_TRUE(UnionRect(&out, &a, &empty));
    EXPECT_EQ(out, a);
    EXPECT_TRUE(UnionRect(&out, &a, &b));
    EXPECT_EQ(out, (gdi::RECT{0, 0, 15, 12}));
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
}

TEST(Rects, PointsOnTheRightAndBottomEdgesAreOutside) {
    const gdi::RECT r{0, 0, 10, 10};
    EXPECT_TRUE(PtInRect(&r, {0, 0}));
    EXPECT_TRUE(PtInRect(&r, {9, 9}));
    EXPECT_FALSE(PtInRect(&r, {10, 5}));
    EXPECT_FALSE(PtInRect(&r, {5, 10}));
    gdi::RECT inverted{10, 0, 0, 10};
    EXPECT_TRUE(IsRectEmpty(&inverted));
    gdi::RECT big{INT32_MAX - 1, 0, INT32_MAX, 1};
    EXPECT_TRUE(OffsetRect(&big, 2, 0)) << "the platform's arithmetic wraps";
    EXPECT_EQ(big.left, INT32_MIN);
}

TEST(Display, DisplayDcsAreTheScreensAndOtherDevicesFail) {
    const gdi::HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_TRUE(screen);
    EXPECT_EQ(gdi::GetDeviceCaps(screen, gdi::HORZRES), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(CreateICA(nullptr, "display", nullptr, nullptr), screen);
    EXPECT_FALSE(CreateDCA("WINSPOOL", "Printer", nullptr, nullptr));
    EXPECT_EQ(ResetDCA(screen, nullptr), screen);
    EXPECT_TRUE(gdi::DeleteDC(screen));
    EXPECT_FALSE(ResetDCA(screen, nullptr));
    const gdi::HDC again = CreateDCA("display", nullptr, nullptr, nullptr);
    EXPECT_TRUE(again);
    EXPECT_NE(again, screen) << "a deleted screen DC is made anew";
}

} // namespace
