#pragma once

#include "platform/gdi/Handles.h"

#include <optional>
#include <string>

namespace host {
class Form;
class FormControl;
} // namespace host

namespace studio {

// The form designer's hand: which control is selected, and what a press, a drag and a release of
// the left button over the form do in design mode. With a tool chosen from the toolbox a drag draws
// a new control of that kind onto the control under the press (a tab control's panel, where it
// joins the active tab, a frame, a picture box) or onto the form. Without one a press selects the
// control under it and a drag moves it; a drag of one of the selection's eight grips resizes it. A
// press on a tab control also reaches the control's window, where its message hook switches tabs
// when the press is on a header. Points are the form's client pixels.
class Designer {
public:
    enum class Grip { None, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };
    static constexpr int kGripSize = 7;
    static constexpr int kDragThreshold = 3; // pixels a press moves before it drags

    // The selected control by "Name" or "Name(Index)"; "" for the form itself.
    const std::string& selected() const { return m_selected; }
    void Select(std::string key_name) { m_selected = std::move(key_name); }
    // The control kind a drag draws ("TextBox", ...), "" for the pointer.
    const std::string& tool() const { return m_tool; }
    void SetTool(std::string kind) { m_tool = std::move(kind); }

    // The control's rectangle in the form's client pixels.
    static gdi::RECT FormBounds(const host::Form& form, const host::FormControl& control);
    // The topmost control in view under the point (a contained control before its container); null
    // for the form.
    static host::FormControl* ControlAt(const host::Form& form, gdi::POINT at);
    // The grip of the selection under the point; None when nothing is selected or no grip is there.
    Grip GripAt(const host::Form& form, gdi::POINT at) const;
    // The rectangle of one grip around `bounds`.
    static gdi::RECT GripRect(const gdi::RECT& bounds, Grip grip);

    void Press(host::Form& form, gdi::POINT at);
    void Drag(host::Form& form, gdi::POINT at);
    // Ends the press; true when the form changed (a control drawn, moved or resized).
    bool Release(host::Form& form, gdi::POINT at);
    bool dragging() const { return m_drag != Action::None; }
    // The rectangle being drawn, while a tool's drag is under way.
    std::optional<gdi::RECT> Rubber() const;

    // Deletes the selected control and what it holds; false when the form is selected.
    bool DeleteSelected(host::Form& form);
    // A new control of `kind` drawn over `rect` (form pixels) onto the control under its top-left
    // corner that can hold it, named after its kind; it becomes the selection. Returns its name.
    std::string Draw(host::Form& form, const std::string& kind, gdi::RECT rect);
    // Moves or sizes the selection to `rect` (form pixels), as the container's Left, Top, Width and
    // Height in its own scale.
    void Place(host::Form& form, const gdi::RECT& rect) const;

private:
    enum class Action { None, Pending, Move, Resize, Draw };

    std::string m_selected;
    std::string m_tool;
    Action m_drag = Action::None;
    Grip m_grip = Grip::None;
    gdi::POINT m_start{}, m_now{};
    gdi::RECT m_original{};   // the selection's bounds when the press began
    bool m_forwarded = false; // the press went on to a tab control's window
};

} // namespace studio
