#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace gfx {

// The platform's CreatePolyPolygonRgn, built from rectangle regions: polygons[i] takes counts[i]
// points in turn from `points`, each closed on its own. A pixel belongs to the region by the sample
// rule of CreatePolygonRgn (its top-left corner inside; left and top edges in, right and bottom
// edges out), counting the edges of all polygons together: an odd number of crossings to its left
// for ALTERNATE, a winding sum other than 0 for WINDING. Fails (0) for an unknown fill mode, a
// polygon of fewer than two points or a negative count.
gdi::HRGN create_poly_polygon_region(const gdi::POINT* points, const int32_t* counts, int32_t polygons,
                                     int fillMode);

} // namespace gfx
