#include "platform/user/MessageQueue.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/Errors.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"
#include "platform/user/ProcHandles.h"
#include "platform/user/QuietGdi.h"
#include "platform/user/SysColors.h"
#include "platform/user/Window.h"
#include "platform/user/WindowTable.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_map>

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

struct Filter {
    HWND hwnd;
    UINT min = 0;
    UINT max = 0;

    bool accepts(HWND target, UINT message) const {
        if (hwnd && target != hwnd && !IsChild(hwnd, target)) return false;
        return (min == 0 && max == 0) || (message >= min && message <= max);
    }
};

// The first visible window with something to paint, parents before their children, top-level
// windows from the top; `skip` passes over windows already painted enough in this pump.
HWND find_paint(const std::vector<HWND>& list, const Filter& filter, const std::function<bool(HWND)>& skip) {
    for (HWND hwnd : list) {
        const Window* w = windows().find(hwnd);
        if (!w || !(w->style & WS_VISIBLE)) continue;
        if (!w->update.empty() && filter.accepts(hwnd, WM_PAINT) && !skip(hwnd)) return hwnd;
        if (HWND child = find_paint(w->children, filter, skip)) return child;
    }
    return {};
}

bool peek(MSG* msg, const Filter& filter, bool remove, const std::function<bool(HWND)>& skip) {
    std::deque<MSG>& posted = windows().posted;
    std::erase_if(posted, [](const MSG& m) { return m.hwnd && !IsWindow(m.hwnd); });
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!filter.accepts(it->hwnd, it->message)) continue;
        *msg = *it;
        if (remove) posted.erase(it);
        return true;
    }
    if (filter.min != 0 || filter.max != 0)
        if (WM_PAINT < filter.min || WM_PAINT > filter.max) return false;
    if (HWND hwnd = find_paint(windows().topLevel, filter, skip)) {
        *msg = MSG{hwnd, WM_PAINT, 0, 0};
        return true;
    }
    return false;
}

// A handler that invalidates its own window on every paint would be painted forever; a pump gives
// one window at most this many paints.
constexpr int kPaintsPerPump = 64;

gdi::HBRUSH solid_brush_for(gdi::HBRUSH background, bool& temporary) {
    temporary = false;
    // A system colour index plus one stands for the brush of that colour as it is now.
    if (background.value >= 1 && background.value <= uint32_t(kSysColorCount)) {
        temporary = true;
        detail::QuietGdi quiet;
        return gdi::CreateSolidBrush(GetSysColor(int(background.value) - 1));
    }
    return background;
}

LRESULT erase_background(HWND hwnd, gdi::HDC hdc) {
    const Window* w = windows().find(hwnd);
    if (!w->background) return 0;
    gdi::RECT box;
    if (gdi::GetClipBox(hdc, &box) == gdi::ERROR) return 0;
    bool temporary;
    const gdi::HBRUSH brush = solid_brush_for(w->background, temporary);
    gdi::FillRect(hdc, &box, brush);
    if (temporary) {
        detail::QuietGdi quiet;
        gdi::DeleteObject(brush);
    }
    return 1;
}

LRESULT copy_text(const Window& w, WPARAM size, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0) return 0;
    const size_t n = std::min<size_t>(w.text.size(), size - 1);
    std::memcpy(out, w.text.data(), n);
    out[n] = 0;
    return static_cast<LRESULT>(n);
}

} // namespace

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* w = window_of(hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(hwnd, message, wParam, lParam);
}

bool PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !window_of(hwnd)) return false;
    windows().posted.push_back(MSG{hwnd, message, wParam, lParam});
    return true;
}

bool PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg || (hwnd && !window_of(hwnd))) return false;
    return peek(msg, Filter{hwnd, filterMin, filterMax}, removeFlags & PM_REMOVE, [](HWND) { return false; });
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !msg->hwnd || !IsWindow(msg->hwnd)) return 0;
    const LRESULT result = SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    // An erase still pending after WM_PAINT is sent now, as the platform does after dispatching it.
    if (msg->message == WM_PAINT) GetUpdateRect(msg->hwnd, nullptr, true);
    return result;
}

bool TranslateMessage(const MSG* msg) {
    if (!msg) return false;
    const UINT m = msg->message;
    if (m != WM_KEYDOWN && m != WM_SYSKEYDOWN) return m == WM_KEYUP || m == WM_SYSKEYUP;
    if (const char c = CharFromKey(UINT(msg->wParam)))
        PostMessageA(msg->hwnd, m == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, WPARAM(uint8_t(c)), msg->lParam);
    return true;
}

size_t PumpMessages() {
    // Per window: WM_PAINTs sent in this pump, and its invalidation count when the last one was sent.
    struct Painted {
        int count = 0;
        uint32_t invalidations = 0;
    };
    std::unordered_map<HWND, Painted> painted;
    const auto skip = [&painted](HWND hwnd) {
        auto found = painted.find(hwnd);
        if (found == painted.end()) return false;
        const Window* w = windows().find(hwnd);
        return found->second.count >= kPaintsPerPump || w->invalidations == found->second.invalidations;
    };
    size_t dispatched = 0;
    MSG msg;
    while (peek(&msg, Filter{}, true, skip)) {
        if (msg.message == WM_PAINT) {
            Painted& p = painted[msg.hwnd];
            ++p.count;
            p.invalidations = windows().find(msg.hwnd)->invalidations;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        ++dispatched;
    }
    return dispatched;
}

void DiscardPostedMessages() {
    windows().posted.clear();
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC target = detail::proc_from_value(reinterpret_cast<LONG_PTR>(proc));
    return target ? target(hwnd, message, wParam, lParam) : 0;
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = window_of(hwnd);
    if (!w) return 0;
    switch (message) {
    case WM_ERASEBKGND:
        return erase_background(hwnd, gdi::HDC{static_cast<uint32_t>(wParam)});
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return 1;
    case WM_GETTEXT:
        return copy_text(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    default:
        return 0;
    }
}

} // namespace user
