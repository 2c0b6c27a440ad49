#include "render/RedrawObjects.h"

#include "gfx/Module.h"

namespace vntab::render {

RedrawObjects::~RedrawObjects() {
    for (const auto& [color, pen] : m_pens)
        gdi::DeleteObject(pen);
    for (const auto& [color, brush] : m_brushes)
        gdi::DeleteObject(brush);
}

gdi::HPEN RedrawObjects::Pen(gdi::COLORREF color) {
    for (const auto& [made, pen] : m_pens)
        if (made == color) return pen;
    // As CPen::SetColor makes it: the colour goes through the OLE colour translation, which leaves a
    // COLORREF as it is.
    const gdi::LOGPEN logpen{gdi::PS_SOLID, {1, 0}, gfx::TranslateColor(static_cast<int32_t>(color))};
    const gdi::HPEN pen = gdi::CreatePenIndirect(&logpen);
    m_pens.emplace_back(color, pen);
    return pen;
}

gdi::HBRUSH RedrawObjects::Brush(gdi::COLORREF color) {
    for (const auto& [made, brush] : m_brushes)
        if (made == color) return brush;
    const gdi::LOGBRUSH logbrush{gdi::BS_SOLID, color, 0};
    const gdi::HBRUSH brush = gdi::CreateBrushIndirect(&logbrush);
    m_brushes.emplace_back(color, brush);
    return brush;
}

} // namespace vntab::render
