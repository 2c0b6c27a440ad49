#include "gfx/CFont.h"

#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"

#include <algorithm>
#include <cstring>

namespace gfx {

CFont::CFont() : m_pixels_y(gdi::LogicalDpi()) {}

CFont::~CFont() {
    if (m_hfont) gdi::DeleteObject(m_hfont);
}

void CFont::recreate() {
    if (m_hfont) gdi::DeleteObject(m_hfont);
    m_hfont = gdi::CreateFontIndirectA(&m_logfont);
}

void CFont::SetBold(bool bold) {
    m_logfont.lfWeight = bold ? gdi::FW_BOLD : gdi::FW_NORMAL;
    recreate();
}

void CFont::SetItalic(bool italic) {
    m_logfont.lfItalic = italic ? 1 : 0;
    recreate();
}

void CFont::SetUnderline(bool underline) {
    m_logfont.lfUnderline = underline ? 1 : 0;
    recreate();
}

void CFont::SetStrikeOut(bool strikeOut) {
    m_logfont.lfStrikeOut = strikeOut ? 1 : 0;
    recreate();
}

void CFont::SetEscapement(int32_t escapement) {
    m_logfont.lfEscapement = escapement;
    recreate();
}

void CFont::SetHeight(int32_t height) {
    m_logfont.lfHeight = height;
    recreate();
}

std::string CFont::Name() const {
    const char* face = m_logfont.lfFaceName;
    return std::string(face, std::find(face, face + gdi::LF_FACESIZE, '\0'));
}

void CFont::SetName(std::string_view name) {
    std::memset(m_logfont.lfFaceName, 0, sizeof m_logfont.lfFaceName);
    std::memcpy(m_logfont.lfFaceName, name.data(), std::min<size_t>(name.size(), gdi::LF_FACESIZE));
    recreate();
}

float CFont::Size() const {
    if (m_pixels_y == 0) rt::raise_error(rt::kErrDivisionByZero);
    return rt::csng(double(m_logfont.lfHeight) * -72.0 / m_pixels_y);
}

void CFont::SetSize(float size) {
    // A negative height asks for the character height in pixels at the target's resolution.
    m_logfont.lfHeight = rt::clng(-(double(m_pixels_y) * size / 72.0));
    recreate();
}

void CFont::SetPixelsY(int32_t pixelsY) {
    m_pixels_y = pixelsY;
    recreate();
}

bool CFont::DeleteObject() {
    const bool deleted = m_hfont && gdi::DeleteObject(m_hfont);
    m_hfont = {};
    m_logfont.lfCharSet = 0;
    m_logfont.lfClipPrecision = 0;
    return deleted;
}

void CFont::SetLogFont(const gdi::LOGFONTA& logfont) {
    m_logfont = logfont;
    recreate();
}

void CFont::CreateFontIndirect(const gdi::LOGFONTA& logfont) {
    SetLogFont(logfont);
}

} // namespace gfx
