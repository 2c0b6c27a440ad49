#pragma once

#include "platform/host/ControlSite.h"

#include <string>
#include <vector>

namespace host {

class ActiveXHolder;
class Form;

// The container's services for one hosted control on a form.
class FormSite final : public ControlSite {
public:
    explicit FormSite(ActiveXHolder& holder);
    ~FormSite() override;
    FormSite(const FormSite&) = delete;
    FormSite& operator=(const FormSite&) = delete;

    void PropertyChanged(std::string_view name) override;
    void ReportSavedValue(std::string_view key, const std::string& problem) override;
    bool AmbientUserMode() const override;
    std::shared_ptr<rt::StdFont> AmbientFont() const override;
    std::shared_ptr<rt::StdFont> ParentFont() const override;
    int16_t ParentScaleMode() const override;
    int16_t ContainerScaleMode() const override;
    double ScaleX(double value, int16_t from_scale, int16_t to_scale) const override;
    double ScaleY(double value, int16_t from_scale, int16_t to_scale) const override;
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double Width() const override;
    void SetWidth(double width) override;
    double Height() const override;
    void SetHeight(double height) override;
    user::HWND hWnd() const override { return m_hwnd; }
    gdi::HDC hDC() const override { return m_hdc; }
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    std::shared_ptr<rt::StdFont> Font() const override;
    void SetFont(std::shared_ptr<rt::StdFont> font) override;
    std::string AccessKeys() const override;
    void SetAccessKeys(std::string keys) override;
    std::vector<std::shared_ptr<rt::Dispatch>> ContainedControls() const override;
    void OLEDrag() override;
    int32_t OLEDropMode() const override;
    void SetOLEDropMode(int32_t mode) override;
    void RaiseEvent(std::string_view name, std::span<EventArg> args) override;
    using ControlSite::RaiseEvent;
    int32_t MsgBox(std::string_view prompt, int32_t style, std::optional<std::string_view> title) override;
    AppVersion AppVersionInfo() const override;
    std::string HelpFile() const override;
    void SetHelpFile(std::string path) override;
    std::shared_ptr<rt::Dispatch> LoadPicture(std::string_view path) override;
    std::vector<std::shared_ptr<rt::Dispatch>> SelectedControls() const override;
    void SetPropertyPageChanged(bool changed) override;

    // The names PropertyChanged reported, in order.
    const std::vector<std::string>& property_changes() const { return m_property_changes; }
    void ClearPropertyChanges() { m_property_changes.clear(); }

    // GDI objects the container keeps for the control (the font selected into its DC).
    int owned_gdi_objects() const { return m_selected_font ? 1 : 0; }

    // The control's window and device context, set by the container when it creates the window.
    void AttachWindow(user::HWND hwnd, gdi::HDC hdc) {
        m_hwnd = hwnd;
        m_hdc = hdc;
    }

private:
    double Scale(double value, int16_t from, int16_t to, bool horizontal) const;

    ActiveXHolder& m_holder;
    Form& m_form;
    user::HWND m_hwnd{};
    gdi::HDC m_hdc{};
    gdi::HFONT m_selected_font{};
    std::vector<std::string> m_property_changes;
};

// Loads a picture file for a form (a path relative to the form has been made absolute).
std::shared_ptr<rt::Dispatch> LoadPictureFile(const std::string& path);

} // namespace host
