#include "ControlKinds.h"

#include "platform/automation/Dispatch.h"

namespace host {

using rt::Variant;

std::string_view UnqualifiedTypeName(std::string_view type_name) {
    size_t dot = type_name.rfind('.');
    return dot == std::string_view::npos ? type_name : type_name.substr(dot + 1);
}

namespace {

using Properties = std::vector<PropertyDefault>;

Variant colour(uint32_t c) {
    return Variant(static_cast<int32_t>(c));
}

// The system colours the kinds start with, as OLE colours.
constexpr uint32_t kButtonFace = 0x8000000F, kButtonText = 0x80000012;
constexpr uint32_t kWindow = 0x80000005, kWindowText = 0x80000008;

// Tag, and the place and size of the kinds that have them.
Properties base(bool positioned, bool sized) {
    Properties p = {{"Tag", Variant("")}};
    if (positioned) {
        p.push_back({"Left", Variant(0.0f)});
        p.push_back({"Top", Variant(0.0f)});
    }
    if (sized) {
        p.push_back({"Width", Variant(0.0f)});
        p.push_back({"Height", Variant(0.0f)});
    }
    return p;
}

// What every control that takes part in the tab order has: its place in it, Visible, Enabled and
// its colours (a kind without text has no ForeColor: pass Empty).
Properties in_tab_order(const Variant& back_color, const Variant& fore_color) {
    Properties p = {{"TabIndex", Variant(int16_t{0})},
                    {"Visible", Variant(true)},
                    {"Enabled", Variant(true)},
                    {"BackColor", back_color}};
    if (!fore_color.is_empty()) p.push_back({"ForeColor", fore_color});
    return p;
}

// A kind's properties: the base ones, TabStop for a kind the focus can reach, then its own lists
// in order.
ControlKind kind(ControlKindId id, std::string_view name, bool windowed, bool tab_stop,
                 std::initializer_list<Properties> own, bool positioned = true, bool sized = true) {
    ControlKind k;
    k.id = id;
    k.name = name;
    k.windowed = windowed;
    k.positioned = positioned;
    k.sized = sized;
    k.properties = base(positioned, sized);
    if (tab_stop) k.properties.push_back({"TabStop", Variant(true)});
    for (const Properties& list : own)
        k.properties.insert(k.properties.end(), list.begin(), list.end());
    return k;
}

// The kinds with a window of their own, in the tab order.
void add_windowed_kinds(std::vector<ControlKind>& k) {
    const Properties caption = {{"Caption", Variant("")}}, text = {{"Text", Variant("")}};
    k.push_back(kind(
        ControlKindId::TextBox, "TextBox", true, true,
        {text,
         in_tab_order(colour(kWindow), colour(kWindowText)),
         {{"Locked", Variant(false)}, {"MultiLine", Variant(false)}, {"MaxLength", Variant(int32_t{0})}}}));
    k.push_back(kind(ControlKindId::CommandButton, "CommandButton", true, true,
                     {caption,
                      in_tab_order(colour(kButtonFace), Variant()),
                      {{"Default", Variant(false)}, {"Cancel", Variant(false)}}}));
    k.push_back(kind(
        ControlKindId::CheckBox, "CheckBox", true, true,
        {caption, {{"Value", Variant(int16_t{0})}}, in_tab_order(colour(kButtonFace), colour(kButtonText))}));
    k.push_back(
        kind(ControlKindId::OptionButton, "OptionButton", true, true,
             {caption, {{"Value", Variant(false)}}, in_tab_order(colour(kButtonFace), colour(kButtonText))}));
    k.push_back(kind(ControlKindId::ListBox, "ListBox", true, true,
                     {in_tab_order(colour(kWindow), colour(kWindowText)), {{"Sorted", Variant(false)}}}));
    k.push_back(
        kind(ControlKindId::ComboBox, "ComboBox", true, true,
             {text, in_tab_order(colour(kWindow), colour(kWindowText)), {{"Style", Variant(int16_t{0})}}}));
    ControlKind& picture =
        k.emplace_back(kind(ControlKindId::PictureBox, "PictureBox", true, true,
                            {in_tab_order(colour(kButtonFace), colour(kButtonText)),
                             {{"ScaleMode", Variant(int16_t{1})}, {"BorderStyle", Variant(int16_t{1})}}}));
    picture.container = true;
    picture.has_scale = true;
    ControlKind& frame =
        k.emplace_back(kind(ControlKindId::Frame, "Frame", true, false,
                            {caption, in_tab_order(colour(kButtonFace), colour(kButtonText))}));
    frame.container = true;
}

// The kinds that paint on their container (or, a timer, not at all).
void add_windowless_kinds(std::vector<ControlKind>& k) {
    const Properties caption = {{"Caption", Variant("")}};
    k.push_back(kind(ControlKindId::Label, "Label", false, false,
                     {caption,
                      in_tab_order(colour(kButtonFace), colour(kButtonText)),
                      {{"BackStyle", Variant(int16_t{1})},
                       {"Alignment", Variant(int16_t{0})},
                       {"AutoSize", Variant(false)},
                       {"WordWrap", Variant(false)}}}));
    const Properties border = {{"BorderColor", colour(kWindowText)},
                               {"BorderWidth", Variant(int16_t{1})},
                               {"BorderStyle", Variant(int16_t{1})}};
    k.push_back(
        kind(ControlKindId::Line, "Line", false, false,
             {{{"X1", Variant(0.0f)}, {"Y1", Variant(0.0f)}, {"X2", Variant(0.0f)}, {"Y2", Variant(0.0f)}},
              {{"Visible", Variant(true)}},
              border},
             false, false));
    k.push_back(kind(ControlKindId::Shape, "Shape", false, false,
                     {{{"Shape", Variant(int16_t{0})}, {"Visible", Variant(true)}},
                      border,
                      {{"BackColor", colour(kWindow)},
                       {"BackStyle", Variant(int16_t{0})},
                       {"FillColor", colour(0)},
                       {"FillStyle", Variant(int16_t{1})}}}));
    k.push_back(kind(ControlKindId::Image, "Image", false, false,
                     {{{"Visible", Variant(true)},
                       {"Enabled", Variant(true)},
                       {"Stretch", Variant(false)},
                       {"BorderStyle", Variant(int16_t{0})}}}));
    ControlKind& timer =
        k.emplace_back(kind(ControlKindId::Timer, "Timer", false, false,
                            {{{"Enabled", Variant(true)}, {"Interval", Variant(int32_t{0})}}}, true, false));
    timer.paints = false;
}

std::vector<ControlKind> make_kinds() {
    std::vector<ControlKind> kinds;
    add_windowed_kinds(kinds);
    add_windowless_kinds(kinds);
    return kinds;
}

} // namespace

const std::vector<ControlKind>& ControlKinds() {
    static const std::vector<ControlKind> kinds = make_kinds();
    return kinds;
}

const ControlKind* FindControlKind(std::string_view type_name) {
    std::string_view name = UnqualifiedTypeName(type_name);
    for (const auto& k : ControlKinds())
        if (rt::member_name_equals(k.name, name)) return &k;
    return nullptr;
}

} // namespace host
