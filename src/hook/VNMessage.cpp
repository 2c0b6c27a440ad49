#include "hook/VNMessage.h"

#include "hook/VNMessages.h"

namespace hook {

using rt::Variant;

const rt::MemberTable<VNMessage>& VNMessage::members() {
    using M = rt::Member<VNMessage>;
    static const auto table = MembersOf<VNMessage>(
        CommonMembers(),
        {
            // The default member (DISPID_VALUE).
            M{"Value", 0, [](VNMessage& m) { return Variant(m.Value()); },
              [](VNMessage& m, const Variant& v) { m.SetValue(rt::CLng(v)); }},
            M{"Text", 1, [](VNMessage& m) { return Variant(m.Text()); },
              [](VNMessage& m, const Variant& v) { m.SetText(rt::CStr(v)); }},
            M{"ProcessDefaultProc", 6, [](VNMessage& m) { return Variant(m.ProcessDefaultProc()); },
              [](VNMessage& m, const Variant& v) { m.SetProcessDefaultProc(rt::CBool(v)); }},
            M{"ProcessType", 7, [](VNMessage& m) { return Variant(m.ProcessType()); },
              [](VNMessage& m, const Variant& v) { m.SetProcessType(rt::CLng(v)); }},
        });
    return table;
}

void VNMessage::SetValue(int32_t value) {
    if (auto list = Parent(); list && list->Find(value))
        rt::raise_error(rt::kErrHookKeyExists, "VNMessage", "Message already exists.");
    m_value = value;
    Notify("Value");
}

void VNMessage::SetText(std::string text) {
    m_text = std::move(text);
    Notify("Text");
}

} // namespace hook
