#include "control/ByRefEvent.h"
#include "control/VNTabCtl.h"

#include "layout/KeyTargets.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "tabs/AccessKey.h"

// The keyboard and the focus. The arrow keys step through the tabs, wrapping at both ends; an
// access key selects the next tab whose caption marks it. Every key event reaches the host
// program with its key code by reference, and the container sees what the handler left.
namespace vntab {

void VNTabCtl::KeyDown(int16_t& key_code, int16_t shift) {
    // The quick road: the arrow keys neither let the old page's controls record their state nor
    // report TabActive changed. A cancelled step swallows the key: the program gets no KeyDown.
    if (IsArrowKey(key_code)) {
        if (RaiseBeforeTabChanged()) return;
        HideTabControls();
        m_state.TabActive = ArrowKeyTarget(key_code, m_state.TabActive, TabCount());
        ShowTabControls();
        RaiseAfterTabChanged();
        RepaintControl();
    }
    RaiseByRef(m_site, "KeyDown", Ref("KeyCode", key_code), Ref("Shift", shift));
}

void VNTabCtl::KeyPress(int16_t& key_ascii) {
    RaiseByRef(m_site, "KeyPress", Ref("KeyAscii", key_ascii));
}

void VNTabCtl::KeyUp(int16_t& key_code, int16_t shift) {
    RaiseByRef(m_site, "KeyUp", Ref("KeyCode", key_code), Ref("Shift", shift));
}

void VNTabCtl::AccessKeyPress(int16_t key_ascii) {
    // "&" stands for the tabs that have no access key.
    if (key_ascii == kNoAccessKey) return;
    // The search starts after the active tab, so tabs that share a key take turns (binary
    // comparison: the key as the control registered it).
    const std::string key = rt::Chr(key_ascii);
    const int32_t after_active = rt::InStr(rt::add16(m_state.TabActive, 1), AccessKeys(), key);
    if (RaiseBeforeTabChanged()) return;
    // Past the last tab the search wraps to the first. A key no tab has would select tab 0, which
    // TabActive refuses (380); the container only delivers the keys the control registered.
    const int32_t target = after_active != 0 ? after_active : rt::InStr(1, AccessKeys(), key);
    SetTabActive(rt::to16(target));
    RaiseAfterTabChanged();
}

void VNTabCtl::GotFocus() {
    m_state.HasFocus = true;
    CommitPendingTabChange();
    RepaintControl();
}

void VNTabCtl::LostFocus() {
    m_state.HasFocus = false;
    RepaintControl();
}

} // namespace vntab
