#include "layout/CaptionPacking.h"

#include "layout/LayoutSteps.h"
#include "layout/TabLayout.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/Variant.h"
#include "platform/host/ControlSite.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <algorithm>
#include <limits>

namespace vntab {

int32_t SidePictureLength(const ControlView& ctl, const VNTab& tab, bool down_the_side) {
    const TabCtlState& s = ctl.State();
    if (s.TabPictureAlign != vnPictLeftOfText && s.TabPictureAlign != vnPictRightOfText) return 0;
    if (!tab.Picture()) return 0;
    // Picture sizes are HIMETRIC; the container converts them to pixels.
    const host::ControlSite& site = ctl.Site();
    if (down_the_side)
        return rt::clng(
            site.ScaleY(rt::CDbl(tab.Picture()->Get("Height")), host::vbHimetric, host::vbPixels));
    return rt::clng(site.ScaleX(rt::CDbl(tab.Picture()->Get("Width")), host::vbHimetric, host::vbPixels));
}

namespace {

// What a shaped header needs beyond its caption when rows are packed: chamfers and slants cut into
// both ends, a rounded corner into one.
int32_t PackingStyleAllowance(const TabCtlState& s) {
    const bool default_corner = s.TabStyleWidth < 1;
    switch (s.TabStyle) {
    case vnTabChamfered:
        return default_corner ? 4 : rt::mul16(2, s.TabStyleWidth);
    case vnTabRounded:
        return default_corner ? rt::mul32(rt::div32(s.TabHeight, 10), 5) : s.TabStyleWidth;
    case vnTabSlanted:
        return default_corner ? s.TabHeight : rt::mul16(2, s.TabStyleWidth);
    default:
        return 0;
    }
}

int32_t PackingLength(const ControlView& ctl, const VNTab& tab, int32_t caption_width) {
    int32_t length = rt::add32(caption_width, 5);
    length = rt::add32(length, SidePictureLength(ctl, tab, false));
    return rt::add32(length, PackingStyleAllowance(ctl.State()));
}

// TabsPerRow fixes the rows: every row holds TabsPerRow headers, the last one the rest. Each row's
// leftover comes from a walk over the tabs that subtracts every caption that still fits; a caption
// that does not fit ends the row's walk, and the next row's walk starts with it.
std::vector<PackedRow> PackFixedRows(ControlView& ctl, std::span<const int32_t> caption_widths,
                                     int32_t row_length) {
    TabCtlState& s = ctl.State();
    const int32_t n = static_cast<int32_t>(caption_widths.size());
    s.RowCapacity = s.TabsPerRow;
    s.RowCount = rt::add16(rt::div16(rt::sub16(n, 1), s.TabsPerRow), 1);
    const int32_t margin = s.DrawTab3DAppearance == 2 ? 6 : 7;

    std::vector<PackedRow> rows;
    int32_t walk = 1;
    for (int32_t first = 1; first <= n; first += s.TabsPerRow) {
        PackedRow row{first, static_cast<int16_t>(std::min<int32_t>(s.TabsPerRow, n - first + 1)),
                      row_length};
        for (int32_t column = 0; column < s.TabsPerRow && walk <= n; ++column) {
            const int32_t length = rt::add32(caption_widths[static_cast<size_t>(walk - 1)], margin);
            if (row.leftover < length) break;
            row.leftover = rt::sub32(row.leftover, length);
            ++walk;
        }
        rows.push_back(row);
    }
    return rows;
}

// Rows from a row count (TabRows, or the automatic one): headers go into a row until it holds its
// capacity or the next one would reach the usable length with the separations so far. A header too
// long for any row still takes a row of its own.
//
// Captions can pack into more rows than RowCount. The packed rows are kept and RowCount grows to
// their number, so every header stays within a row of its own length instead of being squeezed into
// the last row past its end. RowCount never shrinks here: rows that get no tab (three tabs in five
// rows) stay empty, as with the other justifications.
std::vector<PackedRow> PackCountedRows(ControlView& ctl, std::span<const int32_t> caption_widths,
                                       int32_t row_length) {
    TabCtlState& s = ctl.State();
    const int32_t n = static_cast<int32_t>(caption_widths.size());
    // The rows, from row 0, allowed RowCapacity headers; the rows after them one fewer.
    int32_t full_rows = std::numeric_limits<int32_t>::max();
    if (s.TabRows >= 1) {
        s.RowCount = s.TabRows;
        s.RowCapacity = rt::add16(rt::div16(rt::sub16(n, 1), s.TabRows), 1);
        full_rows = rt::sub16(n, rt::mul16(s.RowCount, rt::sub16(s.RowCapacity, 1)));
    }
    const int32_t row_room = rt::sub32(row_length, rt::mul32(rt::sub16(s.RowCount, 1), s.TabRowOffset));
    const int32_t usable = rt::sub32(row_room, 5);
    auto capacity = [&](size_t row) {
        return static_cast<int64_t>(row) < full_rows ? s.RowCapacity : s.RowCapacity - 1;
    };

    std::vector<PackedRow> rows;
    PackedRow row{1, 0, 0};
    int32_t packed = 0; // the packing lengths of the row's headers so far
    auto close_row = [&] {
        row.leftover = rt::sub32(row_room, packed);
        rows.push_back(row);
    };
    for (int32_t i = 1; i <= n; ++i) {
        const int32_t length =
            PackingLength(ctl, *ctl.Tabs()->at(i), caption_widths[static_cast<size_t>(i - 1)]);
        if (row.headers > 0) {
            const int32_t needed =
                rt::add32(rt::add32(packed, length), rt::mul16(s.TabSeparation, row.headers));
            if (row.headers >= capacity(rows.size()) || needed >= usable) {
                close_row();
                row = PackedRow{i, 0, 0};
                packed = 0;
            }
        }
        row.headers = rt::add16(row.headers, 1);
        packed = rt::add32(packed, length);
    }
    close_row();
    if (static_cast<int32_t>(rows.size()) > s.RowCount)
        s.RowCount = rt::to16(static_cast<int32_t>(rows.size()));
    return rows;
}

} // namespace

std::vector<PackedRow> PackCaptionRows(ControlView& ctl, std::span<const int32_t> caption_widths,
                                       int32_t row_length) {
    if (ctl.State().TabsPerRow >= 1) return PackFixedRows(ctl, caption_widths, row_length);
    return PackCountedRows(ctl, caption_widths, row_length);
}

} // namespace vntab
