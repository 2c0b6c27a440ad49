#pragma once

#include "hook/HookList.h"
#include "hook/VNMessage.h"

#include <memory>

namespace hook {

class VNWindow;

// The messages a hook watches on one window, in order, each reachable by position or key. Besides
// its own events, the list's additions, removals and changes reach the window list its window is in
// (MessageAdded, MessageRemoved, MessageChanged).
class VNMessages final : public HookList<VNMessages, VNMessage> {
public:
    VNMessages() : HookList("VNMessages") {}
    static std::shared_ptr<VNMessages> Create() { return std::make_shared<VNMessages>(); }

    // Every argument is optional. Before: a position or key to insert at, else the message goes
    // last. The number and key are checked against the list ("Message already exists.", "Key
    // already exists."); a failure adds nothing. Raises Added.
    std::shared_ptr<VNMessage> Add(const rt::OptionalVariant& before = std::nullopt,
                                   const rt::OptionalVariant& key = std::nullopt,
                                   const rt::OptionalVariant& value = std::nullopt,
                                   const rt::OptionalVariant& text = std::nullopt,
                                   const rt::OptionalVariant& process_default_proc = std::nullopt,
                                   const rt::OptionalVariant& process_type = std::nullopt);

    // The first message with this number, or null.
    std::shared_ptr<VNMessage> Find(int32_t value) const;

    // The window the list belongs to; nothing once the window is gone.
    std::shared_ptr<VNWindow> Window() const { return m_window.lock(); }
    void SetWindow(std::weak_ptr<VNWindow> window) { m_window = std::move(window); }

    std::string TypeName() const override { return "VNMessages"; }
    static const rt::MemberTable<VNMessages>& members();

private:
    void RaiseAdded(const std::shared_ptr<VNMessage>& message) override;
    void RaiseRemoved(const std::shared_ptr<VNMessage>& message) override;
    void RaiseChanged(const std::shared_ptr<VNMessage>& message, const std::string& property) override;

    std::weak_ptr<VNWindow> m_window;
};

} // namespace hook
