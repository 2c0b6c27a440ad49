#include "hook/VNMsgHook.h"

#include "hook/MCallBack.h"

namespace hook {

using rt::Variant;

namespace {

template <int32_t (*Part)(int32_t)>
rt::Member<VNMsgHook> word_part(std::string_view name, int32_t dispid) {
    return rt::Member<VNMsgHook>{
        name, dispid, nullptr, nullptr, nullptr, [](VNMsgHook&, std::span<const Variant> a) {
            return Variant(Part(rt::CLng(rt::required_arg(a, 0))));
        }};
}

} // namespace

const rt::MemberTable<VNMsgHook>& VNMsgHook::members() {
    using M = rt::Member<VNMsgHook>;
    static const rt::MemberTable<VNMsgHook> table({
        M{"Windows", 1, [](VNMsgHook& h) { return Variant(h.Windows()); }},
        M{"Subclass", 2, [](VNMsgHook& h) { return Variant(h.Subclass()); },
          [](VNMsgHook& h, const Variant& v) { h.SetSubclass(rt::CBool(v)); }},
        word_part<&VNMsgHook::LoByte>("LoByte", 3),
        word_part<&VNMsgHook::HiByte>("HiByte", 4),
        word_part<&VNMsgHook::LoWord>("LoWord", 5),
        word_part<&VNMsgHook::HiWord>("HiWord", 6),
    });
    return table;
}

std::shared_ptr<VNMsgHook> VNMsgHook::Create() {
    auto created = std::make_shared<VNMsgHook>();
    // The list raises CallBack for the hook's windows; the hook raises it again as Message. A hook
    // that is going away hears nothing more.
    std::weak_ptr<VNMsgHook> weak = created;
    created->m_windows->CallBack = [weak](int32_t hWnd, int32_t Msg, int32_t wParam, int32_t lParam,
                                          bool& ProcessDefaultProc) {
        auto self = weak.lock();
        if (!self) return;
        if (auto handler = self->Message) handler(hWnd, Msg, wParam, lParam, ProcessDefaultProc);
    };
    return created;
}

VNMsgHook::VNMsgHook() : m_windows(VNWindows::Create()) {
    RegisterHookList(m_windows);
}

VNMsgHook::~VNMsgHook() {
    m_windows->SetSubclassOn(false);
    ApplySubclassing(*m_windows);
    UnregisterHookList(*m_windows);
    m_windows->Clear();
}

void VNMsgHook::SetSubclass(bool on) {
    m_windows->SetSubclassOn(on);
    ApplySubclassing(*m_windows);
}

} // namespace hook
