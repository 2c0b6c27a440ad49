#pragma once

#include "hook/HookList.h"
#include "hook/VNWindows.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace hook {

// A message hook: the windows and messages it watches (Windows), whether it watches them now
// (Subclass) and the Message event, raised for every watched message as the window receives it.
// The hook's window list is registered from creation to destruction; destroying the hook switches
// it off, unhooks its windows and lets the list go.
class VNMsgHook final : public BoundMembers<VNMsgHook> {
public:
    // A hook with its window list registered and its events connected; always made this way.
    static std::shared_ptr<VNMsgHook> Create();
    VNMsgHook();
    ~VNMsgHook() override;
    VNMsgHook(const VNMsgHook&) = delete;
    VNMsgHook& operator=(const VNMsgHook&) = delete;

    const std::shared_ptr<VNWindows>& Windows() const { return m_windows; }
    bool Subclass() const { return m_windows->SubclassOn(); }
    // Stores the setting, then hooks (true) or unhooks (false) every window of the list.
    void SetSubclass(bool on);

    // The window (hWnd) got a watched message; the handler may change ProcessDefaultProc, preset
    // from the message's setting, to keep the message from the window's own procedure.
    std::function<void(int32_t hWnd, int32_t Msg, int32_t wParam, int32_t lParam, bool& ProcessDefaultProc)>
        Message;

    // Parts of message parameters; the divisions truncate toward zero.
    static int32_t LoByte(int32_t x) { return x & 0xFF; }
    static int32_t HiByte(int32_t x) { return (x / 0x100) & 0xFF; }
    static int32_t LoWord(int32_t x) { return x & 0xFFFF; }
    static int32_t HiWord(int32_t x) { return (x / 0x10000) & 0xFFFF; }

    std::string TypeName() const override { return "VNMsgHook"; }
    static const rt::MemberTable<VNMsgHook>& members();

private:
    std::shared_ptr<VNWindows> m_windows;
};

} // namespace hook
