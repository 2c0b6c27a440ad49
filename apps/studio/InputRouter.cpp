#include "InputRouter.h"

#include "KeyMap.h"

#include "platform/automation/Ansi.h"
#include "platform/host/Form.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

namespace studio {

using namespace user;

namespace {

bool held(UINT vk) {
    return GetKeyState(int(vk)) < 0;
}

struct ButtonMessages {
    UINT down, up, dblclk, vk;
};

const ButtonMessages* button_messages(uint8_t button) {
    static const ButtonMessages left{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, VK_LBUTTON};
    static const ButtonMessages right{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, VK_RBUTTON};
    static const ButtonMessages middle{WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, VK_MBUTTON};
    switch (button) {
    case SDL_BUTTON_LEFT:
        return &left;
    case SDL_BUTTON_RIGHT:
        return &right;
    case SDL_BUTTON_MIDDLE:
        return &middle;
    default:
        return nullptr;
    }
}

// Keys go to the focus window; with none, to the form's window, the active window that has it then.
void ensure_focus(host::Form& form) {
    if (!GetFocus()) SetFocus(form.hwnd());
}

} // namespace

bool InputRouter::Deliver(const SDL_Event& event, host::Form& form, const FormViewport& view, Access access) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        return Mouse(event, form, view, access.mouse && view.Contains(event.motion.x, event.motion.y));
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return Mouse(event, form, view, access.mouse && view.Contains(event.button.x, event.button.y));
    case SDL_KEYDOWN:
        return access.keyboard && KeyDown(event.key, form);
    case SDL_KEYUP:
        // A key let go after the studio took the keyboard is let go for the form as well.
        return (access.keyboard || held(VirtualKeyFromSdl(event.key.keysym.sym))) && KeyUp(event.key);
    case SDL_TEXTINPUT:
        return access.keyboard && Text(event.text);
    default:
        return false;
    }
}

bool InputRouter::Mouse(const SDL_Event& event, host::Form& form, const FormViewport& view, bool over_form) {
    // The window holding the capture gets the mouse wherever it is.
    const bool captured = GetCapture() != HWND{};
    const bool motion = event.type == SDL_MOUSEMOTION;
    const int32_t wx = motion ? event.motion.x : event.button.x;
    const int32_t wy = motion ? event.motion.y : event.button.y;
    const gdi::POINT at = view.ToForm(wx, wy);
    WPARAM keys = (held(VK_SHIFT) ? MK_SHIFT : 0) | (held(VK_CONTROL) ? MK_CONTROL : 0);
    if (motion) return (over_form || captured) && SendMouseInput(form.hwnd(), WM_MOUSEMOVE, at.x, at.y, keys);

    const ButtonMessages* b = button_messages(event.button.button);
    if (!b) return false;
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (!over_form && !captured) {
        // The press or release happened elsewhere: the form only learns that the button is up.
        if (!down) SetKeyDown(int(b->vk), false);
        return false;
    }
    // The platform's double click is every second press in quick succession.
    const UINT message = !down ? b->up : event.button.clicks % 2 == 0 ? b->dblclk : b->down;
    return SendMouseInput(form.hwnd(), message, at.x, at.y, keys) != HWND{};
}

bool InputRouter::KeyDown(const SDL_KeyboardEvent& key, host::Form& form) {
    const UINT vk = VirtualKeyFromSdl(key.keysym.sym);
    if (!vk) return false;
    ensure_focus(form);
    const bool alt = vk == VK_MENU || held(VK_MENU);
    const bool ctrl = vk == VK_CONTROL || held(VK_CONTROL);
    if (vk == VK_TAB && !alt && !ctrl) {
        // The form keeps the Tab key: the focus moves on, and no character is made of it.
        form.TabToNextControl(held(VK_SHIFT));
        return true;
    }
    // Alt without Ctrl makes a system key, and its character a system character (an access key).
    const bool system = alt && !ctrl;
    SendKeyInput(system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk);
    if (vk == VK_MENU || vk == VK_CONTROL || vk == VK_SHIFT) return true;
    // Printable characters come as text (in whatever layout the keyboard has); the rest are made
    // here as the platform's translation makes them: the system characters, Ctrl's control codes,
    // Enter, Escape and Backspace.
    char c = 0;
    if (system || ctrl || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_BACK) c = CharFromKey(vk);
    if (c) SendKeyInput(system ? WM_SYSCHAR : WM_CHAR, WPARAM(uint8_t(c)));
    return true;
}

bool InputRouter::KeyUp(const SDL_KeyboardEvent& key) {
    const UINT vk = VirtualKeyFromSdl(key.keysym.sym);
    if (!vk) return false;
    const bool system = (vk == VK_MENU || held(VK_MENU)) && !held(VK_CONTROL);
    SendKeyInput(system ? WM_SYSKEYUP : WM_KEYUP, vk);
    return true;
}

bool InputRouter::Text(const SDL_TextInputEvent& text) {
    // Characters typed with Ctrl or Alt were made from their keys already.
    if (held(VK_CONTROL) || held(VK_MENU)) return false;
    // A character outside Windows-1252 arrives as '?', as the platform's ANSI conversion gives it.
    for (char c : rt::ansi_from_utf8(text.text))
        SendKeyInput(WM_CHAR, WPARAM(uint8_t(c)));
    return true;
}

void InputRouter::Released(const SDL_Event& event) {
    if (event.type == SDL_KEYUP) {
        if (const UINT vk = VirtualKeyFromSdl(event.key.keysym.sym)) SetKeyDown(int(vk), false);
    } else if (event.type == SDL_MOUSEBUTTONUP) {
        if (const ButtonMessages* b = button_messages(event.button.button)) SetKeyDown(int(b->vk), false);
    }
}

void InputRouter::WindowFocus(bool gained) {
    if (gained) {
        if (IsWindow(m_saved_focus) && !GetFocus()) SetFocus(m_saved_focus);
        m_saved_focus = {};
        return;
    }
    m_saved_focus = GetFocus();
    SetFocus({});
    for (UINT vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LBUTTON, VK_RBUTTON, VK_MBUTTON})
        SetKeyDown(int(vk), false);
}

} // namespace studio
