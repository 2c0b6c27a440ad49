#include "FormSite.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/Form.h"
#include "platform/host/GdiFont.h"
#include "platform/user/Dialogs.h"
#include "platform/user/Window.h"

#include <filesystem>

namespace host {

FormSite::FormSite(ActiveXHolder& holder) : m_holder(holder), m_form(holder.form()) {}

void FormSite::PropertyChanged(std::string_view name) {
    m_property_changes.emplace_back(name);
}

void FormSite::ReportSavedValue(std::string_view key, const std::string& problem) {
    // In a form that stopped loading, a record naming a control may name one never read.
    if (!m_form.complete()) return;
    const PropertyBag::Entry* entry = m_holder.loaded_bag().Find(key);
    m_form.Warn(Located(m_form.path(), entry ? entry->line : m_holder.line(),
                        m_holder.KeyName() + "." + std::string(key) + ": " + problem));
}

bool FormSite::AmbientUserMode() const {
    return m_form.UserMode();
}
std::shared_ptr<rt::StdFont> FormSite::AmbientFont() const {
    return m_form.properties().Font();
}
std::shared_ptr<rt::StdFont> FormSite::ParentFont() const {
    return m_form.properties().Font();
}
int16_t FormSite::ParentScaleMode() const {
    return m_form.properties().ScaleMode();
}

int16_t FormSite::ContainerScaleMode() const {
    const FormControl* container = m_holder.container();
    if (!container) return m_form.properties().ScaleMode();
    // A picture box has a scale of its own; a frame or another control container has none.
    if (std::optional<int16_t> mode = container->OwnScaleMode()) return *mode;
    rt::raise_member_not_found();
}

double FormSite::Scale(double value, int16_t from, int16_t to, bool horizontal) const {
    // The container's own scale stands in for "container position" and "container size"; the user
    // scale of this control is its own scale, which is pixels.
    auto resolve = [&](int16_t mode) -> int16_t {
        if (mode == 9 || mode == 10) return m_holder.CoordinateScaleMode();
        if (mode == 0) return 3;
        if (!IsKnownScaleMode(mode)) rt::raise_error(rt::kErrInvalidProcedureCall);
        return mode;
    };
    return m_form.properties().ScaleLength(value, resolve(from), resolve(to), horizontal ? Axis::X : Axis::Y);
}

double FormSite::ScaleX(double value, int16_t from, int16_t to) const {
    return Scale(value, from, to, true);
}
double FormSite::ScaleY(double value, int16_t from, int16_t to) const {
    return Scale(value, from, to, false);
}
double FormSite::ScaleWidth() const {
    gdi::RECT r = m_holder.PixelBounds();
    return r.right - r.left;
}
double FormSite::ScaleHeight() const {
    gdi::RECT r = m_holder.PixelBounds();
    return r.bottom - r.top;
}
double FormSite::Width() const {
    return m_holder.Width();
}
void FormSite::SetWidth(double width) {
    m_holder.SetWidth(width);
}
double FormSite::Height() const {
    return m_holder.Height();
}
void FormSite::SetHeight(double height) {
    m_holder.SetHeight(height);
}

bool FormSite::Enabled() const {
    return m_hwnd ? user::IsWindowEnabled(m_hwnd) : m_holder.enabled;
}
void FormSite::SetEnabled(bool enabled) {
    m_holder.enabled = enabled;
    if (m_hwnd) user::EnableWindow(m_hwnd, enabled);
}
std::shared_ptr<rt::StdFont> FormSite::Font() const {
    return m_holder.font;
}

void FormSite::SetFont(std::shared_ptr<rt::StdFont> font) {
    m_holder.font = std::move(font);
    if (!m_hdc || !m_holder.font) return;
    // The control's font is the one selected into its device context.
    gdi::HFONT made = CreateGdiFont(*m_holder.font);
    gdi::SelectObject(m_hdc, made);
    if (m_selected_font) gdi::DeleteObject(m_selected_font);
    m_selected_font = made;
}

FormSite::~FormSite() {
    if (m_selected_font) {
        if (m_hdc) gdi::SelectObject(m_hdc, gdi::GetStockObject(gdi::SYSTEM_FONT));
        gdi::DeleteObject(m_selected_font);
    }
}
std::string FormSite::AccessKeys() const {
    return m_holder.access_keys;
}
void FormSite::SetAccessKeys(std::string keys) {
    m_holder.access_keys = std::move(keys);
}

std::vector<std::shared_ptr<rt::Dispatch>> FormSite::ContainedControls() const {
    std::vector<std::shared_ptr<rt::Dispatch>> out;
    for (const auto& c : m_holder.children())
        out.push_back(c);
    return out;
}

// This container has no data-transfer source of its own: a drag asked for by the control starts
// nothing and no drop mode but None takes effect.
void FormSite::OLEDrag() {}
int32_t FormSite::OLEDropMode() const {
    return m_holder.ole_drop_mode;
}
void FormSite::SetOLEDropMode(int32_t mode) {
    if (mode < 0 || mode > 2) rt::raise_error(rt::kErrInvalidPropertyValue);
    m_holder.ole_drop_mode = mode;
}

void FormSite::RaiseEvent(std::string_view name, std::span<EventArg> args) {
    m_form.RaiseEvent(m_holder, name, args);
}

int32_t FormSite::MsgBox(std::string_view prompt, int32_t style, std::optional<std::string_view> title) {
    std::string text(prompt);
    std::string caption = title ? std::string(*title) : rt::ansi_from_utf8(user::ApplicationTitle());
    return user::MessageBoxA(m_hwnd, text.c_str(), caption.c_str(), static_cast<uint32_t>(style));
}

AppVersion FormSite::AppVersionInfo() const {
    return m_form.app().version;
}
std::string FormSite::HelpFile() const {
    return m_form.app().help_file;
}
void FormSite::SetHelpFile(std::string path) {
    m_form.app().help_file = std::move(path);
}

std::shared_ptr<rt::Dispatch> FormSite::LoadPicture(std::string_view path) {
    std::filesystem::path file(rt::utf8_from_ansi(path));
    if (file.is_relative() && !m_form.folder().empty()) file = std::filesystem::path(m_form.folder()) / file;
    return LoadPictureFile(file.string());
}

std::vector<std::shared_ptr<rt::Dispatch>> FormSite::SelectedControls() const {
    return m_form.selected_controls;
}
void FormSite::SetPropertyPageChanged(bool changed) {
    m_form.property_page_changed = changed;
}

std::shared_ptr<rt::Dispatch> LoadPictureFile(const std::string& path) {
    return rt::LoadPicture(path);
}

} // namespace host
