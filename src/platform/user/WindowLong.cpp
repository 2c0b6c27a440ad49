#include "platform/user/WindowLong.h"

#include "platform/user/Errors.h"
#include "platform/user/ProcHandles.h"
#include "platform/user/WindowTable.h"

namespace user {

using detail::Window;
using detail::window_of;

namespace {

// One value a window keeps, as the window-long calls read and replace it.
struct LongField {
    int index;
    LONG_PTR (*read)(const Window&);
    void (*write)(Window&, LONG_PTR);
};

// Styles are 32-bit values: they read sign-extended, as the platform's LONG widens.
const LongField kFields[] = {
    {GWL_STYLE, [](const Window& w) -> LONG_PTR { return int32_t(w.style); },
     [](Window& w, LONG_PTR v) { w.style = uint32_t(v); }},
    {GWL_EXSTYLE, [](const Window& w) -> LONG_PTR { return int32_t(w.exStyle); },
     [](Window& w, LONG_PTR v) { w.exStyle = uint32_t(v); }},
    {GWLP_WNDPROC, [](const Window& w) { return reinterpret_cast<LONG_PTR>(w.proc); },
     [](Window& w, LONG_PTR v) { w.proc = detail::proc_from_value(v); }},
    {GWLP_USERDATA, [](const Window& w) { return w.userData; },
     [](Window& w, LONG_PTR v) { w.userData = v; }},
    {GWLP_ID, [](const Window& w) { return LONG_PTR(w.id); },
     [](Window& w, LONG_PTR v) { w.id = uintptr_t(v); }},
    {GWLP_HINSTANCE, [](const Window& w) { return LONG_PTR(w.instance); },
     [](Window& w, LONG_PTR v) { w.instance = uintptr_t(v); }},
};

const LongField* field_of(int index) {
    for (const LongField& field : kFields)
        if (field.index == index) return &field;
    SetLastError(ERROR_INVALID_INDEX);
    return nullptr;
}

} // namespace

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    const Window* w = window_of(hwnd);
    if (!w) return 0;
    const LongField* field = field_of(index);
    return field ? field->read(*w) : 0;
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = window_of(hwnd);
    if (!w) return 0;
    const LongField* field = field_of(index);
    if (!field) return 0;
    // A new procedure must be one: a pointer, or a procedure handle handed out before.
    if (index == GWLP_WNDPROC && !detail::proc_from_value(value)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const LONG_PTR previous = field->read(*w);
    field->write(*w, value);
    return previous;
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

} // namespace user
