#include "hook/MCallBack.h"

#include "hook/VNMessages.h"
#include "hook/VNWindows.h"

#include "platform/automation/AutomationError.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Props.h"
#include "platform/user/Window.h"

#include <algorithm>

namespace hook {

using namespace user;

namespace {

using Registry = std::vector<std::shared_ptr<VNWindows>>;

std::unique_ptr<Registry>& registry() {
    static thread_local std::unique_ptr<Registry> lists;
    return lists;
}

HWND window_of(int32_t handle) {
    return HWND{static_cast<uint32_t>(handle)};
}

int32_t read_count(HWND hwnd) {
    return static_cast<int32_t>(GetPropA(hwnd, kAddedPropsProperty));
}

// A 32-bit procedure value as the window system takes it back.
WNDPROC procedure(int32_t value) {
    return reinterpret_cast<WNDPROC>(static_cast<intptr_t>(value));
}

// The previous procedure, called at most once for one message: later entries that pass the same
// message on get the first call's result. An entry that never hooked the window has none (0).
class PassOn {
public:
    PassOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
        : m_hwnd(hwnd), m_msg(msg), m_wparam(wParam), m_lparam(lParam) {}

    LRESULT To(int32_t previous) {
        if (previous != 0 && !m_called) {
            m_result = CallWindowProcA(procedure(previous), m_hwnd, m_msg, m_wparam, m_lparam);
            m_called = true;
        }
        return m_result;
    }

private:
    HWND m_hwnd;
    UINT m_msg;
    WPARAM m_wparam;
    LPARAM m_lparam;
    bool m_called = false;
    LRESULT m_result = 0;
};

} // namespace

void RegisterHookList(std::shared_ptr<VNWindows> list) {
    if (!registry()) registry() = std::make_unique<Registry>();
    registry()->push_back(std::move(list));
}

void UnregisterHookList(const VNWindows& list) {
    if (!registry()) return;
    std::erase_if(*registry(), [&](const auto& entry) { return entry.get() == &list; });
}

bool HookListsExist() {
    return registry() != nullptr;
}

std::vector<std::shared_ptr<VNWindows>> HookLists() {
    return registry() ? *registry() : Registry{};
}

void ApplySubclassing(const VNWindows& list) {
    const std::vector<std::shared_ptr<VNWindow>> windows = list.items();
    for (const auto& window : windows) {
        if (list.SubclassOn())
            HookWindow(*window);
        else
            UnhookWindow(*window);
    }
}

void HookWindow(VNWindow& window) {
    const HWND hwnd = window_of(window.SubClassHwnd());
    const int32_t count = read_count(hwnd);
    int32_t previous = 0;
    if (count != 0) {
        previous = static_cast<int32_t>(GetPropA(hwnd, kPrevWndProcProperty));
    } else {
        // The 32-bit form of the procedure in place, as a handle the window system takes back.
        previous = GetWindowLongA(hwnd, GWL_WNDPROC);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookWndProc));
        SetPropA(hwnd, kPrevWndProcProperty, previous);
    }
    window.SetPrevWndProc(previous);
    SetPropA(hwnd, kAddedPropsProperty, count + 1);
}

void UnhookWindow(VNWindow& window) {
    const HWND hwnd = window_of(window.SubClassHwnd());
    const int32_t count = read_count(hwnd);
    if (count == 1) {
        SetWindowLongA(hwnd, GWL_WNDPROC, window.PrevWndProc());
        RemovePropA(hwnd, kPrevWndProcProperty);
        RemovePropA(hwnd, kAddedPropsProperty);
    } else if (count > 1) {
        SetPropA(hwnd, kAddedPropsProperty, count - 1);
    }
}

LRESULT HookWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!HookListsExist()) return ForwardUnhooked(hwnd, msg, wParam, lParam);
    if (!IsWindow(hwnd)) return 0;
    // The event carries 32-bit values; the previous procedure gets the message as it came.
    const int32_t handle = static_cast<int32_t>(hwnd.value);
    const int32_t number = static_cast<int32_t>(msg);
    const int32_t wparam32 = static_cast<int32_t>(wParam);
    const int32_t lparam32 = static_cast<int32_t>(lParam);
    PassOn pass_on(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    bool watched = false;
    bool error_pending = false;
    for (const auto& list : HookLists()) {
        // A hook whose subclassing is off watches nothing, wherever it stands in the registry.
        if (!list->SubclassOn() || error_pending) continue;
        const std::vector<std::shared_ptr<VNWindow>> windows = list->items();
        for (const auto& window : windows) {
            if (window->SubClassHwnd() != handle) continue;
            watched = true;
            const int32_t previous = window->PrevWndProc();
            const std::shared_ptr<VNMessage> message = window->Messages()->Find(number);
            if (!message) {
                result = pass_on.To(previous);
                continue;
            }
            bool process_default = message->ProcessDefaultProc();
            const int32_t type = message->ProcessType();
            if (process_default && type == 1) result = pass_on.To(previous);
            try {
                list->RaiseCallBack(handle, number, wparam32, lparam32, process_default);
            } catch (const rt::AutomationError&) {
                error_pending = true;
            }
            if (process_default && type == 0) result = pass_on.To(previous);
        }
    }
    // An entry that moved to another window, or a hook switched off while the window still counts
    // an entry, leaves the window with this procedure: it goes on working as before.
    if (!watched) {
        const int32_t previous = static_cast<int32_t>(GetPropA(hwnd, kPrevWndProcProperty));
        result = pass_on.To(previous);
    }
    return result;
}

LRESULT ForwardUnhooked(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int32_t previous = static_cast<int32_t>(GetPropA(hwnd, kPrevWndProcProperty));
    RemovePropA(hwnd, kAddedPropsProperty);
    if (previous == 0) return 0;
    SetWindowLongA(hwnd, GWL_WNDPROC, previous);
    RemovePropA(hwnd, kPrevWndProcProperty);
    return CallWindowProcA(procedure(previous), hwnd, msg, wParam, lParam);
}

} // namespace hook
