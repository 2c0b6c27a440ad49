#include "StdFont.h"

#include "Arithmetic.h"
#include "AutomationError.h"

#include <cmath>

namespace rt {

StdFont::StdFont(std::string name, double size, bool bold, bool italic)
    : m_name(std::move(name)), m_italic(italic) {
    SetSize(size);
    SetBold(bold);
}

void StdFont::SetSize(double points) {
    if (!(points > 0.0) || points > 2160.0) raise_error(kErrInvalidPropertyValue);
    // A size is a currency value: four decimal places, rounded half to even.
    m_size = round_even(points * 10000.0) / 10000.0;
}

void StdFont::SetWeight(int16_t weight) {
    if (weight < 0 || weight > 1000) raise_error(kErrInvalidPropertyValue);
    m_weight = weight;
}

bool StdFont::SameAs(const StdFont& o) const {
    return m_name == o.m_name && m_size == o.m_size && m_weight == o.m_weight && m_italic == o.m_italic &&
           m_underline == o.m_underline && m_strikethrough == o.m_strikethrough && m_charset == o.m_charset;
}

static const MemberTable<StdFont>& font_members() {
    static const MemberTable<StdFont> table({
        {"Name", 0, [](StdFont& f) { return Variant(f.Name()); },
         [](StdFont& f, const Variant& v) { f.SetName(CStr(v)); }},
        {"Size", 2, [](StdFont& f) { return Variant(f.Size()); },
         [](StdFont& f, const Variant& v) { f.SetSize(CDbl(v)); }},
        {"Bold", 3, [](StdFont& f) { return Variant(f.Bold()); },
         [](StdFont& f, const Variant& v) { f.SetBold(CBool(v)); }},
        {"Italic", 4, [](StdFont& f) { return Variant(f.Italic()); },
         [](StdFont& f, const Variant& v) { f.SetItalic(CBool(v)); }},
        {"Underline", 5, [](StdFont& f) { return Variant(f.Underline()); },
         [](StdFont& f, const Variant& v) { f.SetUnderline(CBool(v)); }},
        {"Strikethrough", 6, [](StdFont& f) { return Variant(f.Strikethrough()); },
         [](StdFont& f, const Variant& v) { f.SetStrikethrough(CBool(v)); }},
        {"Weight", 7, [](StdFont& f) { return Variant(f.Weight()); },
         [](StdFont& f, const Variant& v) { f.SetWeight(CInt(v)); }},
        {"Charset", 8, [](StdFont& f) { return Variant(f.Charset()); },
         [](StdFont& f, const Variant& v) { f.SetCharset(CInt(v)); }},
    });
    return table;
}

Variant StdFont::Get(std::string_view name) { return font_members().get(*this, name); }
void StdFont::Let(std::string_view name, const Variant& value) { font_members().let(*this, name, value); }
std::optional<int32_t> StdFont::DispId(std::string_view name) const { return font_members().dispid(name); }

} // namespace rt
