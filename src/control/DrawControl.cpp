#include "control/VNTabCtl.h"

#include "platform/automation/AutomationError.h"

namespace vntab {

// The full redraw. It lays the headers out again from scratch, draws the control off-screen and
// copies the result to the window in one transfer, so a partly drawn state is never seen. It draws
// nothing at all while there is nothing to draw: no tabs, no active tab, an empty client area,
// properties not yet given (TabWidth 0), or a bulk rearrangement under way (busy).
void VNTabCtl::DrawControl() {
    double width = m_site.ScaleWidth();
    double height = m_site.ScaleHeight();
    if (TabCount() == 0 || m_state.TabWidth == 0 || m_state.Busy || m_state.TabActive == 0 || width == 0.0 ||
        height == 0.0)
        return;
    ++m_redraws.full_redraws;

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
