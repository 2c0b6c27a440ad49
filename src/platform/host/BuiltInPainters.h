#pragma once

#include "platform/gdi/Handles.h"
#include "platform/host/FormControl.h"

// One painter for each kind of built-in control. Each draws the control into the rectangle `r` of
// `dc` as its properties say, and releases everything it creates on the DC before it returns.
namespace host {

using ControlPainter = void (*)(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);

// Buttons (ButtonPainters.cpp)
void PaintCommandButton(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintCheckBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintOptionButton(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);

// Sunken wells (WellPainters.cpp)
void PaintTextBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintListBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintComboBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintPictureBox(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);

// A frame and a label (FramePainter.cpp, LabelPainter.cpp)
void PaintFrame(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintLabel(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);

// Graphics (GraphicPainters.cpp)
void PaintLine(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);
void PaintShape(const HostControl& c, gdi::HDC dc, const gdi::RECT& r);

} // namespace host
