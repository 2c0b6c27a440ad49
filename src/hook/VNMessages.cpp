#include "hook/VNMessages.h"

#include "hook/VNWindow.h"
#include "hook/VNWindows.h"

namespace hook {

using rt::Variant;

const rt::MemberTable<VNMessages>& VNMessages::members() {
    using M = rt::Member<VNMessages>;
    static const auto table = MembersOf<VNMessages>(
        CommonMembers(), {
                             M{"Add", 1, nullptr, nullptr, nullptr,
                               [](VNMessages& l, std::span<const Variant> a) {
                                   return Variant(l.Add(GivenArg(a, 0), GivenArg(a, 1), GivenArg(a, 2),
                                                        GivenArg(a, 3), GivenArg(a, 4), GivenArg(a, 5)));
                               }},
                         });
    return table;
}

std::shared_ptr<VNMessage> VNMessages::Add(const rt::OptionalVariant& before, const rt::OptionalVariant& key,
                                           const rt::OptionalVariant& value, const rt::OptionalVariant& text,
                                           const rt::OptionalVariant& process_default_proc,
                                           const rt::OptionalVariant& process_type) {
    return AddItem(std::make_shared<VNMessage>(), before, [&](VNMessage& message) {
        if (key) message.SetKey(*key);
        if (value) message.SetValue(rt::CLng(*value));
        if (text) message.SetText(rt::CStr(*text));
        if (process_default_proc) message.SetProcessDefaultProc(rt::CBool(*process_default_proc));
        if (process_type) message.SetProcessType(rt::CLng(*process_type));
    });
}

std::shared_ptr<VNMessage> VNMessages::Find(int32_t value) const {
    for (const auto& message : items())
        if (message->Value() == value) return message;
    return nullptr;
}

void VNMessages::RaiseAdded(const std::shared_ptr<VNMessage>& message) {
    HookList::RaiseAdded(message);
    if (auto window = Window())
        if (auto windows = window->Parent()) windows->RaiseMessageAdded(message);
}

void VNMessages::RaiseRemoved(const std::shared_ptr<VNMessage>& message) {
    HookList::RaiseRemoved(message);
    if (auto window = Window())
        if (auto windows = window->Parent()) windows->RaiseMessageRemoved(message);
}

void VNMessages::RaiseChanged(const std::shared_ptr<VNMessage>& message, const std::string& property) {
    HookList::RaiseChanged(message, property);
    if (auto window = Window())
        if (auto windows = window->Parent()) windows->RaiseMessageChanged(message, property);
}

} // namespace hook
