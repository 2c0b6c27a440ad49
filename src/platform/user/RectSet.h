#pragma once

#include "platform/gdi/Handles.h"

#include <vector>

// A set of pixels as disjoint rectangles: a window's update region. It lives outside the GDI's
// handle table, so invalidating a window creates no GDI object.
namespace user::detail {

class RectSet {
public:
    bool empty() const { return m_rects.empty(); }
    const std::vector<gdi::RECT>& rects() const { return m_rects; }
    // The bounding box; all zero when empty.
    gdi::RECT bounds() const;

    void add(const gdi::RECT& rect);
    void remove(const gdi::RECT& rect);
    // Keeps only what lies inside `rect`.
    void clip(const gdi::RECT& rect);
    void clear() { m_rects.clear(); }

private:
    std::vector<gdi::RECT> m_rects; // disjoint, none empty
};

// The parts of `a` outside `b`: at most four rectangles, appended to `out`.
void subtract(const gdi::RECT& a, const gdi::RECT& b, std::vector<gdi::RECT>& out);

} // namespace user::detail
