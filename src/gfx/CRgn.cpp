#include "gfx/CRgn.h"

#include "gfx/PolyPolygon.h"
#include "platform/automation/AutomationError.h"

#include <vector>

namespace gfx {

namespace {

// The platform POINTs of points[0 .. count - 1]; error 9 when the array is shorter.
std::vector<gdi::POINT> platform_points(std::span<const CPoint> points, int64_t count) {
    if (count > int64_t(points.size())) rt::raise_error(rt::kErrSubscriptOutOfRange);
    std::vector<gdi::POINT> out;
    for (int64_t i = 0; i < count; ++i)
        out.push_back(points[size_t(i)].GetPOINT());
    return out;
}

} // namespace

CRgn::~CRgn() {
    DeleteObject();
}

gdi::HRGN CRgn::adopt(gdi::HRGN region) {
    m_hrgn = region;
    return m_hrgn;
}

gdi::HRGN CRgn::CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    DeleteObject();
    return adopt(gdi::CreateRectRgn(left, top, right, bottom));
}

gdi::HRGN CRgn::CreateEllipticRgn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    DeleteObject();
    return adopt(gdi::CreateEllipticRgn(left, top, right, bottom));
}

gdi::HRGN CRgn::CreatePolygonRgn(std::span<const CPoint> points, int32_t count, int fillMode) {
    const std::vector<gdi::POINT> copied = platform_points(points, count);
    DeleteObject();
    return adopt(gdi::CreatePolygonRgn(copied.data(), count, fillMode));
}

gdi::HRGN CRgn::CreatePolyPolygonRgn(std::span<const CPoint> points, std::span<const int32_t> counts,
                                     int32_t polygons, int fillMode) {
    if (polygons > int64_t(counts.size())) rt::raise_error(rt::kErrSubscriptOutOfRange);
    int64_t total = 0;
    for (int32_t i = 0; i < polygons; ++i)
        total += counts[size_t(i)];
    const std::vector<gdi::POINT> copied = platform_points(points, total);
    DeleteObject();
    return adopt(create_poly_polygon_region(copied.data(), counts.data(), polygons, fillMode));
}

int CRgn::CombineRgn(const CRgn& a, const CRgn& b, int mode) {
    return gdi::CombineRgn(m_hrgn, a.m_hrgn, b.m_hrgn, mode);
}

bool CRgn::DeleteObject() {
    if (!m_hrgn || !gdi::DeleteObject(m_hrgn)) return false;
    m_hrgn = {};
    return true;
}

} // namespace gfx
