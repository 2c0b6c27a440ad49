#pragma once

#include "gfx/CPoint.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <span>

namespace gfx {

// One region handle, owned: every create deletes the current region first, and the destructor
// deletes it.
class CRgn {
public:
    CRgn() = default;
    ~CRgn();
    CRgn(const CRgn&) = delete;
    CRgn& operator=(const CRgn&) = delete;

    gdi::HRGN hRgn() const { return m_hrgn; }

    gdi::HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom);
    gdi::HRGN CreateEllipticRgn(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Copies points[0 .. count - 1] into a platform POINT array and calls CreatePolygonRgn (fill mode
    // 1 ALTERNATE or 2 WINDING). A count beyond the array raises error 9 "Subscript out of range".
    gdi::HRGN CreatePolygonRgn(std::span<const CPoint> points, int32_t count, int fillMode);
    // Several polygons as one region: counts[0 .. polygons - 1] points each, taken in order from
    // `points`. With ALTERNATE a pixel is inside when an odd number of the polygons' edges lie to its
    // left; with WINDING when their winding numbers do not add up to 0.
    gdi::HRGN CreatePolyPolygonRgn(std::span<const CPoint> points, std::span<const int32_t> counts,
                                   int32_t polygons, int fillMode);
    // CombineRgn(hRgn, a.hRgn, b.hRgn, mode); this region must already exist.
    int CombineRgn(const CRgn& a, const CRgn& b, int mode);
    // DeleteObject(hRgn) when there is one; the handle is forgotten once the region is gone.
    bool DeleteObject();

private:
    gdi::HRGN adopt(gdi::HRGN region);

    gdi::HRGN m_hrgn;
};

} // namespace gfx
