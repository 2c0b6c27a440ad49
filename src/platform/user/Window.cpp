#include "platform/user/Window.h"

#include "platform/user/Errors.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Surface.h"
#include "platform/user/WindowOps.h"

#include <algorithm>

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

void notify_parent(HWND hwnd, UINT event) {
    Window* w = windows().find(hwnd);
    if (!w || !w->parent || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
    SendMessageA(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(int32_t(event), int32_t(w->id)), LPARAM(hwnd.value));
}

// WM_NCDESTROY to the descendants, deepest first, then to the window; then everything is freed.
void free_tree(HWND hwnd) {
    Window* w = windows().find(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        free_tree(child);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    w = windows().find(hwnd);
    if (!w) return;
    detail::unlink(*w, hwnd);
    detail::destroy_surface(*w);
    std::erase_if(windows().posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    if (windows().focus == hwnd) windows().focus = {};
    if (windows().capture == hwnd) windows().capture = {};
    windows().erase(hwnd);
}

// WM_DESTROY to the window, then to its descendants, parents before their children.
void send_destroy(HWND hwnd) {
    Window* w = windows().find(hwnd);
    if (!w) return;
    w->destroying = true;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    w = windows().find(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        send_destroy(child);
}

// A window to make: what its WindowParams says, with what CreateWindowExA adds.
struct Creation {
    const WindowParams& window;
    const char* text;      // as WM_CREATE sees it: null for CreateWindowExA without a name
    const char* className; // the registered class, null for a window made from a WindowParams
    uintptr_t instance;
};

// The window in the table with its surface, placed in the tree; 0 (with the last error) when it
// cannot be made.
HWND allocate(const Creation& c) {
    const WindowParams& params = c.window;
    if (params.parent && !window_of(params.parent)) return {};
    const HWND hwnd = windows().insert();
    if (!hwnd) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return {};
    }
    Window& w = *windows().find(hwnd);
    w.parent = params.parent;
    w.x = params.x;
    w.y = params.y;
    w.width = std::max(params.width, 0);
    w.height = std::max(params.height, 0);
    w.style = params.style;
    w.exStyle = params.exStyle;
    w.classStyle = params.classStyle;
    w.className = c.className ? c.className : "";
    w.proc = params.proc;
    w.background = params.background;
    w.id = params.id;
    w.instance = c.instance;
    w.text = c.text ? c.text : "";
    if (!detail::create_surface(w)) {
        windows().erase(hwnd);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return {};
    }
    detail::link(hwnd, params.parent);
    if (IsWindowVisible(hwnd)) detail::invalidate_client(w, true);
    return hwnd;
}

HWND create(const Creation& c) {
    const HWND hwnd = allocate(c);
    if (!hwnd) return {};
    const WindowParams& params = c.window;
    const Window& w = *windows().find(hwnd);
    // In CREATESTRUCTA's order; the size is the one the window got (negative sizes count as 0).
    CREATESTRUCTA cs{params.param, c.instance, params.id,    params.parent, w.height,    w.width,
                     params.y,     params.x,   params.style, c.text,        c.className, params.exStyle};
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        // A refused creation frees the window (and what it made) without WM_DESTROY.
        free_tree(hwnd);
        return {};
    }
    // Each message may destroy the window, so each step looks it up again.
    if (!IsWindow(hwnd)) return {};
    const Window& created = *windows().find(hwnd);
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(created.width, created.height));
    if (const Window* moved = windows().find(hwnd))
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(moved->x, moved->y));
    notify_parent(hwnd, WM_CREATE);
    return IsWindow(hwnd) ? hwnd : HWND{};
}

} // namespace

namespace detail {

bool set_visible(HWND hwnd, bool show, bool send_message) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    const bool was = (w->style & WS_VISIBLE) != 0;
    if (was == show) return was;
    if (send_message) {
        SendMessageA(hwnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
        w = windows().find(hwnd);
        if (!w) return was;
    }
    if (show) {
        w->style |= WS_VISIBLE;
        if (IsWindowVisible(hwnd)) invalidate_client(*w, true);
    } else {
        w->style &= ~WS_VISIBLE;
        take_focus_from_tree(hwnd, w->parent);
    }
    return was;
}

} // namespace detail

HWND CreateWindowExA(uint32_t exStyle, const char* className, const char* windowName, uint32_t style,
                     int32_t x, int32_t y, int32_t width, int32_t height, HWND parent, uintptr_t menuOrId,
                     uintptr_t instance, void* param) {
    const detail::WindowClass* found = detail::find_class(className);
    if (!found) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return {};
    }
    const WindowParams window{.proc = found->proc,
                              .style = style,
                              .exStyle = exStyle,
                              .classStyle = found->style,
                              .background = found->background,
                              .x = x,
                              .y = y,
                              .width = width,
                              .height = height,
                              .parent = parent,
                              .id = menuOrId,
                              .text = windowName ? windowName : "",
                              .param = param};
    return create({window, windowName, found->name.c_str(), instance});
}

HWND CreateWindow(const WindowParams& window) {
    if (!window.proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    return create({window, window.text.c_str(), nullptr, 0});
}

bool DestroyWindow(HWND hwnd) {
    Window* w = window_of(hwnd);
    if (!w || w->destroying) return false;
    w->destroying = true;
    notify_parent(hwnd, WM_DESTROY);
    if (!IsWindow(hwnd)) return true;
    // Only child windows hear WM_SHOWWINDOW as they go.
    detail::set_visible(hwnd, false, bool(w->parent));
    if (Window* still = windows().find(hwnd)) detail::take_focus_from_tree(hwnd, still->parent);
    send_destroy(hwnd);
    free_tree(hwnd);
    return true;
}

bool IsWindow(HWND hwnd) {
    return windows().find(hwnd) != nullptr;
}

bool EnableWindow(HWND hwnd, bool enable) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    const bool was_disabled = (w->style & WS_DISABLED) != 0;
    if (enable == !was_disabled) return was_disabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        if (!(w = windows().find(hwnd))) return was_disabled;
        w->style |= WS_DISABLED;
        // A disabled window, and anything inside it, cannot keep the keyboard focus.
        detail::take_focus_from_tree(hwnd, HWND{});
    }
    SendMessageA(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
    return was_disabled;
}

bool IsWindowEnabled(HWND hwnd) {
    const Window* w = window_of(hwnd);
    return w && !(w->style & WS_DISABLED);
}

bool ShowWindow(HWND hwnd, int command) {
    return detail::set_visible(hwnd, command != SW_HIDE, true);
}

bool IsWindowVisible(HWND hwnd) {
    const Window* w = windows().find(hwnd);
    if (!w) return false;
    for (; w; w = windows().find(w->parent))
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

bool SetWindowTextA(HWND hwnd, const char* text) {
    if (!window_of(hwnd)) return false;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

int GetWindowTextA(HWND hwnd, char* text, int size) {
    if (!window_of(hwnd) || !text || size <= 0) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND hwnd) {
    if (!window_of(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetDlgCtrlID(HWND hwnd) {
    const Window* w = window_of(hwnd);
    return w ? static_cast<int>(w->id) : 0;
}

} // namespace user
