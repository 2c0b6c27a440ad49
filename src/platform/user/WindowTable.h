#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"
#include "platform/user/Messages.h"
#include "platform/user/RectSet.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

// What the window handles of a thread stand for. Internal to the window system.
namespace user::detail {

struct WindowClass {
    std::string name;
    uint16_t atom = 0;
    uint32_t style = 0;
    WNDPROC proc = nullptr;
    gdi::HBRUSH background;
};

struct Window {
    uint16_t generation = 1;
    bool alive = false;
    bool destroying = false;

    HWND parent;
    std::vector<HWND> children; // z-order, topmost first

    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint32_t classStyle = 0;
    std::string className; // empty for windows made from a WindowParams
    WNDPROC proc = nullptr;
    gdi::HBRUSH background;
    LONG_PTR userData = 0;
    uintptr_t id = 0;
    uintptr_t instance = 0;
    std::string text;
    std::vector<std::pair<std::string, intptr_t>> props;

    // The surface: a DC that keeps its handle for the window's life, with the window's 32-bit
    // bitmap selected into it (replaced by a bigger or smaller one when the window is resized).
    gdi::HDC dc;
    gdi::HBITMAP surface;

    RectSet update;             // client coordinates
    bool erase = false;         // WM_ERASEBKGND pending for the update region
    uint32_t invalidations = 0; // counts additions to the update region
    // Between BeginPaint and EndPaint: the DC's own clipping, put back by EndPaint.
    bool painting = false;
    bool hadClip = false;
    gdi::HRGN savedClip;
};

class WindowTable {
public:
    WindowTable() = default;
    WindowTable(const WindowTable&) = delete;
    WindowTable& operator=(const WindowTable&) = delete;

    // A new live window, or 0 when 65535 windows exist already.
    HWND insert();
    // The live window of a handle, or null for 0, stale and never-made handles.
    Window* find(HWND hwnd);
    // Frees the slot; the handle turns stale.
    void erase(HWND hwnd);
    // Every live window, in slot order.
    std::vector<HWND> all() const;

    std::vector<HWND> topLevel; // z-order, topmost first
    std::vector<WindowClass> classes;
    HWND focus;
    HWND capture;
    std::deque<MSG> posted;
    std::array<bool, 256> keys{};

private:
    std::deque<Window> m_slots;
    std::deque<uint16_t> m_free;
};

// The calling thread's windows.
WindowTable& windows();

// The live window or null; a stale handle also sets ERROR_INVALID_WINDOW_HANDLE.
Window* window_of(HWND hwnd);

// The sibling list a window belongs to (its parent's children, or the top-level list).
std::vector<HWND>& siblings_of(const Window& w);

} // namespace user::detail
