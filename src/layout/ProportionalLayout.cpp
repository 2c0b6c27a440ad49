#include "layout/LayoutSteps.h"

#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTabs.h"

namespace vntab {

namespace {

// One row of headers sharing the row's length equally: every header but the last is `share` long
// (rounded), and the last one reaches exactly to the row end, whatever the rounding before it.
struct ProportionalRow {
    ControlView& ctl;
    int32_t far_end;

    // The share of one header in a row of `headers` with `gaps` separations subtracted, in whole
    // pixels, kept as a single-precision value.
    float Share(int16_t headers, int16_t gaps) const {
        const TabCtlState& s = ctl.State();
        int32_t room = rt::sub32(far_end, rt::mul32(rt::sub16(s.RowCount, 1), s.TabRowOffset));
        room = rt::sub32(room, rt::mul16(gaps, s.TabSeparation));
        return static_cast<float>(rt::div32(room, headers));
    }

    // Single times integer stays single; adding the 32-bit row start widens the sum to double.
    int32_t Position(float share, int16_t row, int16_t column) const {
        const TabCtlState& s = ctl.State();
        const float along = static_cast<float>(column) * share;
        return rt::clng(double{along} + rt::mul32(row, s.TabRowOffset) + s.TabActiveInflate +
                        rt::mul16(column, s.TabSeparation));
    }

    int32_t Length(float share) const {
        return rt::clng(ctl.State().DrawTab3DAppearance == 2 ? share + 1.0f : share);
    }

    // Places up to `headers` tabs from `i` in `row`: the first ones `share` long, the last one to the
    // row end. Stops when the tabs run out.
    void Fill(int32_t& i, int16_t row, int16_t headers, float share) const {
        const int16_t n = ctl.Tabs()->Count();
        const int16_t last = rt::sub16(headers, 1);
        for (int16_t column = 0; column < last && i <= n; ++column)
            StoreHeader(ctl, i++, row, Position(share, row, column), Length(share));
        if (i > n) return;
        const int32_t start = Position(share, row, last);
        StoreHeader(ctl, i++, row, start, rt::sub32(RowEnd(ctl.State(), far_end, row), start));
    }
};

} // namespace

// `far_end` is where the farthest row ends: RowLength + TabActiveInflate + 1.
void LayoutProportional(ControlView& ctl, int32_t far_end) {
    TabCtlState& s = ctl.State();
    const int16_t n = ctl.Tabs()->Count();
    const int16_t full_rows = DistributeRows(s, n);
    const ProportionalRow layout{ctl, far_end};
    int32_t i = 1;

    // The full rows give one separation fewer to their shares than their gaps; the stretched last
    // header takes up the difference.
    for (int16_t row = 0; row < full_rows && i <= n; ++row)
        layout.Fill(i, row, s.RowCapacity, layout.Share(s.RowCapacity, rt::sub16(s.RowCapacity, 2)));
    if (s.RowCapacity <= 1) return;

    s.RowCapacity = rt::sub16(s.RowCapacity, 1);
    const float share = layout.Share(s.RowCapacity, rt::sub16(s.RowCapacity, 1));
    const int16_t last_row = rt::sub16(s.RowCount, 1);
    for (int16_t row = full_rows; row < last_row && i <= n; ++row)
        layout.Fill(i, row, s.RowCapacity, share);

    // The farthest row takes whatever is left. When the rows before it took every tab the capacity
    // is left as it is: a zero RowCapacity would read as "no layout yet" to the hit test.
    const int32_t left = rt::sub32(n, i) + 1;
    if (left < 1) return;
    s.RowCapacity = rt::to16(left);
    layout.Fill(i, last_row, s.RowCapacity, layout.Share(s.RowCapacity, rt::sub16(s.RowCapacity, 1)));
}

} // namespace vntab
