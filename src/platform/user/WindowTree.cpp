#include "platform/user/WindowTree.h"

#include "platform/user/Errors.h"
#include "platform/user/Rects.h"
#include "platform/user/Window.h"
#include "platform/user/WindowOps.h"

#include <algorithm>

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

// The rectangle of a window in its parent's client coordinates.
gdi::RECT rect_in_parent(const Window& w) {
    return {w.x, w.y, w.x + w.width, w.y + w.height};
}

// The topmost child of `parent` at a point of its client area that the flags do not skip; the
// parent itself when there is none.
HWND child_at(HWND parent, gdi::POINT point, UINT flags) {
    for (HWND child : windows().find(parent)->children) {
        const Window* c = windows().find(child);
        if (!c) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        const gdi::RECT rect = rect_in_parent(*c);
        if (PtInRect(&rect, point)) return child;
    }
    return parent;
}

// The deepest visible, enabled window at a point of hwnd's client area. Disabled children are
// passed over, so the point falls to what lies under them.
HWND deepest_at(HWND hwnd, gdi::POINT point) {
    const HWND child = child_at(hwnd, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (child == hwnd) return hwnd;
    const Window* c = windows().find(child);
    return deepest_at(child, {point.x - c->x, point.y - c->y});
}

} // namespace

namespace detail {

void link(HWND hwnd, HWND parent) {
    if (Window* p = windows().find(parent))
        p->children.push_back(hwnd);
    else
        windows().topLevel.insert(windows().topLevel.begin(), hwnd);
}

void unlink(const Window& w, HWND hwnd) {
    std::erase(siblings_of(w), hwnd);
}

bool move_in_z_order(HWND hwnd, HWND insertAfter) {
    std::vector<HWND>& list = siblings_of(*windows().find(hwnd));
    const bool relative = insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM;
    if (relative && (insertAfter == hwnd || std::ranges::find(list, insertAfter) == list.end())) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    std::erase(list, hwnd);
    if (insertAfter == HWND_TOP)
        list.insert(list.begin(), hwnd);
    else if (insertAfter == HWND_BOTTOM)
        list.push_back(hwnd);
    else
        list.insert(std::ranges::find(list, insertAfter) + 1, hwnd);
    return true;
}

bool in_tree(HWND root, HWND hwnd) {
    return hwnd && (hwnd == root || IsChild(root, hwnd));
}

} // namespace detail

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
    detail::unlink(*w, child);
    w->parent = newParent;
    detail::link(child, newParent);
    if (IsWindowVisible(child)) detail::invalidate_client(*w, true);
    return previous;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const Window* w = window_of(hwnd);
    if (!w) return {};
    if (relation == GW_CHILD) return w->children.empty() ? HWND{} : w->children.front();
    if (relation == GW_OWNER) return {};
    const std::vector<HWND>& list = detail::siblings_of(*w);
    const auto at = std::ranges::find(list, hwnd);
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

HWND ChildWindowFromPoint(HWND parent, gdi::POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

HWND ChildWindowFromPointEx(HWND parent, gdi::POINT point, UINT flags) {
    const Window* p = window_of(parent);
    if (!p) return {};
    const gdi::RECT client{0, 0, p->width, p->height};
    return PtInRect(&client, point) ? child_at(parent, point, flags) : HWND{};
}

HWND WindowFromPoint(gdi::POINT point) {
    for (HWND top : windows().topLevel) {
        const Window* w = windows().find(top);
        if (!w || !(w->style & WS_VISIBLE)) continue;
        const gdi::RECT rect = rect_in_parent(*w);
        if (!PtInRect(&rect, point)) continue;
        // A disabled window keeps the point; nothing inside it is searched.
        if (w->style & WS_DISABLED) return top;
        return deepest_at(top, {point.x - w->x, point.y - w->y});
    }
    return {};
}

} // namespace user
