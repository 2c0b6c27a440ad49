#pragma once

#include "Dispatch.h"

#include <cstdint>
#include <string>

namespace rt {

// The automation font object: a face name, a size in points and the style flags. Bold and Weight
// are one setting seen two ways: Bold is true for a weight of 700 or more, and setting it gives 700
// or 400. Sizes are kept as the runtime keeps them, to four decimal places (8.25 stays 8.25).
class StdFont final : public Dispatch {
public:
    StdFont() = default;
    StdFont(std::string name, double size, bool bold = false, bool italic = false);

    std::string TypeName() const override { return "StdFont"; }
    Variant Get(std::string_view name) override;
    void Let(std::string_view name, const Variant& value) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    double Size() const { return m_size; }
    void SetSize(double points); // error 380 for a size that is not positive or above 2160 points
    bool Bold() const { return m_weight >= 700; }
    void SetBold(bool bold) { m_weight = bold ? 700 : 400; }
    bool Italic() const { return m_italic; }
    void SetItalic(bool v) { m_italic = v; }
    bool Underline() const { return m_underline; }
    void SetUnderline(bool v) { m_underline = v; }
    bool Strikethrough() const { return m_strikethrough; }
    void SetStrikethrough(bool v) { m_strikethrough = v; }
    int16_t Weight() const { return m_weight; }
    void SetWeight(int16_t weight); // 0 to 1000, error 380 otherwise
    int16_t Charset() const { return m_charset; }
    void SetCharset(int16_t charset) { m_charset = charset; }

    std::shared_ptr<StdFont> Clone() const { return std::make_shared<StdFont>(*this); }
    bool SameAs(const StdFont& other) const;

private:
    std::string m_name = "MS Sans Serif";
    double m_size = 8.25;
    int16_t m_weight = 400;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    int16_t m_charset = 0;
};

} // namespace rt
