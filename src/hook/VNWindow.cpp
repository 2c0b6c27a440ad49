#include "hook/VNWindow.h"

#include "hook/VNMessages.h"
#include "hook/VNWindows.h"

namespace hook {

using rt::Variant;

const rt::MemberTable<VNWindow>& VNWindow::members() {
    using M = rt::Member<VNWindow>;
    static const auto table = MembersOf<VNWindow>(
        CommonMembers(), {
                             // The default member (DISPID_VALUE).
                             M{"SubClassHwnd", 0, [](VNWindow& w) { return Variant(w.SubClassHwnd()); },
                               [](VNWindow& w, const Variant& v) { w.SetSubClassHwnd(rt::CLng(v)); }},
                             M{"Name", 1, [](VNWindow& w) { return Variant(w.Name()); },
                               [](VNWindow& w, const Variant& v) { w.SetName(rt::CStr(v)); }},
                             M{"Messages", 6, [](VNWindow& w) { return Variant(w.Messages()); }},
                         });
    return table;
}

std::shared_ptr<VNWindow> VNWindow::Create() {
    auto window = std::make_shared<VNWindow>();
    window->m_messages = VNMessages::Create();
    window->m_messages->SetWindow(window);
    return window;
}

void VNWindow::SetSubClassHwnd(int32_t hwnd) {
    m_subclass_hwnd = hwnd;
    Notify("SubClassHwnd");
}

void VNWindow::SetName(std::string name) {
    m_name = std::move(name);
    Notify("Name");
}

} // namespace hook
