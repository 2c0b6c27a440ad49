#include "control/VNTabCtl.h"
#include "layout/Constants.h"

#include "contained/LateBound.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/user/Paint.h"

// Where the panel lies and what follows it: the header band that a look-only change redraws, and
// the panel's inner corner that contained controls keep their place relative to.
namespace vntab {

namespace {

int32_t round_to_pixel(double value) {
    return rt::clng(value);
}

gdi::RECT rounded(double left, double top, double right, double bottom) {
    return gdi::RECT{round_to_pixel(left), round_to_pixel(top), round_to_pixel(right),
                     round_to_pixel(bottom)};
}

} // namespace

void VNTabCtl::InvalidateTabStrip() {
    double l = m_site.ScaleLeft(), t = m_site.ScaleTop();
    double w = m_site.ScaleWidth(), h = m_site.ScaleHeight();
    double edge = m_state.PanelEdge;
    double bevel = m_state.TabActiveBevel;
    // The band runs from the tab-carrying edge to the panel edge, plus the bevel the active header
    // draws over the panel.
    gdi::RECT band;
    switch (m_state.Orientation) {
    case vnOrientationTop:
        band = rounded(l, t, l + w, t + edge + bevel);
        break;
    case vnOrientationRight:
        band = rounded(l + edge - bevel, t, l + w, t + h);
        break;
    case vnOrientationBottom:
        band = rounded(l, t + edge - bevel, l + w, t + h);
        break;
    case vnOrientationLeft:
        band = rounded(l, t, l + edge + bevel, t + h);
        break;
    default:
        break;
    }
    ++m_redraws.strip_invalidations;
    m_redraws.last_strip = band;
    user::InvalidateRect(m_site.hWnd(), &band, true);
}

gdi::RECT VNTabCtl::GetPanelClientRect() const {
    double b = m_state.TabActiveBevel;
    double edge = m_state.PanelEdge;
    double left = 1, top = 1;
    // The Windows look draws a dark outline and bevel bands inside the panel border; the
    // Windows 95 look only a one-pixel edge.
    if (m_state.DrawTab3DAppearance == vn3DWindows) {
        left = b + 1;
        top = b + 1;
        if (m_state.Orientation == vnOrientationTop) {
            left = b + 2;
            top = edge + b + 3;
        } else if (m_state.Orientation == vnOrientationLeft) {
            left = edge + b + 5;
        }
    } else if (m_state.Orientation == vnOrientationTop) {
        top = edge + 1;
    } else if (m_state.Orientation == vnOrientationLeft) {
        left = edge + 1;
    }
    // Only the corner is exact; the far edges are the client area's.
    return rounded(left, top, m_site.ScaleWidth(), m_site.ScaleHeight());
}

void VNTabCtl::ShiftContainedControls(const gdi::RECT& old_rect, const gdi::RECT& new_rect) {
    // A control loaded from a saved form was saved with its controls in place already.
    if (!m_state.NewInstance) return;
    auto contained = ContainedControls();
    if (contained.empty()) return;
    double dx = FromPixelsX(new_rect.left) - FromPixelsX(old_rect.left);
    double dy = FromPixelsY(new_rect.top) - FromPixelsY(old_rect.top);
    for (const auto& control : contained) {
        if (!control) continue;
        try {
            double left = rt::CDbl(control->Get("Left"));
            double top = rt::CDbl(control->Get("Top"));
            control->Call("Move", {rt::Variant(rt::csng(left + dx)), rt::Variant(rt::csng(top + dy))});
        } catch (const rt::AutomationError&) {
            // A control without a position of its own (a Line) stays where it is.
        }
    }
}

} // namespace vntab
