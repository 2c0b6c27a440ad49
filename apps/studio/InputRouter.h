#pragma once

#include "FormViewport.h"

#include "platform/user/Hwnd.h"

#include <SDL_events.h>

namespace host {
class Form;
}

namespace studio {

// Turns SDL's input into the window system's input for the running form, so that the form's
// windows get the messages the platform's input thread would send: the mouse to the window under
// it or holding the capture, keys and characters to the focus window, Alt with a key as a system
// key, the Tab key to the form, the studio window's activation as the focus leaving and coming
// back.
class InputRouter {
public:
    // What the studio's own windows leave to the form: the mouse over the form, the keyboard.
    struct Access {
        bool mouse = true;
        bool keyboard = true;
    };
    // Delivers one event; returns whether the form took it. A button released outside the form
    // (or over the studio's windows) still ends the press for the window holding the capture.
    bool Deliver(const SDL_Event& event, host::Form& form, const FormViewport& view, Access access);
    // A key or button let go while the form hears nothing (a modal window is up): the keyboard's
    // state changes all the same, as the platform's does whichever window the release reaches.
    void Released(const SDL_Event& event);
    // The studio's window lost or got the keyboard: the focus window of the form loses it and gets
    // it back, and keys held meanwhile are let go.
    void WindowFocus(bool gained);
    // A new form: nothing of the old one is remembered.
    void Forget() { m_saved_focus = {}; }

private:
    bool Mouse(const SDL_Event& event, host::Form& form, const FormViewport& view, bool over_form);
    bool KeyDown(const SDL_KeyboardEvent& key, host::Form& form);
    bool KeyUp(const SDL_KeyboardEvent& key);
    bool Text(const SDL_TextInputEvent& text);

    user::HWND m_saved_focus{};
};

} // namespace studio
