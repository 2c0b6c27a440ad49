#pragma once

#include "platform/automation/StdFont.h"
#include "platform/host/ActiveXControl.h"
#include "platform/host/FormControl.h"
#include "platform/host/PropertyBag.h"

#include <memory>
#include <string>

namespace host {

class FormSite;

// The extender of a hosted ActiveX control: the properties the container keeps for the control
// (Name, Index, Left, Top, Width, Height, TabIndex, TabStop, Visible) in front of the control's own
// properties, which are passed through to the control's automation object. The control's persisted
// properties live in its property bag; the controls placed on it are this holder's children.
class ActiveXHolder final : public FormControl {
public:
    ActiveXHolder(Form& form, FormControl* container, std::string type_name, std::string name, int line);
    ~ActiveXHolder() override;

    std::string TypeName() const override { return m_type; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) override;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    bool IsContainer() const override { return true; }
    bool Visible() const;
    gdi::RECT PixelBounds() const override;
    FormNode ToNode(const std::string& folder) const override;

    // The extender keys a form file stores for the container rather than in the control's bag.
    static bool IsExtenderKey(std::string_view key);
    void LoadExtenderProperty(const FormProperty& property);

    // Creates the control's window inside its container's window, then the control through its
    // registered factory (the control runs its Initialize, which may already use the window).
    void CreateControl();
    ActiveXControl& control() const { return *m_control; }
    bool has_control() const { return m_control != nullptr; }
    std::shared_ptr<rt::Dispatch> object() const { return m_control->Object(); }
    FormSite& site() const { return *m_site; }
    // The bag the control was loaded from; keys it never read are kept and saved again.
    PropertyBag& loaded_bag() { return m_loaded_bag; }

    // Extender values in the container's scale units.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetWidth(double width);
    void SetHeight(double height);
    void Move(double left, double top, std::optional<double> width, std::optional<double> height);

    void UpdatePlacement() override;

    // The control's own state that the container keeps for it.
    std::string access_keys;
    std::shared_ptr<rt::StdFont> font;
    bool enabled = true;
    int32_t ole_drop_mode = 0;
    int16_t pressed_button = 0; // the mouse button pressed in the control's window, for Click

private:
    // Called after a size change: the container tells the control.
    void SizeChanged();

    std::string m_type;
    PropertyList m_extender;
    PropertyBag m_loaded_bag;
    std::unique_ptr<FormSite> m_site;
    std::shared_ptr<ActiveXControl> m_control;
};

} // namespace host
