#include "control/VNTabCtl.h"

#include "platform/gdi/Gdi.h"

namespace vntab {

// Only TrueType faces turn with an escapement; a bitmap face draws a sideways caption upright.
// The caption font is selected into the control's DC the way the container selects the control's
// own font, its metrics read, and the control's font selected again.
bool VNTabCtl::CaptionFontIsTrueType() const {
    const auto& font = m_state.TabCaptionFont;
    if (!font) return true;
    auto previous = m_site.Font();
    m_site.SetFont(font);
    gdi::TEXTMETRICA metrics;
    bool measured = gdi::GetTextMetricsA(m_site.hDC(), &metrics);
    m_site.SetFont(previous);
    return measured && (metrics.tmPitchAndFamily & gdi::TMPF_TRUETYPE) != 0;
}

} // namespace vntab
