#include "platform/host/ControlPainter.h"

#include "platform/host/BuiltInPainters.h"

namespace host {

namespace {

// A timer is never seen; an image shows no picture here, so nothing of it shows either.
void paint_nothing(const HostControl&, gdi::HDC, const gdi::RECT&) {}

ControlPainter painter_of(ControlKindId kind) {
    switch (kind) {
    case ControlKindId::TextBox:
        return PaintTextBox;
    case ControlKindId::CommandButton:
        return PaintCommandButton;
    case ControlKindId::CheckBox:
        return PaintCheckBox;
    case ControlKindId::OptionButton:
        return PaintOptionButton;
    case ControlKindId::ListBox:
        return PaintListBox;
    case ControlKindId::ComboBox:
        return PaintComboBox;
    case ControlKindId::PictureBox:
        return PaintPictureBox;
    case ControlKindId::Frame:
        return PaintFrame;
    case ControlKindId::Label:
        return PaintLabel;
    case ControlKindId::Line:
        return PaintLine;
    case ControlKindId::Shape:
        return PaintShape;
    case ControlKindId::Image:
    case ControlKindId::Timer:
        return paint_nothing;
    }
    return paint_nothing;
}

} // namespace

void PaintControl(const HostControl& control, gdi::HDC hdc, const gdi::RECT& r) {
    painter_of(control.kind().id)(control, hdc, r);
}

} // namespace host
