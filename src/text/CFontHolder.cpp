#include "text/CFontHolder.h"

#include "text/CaptionFont.h"

namespace text {

CFontHolder::CFontHolder() : m_font(std::make_unique<gfx::CFont>()) {}

CFontHolder::~CFontHolder() {
    ReleaseFont();
}

gdi::HFONT CFontHolder::GetFontHandle() const {
    return m_font ? m_font->Handle() : gdi::HFONT{};
}

void CFontHolder::InitializeFont(const rt::StdFont* font) {
    ReleaseFont();
    m_font = std::make_unique<gfx::CFont>();
    if (!font) return;
    // The name, italic, bold, strikethrough and underline copied one by one would rebuild the font
    // handle at each copy; the description they leave is made into a font once.
    m_font->SetLogFont(HostLogFont(font));
}

void CFontHolder::ReleaseFont() {
    if (!m_font) return;
    m_font->DeleteObject();
    m_font.reset();
}

} // namespace text
