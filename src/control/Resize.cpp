#include "control/BusyScope.h"
#include "control/VNTabCtl.h"

#include "platform/automation/Arithmetic.h"

namespace vntab {

// Whatever the orientation, the control is kept one header wide and one header high, with room for
// the active tab to grow. Setting the size makes the container report a resize again; the busy
// flag lets that one pass without a redraw.
void VNTabCtl::Resize() {
    if (m_state.Busy) return;
    const int32_t min_width = rt::add32(m_state.TabWidth, rt::mul16(2, m_state.TabActiveInflate));
    if (ToPixelsX(m_site.Width()) < min_width) {
        BusyScope busy(m_state.Busy);
        m_site.SetWidth(FromPixelsX(min_width));
    }
    const int32_t min_height = rt::add32(m_state.TabHeight, m_state.TabActiveInflate);
    if (ToPixelsY(m_site.Height()) < min_height) {
        BusyScope busy(m_state.Busy);
        m_site.SetHeight(FromPixelsY(min_height));
    }
    RepaintControl();
}

} // namespace vntab
