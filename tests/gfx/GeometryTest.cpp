#include "support/ErrorNumber.h"

#include "gfx/CRect.h"
#include "gfx/Module.h"
#include "platform/user/SysColors.h"

#include <gtest/gtest.h>

#include <climits>

using namespace gfx;

namespace {

TEST(TranslateColor, PlainColoursPassAndSystemColoursResolveNow) {
    EXPECT_EQ(TranslateColor(0xFF), 0xFFu);
    EXPECT_EQ(TranslateColor(static_cast<int32_t>(0x80000005)), user::GetSysColor(user::COLOR_WINDOW));
    EXPECT_EQ(TranslateColor(static_cast<int32_t>(0x8000000F)), 0xC0C0C0u);
    const int index = user::COLOR_BTNFACE;
    const gdi::COLORREF pink = gdi::RGB(255, 128, 128);
    user::SetSysColors(1, &index, &pink);
    EXPECT_EQ(TranslateColor(static_cast<int32_t>(0x8000000F)), pink) << "a scheme change shows at once";
    user::SetSysColorScheme(user::StandardSysColors());
    EXPECT_EQ(TranslateColor(static_cast<int32_t>(0x80000040)), 0u) << "no such system colour";
    EXPECT_EQ(TranslateColor(0x01000005), 0x01000005u) << "palette-relative values are not special";
}

TEST(MakeLangId, PacksSubLanguageAboveThePrimary) {
    EXPECT_EQ(MAKELANGID(0, 1), 0x400);
    EXPECT_EQ(MAKELANGID(9, 1), 0x409);
    EXPECT_EQ(error_number([] { MAKELANGID(0, 32); }), rt::kErrOverflow) << "a 16-bit Integer";
}

TEST(CPoint, SinglesRoundHalfToEvenAndOverflowLeavesThePoint) {
    CPoint p;
    p.SetFromSingles(2.5f, 3.5f);
    EXPECT_EQ(p, CPoint(2, 4));
    p.SetFromSingles(-2.5f, 0.49f);
    EXPECT_EQ(p, CPoint(-2, 0));
    EXPECT_EQ(error_number([&] { p.SetFromSingles(1.0f, 3e9f); }), rt::kErrOverflow);
    EXPECT_EQ(p, CPoint(-2, 0));
    EXPECT_EQ(p.GetPOINT(), (gdi::POINT{-2, 0}));
}

TEST(CRect, WidthAndHeightAreDerivedAndSetByMovingTheFarEdgeNormalizingSwapsReversedEdges) {
    CRect r(5, 0, 0, 0);
    r.SetWidth(10);
    EXPECT_EQ(r.Right, 15);
    r.SetHeight(7);
    EXPECT_EQ(r, CRect(5, 0, 15, 7));
    EXPECT_EQ(r.Size(), CSize(10, 7));
    EXPECT_EQ(CRect(10, 0, 4, 0).Width(), -6) << "no normalisation unless asked";
    EXPECT_EQ(error_number([] { CRect(INT32_MIN, 0, INT32_MAX, 0).Width(); }), rt::kErrOverflow);
    CRect reversed(10, 10, 0, 0);
    reversed.NormalizeRect();
    EXPECT_EQ(reversed, CRect(0, 0, 10, 10));
    CRect half(0, 10, 5, 0);
    half.NormalizeRect();
    EXPECT_EQ(half, CRect(0, 0, 5, 10));
}

TEST(CRect, InflateAndDeflateInEveryArgumentForm) {
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(8, 7, 22, 23));
    r = CRect(10, 10, 20, 20);
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, CRect(12, 13, 18, 17));
    r = CRect(10, 10, 20, 20);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(9, 8, 23, 24));
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(r, CRect(10, 10, 20, 20));
    r.InflateRect(CSize(5, 6));
    EXPECT_EQ(r, CRect(5, 4, 25, 26));
    r.DeflateRect(CSize(5, 6));
    r.InflateRect(CRect(1, 1, 1, 1));
    EXPECT_EQ(r, CRect(9, 9, 21, 21));
    r.InflateRect(1, 2, 3);
    r.DeflateRect(1, 2, 3);
    EXPECT_EQ(r, CRect(9, 9, 21, 21)) << "three numbers change nothing";
    // An overflowing inflate raises and leaves the rectangle as it was.
    r = CRect(0, 0, INT32_MAX - 1, 10);
    EXPECT_EQ(error_number([&] { r.InflateRect(2, 2); }), rt::kErrOverflow);
    EXPECT_EQ(r, CRect(0, 0, INT32_MAX - 1, 10));
}

TEST(CRect, OffsetByNumbersPointOrSize) {
    CRect r(1, 2, 3, 4);
    r.OffsetRect(10, 20);
    EXPECT_EQ(r, CRect(11, 22, 13, 24));
    r.OffsetRect(CPoint(-10, -20));
    EXPECT_EQ(r, CRect(1, 2, 3, 4));
    r.OffsetRect(CSize(1, 1));
    EXPECT_EQ(r, CRect(2, 3, 4, 5));
}

TEST(CRect, CenterPointHalvesRoundToEven) {
    EXPECT_EQ(CRect(0, 0, 3, 3).CenterPoint(), CPoint(2, 2)) << "1.5 rounds to 2";
    EXPECT_EQ(CRect(0, 0, 5, 1).CenterPoint(), CPoint(2, 0)) << "2.5 rounds to 2, 0.5 to 0";
    EXPECT_EQ(CRect(-3, 0, 0, 10).CenterPoint(), CPoint(-2, 5));
}

TEST(CRect, EmptinessNullnessAndPointsFollowThePlatform) {
    EXPECT_TRUE(CRect(0, 0, 0, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 0, 1).IsRectNull());
    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 0)));
    EXPECT_EQ(r.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(r.BottomRight(), CPoint(10, 10));
}

TEST(CRect, CopiesAndComparisons) {
    CRect r;
    r.SetRect(1, 2, 3, 4);
    CRect copy;
    copy.CopyRect(r);
    EXPECT_TRUE(copy.EqualRect(r));
    copy.SetFromRECT(gdi::RECT{4, 3, 2, 1});
    EXPECT_EQ(copy.GetRECT(), (gdi::RECT{4, 3, 2, 1}));
    EXPECT_FALSE(copy.EqualRect(r));
    copy.SetRectEmpty();
    EXPECT_TRUE(copy.IsRectNull());
}

TEST(CRect, SubtractAndUnionUseThisRectangleAsDestinationAndFirstSource) {
    CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.SubtractRect(CRect(0, 0, 4, 10)));
    EXPECT_EQ(r, CRect(4, 0, 10, 10));
    EXPECT_TRUE(r.UnionRect(CRect(20, 20, 30, 30)));
    EXPECT_EQ(r, CRect(4, 0, 30, 30));
    EXPECT_FALSE(r.SubtractRect(CRect(0, 0, 40, 40)));
    EXPECT_TRUE(r.IsRectNull());
}

} // namespace
