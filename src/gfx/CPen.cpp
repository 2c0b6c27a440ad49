#include "gfx/CPen.h"

#include "gfx/Module.h"

namespace gfx {

CPen::~CPen() {
    DeletePen();
}

void CPen::SetColor(int32_t oleColor) {
    m_logpen.lopnColor = TranslateColor(oleColor);
    CreatePen();
}

void CPen::SetStyle(uint32_t style) {
    m_logpen.lopnStyle = style;
    CreatePen();
}

void CPen::SetWidth(const CPoint& width) {
    m_logpen.lopnWidth = width.GetPOINT();
    CreatePen();
}

void CPen::Init(uint32_t style, const CPoint& width, gdi::COLORREF color) {
    m_logpen = {style, width.GetPOINT(), color};
}

gdi::HPEN CPen::CreatePen() {
    DeletePen();
    m_hpen = gdi::CreatePenIndirect(&m_logpen);
    return m_hpen;
}

void CPen::CopyPen(const CPen& other) {
    m_logpen = other.m_logpen;
}

bool CPen::DeletePen() {
    if (!m_hpen || !gdi::DeleteObject(m_hpen)) return false;
    m_hpen = {};
    return true;
}

} // namespace gfx
