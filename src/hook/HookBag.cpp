#include "hook/VNMessages.h"
#include "hook/VNWindows.h"

#include "platform/host/PropertyBag.h"

#include <string>

// The property-bag form of a hook's lists. Key names carry their numbers in decimal, without
// spaces ("WindowKey1", "Window1MessageValue2"). The message count is kept under the one name
// "NumMessages" for every window, so a bag holds the count of the last window written.
namespace hook {

using rt::Variant;

namespace {

std::string Numbered(const char* name, int32_t n) {
    return name + std::to_string(n);
}
std::string MessageKey(int32_t window, const char* name, int32_t message) {
    return "Window" + std::to_string(window) + name + std::to_string(message);
}

} // namespace

void VNWindows::WriteProperties(host::PropertyBag& bag) const {
    bag.WriteProperty("NumWindows", Variant(Count()), Variant(0));
    for (int32_t i = 1; i <= Count(); ++i) {
        const VNWindow& window = *items()[static_cast<size_t>(i - 1)];
        bag.WriteProperty(Numbered("WindowTag", i), window.Tag(), Variant());
        bag.WriteProperty(Numbered("WindowKey", i), Variant(detail::KeyText(window.Key())), Variant(""));
        bag.WriteProperty(Numbered("WindowText", i), Variant(window.Name()), Variant(""));
        bag.WriteProperty(Numbered("WindowSubClassHwnd", i), Variant(window.SubClassHwnd()), Variant(0));
        const VNMessages& messages = *window.Messages();
        bag.WriteProperty("NumMessages", Variant(messages.Count()), Variant(0));
        for (int32_t j = 1; j <= messages.Count(); ++j) {
            const VNMessage& message = *messages.items()[static_cast<size_t>(j - 1)];
            bag.WriteProperty(MessageKey(i, "MessageTag", j), message.Tag(), Variant());
            bag.WriteProperty(MessageKey(i, "MessageKey", j), Variant(detail::KeyText(message.Key())),
                              Variant(""));
            bag.WriteProperty(MessageKey(i, "MessageText", j), Variant(message.Text()), Variant(""));
            bag.WriteProperty(MessageKey(i, "MessageValue", j), Variant(message.Value()), Variant(0));
        }
    }
}

void VNWindows::ReadProperties(host::PropertyBag& bag) {
    const int32_t windows = rt::CLng(bag.ReadProperty("NumWindows", Variant(0)));
    for (int32_t i = 1; i <= windows; ++i) {
        const Variant key = bag.ReadProperty(Numbered("WindowKey", i), Variant(""));
        auto window = Add(std::nullopt, key, bag.ReadProperty(Numbered("WindowText", i), Variant("")),
                          bag.ReadProperty(Numbered("WindowSubClassHwnd", i), Variant(0)));
        window->SetTag(bag.ReadProperty(Numbered("WindowTag", i), Variant()));
        const int32_t messages = rt::CLng(bag.ReadProperty("NumMessages", Variant(0)));
        for (int32_t j = 1; j <= messages; ++j) {
            auto message = window->Messages()->Add(
                std::nullopt, bag.ReadProperty(MessageKey(i, "MessageKey", j), Variant("")),
                bag.ReadProperty(MessageKey(i, "MessageValue", j), Variant(0)),
                bag.ReadProperty(MessageKey(i, "MessageText", j), Variant("")));
            message->SetTag(bag.ReadProperty(MessageKey(i, "MessageTag", j), Variant()));
        }
    }
}

} // namespace hook
