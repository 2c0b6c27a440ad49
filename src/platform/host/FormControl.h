#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/automation/StdFont.h"
#include "platform/gdi/Handles.h"
#include "platform/host/ControlKinds.h"
#include "platform/host/FormFile.h"
#include "platform/host/PropertyList.h"
#include "platform/host/Units.h"
#include "platform/user/Hwnd.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

class Form;

// Anything that stands on a form: a built-in control or the extender of a hosted ActiveX control.
// Each has a name, an Index when it is a member of a control array, a container (the form or a
// containing control) and, for containers, the controls placed on it.
class FormControl : public rt::Dispatch {
public:
    FormControl(Form& form, FormControl* container, std::string name, int line);

    const std::string& Name() const { return m_name; }
    std::optional<int16_t> ArrayIndex() const { return m_index; }
    void SetArrayIndex(std::optional<int16_t> index) { m_index = index; }
    // Name, or Name(Index) for a control-array member.
    std::string KeyName() const;
    int line() const { return m_line; }

    Form& form() const { return m_form; }
    FormControl* container() const { return m_container; }
    const std::vector<std::shared_ptr<FormControl>>& children() const { return m_children; }
    void AddChild(std::shared_ptr<FormControl> child) { m_children.push_back(std::move(child)); }
    bool RemoveChild(const FormControl* child);
    virtual bool IsContainer() const = 0;

    // The scale mode that this control's coordinates are in: the nearest container with a
    // ScaleMode (a picture box, or the form).
    int16_t CoordinateScaleMode() const;
    // The scale mode of the control's own client area when it has one (a picture box) for the
    // controls it holds.
    virtual std::optional<int16_t> OwnScaleMode() const { return std::nullopt; }

    // The control's rectangle relative to its container's client area, in pixels.
    virtual gdi::RECT PixelBounds() const = 0;

    // The block that saves this control (children included) in a form file in `folder`.
    virtual FormNode ToNode(const std::string& folder) const = 0;

    // Number of Refresh calls, for hosts and tests that watch repainting.
    int refresh_count() const { return m_refresh_count; }

    // The control's own window (0 for a windowless control), and the window it stands in: its
    // container's, or the form's.
    user::HWND hwnd() const { return m_hwnd; }
    void SetWindow(user::HWND hwnd) { m_hwnd = hwnd; }
    user::HWND ContainerWindow() const;
    // Puts the control's window (or, for a windowless control, the area it paints) where its
    // properties say: position, size and visibility.
    virtual void UpdatePlacement() = 0;

protected:
    void CountRefresh() { ++m_refresh_count; }
    // A length in the scale of this control's coordinates, in whole pixels (halves to even).
    int32_t ToPixels(double length, Axis axis) const;
    // The common members: Name (read-only), Index (error 343 outside a control array).
    std::optional<rt::Variant> GetCommon(std::string_view member) const;
    void AppendChildren(FormNode& node, const std::string& folder) const;

private:
    Form& m_form;
    FormControl* m_container;
    std::string m_name;
    std::optional<int16_t> m_index;
    int m_line;
    std::vector<std::shared_ptr<FormControl>> m_children;
    int m_refresh_count = 0;
    user::HWND m_hwnd{};
};

// A built-in control (TextBox, Label, Line, ...) with the properties its kind really has; reading
// or writing any other property raises error 438.
class HostControl final : public FormControl {
public:
    HostControl(Form& form, FormControl* container, const ControlKind& kind, std::string name, int line);
    ~HostControl() override;

    const ControlKind& kind() const { return m_kind; }
    std::string TypeName() const override { return std::string(m_kind.name); }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    bool IsContainer() const override { return m_kind.container; }
    std::optional<int16_t> OwnScaleMode() const override;
    gdi::RECT PixelBounds() const override;
    FormNode ToNode(const std::string& folder) const override;

    // Stores a value read from a form file: known properties are converted to their type (a value
    // that does not convert raises the runtime's error), others kept as unknown. Returns whether
    // the kind knows the property.
    bool LoadProperty(const FormProperty& property);
    void LoadGroup(const FormPropertyGroup& group);
    const PropertyList& properties() const { return m_values; }
    rt::Variant GetValue(std::string_view name) const; // a property of the kind, as Get reads it
    double GetNumber(std::string_view name) const;
    bool Visible() const;
    // Puts the control in view: a windowed kind gets its window in its container's window, then the
    // window (or the area a windowless control paints) is placed where the properties say.
    void Realize();
    void UpdatePlacement() override;
    // Draws the control: a windowed one on its own surface at (0, 0), a windowless one on its
    // container's surface at its place.
    void PaintOn(gdi::HDC hdc) const;
    // The font the control writes with: its own Font, or the form's.
    std::shared_ptr<rt::StdFont> TextFont() const;

private:
    const ControlKind& m_kind;
    PropertyList m_values;
    std::vector<FormPropertyGroup> m_groups; // fonts and other objects, kept as read
    std::shared_ptr<rt::StdFont> m_font;     // from a Font group
    gdi::RECT m_painted_at;                  // where a windowless control last painted
};

} // namespace host
