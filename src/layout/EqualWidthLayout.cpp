#include "layout/LayoutSteps.h"

#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTabs.h"

namespace vntab {

namespace {

// Every header is TabWidth long, one pixel longer in the Windows look, whose outline would otherwise
// leave a gap between neighbours.
int32_t EqualHeaderLength(const TabCtlState& s) {
    return s.DrawTab3DAppearance == 2 ? rt::add32(s.TabWidth, 1) : s.TabWidth;
}

int32_t EqualHeaderPosition(const TabCtlState& s, int16_t row, int16_t column) {
    int32_t pos = rt::add32(rt::mul32(row, s.TabRowOffset), rt::mul32(column, s.TabWidth));
    pos = rt::add32(pos, s.TabActiveInflate);
    return rt::add32(pos, rt::mul16(column, s.TabSeparation));
}

} // namespace

// The first `full_rows` rows hold RowCapacity headers, the rows after them one fewer, until the
// tabs run out. The lowered capacity is what the control keeps as RowCapacity.
void LayoutEqualWidth(ControlView& ctl) {
    TabCtlState& s = ctl.State();
    const int16_t n = ctl.Tabs()->Count();
    const int16_t full_rows = DistributeRows(s, n);
    const int32_t length = EqualHeaderLength(s);
    int32_t i = 1;
    auto fill_rows = [&](int16_t first_row, int16_t end_row) {
        for (int16_t row = first_row; row < end_row && i <= n; ++row)
            for (int16_t column = 0; column < s.RowCapacity && i <= n; ++column)
                StoreHeader(ctl, i++, row, EqualHeaderPosition(s, row, column), length);
    };
    fill_rows(0, full_rows);
    if (s.RowCapacity > 1) {
        s.RowCapacity = rt::sub16(s.RowCapacity, 1);
        fill_rows(full_rows, s.RowCount);
    }
}

} // namespace vntab
