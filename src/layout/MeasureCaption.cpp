#include "layout/TabLayout.h"

#include "layout/CaptionPacking.h"
#include "layout/ControlView.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"
#include "text/CRenderText.h"
#include "text/CaptionFont.h"

namespace vntab {

namespace {

// The caption font at the DC's resolution, grown as the control's caption renderer grows its text.
text::CaptionMeasurer CaptionMeasurerOf(const ControlView& ctl, gdi::HDC dc) {
    const int32_t growth = ctl.Renderer().AdjustFor3DFont({}).CX;
    return text::CaptionMeasurer(dc, ctl.State().TabCaptionFont.get(), growth);
}

} // namespace

// A caption is measured as the caption renderer measures its text block: the caption without its
// access-key markers, in the caption font (the caption's point size at the DC's resolution)
// selected into `dc`. Without a caption font the DC's own font measures.
int32_t MeasureCaption(const ControlView& ctl, gdi::HDC dc, const VNTab& tab) {
    text::CaptionMeasurer measurer = CaptionMeasurerOf(ctl, dc);
    return measurer.Width(tab.Caption());
}

// One font for every caption, made once and kept selected while they are measured.
std::vector<int32_t> MeasureCaptions(const ControlView& ctl, gdi::HDC dc) {
    std::vector<int32_t> widths;
    const auto& tabs = ctl.Tabs()->tabs();
    if (tabs.empty()) return widths;
    widths.reserve(tabs.size());
    text::CaptionMeasurer measurer = CaptionMeasurerOf(ctl, dc);
    for (const auto& tab : tabs)
        widths.push_back(measurer.Width(tab->Caption()));
    return widths;
}

} // namespace vntab
