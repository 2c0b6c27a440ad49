#include "text/CaptionFont.h"

#include "platform/automation/Arithmetic.h"

#include <algorithm>
#include <cstring>

namespace text {

gdi::LOGFONTA HostLogFont(const rt::StdFont* font, int32_t height, int32_t escapement) {
    gdi::LOGFONTA lf;
    if (font) {
        const std::string name = font->Name();
        std::memcpy(lf.lfFaceName, name.data(), std::min<size_t>(name.size(), gdi::LF_FACESIZE));
        lf.lfItalic = font->Italic() ? 1 : 0;
        lf.lfWeight = font->Bold() ? gdi::FW_BOLD : gdi::FW_NORMAL;
        lf.lfStrikeOut = font->Strikethrough() ? 1 : 0;
        lf.lfUnderline = font->Underline() ? 1 : 0;
    }
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    return lf;
}

bool SameLogFont(const gdi::LOGFONTA& a, const gdi::LOGFONTA& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::memcmp(a.lfFaceName, b.lfFaceName, sizeof a.lfFaceName) == 0;
}

int32_t StripMnemonicsInto(std::string_view s, std::string& out) {
    out.clear();
    int32_t position = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out.push_back(s[i]);
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == '&') {
            out.push_back('&'); // the second of a pair stays as a literal "&"
            ++i;
            continue;
        }
        // A later marker wins; past the end for a trailing "&".
        position = static_cast<int32_t>(out.size() + 1);
    }
    return position;
}

CaptionMeasurer::CaptionMeasurer(gdi::HDC dc, const rt::StdFont* font, int32_t growth_3d)
    : m_growth(growth_3d) {
    m_dc.Attach(dc);
    // A negative height asks for the point size's character height at the DC's resolution.
    if (font) {
        const gdi::LOGFONTA lf =
            HostLogFont(font, rt::clng(-(font->Size() * m_dc.GetDeviceCaps(gdi::LOGPIXELSY) / 72.0)));
        m_font = gdi::CreateFontIndirectA(&lf);
    }
    if (m_font) m_previous = m_dc.SelectObject(m_font);
}

CaptionMeasurer::~CaptionMeasurer() {
    if (m_previous) m_dc.SelectObject(m_previous);
    if (m_font) gdi::DeleteObject(m_font);
    m_dc.Detach();
}

int32_t CaptionMeasurer::Width(std::string_view caption) {
    StripMnemonicsInto(caption, m_stripped);
    int32_t width = 0;
    if (!m_stripped.empty()) width = m_dc.GetTextExtent(m_stripped).CX;
    return rt::add32(width, m_growth);
}

} // namespace text
