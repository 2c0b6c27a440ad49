#include "ControlKinds.h"

#include "platform/automation/Dispatch.h"

namespace host {

using rt::Variant;

std::string_view UnqualifiedTypeName(std::string_view type_name) {
    size_t dot = type_name.rfind('.');
    return dot == std::string_view::npos ? type_name : type_name.substr(dot + 1);
}

static Variant colour(uint32_t c) {
    return Variant(static_cast<int32_t>(c));
}

static std::vector<PropertyDefault> base(bool positioned, bool sized) {
    std::vector<PropertyDefault> p = {{"Tag", Variant("")}};
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

static ControlKind kind(std::string_view name, bool windowed, std::vector<PropertyDefault> extra,
                        bool tab_stop, bool positioned = true, bool sized = true) {
    ControlKind k;
    k.name = name;
    k.windowed = windowed;
    k.positioned = positioned;
    k.sized = sized;
    k.properties = base(positioned, sized);
    if (tab_stop) k.properties.push_back({"TabStop", Variant(true)});
    for (auto& p : extra)
        k.properties.push_back(std::move(p));
    return k;
}

const std::vector<ControlKind>& ControlKinds() {
    static const std::vector<ControlKind> kinds = [] {
        const Variant button_face = colour(0x8000000F), button_text = colour(0x80000012);
        const Variant window = colour(0x80000005), window_text = colour(0x80000008);
        std::vector<ControlKind> k;
        k.push_back(kind("TextBox", true,
                         {{"Text", Variant("")},
                          {"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", window},
                          {"ForeColor", window_text},
                          {"Locked", Variant(false)},
                          {"MultiLine", Variant(false)},
                          {"MaxLength", Variant(int32_t{0})}},
                         true));
        k.push_back(kind("CommandButton", true,
                         {{"Caption", Variant("")},
                          {"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", button_face},
                          {"Default", Variant(false)},
                          {"Cancel", Variant(false)}},
                         true));
        k.push_back(kind("CheckBox", true,
                         {{"Caption", Variant("")},
                          {"Value", Variant(int16_t{0})},
                          {"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", button_face},
                          {"ForeColor", button_text}},
                         true));
        k.push_back(kind("OptionButton", true,
                         {{"Caption", Variant("")},
                          {"Value", Variant(false)},
                          {"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", button_face},
                          {"ForeColor", button_text}},
                         true));
        k.push_back(kind("ListBox", true,
                         {{"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", window},
                          {"ForeColor", window_text},
                          {"Sorted", Variant(false)}},
                         true));
        k.push_back(kind("ComboBox", true,
                         {{"Text", Variant("")},
                          {"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", window},
                          {"ForeColor", window_text},
                          {"Style", Variant(int16_t{0})}},
                         true));
        ControlKind picture = kind("PictureBox", true,
                                   {{"TabIndex", Variant(int16_t{0})},
                                    {"Visible", Variant(true)},
                                    {"Enabled", Variant(true)},
                                    {"BackColor", button_face},
                                    {"ForeColor", button_text},
                                    {"ScaleMode", Variant(int16_t{1})},
                                    {"BorderStyle", Variant(int16_t{1})}},
                                   true);
        picture.container = true;
        picture.has_scale = true;
        k.push_back(std::move(picture));
        ControlKind frame = kind("Frame", true,
                                 {{"Caption", Variant("")},
                                  {"TabIndex", Variant(int16_t{0})},
                                  {"Visible", Variant(true)},
                                  {"Enabled", Variant(true)},
                                  {"BackColor", button_face},
                                  {"ForeColor", button_text}},
                                 false);
        frame.container = true;
        k.push_back(std::move(frame));
        k.push_back(kind("Label", false,
                         {{"Caption", Variant("")},
                          {"TabIndex", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"BackColor", button_face},
                          {"ForeColor", button_text},
                          {"BackStyle", Variant(int16_t{1})},
                          {"Alignment", Variant(int16_t{0})},
                          {"AutoSize", Variant(false)},
                          {"WordWrap", Variant(false)}},
                         false));
        k.push_back(kind("Line", false,
                         {{"X1", Variant(0.0f)},
                          {"Y1", Variant(0.0f)},
                          {"X2", Variant(0.0f)},
                          {"Y2", Variant(0.0f)},
                          {"Visible", Variant(true)},
                          {"BorderColor", window_text},
                          {"BorderWidth", Variant(int16_t{1})},
                          {"BorderStyle", Variant(int16_t{1})}},
                         false, false, false));
        k.push_back(kind("Shape", false,
                         {{"Shape", Variant(int16_t{0})},
                          {"Visible", Variant(true)},
                          {"BorderColor", window_text},
                          {"BorderWidth", Variant(int16_t{1})},
                          {"BorderStyle", Variant(int16_t{1})},
                          {"BackColor", window},
                          {"BackStyle", Variant(int16_t{0})},
                          {"FillColor", colour(0)},
                          {"FillStyle", Variant(int16_t{1})}},
                         false));
        k.push_back(kind("Image", false,
                         {{"Visible", Variant(true)},
                          {"Enabled", Variant(true)},
                          {"Stretch", Variant(false)},
                          {"BorderStyle", Variant(int16_t{0})}},
                         false));
        k.push_back(kind("Timer", false, {{"Enabled", Variant(true)}, {"Interval", Variant(int32_t{0})}},
                         false, true, false));
        for (auto& c : k)
            if (c.name == "Timer") c.paints = false;
        return k;
    }();
    return kinds;
}

const ControlKind* FindControlKind(std::string_view type_name) {
    std::string_view name = UnqualifiedTypeName(type_name);
    for (const auto& k : ControlKinds())
        if (rt::member_name_equals(k.name, name)) return &k;
    return nullptr;
}

} // namespace host
