#include "pages/Fields.h"

#include "platform/automation/AutomationError.h"
#include "platform/user/Mnemonic.h"

namespace vntab::pages {

namespace {

void raise(const std::function<void()>& event) {
    if (event) event();
}

} // namespace

Field::Field(FieldKind kind, std::string name, std::string label)
    : m_kind(kind), m_name(std::move(name)), m_label(std::move(label)) {
    // The access key is the character the window system underlines in the label.
    const user::MnemonicText parsed = user::ParseMnemonics(m_label);
    if (!parsed.underlined.empty()) m_access_key = parsed.shown[parsed.underlined.front()];
}

void TextField::SetText(std::string text) {
    if (text == m_text) return;
    m_text = std::move(text);
    raise(on_change);
}

std::string ListField::text() const {
    return m_list_index < 0 ? std::string() : m_items[static_cast<size_t>(m_list_index)];
}

void ListField::AddItem(std::string item) {
    m_items.push_back(std::move(item));
}

void ListField::RemoveItem(int32_t index) {
    if (index < 0 || index >= list_count()) rt::raise_error(rt::kErrInvalidProcedureCall);
    m_items.erase(m_items.begin() + index);
    if (index == m_list_index)
        m_list_index = -1;
    else if (index < m_list_index)
        --m_list_index;
}

void ListField::Clear() {
    m_items.clear();
    m_list_index = -1;
}

void ListField::CheckIndex(int32_t index) const {
    // The platform's list refuses a position past its items with the standard property error.
    if (index < -1 || index >= list_count()) rt::raise_error(rt::kErrInvalidPropertyValue);
}

void ListField::SetListIndex(int32_t index) {
    CheckIndex(index);
    if (index == m_list_index) return;
    m_list_index = index;
    raise(on_click);
}

void ListField::Choose(int32_t index) {
    // The open list offers its items only: none of them is no choice.
    if (index < 0 || index >= list_count()) rt::raise_error(rt::kErrInvalidPropertyValue);
    m_list_index = index;
    raise(on_click);
}

void CheckField::SetChecked(bool checked) {
    if (checked == m_checked) return;
    m_checked = checked;
    raise(on_click);
}

void PictureField::SetPicture(std::shared_ptr<rt::Dispatch> picture) {
    if (picture == m_picture) return;
    m_picture = std::move(picture);
    raise(on_change);
}

void ButtonField::Press() {
    if (enabled) raise(on_click);
}

FieldGrid::FieldGrid(int32_t label_width, int32_t field_width)
    : m_label_width(label_width), m_field_width(field_width) {}

void FieldGrid::Row(Field& field, int32_t height) {
    const int32_t field_left = kMargin + m_label_width + kGap;
    field.place.label_bounds = {kMargin, m_top + 3, kMargin + m_label_width, m_top + height};
    field.place.bounds = {field_left, m_top, field_left + m_field_width, m_top + height};
    m_last = field.place.bounds;
    m_top += height + kGap;
}

void FieldGrid::Wide(Field& field, int32_t height, int32_t width) {
    if (width == 0) width = m_label_width + kGap + m_field_width;
    field.place.bounds = {kMargin, m_top, kMargin + width, m_top + height};
    m_last = field.place.bounds;
    m_top += height + kGap;
}

void FieldGrid::Beside(Field& field, int32_t width, int32_t height) {
    field.place.bounds = {m_last.right + kGap, m_last.top, m_last.right + kGap + width, m_last.top + height};
    m_last = field.place.bounds;
}

} // namespace vntab::pages
