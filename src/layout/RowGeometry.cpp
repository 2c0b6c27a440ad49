#include "layout/LayoutSteps.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "platform/host/ControlSite.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

ClientSize ClientSizeOf(const ControlView& ctl) {
    return {ctl.Site().ScaleWidth(), ctl.Site().ScaleHeight()};
}

bool RowsRunDown(int32_t orientation) {
    return orientation == vnOrientationRight || orientation == vnOrientationLeft;
}

int32_t RowLengthOf(const ControlView& ctl) {
    const TabCtlState& s = ctl.State();
    ClientSize client = ClientSizeOf(ctl);
    double extent = RowsRunDown(s.Orientation) ? client.height : client.width;
    return rt::clng(extent - 1 - rt::mul16(2, s.TabActiveInflate));
}

int32_t RowStart(const TabCtlState& s, int16_t row) {
    return rt::add32(rt::mul32(row, s.TabRowOffset), s.TabActiveInflate);
}

int32_t RowEnd(const TabCtlState& s, int32_t far_end, int16_t row) {
    int16_t rows_beyond = rt::sub16(rt::sub16(s.RowCount, row), 1);
    return rt::sub32(far_end, rt::mul32(rows_beyond, s.TabRowOffset));
}

// Row `row` of RowCount stands k = RowCount - row row distances from the outer edge. Bottom and right
// rows are measured from the far edge of the client area and kept 4 pixels off it. A single row
// leaves room for the active tab to grow outward.
void PlaceTabInRow(const ControlView& ctl, gdi::RECT& rect, int16_t row, int32_t pos) {
    const TabCtlState& s = ctl.State();
    const int16_t k = rt::sub16(s.RowCount, row);
    const bool one_row = s.RowCount == 1;
    const int16_t separation = s.DrawTabRowSeparation;
    switch (s.Orientation) {
    case vnOrientationTop:
        rect.top = rt::mul16(rt::sub16(k, 1), separation);
        if (one_row) rect.top = rt::add32(rect.top, s.TabActiveInflate);
        rect.left = pos;
        break;
    case vnOrientationBottom:
        rect.top = rt::clng(ClientSizeOf(ctl).height - rt::mul16(k, separation) - 4);
        if (one_row) rect.top = rt::sub32(rect.top, s.TabActiveInflate);
        rect.left = pos;
        break;
    case vnOrientationRight:
        if (one_row)
            rect.left = rt::clng(ClientSizeOf(ctl).width - separation - 4 - s.TabActiveInflate);
        else
            rect.left = rt::clng(ClientSizeOf(ctl).width - rt::mul16(k, separation) - 4);
        rect.top = pos;
        break;
    case vnOrientationLeft:
        rect.left = rt::mul16(rt::sub16(k, 1), separation);
        if (one_row) rect.left = rt::add32(rect.left, s.TabActiveInflate);
        rect.top = pos;
        break;
    default:
        // An orientation no painter draws: the headers only line up along x.
        rect.left = pos;
        break;
    }
}

void StoreHeader(ControlView& ctl, int32_t index, int16_t row, int32_t pos, int32_t length) {
    gdi::RECT rect;
    PlaceTabInRow(ctl, rect, row, pos);
    // Width is the length along the row and Height the thickness across it, whatever the
    // orientation; readers of right and left headers swap the extents themselves.
    rect.right = rt::add32(rect.left, length);
    rect.bottom = rt::add32(rect.top, ctl.State().TabHeight);
    ctl.Tabs()->at(index)->SetTabRect(rect);
}

// The inverse of PlaceTabInRow: the distance of the header's outer side from the outer edge, in row
// distances, counted back from RowCount.
int16_t RowOfRect(const ControlView& ctl, const gdi::RECT& rect) {
    const TabCtlState& s = ctl.State();
    int32_t t = 0;
    switch (s.Orientation) {
    case vnOrientationTop:
        if (s.RowCount == 1) return 0;
        t = rect.top;
        break;
    case vnOrientationRight:
        t = rt::clng(ClientSizeOf(ctl).width - rect.left - s.TabHeight);
        break;
    case vnOrientationBottom:
        t = rt::clng(ClientSizeOf(ctl).height - rect.top - s.TabHeight);
        break;
    case vnOrientationLeft:
        t = rect.left;
        break;
    default:
        break;
    }
    return rt::to16(rt::sub32(rt::sub32(s.RowCount, rt::div32(t, s.DrawTabRowSeparation)), 1));
}

} // namespace vntab
