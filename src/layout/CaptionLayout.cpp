#include "layout/CaptionPacking.h"
#include "layout/LayoutSteps.h"

#include "layout/Constants.h"
#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

namespace {

bool WindowsLook(const TabCtlState& s) {
    return s.DrawTab3DAppearance == 2;
}

// The next header starts after this one and the separation; in the Windows look neighbours share
// their outline pixel.
int32_t NextStart(const TabCtlState& s, int32_t start, int32_t length) {
    int32_t next = rt::add32(rt::add32(start, length), s.TabSeparation);
    return WindowsLook(s) ? rt::sub32(next, 1) : next;
}

// What a shaped header adds to a fitted caption: the corners of the shape the painters draw. The
// rounded corner of the Windows look is computed in floating point and rounded once.
int32_t AddFitStyleAllowance(const TabCtlState& s, int32_t length) {
    const bool default_corner = s.TabStyleWidth < 1;
    switch (s.TabStyle) {
    case vnTabChamfered:
        if (!default_corner) return rt::add32(length, rt::mul16(2, s.TabStyleWidth));
        return rt::add32(length, WindowsLook(s) ? 4 : 8);
    case vnTabRounded:
        if (WindowsLook(s)) {
            if (default_corner) return rt::clng(length + (s.TabHeight * 0.5 + 2.5) * 0.2 * 5.0);
            return rt::clng(length + s.TabStyleWidth * 0.5);
        }
        if (!default_corner) return rt::add32(length, s.TabStyleWidth);
        return rt::add32(length, rt::mul32(rt::div32(rt::clng(s.TabHeight * 0.5), 5), 5));
    case vnTabSlanted:
        return rt::add32(length, default_corner ? s.TabHeight : rt::mul16(2, s.TabStyleWidth));
    default:
        return length;
    }
}

// A header that just fits its caption: the caption, the margins the painters leave around it, the
// shape's corners, and a picture beside the caption. The picture is laid next to the text with no
// gap (the text renderer moves the text block by exactly the picture's size), so its allowance is
// its size along the row, with no margin of its own.
int32_t FitCaptionLength(const ControlView& ctl, const VNTab& tab, int32_t caption_width) {
    int32_t length = AddFitStyleAllowance(ctl.State(), rt::add32(caption_width, 8));
    return rt::add32(length, SidePictureLength(ctl, tab, RowsRunDown(ctl.State().Orientation)));
}

} // namespace

// Every header just fits its caption; the rows are not filled.
void LayoutFitCaption(ControlView& ctl, gdi::HDC dc, int32_t row_length) {
    const std::vector<int32_t> widths = MeasureCaptions(ctl, dc);
    const std::vector<PackedRow> rows = PackCaptionRows(ctl, widths, row_length);
    const TabCtlState& s = ctl.State();
    for (size_t r = 0; r < rows.size(); ++r) {
        const int16_t row = static_cast<int16_t>(r);
        int32_t start = RowStart(s, row);
        for (int32_t i = rows[r].first; i < rows[r].first + rows[r].headers; ++i) {
            const int32_t length =
                FitCaptionLength(ctl, *ctl.Tabs()->at(i), widths[static_cast<size_t>(i - 1)]);
            StoreHeader(ctl, i, row, start, length);
            start = NextStart(s, start, length);
        }
    }
}

// Every header fits its caption plus an equal share of what the row leaves over; the last header of
// each row reaches exactly to the row end.
void LayoutByCaption(ControlView& ctl, gdi::HDC dc, int32_t row_length) {
    const std::vector<int32_t> widths = MeasureCaptions(ctl, dc);
    const std::vector<PackedRow> rows = PackCaptionRows(ctl, widths, row_length);
    const TabCtlState& s = ctl.State();
    const int32_t far_end = rt::add32(rt::add32(row_length, s.TabActiveInflate), 1);
    const int32_t margin = WindowsLook(s) ? 6 : 7;
    for (size_t r = 0; r < rows.size(); ++r) {
        const PackedRow& packed = rows[r];
        if (packed.headers < 1) continue;
        const int16_t row = static_cast<int16_t>(r);
        const float share = static_cast<float>(static_cast<double>(packed.leftover) / packed.headers);
        const int32_t last = packed.first + packed.headers - 1;
        int32_t start = RowStart(s, row);
        for (int32_t i = packed.first; i < last; ++i) {
            const int32_t length = rt::clng(double{share} + widths[static_cast<size_t>(i - 1)] + margin);
            StoreHeader(ctl, i, row, start, length);
            start = NextStart(s, start, length);
        }
        StoreHeader(ctl, last, row, start, rt::sub32(RowEnd(s, far_end, row), start));
    }
}

} // namespace vntab
