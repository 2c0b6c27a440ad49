#include "control/HelpFile.h"
#include "control/VNTabCtl.h"

#include "layout/TabLayout.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "render/DrawTab.h"
#include "render/RedrawSurface.h"
#include "tabs/VNTabs.h"

namespace vntab {

void VNTabCtl::Paint() {
    if (m_state.Busy) return;
    if (!m_state.Bound) FirstPaint();
    RepaintControl();
}

// A loaded control finds the controls its saved records name once the container has created
// them, which is by its first paint; until the binding succeeds, every paint tries again.
void VNTabCtl::FirstPaint() {
    // The designer's help shows the control's own help; a running program keeps its own.
    m_site.SetHelpFile(UserMode() ? std::string() : DesignTimeHelpFile());
    const std::vector<std::shared_ptr<rt::Dispatch>> contained = ContainedControls();
    if (CountContainedControls() >= 1 && m_state.TabActive >= 1) {
        m_tabs->BindControls(contained);
        // Records that found no control stay unbound; the control works with those bound so far.
        m_state.Bound = true;
        ShowTabControls();
    }
    ReportUnboundRecords(contained);
}

void VNTabCtl::ReportUnboundRecords(std::span<const std::shared_ptr<rt::Dispatch>> contained) {
    if (m_records_reported) return;
    m_records_reported = true;
    std::string stopped_at;
    for (const VNTabs::UnboundRecord& record : m_tabs->UnboundRecords(contained)) {
        if (!record.control_exists) {
            m_site.ReportSavedValue(record.saved_key, "no control on it is named " + record.control +
                                                          "; the record is kept, with no control to show");
            if (stopped_at.empty()) stopped_at = record.saved_key;
        } else if (!stopped_at.empty()) {
            m_site.ReportSavedValue(record.saved_key,
                                    record.control +
                                        " stays out of view: records are bound in order, and "
                                        "binding stopped at " +
                                        stopped_at + ", which finds no control");
        }
    }
}

// The full redraw. It lays the headers out again from scratch, draws the control off-screen and
// copies the result to the window in one transfer, so a partly drawn state is never seen. It draws
// nothing at all while there is nothing to draw: no tabs, no active tab, an empty client area,
// properties not yet given (TabWidth 0), or a bulk rearrangement under way (busy). An error in the
// layout or the drawing (an overflow in a coordinate) stops the redraw before the copy, so the
// window keeps what it showed, and reaches the caller.
void VNTabCtl::DrawControl() {
    const double width = m_site.ScaleWidth();
    const double height = m_site.ScaleHeight();
    if (TabCount() == 0 || m_state.TabWidth == 0 || m_state.Busy || m_state.TabActive == 0 || width == 0.0 ||
        height == 0.0)
        return;
    ++m_redraws.full_redraws;

    {
        render::RedrawSurface surface(m_site.hDC(), rt::clng(width), rt::clng(height));
        LayoutForRedraw(*this, surface.dc().m_hdc);
        render::PaintControl(*this, surface.dc(), surface.width(), surface.height());
        surface.CopyToWindow();
    }

    // Controls that paint on the control's own surface were just covered by the new drawing.
    if (m_state.Bound) {
        try {
            RefreshWindowlessControls();
        } catch (const rt::AutomationError&) {
            // A control that cannot refresh shows again at its next paint.
        }
    }
}

} // namespace vntab
