#pragma once

#include "hook/HookList.h"
#include "hook/VNWindow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace host {
class PropertyBag;
}

namespace hook {

class VNMessage;

// The windows one hook watches, in order, each reachable by position or key, and whether the hook
// has its subclassing switched on. Besides its own events it passes on those of its windows'
// message lists, and it raises CallBack from the hook window procedure for every watched message.
class VNWindows final : public HookList<VNWindows, VNWindow> {
public:
    VNWindows() : HookList("VNWindows") {}
    static std::shared_ptr<VNWindows> Create() { return std::make_shared<VNWindows>(); }

    // Every argument is optional. Before: a position or key to insert at, else the window goes
    // last. The key is checked against the list ("Key already exists."); a failure adds nothing.
    // Adding does not hook the window: the next switch of the hook's subclassing does. Raises Added.
    std::shared_ptr<VNWindow> Add(const rt::OptionalVariant& before = std::nullopt,
                                  const rt::OptionalVariant& key = std::nullopt,
                                  const rt::OptionalVariant& name = std::nullopt,
                                  const rt::OptionalVariant& subclass_hwnd = std::nullopt);

    // The message lists' events, passed on.
    std::function<void(const std::shared_ptr<VNMessage>&)> MessageAdded;
    std::function<void(const std::shared_ptr<VNMessage>&)> MessageRemoved;
    std::function<void(const std::shared_ptr<VNMessage>&, const std::string& property)> MessageChanged;
    // A watched message arrived; the handler may clear ProcessDefaultProc to keep it from the
    // window's own procedure.
    std::function<void(int32_t hWnd, int32_t Msg, int32_t wParam, int32_t lParam, bool& ProcessDefaultProc)>
        CallBack;

    void RaiseMessageAdded(const std::shared_ptr<VNMessage>& message);
    void RaiseMessageRemoved(const std::shared_ptr<VNMessage>& message);
    void RaiseMessageChanged(const std::shared_ptr<VNMessage>& message, const std::string& property);
    void RaiseCallBack(int32_t hWnd, int32_t Msg, int32_t wParam, int32_t lParam, bool& ProcessDefaultProc);

    // Whether the hook's subclassing is on; only the hook changes it.
    bool SubclassOn() const { return m_subclass_on; }
    void SetSubclassOn(bool on) { m_subclass_on = on; }

    // The windows and their messages in a property bag: "NumWindows", then for window i
    // "WindowTag"i, "WindowKey"i, "WindowText"i (its Name), "WindowSubClassHwnd"i, "NumMessages" and
    // for its message j "Window"i"MessageTag"j, "...MessageKey"j, "...MessageText"j and
    // "...MessageValue"j. Reading appends what the bag holds to the list.
    void WriteProperties(host::PropertyBag& bag) const;
    void ReadProperties(host::PropertyBag& bag);

    std::string TypeName() const override { return "VNWindows"; }
    static const rt::MemberTable<VNWindows>& members();

private:
    bool m_subclass_on = false;
};

} // namespace hook
