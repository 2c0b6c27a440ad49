#include "Form.h"

#include "platform/automation/Dispatch.h"
#include "platform/user/Input.h"
#include "platform/user/Window.h"
#include "platform/user/WindowTree.h"

#include <algorithm>

namespace host {

namespace {

struct TabStop {
    int16_t tab_index;
    user::HWND hwnd;
};

// A control's TabIndex and TabStop as the container reads them; a kind without them (a frame, a
// label) is no stop, and neither is a control whose read raises, one that is hidden, or one whose
// Enabled is False.
std::optional<TabStop> tab_stop_of(FormControl& control) {
    if (!control.hwnd() || !user::IsWindowVisible(control.hwnd()) || !user::IsWindowEnabled(control.hwnd()))
        return std::nullopt;
    try {
        if (!rt::CBool(control.Get("TabStop")) || !rt::CBool(control.Get("Enabled"))) return std::nullopt;
        return TabStop{rt::CInt(control.Get("TabIndex")), control.hwnd()};
    } catch (const rt::AutomationError&) {
        return std::nullopt;
    }
}

} // namespace

user::HWND Form::TabToNextControl(bool backward) {
    std::vector<TabStop> stops;
    for (const auto& control : AllControls())
        if (auto stop = tab_stop_of(*control)) stops.push_back(*stop);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TabStop& a, const TabStop& b) { return a.tab_index < b.tab_index; });
    if (stops.empty()) return {};

    // The stop holding the focus: the focus window itself, or else the stop it lies inside (a
    // stop may hold others: the tab control holds the controls on its pages).
    const user::HWND focus = user::GetFocus();
    auto held = std::find_if(stops.begin(), stops.end(), [&](const TabStop& s) { return s.hwnd == focus; });
    if (held == stops.end())
        held = std::find_if(stops.begin(), stops.end(),
                            [&](const TabStop& s) { return user::IsChild(s.hwnd, focus); });
    const size_t count = stops.size();
    size_t at = held == stops.end() ? (backward ? 0 : count - 1) : size_t(held - stops.begin());
    // A stop that refuses the focus (a disabled container around it) is passed over.
    for (size_t tried = 0; tried < count; ++tried) {
        at = backward ? (at + count - 1) % count : (at + 1) % count;
        if (stops[at].hwnd != focus) user::SetFocus(stops[at].hwnd);
        if (user::GetFocus() == stops[at].hwnd) return stops[at].hwnd;
    }
    return {};
}

} // namespace host
