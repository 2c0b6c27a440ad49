#include "FormWindows.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/Form.h"
#include "platform/host/FormSite.h"
#include "platform/host/GdiFont.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/OleColor.h"
#include "platform/user/Paint.h"
#include "platform/user/SysColors.h"
#include "platform/user/Window.h"

namespace host {

using namespace user;

namespace {

// The object a window of the container belongs to: the form or a control.
Form* form_of(HWND hwnd) {
    if (GetWindowLongPtrA(hwnd, GWLP_ID) != 0) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

int16_t shift_state() {
    int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

int16_t buttons_of(WPARAM keys) {
    int16_t b = 0;
    if (keys & MK_LBUTTON) b |= 1;
    if (keys & MK_RBUTTON) b |= 2;
    if (keys & MK_MBUTTON) b |= 4;
    return b;
}

float x_of(LPARAM l) {
    return static_cast<float>(static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(l))));
}
float y_of(LPARAM l) {
    return static_cast<float>(static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(l))));
}

// Alt with a key: the form hands the key to the control whose access keys hold it.
bool route_access_key(Form& form, WPARAM ch) {
    return form.HandleAccessKey(static_cast<char>(ch & 0xFF));
}

// Erases the area to paint (the clip box of the DC) in an OLE colour. A window is erased before it
// is painted, as the window system erases with a class's background brush, so an area its painting
// leaves alone (a control with nothing to draw yet) shows the window's back colour, never the
// black of a surface that was never drawn.
LRESULT erase_in(WPARAM wp, int32_t ole_color) {
    const gdi::HDC dc{static_cast<uint32_t>(wp)};
    gdi::RECT box{};
    if (gdi::GetClipBox(dc, &box) == gdi::ERROR) return 0;
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(TranslateOleColor(ole_color));
    gdi::FillRect(dc, &box, brush);
    gdi::DeleteObject(brush);
    return 1;
}

// A hosted control's back colour is its BackColor property when it has one; otherwise the window's
// class brush (the button face) erases it.
LRESULT erase_hosted(ActiveXHolder& holder, HWND hwnd, WPARAM wp, LPARAM lp) {
    int32_t color;
    try {
        color = rt::CLng(holder.object()->Get("BackColor"));
    } catch (const rt::AutomationError&) {
        return DefWindowProcA(hwnd, WM_ERASEBKGND, wp, lp);
    }
    return erase_in(wp, color);
}

// The button of a button-down or button-up message: 1 left, 2 right, 4 middle.
int16_t button_of(UINT message) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) return 1;
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) return 2;
    return 4;
}

LRESULT hosted_button_down(ActiveXHolder& holder, HWND hwnd, UINT message, LPARAM lp) {
    int16_t button = button_of(message);
    SetCapture(hwnd);
    holder.pressed_button = button;
    holder.control().MouseDown(button, shift_state(), x_of(lp), y_of(lp));
    // The container moves the focus to the control after the press has been reported.
    if (IsWindow(hwnd) && GetFocus() != hwnd) SetFocus(hwnd);
    return 0;
}

// A release of the left button pressed in the window, inside it, is a click as well.
LRESULT hosted_button_up(ActiveXHolder& holder, HWND hwnd, UINT message, LPARAM lp) {
    int16_t button = button_of(message);
    bool clicked = holder.pressed_button == button && button == 1;
    holder.pressed_button = 0;
    ReleaseCapture();
    ActiveXControl& control = holder.control();
    control.MouseUp(button, shift_state(), x_of(lp), y_of(lp));
    float x = x_of(lp), y = y_of(lp);
    gdi::RECT client{};
    GetClientRect(hwnd, &client);
    if (clicked && x >= 0 && y >= 0 && x < client.right && y < client.bottom) control.Click();
    return 0;
}

// Mouse and keys, which reach the control while the program runs.
LRESULT hosted_input(ActiveXHolder& holder, HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    ActiveXControl& control = holder.control();
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return hosted_button_down(holder, hwnd, message, lp);
    case WM_MOUSEMOVE:
        control.MouseMove(buttons_of(wp), shift_state(), x_of(lp), y_of(lp));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return hosted_button_up(holder, hwnd, message, lp);
    case WM_LBUTTONDBLCLK:
        SetCapture(hwnd);
        holder.pressed_button = 0; // the second release of a double click is not a click
        control.DblClick();
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        // The control may change the key code (its argument is by reference); the change stays with it.
        int16_t code = static_cast<int16_t>(wp);
        if (message == WM_KEYDOWN)
            control.KeyDown(code, shift_state());
        else
            control.KeyUp(code, shift_state());
        return 0;
    }
    case WM_CHAR: {
        int16_t ascii = static_cast<int16_t>(wp & 0xFF);
        control.KeyPress(ascii);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, message, wp, lp);
    }
}

// The container side of a hosted control's window: paint and size requests, focus, and (when the
// program runs) mouse and keys become the control's entry points. While the form is designed the
// designer keeps the mouse: the control sees nothing of it (only a hook on its window would).
LRESULT hosted_proc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    auto* holder = dynamic_cast<ActiveXHolder*>(ControlFromWindow(hwnd));
    if (!holder || !holder->has_control()) return DefWindowProcA(hwnd, message, wp, lp);
    ActiveXControl& control = holder->control();
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        control.Paint();
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return erase_hosted(*holder, hwnd, wp, lp);
    case WM_SIZE:
        control.Resize();
        return 0;
    case WM_SETFOCUS:
        control.GotFocus();
        return 0;
    case WM_KILLFOCUS:
        control.LostFocus();
        return 0;
    case WM_SYSCHAR:
        return route_access_key(holder->form(), wp) ? 0 : DefWindowProcA(hwnd, message, wp, lp);
    default:
        break;
    }
    if (!holder->form().UserMode()) return DefWindowProcA(hwnd, message, wp, lp);
    return hosted_input(*holder, hwnd, message, wp, lp);
}

// Built-in windowed controls paint themselves; the windowless ones on a container are painted by
// the container after its own background.
void paint_windowless_children(const std::vector<std::shared_ptr<FormControl>>& children, gdi::HDC dc) {
    for (const auto& child : children)
        if (auto* host = dynamic_cast<HostControl*>(child.get()); host && !host->hwnd()) host->PaintOn(dc);
}

LRESULT builtin_proc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    auto* control = dynamic_cast<HostControl*>(ControlFromWindow(hwnd));
    if (!control) return DefWindowProcA(hwnd, message, wp, lp);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        gdi::HDC dc = BeginPaint(hwnd, &ps);
        control->PaintOn(dc);
        paint_windowless_children(control->children(), dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return erase_in(wp, rt::CLng(control->GetValue("BackColor")));
    case WM_SYSCHAR:
        return route_access_key(control->form(), wp) ? 0 : DefWindowProcA(hwnd, message, wp, lp);
    case WM_LBUTTONDOWN:
        if (control->form().UserMode() && control->kind().Find("TabStop")) SetFocus(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wp, lp);
    }
}

LRESULT form_proc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    Form* form = form_of(hwnd);
    if (!form) return DefWindowProcA(hwnd, message, wp, lp);
    switch (message) {
    case WM_ERASEBKGND: {
        gdi::RECT client{};
        GetClientRect(hwnd, &client);
        gdi::HBRUSH brush = gdi::CreateSolidBrush(form->properties().BackgroundColor());
        gdi::FillRect(gdi::HDC{static_cast<uint32_t>(wp)}, &client, brush);
        gdi::DeleteObject(brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        gdi::HDC dc = BeginPaint(hwnd, &ps);
        paint_windowless_children(form->controls(), dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SYSCHAR:
        return route_access_key(*form, wp) ? 0 : DefWindowProcA(hwnd, message, wp, lp);
    default:
        return DefWindowProcA(hwnd, message, wp, lp);
    }
}

} // namespace

HWND CreateFormWindow(Form& form) {
    WindowParams window;
    window.proc = form_proc;
    window.style = WS_VISIBLE | WS_CLIPCHILDREN;
    window.width = form.properties().ClientPixelWidth();
    window.height = form.properties().ClientPixelHeight();
    window.text = form.properties().Caption();
    HWND hwnd = CreateWindow(window);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
    InvalidateRect(hwnd, nullptr, true);
    return hwnd;
}

HWND CreateControlWindow(FormControl& control, HWND parent, bool hosted) {
    gdi::RECT r = control.PixelBounds();
    WindowParams window;
    window.proc = hosted ? hosted_proc : builtin_proc;
    window.style = WS_CHILD | WS_CLIPSIBLINGS;
    window.classStyle = CS_DBLCLKS;
    window.background = gdi::HBRUSH{COLOR_BTNFACE + 1};
    window.x = r.left;
    window.y = r.top;
    window.width = r.right - r.left;
    window.height = r.bottom - r.top;
    window.parent = parent;
    // The identifier tells the form's window (0) from the controls' windows.
    window.id = 1;
    window.text = control.Name();
    HWND hwnd = CreateWindow(window);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    return hwnd;
}

void DestroyControlWindow(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

FormControl* ControlFromWindow(HWND hwnd) {
    if (GetWindowLongPtrA(hwnd, GWLP_ID) == 0) return nullptr;
    return reinterpret_cast<FormControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

} // namespace host
