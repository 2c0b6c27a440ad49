#include "platform/user/Window.h"

#include "platform/user/Errors.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/ProcHandles.h"
#include "platform/user/Surface.h"
#include "platform/user/WindowOps.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

detail::WindowClass* find_class(const char* name) {
    if (!name) return nullptr;
    for (detail::WindowClass& c : windows().classes)
        if (strcasecmp(c.name.c_str(), name) == 0) return &c;
    return nullptr;
}

void unlink(Window& w, HWND hwnd) {
    std::vector<HWND>& list = detail::siblings_of(w);
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

// Children go to the bottom of their siblings, top-level windows to the top.
void link(HWND hwnd, HWND parent) {
    if (Window* p = windows().find(parent))
        p->children.push_back(hwnd);
    else
        windows().topLevel.insert(windows().topLevel.begin(), hwnd);
}

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
    unlink(*w, hwnd);
    detail::destroy_surface(*w);
    std::erase_if(windows().posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    if (windows().focus == hwnd) windows().focus = {};
    if (windows().capture == hwnd) windows().capture = {};
    windows().erase(hwnd);
}

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

struct Creation {
    uint32_t exStyle = 0;
    uint32_t style = 0;
    uint32_t classStyle = 0;
    WNDPROC proc = nullptr;
    gdi::HBRUSH background;
    const char* className = nullptr;
    const char* text = nullptr;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    HWND parent;
    uintptr_t id = 0;
    uintptr_t instance = 0;
    void* param = nullptr;
};

HWND create(const Creation& c) {
    if (c.parent && !window_of(c.parent)) return {};
    const HWND hwnd = windows().insert();
    if (!hwnd) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return {};
    }
    Window& w = *windows().find(hwnd);
    w.parent = c.parent;
    w.x = c.x;
    w.y = c.y;
    w.width = std::max(c.width, 0);
    w.height = std::max(c.height, 0);
    w.style = c.style;
    w.exStyle = c.exStyle;
    w.classStyle = c.classStyle;
    w.className = c.className ? c.className : "";
    w.proc = c.proc;
    w.background = c.background;
    w.id = c.id;
    w.instance = c.instance;
    w.text = c.text ? c.text : "";
    if (!detail::create_surface(w)) {
        windows().erase(hwnd);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return {};
    }
    link(hwnd, c.parent);
    if (IsWindowVisible(hwnd)) detail::invalidate_client(w, true);

    CREATESTRUCTA cs;
    cs.lpCreateParams = c.param;
    cs.hInstance = c.instance;
    cs.hMenu = c.id;
    cs.hwndParent = c.parent;
    cs.cy = w.height;
    cs.cx = w.width;
    cs.y = c.y;
    cs.x = c.x;
    cs.style = c.style;
    cs.lpszName = c.text;
    cs.lpszClass = c.className;
    cs.dwExStyle = c.exStyle;
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        // A refused creation frees the window (and what it made) without WM_DESTROY.
        free_tree(hwnd);
        return {};
    }
    if (!IsWindow(hwnd)) return {};
    const Window& created = *windows().find(hwnd);
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(created.width, created.height));
    if (const Window* moved = windows().find(hwnd))
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(moved->x, moved->y));
    notify_parent(hwnd, WM_CREATE);
    return IsWindow(hwnd) ? hwnd : HWND{};
}

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
        if (IsWindowVisible(hwnd)) detail::invalidate_client(*w, true);
    } else {
        w->style &= ~WS_VISIBLE;
        detail::take_focus_from_tree(hwnd, w->parent);
    }
    return was;
}

// The rectangle of a child in its parent's client coordinates.
gdi::RECT rect_in_parent(const Window& w) {
    return {w.x, w.y, w.x + w.width, w.y + w.height};
}

bool contains(const gdi::RECT& r, gdi::POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool move_in_z_order(HWND hwnd, HWND insertAfter) {
    Window* w = windows().find(hwnd);
    std::vector<HWND>& list = detail::siblings_of(*w);
    if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM &&
        (insertAfter == hwnd || std::find(list.begin(), list.end(), insertAfter) == list.end())) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    if (insertAfter == HWND_TOP)
        list.insert(list.begin(), hwnd);
    else if (insertAfter == HWND_BOTTOM)
        list.push_back(hwnd);
    else
        list.insert(std::find(list.begin(), list.end(), insertAfter) + 1, hwnd);
    return true;
}

void resize(HWND hwnd, int32_t width, int32_t height, bool redraw) {
    Window& w = *windows().find(hwnd);
    const int32_t old_width = w.width;
    const int32_t old_height = w.height;
    w.width = width;
    w.height = height;
    detail::resize_surface(w, width, height);
    w.update.clip({0, 0, width, height});
    if (w.update.empty()) w.erase = false;
    if (!redraw || !IsWindowVisible(hwnd)) return;
    const bool whole = ((w.classStyle & CS_HREDRAW) && width != old_width) ||
                       ((w.classStyle & CS_VREDRAW) && height != old_height);
    if (whole) {
        detail::invalidate_client(w, true);
        return;
    }
    detail::invalidate_rect(w, {old_width, 0, width, height}, true);
    detail::invalidate_rect(w, {0, old_height, width, height}, true);
}

HWND child_at(HWND parent, gdi::POINT point, UINT flags) {
    const Window* p = windows().find(parent);
    for (HWND child : p->children) {
        const Window* c = windows().find(child);
        if (!c) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if (contains(rect_in_parent(*c), point)) return child;
    }
    return parent;
}

} // namespace

namespace detail {

bool in_tree(HWND root, HWND hwnd) {
    return hwnd && (hwnd == root || IsChild(root, hwnd));
}

gdi::POINT screen_origin(HWND hwnd) {
    gdi::POINT origin{0, 0};
    for (const Window* w = windows().find(hwnd); w; w = windows().find(w->parent)) {
        origin.x += w->x;
        origin.y += w->y;
    }
    return origin;
}

} // namespace detail

ATOM RegisterClassA(const WNDCLASSA* wndClass) {
    if (!wndClass || !wndClass->lpfnWndProc || !wndClass->lpszClassName || !*wndClass->lpszClassName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (find_class(wndClass->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    uint16_t atom = 0xC000;
    for (const detail::WindowClass& c : windows().classes)
        atom = std::max<uint16_t>(atom, uint16_t(c.atom + 1));
    windows().classes.push_back(
        {wndClass->lpszClassName, atom, wndClass->style, wndClass->lpfnWndProc, wndClass->hbrBackground});
    return atom;
}

bool UnregisterClassA(const char* className, uintptr_t) {
    detail::WindowClass* found = find_class(className);
    if (!found) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    for (HWND hwnd : windows().all())
        if (strcasecmp(windows().find(hwnd)->className.c_str(), found->name.c_str()) == 0) {
            SetLastError(ERROR_CLASS_HAS_WINDOWS);
            return false;
        }
    std::erase_if(windows().classes, [&](const detail::WindowClass& c) { return &c == found; });
    return true;
}

HWND CreateWindowExA(uint32_t exStyle, const char* className, const char* windowName, uint32_t style,
                     int32_t x, int32_t y, int32_t width, int32_t height, HWND parent, uintptr_t menuOrId,
                     uintptr_t instance, void* param) {
    const detail::WindowClass* found = find_class(className);
    if (!found) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return {};
    }
    Creation c;
    c.exStyle = exStyle;
    c.style = style;
    c.classStyle = found->style;
    c.proc = found->proc;
    c.background = found->background;
    c.className = found->name.c_str();
    c.text = windowName;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    c.parent = parent;
    c.id = menuOrId;
    c.instance = instance;
    c.param = param;
    return create(c);
}

HWND CreateWindow(const WindowSpec& window) {
    if (!window.proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    Creation c;
    c.exStyle = window.exStyle;
    c.style = window.style;
    c.classStyle = window.classStyle;
    c.proc = window.proc;
    c.background = window.background;
    c.text = window.text.c_str();
    c.x = window.x;
    c.y = window.y;
    c.width = window.width;
    c.height = window.height;
    c.parent = window.parent;
    c.id = window.id;
    c.param = window.param;
    return create(c);
}

bool DestroyWindow(HWND hwnd) {
    Window* w = window_of(hwnd);
    if (!w || w->destroying) return false;
    w->destroying = true;
    notify_parent(hwnd, WM_DESTROY);
    if (!IsWindow(hwnd)) return true;
    // Only child windows hear WM_SHOWWINDOW as they go.
    set_visible(hwnd, false, bool(w->parent));
    if (Window* still = windows().find(hwnd)) detail::take_focus_from_tree(hwnd, still->parent);
    send_destroy(hwnd);
    free_tree(hwnd);
    return true;
}

bool IsWindow(HWND hwnd) {
    return windows().find(hwnd) != nullptr;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    const Window* w = window_of(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<int32_t>(w->style);
    case GWL_EXSTYLE:
        return static_cast<int32_t>(w->exStyle);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_ID:
        return static_cast<LONG_PTR>(w->id);
    case GWLP_HINSTANCE:
        return static_cast<LONG_PTR>(w->instance);
    default:
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = window_of(hwnd);
    if (!w) return 0;
    LONG_PTR previous = 0;
    switch (index) {
    case GWL_STYLE:
        previous = static_cast<int32_t>(w->style);
        w->style = static_cast<uint32_t>(value);
        return previous;
    case GWL_EXSTYLE:
        previous = static_cast<int32_t>(w->exStyle);
        w->exStyle = static_cast<uint32_t>(value);
        return previous;
    case GWLP_WNDPROC: {
        const WNDPROC proc = detail::proc_from_value(value);
        if (!proc) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        previous = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = proc;
        return previous;
    }
    case GWLP_USERDATA:
        previous = w->userData;
        w->userData = value;
        return previous;
    case GWLP_ID:
        previous = static_cast<LONG_PTR>(w->id);
        w->id = static_cast<uintptr_t>(value);
        return previous;
    case GWLP_HINSTANCE:
        previous = static_cast<LONG_PTR>(w->instance);
        w->instance = static_cast<uintptr_t>(value);
        return previous;
    default:
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

int32_t GetWindowLongA(HWND hwnd, int index) {
    if (index == GWLP_WNDPROC) {
        const Window* w = window_of(hwnd);
        return w ? detail::proc_handle(w->proc) : 0;
    }
    return static_cast<int32_t>(GetWindowLongPtrA(hwnd, index));
}

int32_t SetWindowLongA(HWND hwnd, int index, int32_t value) {
    if (index == GWLP_WNDPROC) {
        const Window* w = window_of(hwnd);
        if (!w) return 0;
        const WNDPROC previous = w->proc;
        if (!SetWindowLongPtrA(hwnd, index, value)) return 0;
        return detail::proc_handle(previous);
    }
    return static_cast<int32_t>(SetWindowLongPtrA(hwnd, index, value));
}

HWND GetParent(HWND hwnd) {
    const Window* w = window_of(hwnd);
    return w ? w->parent : HWND{};
}

HWND SetParent(HWND child, HWND newParent) {
    Window* w = window_of(child);
    if (!w) return {};
    if (newParent && (!window_of(newParent) || detail::in_tree(child, newParent))) {
        if (IsWindow(newParent)) SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    const HWND previous = w->parent;
    unlink(*w, child);
    w->parent = newParent;
    link(child, newParent);
    if (IsWindowVisible(child)) detail::invalidate_client(*w, true);
    return previous;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const Window* w = window_of(hwnd);
    if (!w) return {};
    if (relation == GW_CHILD) return w->children.empty() ? HWND{} : w->children.front();
    if (relation == GW_OWNER) return {};
    const std::vector<HWND>& list = detail::siblings_of(*w);
    const auto at = std::find(list.begin(), list.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return list.front();
    case GW_HWNDLAST:
        return list.back();
    case GW_HWNDNEXT:
        return at + 1 < list.end() ? *(at + 1) : HWND{};
    case GW_HWNDPREV:
        return at > list.begin() ? *(at - 1) : HWND{};
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
}

std::vector<HWND> ChildWindows(HWND parent) {
    if (!parent) return windows().topLevel;
    const Window* w = window_of(parent);
    return w ? w->children : std::vector<HWND>{};
}

bool IsChild(HWND parent, HWND hwnd) {
    const Window* w = windows().find(hwnd);
    for (w = w ? windows().find(w->parent) : nullptr; w; w = windows().find(w->parent))
        if (w == windows().find(parent)) return true;
    return false;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    const Window* w = window_of(hwnd);
    if (!w) return {};
    if (flags == GA_PARENT) return w->parent;
    if (flags != GA_ROOT) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    HWND root = hwnd;
    while (const Window* r = windows().find(root)) {
        if (!r->parent) break;
        root = r->parent;
    }
    return root;
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
    return set_visible(hwnd, command != SW_HIDE, true);
}

bool IsWindowVisible(HWND hwnd) {
    const Window* w = windows().find(hwnd);
    if (!w) return false;
    for (; w; w = windows().find(w->parent))
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    return SetWindowPos(hwnd, HWND_TOP, x, y, width, height, SWP_NOZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy, UINT flags) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (!(flags & SWP_NOZORDER) && !move_in_z_order(hwnd, insertAfter)) return false;
    if (flags & SWP_HIDEWINDOW) set_visible(hwnd, false, false);
    if (!(w = windows().find(hwnd))) return true;
    const bool moved = !(flags & SWP_NOMOVE) && (x != w->x || y != w->y);
    const int32_t width = std::max(cx, 0);
    const int32_t height = std::max(cy, 0);
    const bool sized = !(flags & SWP_NOSIZE) && (width != w->width || height != w->height);
    if (moved) {
        w->x = x;
        w->y = y;
    }
    if (sized) resize(hwnd, width, height, !(flags & SWP_NOREDRAW));
    if (flags & SWP_SHOWWINDOW) set_visible(hwnd, true, false);
    if (moved) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
    if (sized && IsWindow(hwnd)) SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    return true;
}

bool GetClientRect(HWND hwnd, gdi::RECT* rect) {
    const Window* w = window_of(hwnd);
    if (!w || !rect) return false;
    *rect = {0, 0, w->width, w->height};
    return true;
}

bool GetWindowRect(HWND hwnd, gdi::RECT* rect) {
    const Window* w = window_of(hwnd);
    if (!w || !rect) return false;
    const gdi::POINT origin = detail::screen_origin(hwnd);
    *rect = {origin.x, origin.y, origin.x + w->width, origin.y + w->height};
    return true;
}

bool ClientToScreen(HWND hwnd, gdi::POINT* point) {
    if (!window_of(hwnd) || !point) return false;
    const gdi::POINT origin = detail::screen_origin(hwnd);
    point->x += origin.x;
    point->y += origin.y;
    return true;
}

bool ScreenToClient(HWND hwnd, gdi::POINT* point) {
    if (!window_of(hwnd) || !point) return false;
    const gdi::POINT origin = detail::screen_origin(hwnd);
    point->x -= origin.x;
    point->y -= origin.y;
    return true;
}

int MapWindowPoints(HWND from, HWND to, gdi::POINT* points, int count) {
    if ((from && !window_of(from)) || (to && !window_of(to))) return 0;
    const gdi::POINT a = detail::screen_origin(from);
    const gdi::POINT b = detail::screen_origin(to);
    const int32_t dx = a.x - b.x;
    const int32_t dy = a.y - b.y;
    for (int i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELPARAM(dx, dy));
}

HWND ChildWindowFromPoint(HWND parent, gdi::POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

HWND ChildWindowFromPointEx(HWND parent, gdi::POINT point, UINT flags) {
    const Window* p = window_of(parent);
    if (!p || !contains({0, 0, p->width, p->height}, point)) return {};
    return child_at(parent, point, flags);
}

HWND WindowFromPoint(gdi::POINT point) {
    for (HWND top : windows().topLevel) {
        const Window* w = windows().find(top);
        if (!w || !(w->style & WS_VISIBLE) || !contains(rect_in_parent(*w), point)) continue;
        HWND found = top;
        gdi::POINT local{point.x - w->x, point.y - w->y};
        // A disabled child is passed over, so the point falls to what lies under it.
        for (;;) {
            if (windows().find(found)->style & WS_DISABLED) return found;
            const HWND child = child_at(found, local, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
            if (child == found) return found;
            const Window* c = windows().find(child);
            local = {local.x - c->x, local.y - c->y};
            found = child;
        }
    }
    return {};
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
