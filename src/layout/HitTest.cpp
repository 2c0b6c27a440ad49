#include "layout/HitTest.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

namespace {

bool Within(double value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

const gdi::RECT& RectOf(const ControlView& ctl, int32_t tab_index) {
    return ctl.Tabs()->Item(rt::Variant(tab_index))->TabRect();
}

// The part of a header that the row in front of it (nearer the panel) leaves in view: rows stand
// DrawTabRowSeparation apart but each header is TabHeight thick, so the inner edge of a back row's
// header lies under the next row.
bool InVisibleBand(const TabCtlState& s, const gdi::RECT& rect, float x, float y) {
    const double thickness = rt::sub32(rect.bottom, rect.top);
    const double separation = s.DrawTabRowSeparation;
    switch (s.Orientation) {
    case vnOrientationTop:
        return y - rect.top < separation;
    case vnOrientationRight:
        return x - rect.left > thickness - separation;
    case vnOrientationBottom:
        return y - rect.top > thickness - separation;
    case vnOrientationLeft:
        return x - rect.left < separation;
    default:
        return false;
    }
}

} // namespace

bool OnHeaderSide(const TabCtlState& s, float x, float y, bool edge_included) {
    const float edge = s.PanelEdge;
    switch (s.Orientation) {
    case vnOrientationTop:
        return edge_included ? y <= edge : y < edge;
    case vnOrientationRight:
        return edge_included ? x >= edge : x > edge;
    case vnOrientationBottom:
        return edge_included ? y >= edge : y > edge;
    case vnOrientationLeft:
        return edge_included ? x <= edge : x < edge;
    default:
        return false;
    }
}

bool PointInTab(const ControlView& ctl, int32_t tab_index, float x, float y) {
    const TabCtlState& s = ctl.State();
    const gdi::RECT& r = RectOf(ctl, tab_index);
    const int32_t grow = tab_index == s.TabActive ? s.TabActiveInflate : 0;
    const int32_t length = rt::sub32(r.right, r.left);
    const int32_t thickness = rt::sub32(r.bottom, r.top);
    // Along the row the active header grows at both ends; across it, only away from the panel.
    switch (s.Orientation) {
    case vnOrientationTop:
        return Within(x, rt::sub32(r.left, grow), rt::add32(rt::add32(r.left, length), grow)) &&
               Within(y, rt::sub32(r.top, grow), rt::add32(r.top, thickness));
    case vnOrientationRight:
        return Within(x, r.left, rt::add32(rt::add32(r.left, thickness), grow)) &&
               Within(y, rt::sub32(r.top, grow), rt::add32(rt::add32(r.top, length), grow));
    case vnOrientationBottom:
        return Within(x, rt::sub32(r.left, grow), rt::add32(rt::add32(r.left, length), grow)) &&
               Within(y, r.top, rt::add32(rt::add32(r.top, thickness), grow));
    case vnOrientationLeft:
        return Within(x, rt::sub32(r.left, grow), rt::add32(r.left, thickness)) &&
               Within(y, rt::sub32(r.top, grow), rt::add32(rt::add32(r.top, length), grow));
    default:
        return false;
    }
}

HeaderHit HeaderUnderPoint(const ControlView& ctl, float x, float y) {
    const TabCtlState& s = ctl.State();
    if (s.RowCapacity == 0 || !OnHeaderSide(s, x, y, false)) return {};
    // A top tab's active header is drawn over the ends of its neighbours: a press there stays on
    // it. The other orientations test it in turn with the rest.
    if (s.Orientation == vnOrientationTop && PointInTab(ctl, s.TabActive, x, y)) return {true, 0};
    const int16_t count = ctl.TabCount();
    for (int16_t i = 1; i <= count; ++i)
        if (PointInTab(ctl, i, x, y) && InVisibleBand(s, RectOf(ctl, i), x, y)) return {true, i};
    return {true, 0};
}

bool PointOnAnyHeader(const ControlView& ctl, float x, float y) {
    const int16_t count = ctl.TabCount();
    for (int16_t i = 1; i <= count; ++i)
        if (PointInTab(ctl, i, x, y)) return true;
    return false;
}

} // namespace vntab
