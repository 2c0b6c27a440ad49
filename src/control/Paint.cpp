#include "control/HelpFile.h"
#include "control/VNTabCtl.h"

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
    if (CountContainedControls() < 1 || m_state.TabActive < 1) return;
    m_tabs->BindControls(ContainedControls());
    // Records that found no control stay unbound; the control works with those bound so far.
    m_state.Bound = true;
    ShowTabControls();
}

} // namespace vntab
