#include "layout/LayoutSteps.h"
#include "layout/TabLayout.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTabs.h"

#include <algorithm>

namespace vntab {

namespace {

// The rounds of automatic row fitting: each round may change the row count, which changes how much
// indentation the rows lose, which may change the count again. A count that keeps flipping between
// two values stops after the last round.
constexpr int kFitRounds = 7;

int16_t RowsFor(int16_t tab_count, int16_t per_row) {
    return rt::add16(rt::div16(rt::sub16(tab_count, 1), per_row), 1);
}

} // namespace

void FitRowsToLength(ControlView& ctl, int32_t row_length) {
    TabCtlState& s = ctl.State();
    const int16_t n = ctl.Tabs()->Count();
    const int32_t step = rt::add32(s.TabWidth, s.TabSeparation);
    // The headers that fit in a row once the rows farther out have lost their indentation; the
    // separation after the last header of a row is not needed.
    auto capacity_for_rows = [&](int16_t rows) {
        int32_t indentation = rt::mul32(rt::sub16(rows, 1), s.TabRowOffset);
        return rt::to16(rt::div32(rt::sub32(rt::add32(row_length, s.TabSeparation), indentation), step));
    };
    for (int round = 0; round < kFitRounds; ++round) {
        if (s.RowCapacity < 1) break;
        if (rt::mul32(step, s.RowCapacity) > row_length) s.RowCapacity = capacity_for_rows(s.RowCount);
        s.RowCount = RowsFor(n, s.RowCapacity);
        const int16_t capacity = capacity_for_rows(s.RowCount);
        if (capacity == s.RowCapacity) break;
        s.RowCapacity = capacity;
    }
    if (s.RowCapacity >= 1) s.RowCount = RowsFor(n, s.RowCapacity);
}

int16_t DistributeRows(TabCtlState& s, int16_t tab_count) {
    if (s.TabsPerRow > 0) {
        s.RowCapacity = std::min(s.TabsPerRow, tab_count);
        s.RowCount = RowsFor(tab_count, s.TabsPerRow);
        return rt::div16(tab_count, s.TabsPerRow);
    }
    s.RowCapacity = rt::add16(rt::div16(tab_count, s.RowCount), 1);
    return rt::mod16(tab_count, s.RowCount);
}

void LayoutTabs(ControlView& ctl, gdi::HDC dc) {
    TabCtlState& s = ctl.State();
    const int16_t n = ctl.Tabs()->Count();
    const int32_t row_length = RowLengthOf(ctl);
    if (s.TabRows != 0) {
        s.RowCapacity = RowsFor(n, s.TabRows);
        s.RowCount = s.TabRows;
    } else if (s.TabsPerRow != 0) {
        s.RowCapacity = s.TabsPerRow;
        s.RowCount = RowsFor(n, s.TabsPerRow);
    } else {
        s.RowCapacity = rt::to16(rt::div32(row_length, s.TabWidth));
        FitRowsToLength(ctl, row_length);
        // Not even one header fits: the headers keep the geometry of the last layout.
        if (s.RowCapacity == 0) return;
    }
    if (s.RowCapacity < 1) s.RowCapacity = 1;

    switch (s.TabJustification) {
    case vnJustifiedNone:
        LayoutEqualWidth(ctl);
        break;
    case vnJustifiedFitCaption:
        LayoutFitCaption(ctl, dc, row_length);
        break;
    case vnJustifiedProportional:
        LayoutProportional(ctl, rt::add32(rt::add32(row_length, s.TabActiveInflate), 1));
        break;
    case vnJustifiedByCaption:
        LayoutByCaption(ctl, dc, row_length);
        break;
    default:
        break;
    }
}

} // namespace vntab
