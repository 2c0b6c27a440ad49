#pragma once

#include "render/RenderFixture.h"
#include "render/ShapeSketch.h"

#include "gfx/CDC.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"
#include "render/DrawTab.h"
#include "render/TabShapes.h"

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vntab::render_testing {

// Edge colours that a sketch can tell apart.
constexpr gdi::COLORREF kHighlight = gdi::RGB(255, 255, 0);
constexpr gdi::COLORREF kDarkShadow = gdi::RGB(128, 0, 0);
constexpr gdi::COLORREF kShadow = gdi::RGB(0, 128, 128);
constexpr gdi::COLORREF kTabFace = gdi::RGB(192, 192, 192);

// One shape routine called directly on a 300 x 200 surface, for a control with two tabs whose
// edges are drawn in the colours above. Tab 1 is the active tab: it draws its row's panel; tab 2
// in row 0 does not.
struct ShapeBench {
    RenderControl control;
    gdi::HBITMAP bitmap;
    gdi::HDC dc;
    gdi::HGDIOBJ previous_bitmap;
    gfx::CDC surface;

    explicit ShapeBench(int32_t look = vn3DWindows95, int32_t orientation = vnOrientationTop)
        : control(2, 300, 200, look) {
        bitmap = gdi::CreateBitmap32(300, 200, nullptr);
        dc = gdi::CreateCompatibleDC(gdi::HDC{});
        previous_bitmap = gdi::SelectObject(dc, bitmap);
        surface.Attach(dc);
        control.state().Orientation = orientation;
        for (int32_t i = 1; i <= 2; ++i) {
            control.tab(i).SetColor3DHighlight(static_cast<int32_t>(kHighlight));
            control.tab(i).SetColor3DDKShadow(static_cast<int32_t>(kDarkShadow));
            control.tab(i).SetColor3DShadow(static_cast<int32_t>(kShadow));
            control.tab(i).SetBackColor(static_cast<int32_t>(kTabFace));
        }
    }
    ~ShapeBench() {
        gdi::SelectObject(dc, previous_bitmap);
        gdi::DeleteDC(dc);
        gdi::DeleteObject(bitmap);
    }
    ShapeBench(const ShapeBench&) = delete;
    ShapeBench& operator=(const ShapeBench&) = delete;

    TabCtlState& state() { return control.state(); }

    static render::TabShape Header(int16_t tab, int32_t left, int32_t top, float width, float height,
                                   int16_t bevel = 1, render::RowValues rows = {0, 299, 199}) {
        render::TabShape shape;
        shape.tab_index = tab;
        shape.row = 0;
        shape.header = render::Header{left, top, width, height, bevel};
        shape.rows = rows;
        shape.colors = {kDarkShadow, kHighlight, kShadow};
        return shape;
    }

    // The sketch of what the shape routine of the control's orientation draws for `shape`.
    std::vector<std::string> Draw(const render::TabShape& shape, gdi::RECT* caption = nullptr) {
        gdi::Trace trace;
        const gdi::RECT rect = render::PaintTabShape(*control.ctl, surface, shape);
        if (caption) *caption = rect;
        return Sketch(trace, Names());
    }

    static std::map<gdi::COLORREF, std::string> Names() {
        return {{kHighlight, "HL"}, {kDarkShadow, "DK"}, {kShadow, "SH"}, {kTabFace, "TAB"}, {0, "BLACK"}};
    }
};

} // namespace vntab::render_testing

namespace gdi {
inline void PrintTo(const RECT& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace gdi
