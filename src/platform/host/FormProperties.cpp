#include "FormProperties.h"

#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/ControlSite.h"
#include "platform/user/OleColor.h"

namespace host {

using rt::Variant;

namespace {

const std::vector<PropertyDefault>& form_keys() {
    static const std::vector<PropertyDefault> keys = {
        {"Caption", Variant("")},
        {"BackColor", Variant(user::kOleButtonFace)},
        {"ScaleMode", Variant(int16_t{1})},
        {"ScaleLeft", Variant(0.0f)},
        {"ScaleTop", Variant(0.0f)},
        {"ScaleWidth", Variant(0.0f)},
        {"ScaleHeight", Variant(0.0f)},
        {"ClientLeft", Variant(int32_t{0})},
        {"ClientTop", Variant(int32_t{0})},
        {"ClientWidth", Variant(int32_t{4680})},
        {"ClientHeight", Variant(int32_t{3195})},
    };
    return keys;
}

const PropertyDefault& form_key(std::string_view name) {
    const PropertyDefault* key = FindPropertyDefault(form_keys(), name);
    if (!key) rt::raise_member_not_found();
    return *key;
}

bool is_user_scale_key(std::string_view name) {
    return name == "ScaleLeft" || name == "ScaleTop" || name == "ScaleWidth" || name == "ScaleHeight";
}

int32_t twips_to_pixels(double twips, Axis axis) {
    return static_cast<int32_t>(
        rt::round_even(ConvertLength(twips, vbTwips, vbPixels, axis, gdi::LogicalDpi())));
}

} // namespace

FormProperties::FormProperties() : m_font(std::make_shared<rt::StdFont>()) {}

bool FormProperties::Load(const FormProperty& property) {
    m_kept_scale.reset();
    return m_values.Load(form_keys(), property);
}

Variant FormProperties::Get(std::string_view name) const {
    if (rt::member_name_equals(name, "Font")) return Variant(m_font);
    int16_t mode = ScaleMode();
    if (mode != 0) { // outside the user scale the scale size is the client area in the scale's units
        if (rt::member_name_equals(name, "ScaleWidth"))
            return Variant(rt::csng(ScaleLength(ClientPixelWidth(), vbPixels, mode, Axis::X)));
        if (rt::member_name_equals(name, "ScaleHeight"))
            return Variant(rt::csng(ScaleLength(ClientPixelHeight(), vbPixels, mode, Axis::Y)));
        if (rt::member_name_equals(name, "ScaleLeft") || rt::member_name_equals(name, "ScaleTop"))
            return Variant(0.0f);
    }
    return m_values.Get(form_key(name));
}

void FormProperties::Let(std::string_view name, const Variant& value) {
    // The scale is worked out again after the change, whichever way the change ends: switching to a
    // user scale reads the old scale on the way.
    struct ForgetScale {
        std::optional<KeptScale>& kept;
        ~ForgetScale() { kept.reset(); }
    } forget{m_kept_scale};
    const PropertyDefault& key = form_key(name);
    Variant v = rt::CoerceLike(value, key.default_value);
    if (key.name == "ScaleMode") {
        int16_t mode = v.as_integer();
        if (mode < 0 || mode > 7) rt::raise_error(rt::kErrInvalidPropertyValue);
        if (mode != 0)
            for (auto scale_key : {"ScaleLeft", "ScaleTop", "ScaleWidth", "ScaleHeight"})
                m_values.Remove(scale_key);
    }
    if (is_user_scale_key(key.name) && ScaleMode() != 0) SwitchToUserScale();
    m_values.Set(key.name, std::move(v));
}

void FormProperties::SwitchToUserScale() {
    int16_t old = ScaleMode();
    m_values.Set("ScaleWidth", Variant(rt::csng(ScaleLength(ClientPixelWidth(), vbPixels, old, Axis::X))));
    m_values.Set("ScaleHeight", Variant(rt::csng(ScaleLength(ClientPixelHeight(), vbPixels, old, Axis::Y))));
    m_values.Set("ScaleMode", Variant(int16_t{0}));
}

void FormProperties::Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) {
    if (!rt::member_name_equals(name, "Font")) rt::raise_member_not_found();
    auto font = std::dynamic_pointer_cast<rt::StdFont>(object);
    if (!font) rt::raise_error(rt::kErrTypeMismatch);
    m_font = font;
}

std::string FormProperties::Caption() const {
    return rt::CStr(m_values.Get(form_key("Caption")));
}

int16_t FormProperties::ScaleMode() const {
    return rt::CInt(m_values.Get(form_key("ScaleMode")));
}

int32_t FormProperties::ClientPixelWidth() const {
    return twips_to_pixels(rt::CDbl(m_values.Get(form_key("ClientWidth"))), Axis::X);
}

int32_t FormProperties::ClientPixelHeight() const {
    return twips_to_pixels(rt::CDbl(m_values.Get(form_key("ClientHeight"))), Axis::Y);
}

UserScale FormProperties::FormUserScale() const {
    const int dpi = gdi::LogicalDpi();
    if (m_kept_scale && m_kept_scale->dpi == dpi) return m_kept_scale->scale;
    UserScale s;
    s.left = rt::CDbl(m_values.Get(form_key("ScaleLeft")));
    s.top = rt::CDbl(m_values.Get(form_key("ScaleTop")));
    s.width = rt::CDbl(m_values.Get(form_key("ScaleWidth")));
    s.height = rt::CDbl(m_values.Get(form_key("ScaleHeight")));
    s.pixel_width = ClientPixelWidth();
    s.pixel_height = ClientPixelHeight();
    m_kept_scale = KeptScale{dpi, s};
    return s;
}

double FormProperties::ScaleLength(double value, int16_t from, int16_t to, Axis axis) const {
    UserScale user = FormUserScale();
    return ConvertLength(value, from, to, axis, gdi::LogicalDpi(), &user);
}

gdi::COLORREF FormProperties::BackgroundColor() const {
    return user::TranslateOleColor(rt::CLng(m_values.Get(form_key("BackColor"))));
}

} // namespace host
