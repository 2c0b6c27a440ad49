#include "support/ErrorNumber.h"

#include "gfx/CDC.h"
#include "gfx/CRgn.h"
#include "platform/gdi/Trace.h"
#include "platform/user/Dialogs.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

using namespace gfx;

namespace {

// Answers every message box with OK and remembers what it showed.
class RecordedBoxes : public user::DialogProvider {
public:
    struct Box {
        std::string text, caption;
        uint32_t type;
    };
    std::vector<Box> boxes;

    int MessageBox(user::HWND, std::string_view text, std::string_view caption, uint32_t type) override {
        boxes.push_back({std::string(text), std::string(caption), type});
        return user::IDOK;
    }
    std::optional<std::string> OpenFileName(user::HWND, std::string_view, std::string_view,
                                            std::string_view) override {
        return std::nullopt;
    }
    std::optional<gdi::COLORREF> ChooseColor(user::HWND, gdi::COLORREF) override { return std::nullopt; }
    int AboutBox(user::HWND, std::string_view, std::string_view, std::string_view) override {
        return user::IDOK;
    }
};

// A CDC over a white 32-bit memory surface; releases everything at the end.
class Surface {
public:
    Surface(int32_t w, int32_t h) {
        std::vector<uint32_t> white(size_t(w) * h, 0xFFFFFF);
        m_bitmap = gdi::CreateBitmap32(w, h, white.data());
        dc.CreateCompatibleDC({});
        m_previous = dc.SelectObject(m_bitmap);
    }
    ~Surface() {
        dc.SelectObject(m_previous);
        dc.DeleteDC();
        gdi::DeleteObject(m_bitmap);
    }
    // The box around every pixel that is not white, or an empty rectangle.
    CRect drawn_box() const {
        const gdi::SurfaceView v = gdi::LockBitmap(m_bitmap);
        CRect box(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN);
        for (int32_t y = 0; y < v.height; ++y)
            for (int32_t x = 0; x < v.width; ++x)
                if (v.pixels[size_t(y) * v.stride + x] != 0xFFFFFF) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Left == INT32_MAX ? CRect() : box;
    }

    CDC dc;

private:
    gdi::HBITMAP m_bitmap;
    gdi::HGDIOBJ m_previous;
};

TEST(CDC, Ellipse2DrawsTheCircleInsideItsBoundingBox) {
    Surface s(100, 100);
    gdi::Trace trace;
    EXPECT_TRUE(s.dc.Ellipse2(50, 50, 10));
    EXPECT_EQ(trace.records().at(0).name, "Ellipse");
    EXPECT_EQ(trace.records().at(0).args, (std::vector<int64_t>{40, 40, 60, 60}));
    const CRect box = s.drawn_box();
    EXPECT_FALSE(box.IsRectEmpty());
    EXPECT_GE(box.Left, 40);
    EXPECT_GE(box.Top, 40);
    EXPECT_LE(box.Right, 60);
    EXPECT_LE(box.Bottom, 60);
}

TEST(CDC, Ellipse2WithAnglesDrawsTheArcFromStartToEnd) {
    Surface s(100, 100);
    gdi::Trace trace;
    s.dc.Ellipse2(50, 50, 10, 0.0, std::numbers::pi / 2);
    ASSERT_EQ(trace.records().size(), 1u);
    EXPECT_EQ(trace.records()[0].name, "Arc");
    EXPECT_EQ(trace.records()[0].args, (std::vector<int64_t>{40, 40, 60, 60, 60, 50, 50, 40}));
    trace.clear();
    s.dc.Ellipse2(50, 50, 10, 1.5707963, 3.1415926, 0.5);
    EXPECT_EQ(trace.records()[0].args, (std::vector<int64_t>{40, 45, 60, 55, 50, 45, 40, 50}));
    trace.clear();
    s.dc.Ellipse2(50, 50, 10, 1.0);
    EXPECT_EQ(trace.records()[0].name, "Ellipse") << "without an end angle it is a whole ellipse";
    trace.clear();
    s.dc.Arc(50.5, 50, 10.25, 0, std::numbers::pi);
    EXPECT_EQ(trace.records()[0].args, (std::vector<int64_t>{40, 40, 61, 60, 61, 50, 40, 50}))
        << "40.25 -> 40, 60.75 -> 61";
}

TEST(CDC, MoveToRoundsHalfToEvenAndReturnsThePreviousPosition) {
    Surface s(10, 10);
    EXPECT_EQ(s.dc.MoveTo(2.5, 3.5), CPoint(0, 0));
    EXPECT_EQ(s.dc.MoveTo(CPoint(7, 7)), CPoint(2, 4));
    EXPECT_EQ(s.dc.MoveTo(1, 1), CPoint(7, 7));
    EXPECT_EQ(error_number([&] { s.dc.MoveTo(1e10, 0); }), rt::kErrOverflow);
}

TEST(CDC, LineToLeavesTheEndPointUnpainted) {
    Surface s(10, 10);
    s.dc.MoveTo(1, 2);
    EXPECT_TRUE(s.dc.LineTo(5.5, 2));
    EXPECT_EQ(s.drawn_box(), CRect(1, 2, 6, 3)) << "5.5 rounds to 6, which is not drawn";
}

TEST(CDC, AttachDetachAndTheAttributeDc) {
    CDC dc;
    const gdi::HDC memory = gdi::CreateCompatibleDC({});
    EXPECT_FALSE(dc.Attach(memory));
    EXPECT_EQ(dc.m_hdc, memory);
    EXPECT_EQ(dc.m_hAttribDC, memory);
    dc.ReleaseAttribDC();
    EXPECT_FALSE(dc.m_hAttribDC);
    dc.SetAttribDC(memory);
    EXPECT_EQ(dc.Detach(), memory);
    EXPECT_FALSE(dc.m_hdc);
    EXPECT_FALSE(dc.m_hAttribDC);
    dc.SetOutputDC(memory);
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_FALSE(dc.DeleteDC()) << "the class never forgets a handle; the platform refuses a stale one";
}

TEST(CDC, FillsRegionsAndRectanglesWithTheRightAndBottomEdgesExcluded) {
    Surface s(20, 20);
    const gdi::HBRUSH black = gdi::HBRUSH::from(gdi::GetStockObject(gdi::BLACK_BRUSH));
    s.dc.FillRect(CRect(2, 3, 6, 8), black);
    EXPECT_EQ(s.drawn_box(), CRect(2, 3, 6, 8));
    CRgn region;
    region.CreateRectRgn(10, 10, 12, 11);
    EXPECT_TRUE(s.dc.FillRgn(region, black));
    EXPECT_EQ(s.drawn_box(), CRect(2, 3, 12, 11));
}

TEST(CDC, GetTextExtentMeasuresOrReportsTheLastErrorInAMessageBox) {
    RecordedBoxes boxes;
    user::DialogProvider* previous = user::SetDialogProvider(&boxes);
    Surface s(10, 10);
    const CSize size = s.dc.GetTextExtent("Tab");
    EXPECT_GT(size.CX, 0);
    EXPECT_GT(size.CY, 0);
    EXPECT_TRUE(boxes.boxes.empty());

    CDC dead;
    EXPECT_EQ(dead.GetTextExtent("Tab"), CSize(0, 0));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Error. The handle is invalid.\r\n");
    EXPECT_EQ(boxes.boxes[0].caption, user::ApplicationTitle());
    EXPECT_EQ(boxes.boxes[0].type, user::MB_OK);
    user::SetDialogProvider(previous);
}

TEST(CDC, TextOutDrawsTheAnsiBytesAtTheCellsTopLeft) {
    Surface s(60, 30);
    s.dc.SetBkMode(gdi::TRANSPARENT);
    EXPECT_TRUE(s.dc.TextOut(5, 4, "H\xE9"));
    const CRect box = s.drawn_box();
    EXPECT_GE(box.Left, 5);
    EXPECT_GE(box.Top, 4);
    EXPECT_FALSE(box.IsRectEmpty());
    EXPECT_EQ(s.dc.GetTextMetrics().tmHeight, s.dc.GetTextExtent("H").CY);
}

TEST(CDC, ForwardsDeviceQueriesAndFindsTheWindowOfAWindowDc) {
    Surface s(10, 10);
    EXPECT_EQ(s.dc.GetDeviceCaps(gdi::LOGPIXELSY), gdi::LogicalDpi());
    EXPECT_EQ(s.dc.SetMapMode(gdi::MM_HIMETRIC), gdi::MM_TEXT);
    gdi::POINT p{2540, -2540};
    EXPECT_TRUE(s.dc.LPtoDP(&p, 1));
    EXPECT_EQ(p.x, gdi::LogicalDpi());
    s.dc.SetMapMode(gdi::MM_TEXT);
    EXPECT_FALSE(s.dc.GetWindow());
    user::WindowParams window;
    window.proc = [](user::HWND, user::UINT, user::WPARAM, user::LPARAM) -> user::LRESULT { return 0; };
    const user::HWND hwnd = user::CreateWindow(window);
    CDC window_dc;
    window_dc.Attach(user::GetDC(hwnd));
    EXPECT_EQ(window_dc.GetWindow(), hwnd);
    user::DestroyWindow(hwnd);
}

TEST(CDC, CreateDcOnTheDisplayBecomesTheOutputDc) {
    CDC dc;
    EXPECT_TRUE(dc.CreateDC("DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_EQ(dc.ResetDC(nullptr), dc.m_hdc);
    EXPECT_FALSE(dc.CreateIC("PRINTER", nullptr, nullptr, nullptr));
    EXPECT_FALSE(dc.m_hdc);
}

} // namespace
