#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/gdi/Handles.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The input fields of a property page, as a user interface binds to them: a text box with its text
// colour, a drop-down list with its items and position, a check box, a picture box, a filled
// rectangle and a button. Each has the name the page's code knows it by and, where it has one, a
// label or caption whose "&" marks its access key.
//
// A field raises its event (Change for a text, Click for a list, a check box and a button) whenever
// its value really changes, whether the developer typed it or the page filled it in, as the
// platform's controls do: the pages tell the two apart with their own flags.
namespace vntab::pages {

enum class FieldKind : uint8_t { Text, List, Check, Picture, ColorBox, Button };

// Where a field stands on its page, in pixels from the page's top-left corner; the label (for the
// kinds that have one beside them) stands in `label_bounds`.
struct FieldPlace {
    gdi::RECT bounds{};
    gdi::RECT label_bounds{};
};

class Field {
public:
    Field(FieldKind kind, std::string name, std::string label);
    virtual ~Field() = default;
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    FieldKind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    // The label beside the field, or the caption of a check box or button, with its "&" marker.
    const std::string& label() const { return m_label; }
    // The character the label marks as access key, 0 when it marks none.
    char access_key() const { return m_access_key; }

    bool enabled = true;
    FieldPlace place;

private:
    FieldKind m_kind;
    std::string m_name;
    std::string m_label;
    char m_access_key = 0;
};

class TextField final : public Field {
public:
    TextField(std::string name, std::string label)
        : Field(FieldKind::Text, std::move(name), std::move(label)) {}

    const std::string& text() const { return m_text; }
    // Typing into the field or filling it: a different text raises Change.
    void SetText(std::string text);

    // An OLE colour; black until the page colours it.
    int32_t fore_color = 0;
    std::function<void()> on_change;

private:
    std::string m_text;
};

// A drop-down list whose items cannot be typed over: its position (ListIndex) is -1 or the index of
// an item.
class ListField final : public Field {
public:
    ListField(std::string name, std::string label)
        : Field(FieldKind::List, std::move(name), std::move(label)) {}

    const std::vector<std::string>& items() const { return m_items; }
    int32_t list_count() const { return static_cast<int32_t>(m_items.size()); }
    int32_t list_index() const { return m_list_index; }
    // The chosen item's text, "" when none is chosen.
    std::string text() const;

    void AddItem(std::string item);
    // Removing the chosen item leaves none chosen; removing one before it keeps the same item chosen.
    void RemoveItem(int32_t index);
    void Clear();
    // Set by the page: -1 to the last item (error 380 otherwise); a different position raises Click.
    void SetListIndex(int32_t index);
    // Chosen by the developer from the open list: raises Click even when that item was chosen already.
    void Choose(int32_t index);

    std::function<void()> on_click;

private:
    void CheckIndex(int32_t index) const;

    std::vector<std::string> m_items;
    int32_t m_list_index = -1;
};

class CheckField final : public Field {
public:
    CheckField(std::string name, std::string caption)
        : Field(FieldKind::Check, std::move(name), std::move(caption)) {}

    bool checked() const { return m_checked; }
    // Ticking or clearing the box: a different state raises Click.
    void SetChecked(bool checked);

    std::function<void()> on_click;

private:
    bool m_checked = false;
};

class PictureField final : public Field {
public:
    PictureField(std::string name, std::string label)
        : Field(FieldKind::Picture, std::move(name), std::move(label)) {}

    const std::shared_ptr<rt::Dispatch>& picture() const { return m_picture; }
    // A different picture (or none) raises Change.
    void SetPicture(std::shared_ptr<rt::Dispatch> picture);

    std::function<void()> on_change;

private:
    std::shared_ptr<rt::Dispatch> m_picture;
};

// A rectangle filled with one colour, to show it; the developer cannot change it.
class ColorBoxField final : public Field {
public:
    explicit ColorBoxField(std::string name) : Field(FieldKind::ColorBox, std::move(name), "") {}

    // An OLE colour (a system colour keeps its high bit).
    int32_t fill_color = 0;
};

class ButtonField final : public Field {
public:
    ButtonField(std::string name, std::string caption)
        : Field(FieldKind::Button, std::move(name), std::move(caption)) {}

    // A press raises Click; a disabled button ignores it.
    void Press();

    std::function<void()> on_click;
};

// Places fields one row under the other: labels in a left column, fields in a right one, as the
// pages stand in the designer's property-page frame.
class FieldGrid {
public:
    explicit FieldGrid(int32_t label_width = 112, int32_t field_width = 160);

    // The field on the next row, with its label to its left.
    void Row(Field& field, int32_t height = 21);
    // The field at the start of the next row, across both columns unless a width is given (a check box
    // or button carries its own caption).
    void Wide(Field& field, int32_t height = 21, int32_t width = 0);
    // The field to the right of the last row's field.
    void Beside(Field& field, int32_t width, int32_t height = 21);

private:
    static constexpr int32_t kMargin = 8;
    static constexpr int32_t kGap = 6;
    int32_t m_label_width, m_field_width;
    int32_t m_top = kMargin;
    gdi::RECT m_last{};
};

} // namespace vntab::pages
