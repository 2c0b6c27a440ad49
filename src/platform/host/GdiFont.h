#pragma once

#include "platform/automation/StdFont.h"
#include "platform/gdi/Handles.h"

namespace host {

// A GDI font for an automation font at the display's resolution: height -(points x LOGPIXELSY /
// 72) rounded half to even, weight, italic, underline, strike-out, character set and face name.
gdi::HFONT CreateGdiFont(const rt::StdFont& font);

} // namespace host
