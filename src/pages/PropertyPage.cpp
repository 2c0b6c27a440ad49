#include "pages/PropertyPage.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Variant.h"

namespace vntab::pages {

bool IsPageNumber(std::string_view text) {
    if (text.empty()) return false;
    size_t points = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digit = c >= '0' && c <= '9';
        if (c == '.') ++points;
        if (!(digit || c == '.' || (i == 0 && c == '-'))) return false;
    }
    return points < 2;
}

double PageNumberValue(std::string_view text) {
    return rt::Val(text);
}

PropertyPage::PropertyPage(host::ControlSite& site, std::string name, std::string caption)
    : m_site(site), m_name(std::move(name)), m_caption(std::move(caption)) {}

Field* PropertyPage::FindField(std::string_view name) const {
    for (Field* field : m_fields)
        if (rt::EqualsText(field->name(), name)) return field;
    return nullptr;
}

void PropertyPage::SetChanged(bool changed) {
    m_changed = changed;
    m_site.SetPropertyPageChanged(changed);
}

void PropertyPage::MarkChanged() {
    if (!m_filling) SetChanged(true);
}

std::shared_ptr<rt::Dispatch> PropertyPage::FirstSelected() const {
    std::vector<std::shared_ptr<rt::Dispatch>> selected = m_site.SelectedControls();
    return selected.empty() ? nullptr : selected.front();
}

void PropertyPage::SelectionChanged() {
    std::shared_ptr<rt::Dispatch> control = FirstSelected();
    if (!control) return;
    // The fields raise their events as the page fills them; none of that is an edit.
    m_filling = true;
    try {
        ReadFields(*control);
    } catch (...) {
        m_filling = false;
        throw;
    }
    m_filling = false;
    SetChanged(false);
}

void PropertyPage::ApplyChanges() {
    std::shared_ptr<rt::Dispatch> control = FirstSelected();
    if (!control) return;
    if (WriteFields(*control)) SetChanged(false);
}

void PropertyPage::Tell(std::string_view text) {
    m_site.MsgBox(text, host::vbOKOnly, std::nullopt);
}

void PropertyPage::WatchNumber(TextField& field) {
    field.on_change = [this, &field] {
        if (IsPageNumber(field.text())) {
            field.fore_color = 0;
            MarkChanged();
        } else {
            field.fore_color = 0xFF;
        }
    };
}

void PropertyPage::ShowProperty(rt::Dispatch& control, TextField& field, std::string_view property) {
    field.SetText(rt::CStr(control.Get(property)));
}

bool PropertyPage::CheckNumber(const TextField& field, std::string_view property) {
    if (IsPageNumber(field.text())) return true;
    Tell("Property '" + std::string(property) + "' must be a number.");
    return false;
}

bool PropertyPage::ApplyNumber(rt::Dispatch& control, const TextField& field, std::string_view property) {
    if (!CheckNumber(field, property)) return false;
    control.Let(property, rt::Variant(field.text()));
    return true;
}

} // namespace vntab::pages
