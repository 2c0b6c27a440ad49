#pragma once

#include "hook/HookList.h"

#include <cstdint>
#include <memory>
#include <string>

namespace hook {

class VNMessages;
class VNWindows;

// One window a hook watches: its handle (SubClassHwnd), a label (Name) and the messages watched on
// it. PrevWndProc is the window procedure that was in place when this entry hooked the window.
class VNWindow final : public ListItem<VNWindow, VNWindows> {
public:
    // A window entry with its empty message list.
    static std::shared_ptr<VNWindow> Create();

    int32_t SubClassHwnd() const { return m_subclass_hwnd; }
    // Takes effect at the next switch of the hook's subclassing, not at once.
    void SetSubClassHwnd(int32_t hwnd);
    const std::string& Name() const { return m_name; }
    void SetName(std::string name);
    const std::shared_ptr<VNMessages>& Messages() const { return m_messages; }

    // Used by the hooking: a 32-bit procedure value, as the window system hands it out.
    int32_t PrevWndProc() const { return m_prev_wnd_proc; }
    void SetPrevWndProc(int32_t proc) { m_prev_wnd_proc = proc; }

    std::string TypeName() const override { return "VNWindow"; }
    static const rt::MemberTable<VNWindow>& members();

private:
    int32_t m_subclass_hwnd = 0;
    std::string m_name;
    std::shared_ptr<VNMessages> m_messages;
    int32_t m_prev_wnd_proc = 0;
};

} // namespace hook
