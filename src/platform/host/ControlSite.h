#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/automation/StdFont.h"
#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Scale modes of the container's coordinate systems.
enum ScaleMode : int16_t {
    vbUser = 0,
    vbTwips = 1,
    vbPoints = 2,
    vbPixels = 3,
    vbCharacters = 4,
    vbInches = 5,
    vbMillimeters = 6,
    vbCentimeters = 7,
    vbHimetric = 8,
    vbContainerPosition = 9,
    vbContainerSize = 10,
};

// Message-box styles and answers.
enum MsgBoxStyle : int32_t {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int32_t { vbOK = 1, vbCancel = 2 };

// One by-reference argument of an event raised to the host program: the handler may change
// `value`, and the control reads it back after the event returns.
struct EventArg {
    std::string_view name;
    rt::Variant value;
};

struct AppVersion {
    int16_t major = 1;
    int16_t minor = 0;
    int16_t revision = 0;
};

// Everything the control asks of its container. A form host implements it for each control it
// holds; a test host may implement it to run the control alone. Calls that the container cannot
// answer raise an automation error (for example 438 when a container has no ScaleMode), which the
// control catches where it expects it.
class ControlSite {
public:
    virtual ~ControlSite() = default;

    // A persisted property changed (the host marks the form as changed).
    virtual void PropertyChanged(std::string_view name) = 0;
    // A value the control read from its saved properties cannot work as saved (one its set would
    // refuse, a record that finds no control); `problem` says what, the value is kept. A form host
    // reports it at the key's place in the form file.
    virtual void ReportSavedValue(std::string_view key, const std::string& problem) = 0;

    // Ambient properties: false while the form is being designed.
    virtual bool AmbientUserMode() const = 0;
    virtual std::shared_ptr<rt::StdFont> AmbientFont() const = 0;

    // The form that holds the control (Parent): its font and scale mode.
    virtual std::shared_ptr<rt::StdFont> ParentFont() const = 0;
    virtual int16_t ParentScaleMode() const = 0;
    // Extender.Container.ScaleMode: the scale of the object the control stands in (the form, or a
    // frame or picture box); raises 438 when that container has no ScaleMode.
    virtual int16_t ContainerScaleMode() const = 0;

    // Unit conversion between scale modes (pixels 3, twips 1, HIMETRIC 8, ...), horizontal and
    // vertical, at the display's logical pixels per inch. The user scale (0) is the control's own
    // scale, which is pixels.
    virtual double ScaleX(double value, int16_t from_scale, int16_t to_scale) const = 0;
    virtual double ScaleY(double value, int16_t from_scale, int16_t to_scale) const = 0;
    // The control's client area in its own scale (pixels).
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // The control's extender size in the container's scale units; setting it resizes the control's
    // window (and the container then raises Resize).
    virtual double Width() const = 0;
    virtual void SetWidth(double width) = 0;
    virtual double Height() const = 0;
    virtual void SetHeight(double height) = 0;

    // The control's window and its device context (valid for the control's life).
    virtual user::HWND hWnd() const = 0;
    virtual gdi::HDC hDC() const = 0;
    // The window's enabled state.
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // The control's own font, selected into hDC: setting it selects the new font into the DC.
    virtual std::shared_ptr<rt::StdFont> Font() const = 0;
    virtual void SetFont(std::shared_ptr<rt::StdFont> font) = 0;

    // The access keys the container routes to this control, one character a key.
    virtual std::string AccessKeys() const = 0;
    virtual void SetAccessKeys(std::string keys) = 0;

    // The host controls placed on the control, reached late-bound by property name and told apart
    // by TypeName. Raises when the container offers no such collection.
    virtual std::vector<std::shared_ptr<rt::Dispatch>> ContainedControls() const = 0;

    // OLE drag and drop, passed through to the container.
    virtual void OLEDrag() = 0;
    virtual int32_t OLEDropMode() const = 0;
    virtual void SetOLEDropMode(int32_t mode) = 0;

    // Raises an event to the host program synchronously; the handler may change the arguments.
    virtual void RaiseEvent(std::string_view name, std::span<EventArg> args) = 0;
    void RaiseEvent(std::string_view name) { RaiseEvent(name, std::span<EventArg>()); }

    // A modal message box; returns the button pressed (vbOK 1, vbCancel 2). Without a title the
    // host program's default title is used.
    virtual int32_t MsgBox(std::string_view prompt, int32_t style, std::optional<std::string_view> title) = 0;

    // The host program: its version and its help file.
    virtual AppVersion AppVersionInfo() const = 0;
    virtual std::string HelpFile() const = 0;
    virtual void SetHelpFile(std::string path) = 0;

    // Loads a picture from a file (error 53 when missing, 481 when it is not a picture).
    virtual std::shared_ptr<rt::Dispatch> LoadPicture(std::string_view path) = 0;

    // For property pages: the controls selected in the designer and the page's changed flag.
    virtual std::vector<std::shared_ptr<rt::Dispatch>> SelectedControls() const = 0;
    virtual void SetPropertyPageChanged(bool changed) = 0;
};

} // namespace host
