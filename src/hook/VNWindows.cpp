#include "hook/VNWindows.h"

#include "hook/VNMessages.h"

namespace hook {

using rt::Variant;

const rt::MemberTable<VNWindows>& VNWindows::members() {
    using M = rt::Member<VNWindows>;
    static const auto table =
        MembersOf<VNWindows>(CommonMembers(), {
                                                  M{"Add", 1, nullptr, nullptr, nullptr,
                                                    [](VNWindows& l, std::span<const Variant> a) {
                                                        return Variant(l.Add(GivenArg(a, 0), GivenArg(a, 1),
                                                                             GivenArg(a, 2), GivenArg(a, 3)));
                                                    }},
                                              });
    return table;
}

std::shared_ptr<VNWindow> VNWindows::Add(const rt::OptionalVariant& before, const rt::OptionalVariant& key,
                                         const rt::OptionalVariant& name,
                                         const rt::OptionalVariant& subclass_hwnd) {
    return AddItem(VNWindow::Create(), before, [&](VNWindow& window) {
        if (key) window.SetKey(*key);
        if (name) window.SetName(rt::CStr(*name));
        if (subclass_hwnd) window.SetSubClassHwnd(rt::CLng(*subclass_hwnd));
    });
}

void VNWindows::RaiseMessageAdded(const std::shared_ptr<VNMessage>& message) {
    if (auto handler = MessageAdded) handler(message);
}

void VNWindows::RaiseMessageRemoved(const std::shared_ptr<VNMessage>& message) {
    if (auto handler = MessageRemoved) handler(message);
}

void VNWindows::RaiseMessageChanged(const std::shared_ptr<VNMessage>& message, const std::string& property) {
    if (auto handler = MessageChanged) handler(message, property);
}

void VNWindows::RaiseCallBack(int32_t hWnd, int32_t Msg, int32_t wParam, int32_t lParam,
                              bool& ProcessDefaultProc) {
    if (auto handler = CallBack) handler(hWnd, Msg, wParam, lParam, ProcessDefaultProc);
}

} // namespace hook
