#include "control/ByRefEvent.h"
#include "control/VNTabCtl.h"

#include "layout/HitTest.h"

// The mouse: presses on headers select tabs, and every mouse event reaches the host program with
// its arguments by reference. The press is reported before the header under it is looked for, so a
// handler that changes Button, x or y redirects or suppresses the selection.
namespace vntab {

using rt::Variant;

namespace {

constexpr int16_t kLeftButton = 1;

void RaiseMouseEvent(host::ControlSite& site, std::string_view name, int16_t& button, int16_t& shift,
                     float& x, float& y) {
    RaiseByRef(site, name, Ref("Button", button), Ref("Shift", shift), Ref("x", x), Ref("y", y));
}

} // namespace

bool VNTabCtl::RaiseBeforeTabChanged() {
    bool cancel = false;
    // The handler sees the active tab; what it leaves in PreviousTab does not change it.
    int16_t previous = m_state.TabActive;
    RaiseByRef(m_site, "BeforeTabChanged", Ref("Cancel", cancel), Ref("PreviousTab", previous));
    return cancel;
}

void VNTabCtl::RaiseAfterTabChanged() {
    int16_t tab = m_state.TabActive;
    RaiseByRef(m_site, "AfterTabChanged", Ref("NewTab", tab));
}

void VNTabCtl::HitTest(int16_t button, int16_t, float x, float y) {
    // The left button alone; a chord of buttons selects nothing.
    if (button != kLeftButton) return;
    const HeaderHit hit = HeaderUnderPoint(*this, x, y);
    if (!hit.on_strip) return;
    // A press between headers keeps the tab chosen before; it is still committed below, and a
    // commit to the active tab does nothing.
    if (hit.tab != 0) {
        m_state.PendingTab = Variant(hit.tab);
        Changed("TabActive");
    }
    // A running control that lacks the focus switches when the click completes or the focus
    // arrives, whichever comes first; the designer's clicks switch at once.
    if (!m_state.HasFocus && UserMode()) {
        m_state.TabChangePending = true;
        return;
    }
    CommitTabChange();
}

void VNTabCtl::CommitTabChange() {
    if (m_state.PendingTab.is_empty()) return;
    const int16_t pending = rt::CInt(m_state.PendingTab);
    if (pending <= 0 || pending == m_state.TabActive) return;
    // A tab removed since the press has no page to switch to.
    if (pending > TabCount()) return;
    SyncActiveTabControls();
    if (RaiseBeforeTabChanged()) return;
    HideTabControls();
    m_state.TabActive = pending;
    RepaintControl();
    ShowTabControls();
    RaiseAfterTabChanged();
}

void VNTabCtl::CommitPendingTabChange() {
    if (!m_state.TabChangePending) return;
    // Cleared first: a tab-change handler that moves the focus must not start the same switch again.
    m_state.TabChangePending = false;
    CommitTabChange();
}

void VNTabCtl::MouseDown(int16_t button, int16_t shift, float x, float y) {
    RaiseMouseEvent(m_site, "MouseDown", button, shift, x, y);
    HitTest(button, shift, x, y);
}

void VNTabCtl::MouseMove(int16_t button, int16_t shift, float x, float y) {
    RaiseMouseEvent(m_site, "MouseMove", button, shift, x, y);
}

void VNTabCtl::MouseUp(int16_t button, int16_t shift, float x, float y) {
    CommitPendingTabChange();
    RaiseMouseEvent(m_site, "MouseUp", button, shift, x, y);
}

void VNTabCtl::Click() {
    CommitPendingTabChange();
    m_site.RaiseEvent("Click");
}

void VNTabCtl::DblClick() {
    m_site.RaiseEvent("DblClick");
}

} // namespace vntab
