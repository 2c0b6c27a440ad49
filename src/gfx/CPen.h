#pragma once

#include "gfx/CPoint.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>

namespace gfx {

// A pen description (LOGPEN) and the pen made from it. Every change of colour, style or width
// deletes the current pen and creates a new one, so the object holds at most one live pen; the
// destructor deletes it. Select the pen out of any DC before changing it: a selected pen cannot be
// deleted, and the new one would replace its handle here.
class CPen {
public:
    CPen() = default;
    ~CPen();
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;

    // The stored COLORREF; writing an OLE colour stores TranslateColor(value) and recreates the pen.
    gdi::COLORREF Color() const { return m_logpen.lopnColor; }
    void SetColor(int32_t oleColor);
    uint32_t Style() const { return m_logpen.lopnStyle; }
    void SetStyle(uint32_t style);
    // The LOGPEN width point: x is the width in pixels.
    CPoint GetWidth() const { return {m_logpen.lopnWidth.x, m_logpen.lopnWidth.y}; }
    void SetWidth(const CPoint& width);

    // Sets the description without creating a pen; the colour is stored as given.
    void Init(uint32_t style, const CPoint& width, gdi::COLORREF color);
    // DeletePen, then CreatePenIndirect from the description.
    gdi::HPEN CreatePen();
    gdi::HPEN hPen() const { return m_hpen; }
    // Copies colour, style and width from another pen; creates nothing.
    void CopyPen(const CPen& other);
    // DeleteObject(hPen) when there is one. The handle is forgotten once the pen is gone; a pen the
    // platform refused to delete (still selected) stays held.
    bool DeletePen();

private:
    gdi::LOGPEN m_logpen{0, {0, 0}, 0};
    gdi::HPEN m_hpen;
};

} // namespace gfx
