#pragma once

#include "platform/host/FormControl.h"
#include "platform/user/Hwnd.h"

namespace host {

class Form;

// The container's windows: a top-level window for the form, a child window for every windowed
// control and hosted control (inside its container's window), and the window procedures that turn
// window messages into the controls' entry points. A window finds its object through GWLP_USERDATA.
user::HWND CreateFormWindow(Form& form);
user::HWND CreateControlWindow(FormControl& control, user::HWND parent, bool hosted);
// Detaches the object from its window and destroys the window (and the windows inside it).
void DestroyControlWindow(user::HWND hwnd);
// The object of a window made by the functions above, or null.
FormControl* ControlFromWindow(user::HWND hwnd);

} // namespace host
