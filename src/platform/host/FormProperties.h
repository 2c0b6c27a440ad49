#pragma once

#include "platform/automation/StdFont.h"
#include "platform/gdi/Handles.h"
#include "platform/host/PropertyList.h"
#include "platform/host/Units.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The form's own properties as its form file stores them: Caption, BackColor, the scale (ScaleMode
// and the user scale ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight), the client area in twips and
// the Font. Keys a file holds that a form does not know are kept, so that saving loses nothing.
// Lengths in pixels follow the display's logical resolution.
class FormProperties {
public:
    FormProperties();

    // Stores a value read from the form's block; returns whether a form has that property. A value
    // that does not convert to the property's type raises the runtime's error.
    bool Load(const FormProperty& property);
    // The stored values in their order, the font apart.
    const std::vector<PropertyList::Entry>& entries() const { return m_values.entries(); }

    // Late-bound access: Font and the properties above; error 438 for any other name. Outside the
    // user scale, ScaleWidth and ScaleHeight are the client area in the scale's units.
    rt::Variant Get(std::string_view name) const;
    void Let(std::string_view name, const rt::Variant& value);
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object);

    std::string Caption() const;
    int16_t ScaleMode() const;
    int32_t ClientPixelWidth() const;
    int32_t ClientPixelHeight() const;
    UserScale FormUserScale() const;
    // A length converted between two of the form's scale modes (its user scale included).
    double ScaleLength(double value, int16_t from, int16_t to, Axis axis) const;
    gdi::COLORREF BackgroundColor() const;
    const std::shared_ptr<rt::StdFont>& Font() const { return m_font; }
    void SetFont(std::shared_ptr<rt::StdFont> font) { m_font = std::move(font); }

private:
    // Setting any part of the scale switches the form to a user scale that keeps its current size.
    void SwitchToUserScale();

    PropertyList m_values;
    std::shared_ptr<rt::StdFont> m_font;
    // Every length a control of the form converts (its size, at every redraw, for every header)
    // goes through the user scale: it is worked out once and kept until a value changes or the
    // display's resolution does.
    struct KeptScale {
        int dpi;
        UserScale scale;
    };
    mutable std::optional<KeptScale> m_kept_scale;
};

} // namespace host
