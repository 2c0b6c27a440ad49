#include "text/CFontHolder.h"

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
    // Every write rebuilds the font handle, so the handle exists from the first copy on.
    m_font->SetName(font->Name());
    m_font->SetItalic(font->Italic());
    m_font->SetBold(font->Bold());
    m_font->SetStrikeOut(font->Strikethrough());
    m_font->SetUnderline(font->Underline());
}

void CFontHolder::ReleaseFont() {
    if (!m_font) return;
    m_font->DeleteObject();
    m_font.reset();
}

} // namespace text
