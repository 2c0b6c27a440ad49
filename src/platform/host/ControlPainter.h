#pragma once

#include "platform/gdi/Handles.h"
#include "platform/host/FormControl.h"

namespace host {

// Draws a built-in control in the classic look (sunken edit fields and lists, raised buttons,
// check boxes, option buttons, etched frames, labels, lines and shapes) into the rectangle `r` of
// `hdc`. Everything it creates on the DC is released before it returns.
void PaintControl(const HostControl& control, gdi::HDC hdc, const gdi::RECT& r);

} // namespace host
