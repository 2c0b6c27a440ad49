#pragma once

#include "platform/gdi/Gdi.h"

#include <utility>
#include <vector>

namespace vntab::render {

// The solid pens (one pixel wide) and solid brushes of one redraw, one of each colour: made the first
// time a colour is asked for, kept while the redraw lasts and deleted with the object. A redraw draws
// two dozen headers in a handful of colours, so its pens and brushes are made once instead of once
// a line group or fill. Whoever selects one selects the previous object back before the redraw
// ends, so none is selected when they are deleted.
class RedrawObjects {
public:
    RedrawObjects() = default;
    ~RedrawObjects();
    RedrawObjects(const RedrawObjects&) = delete;
    RedrawObjects& operator=(const RedrawObjects&) = delete;

    // The pen CPen makes for PS_SOLID, width 1 and this colour.
    gdi::HPEN Pen(gdi::COLORREF color);
    // The brush CreateBrushIndirect makes for BS_SOLID and this colour.
    gdi::HBRUSH Brush(gdi::COLORREF color);

private:
    std::vector<std::pair<gdi::COLORREF, gdi::HPEN>> m_pens;
    std::vector<std::pair<gdi::COLORREF, gdi::HBRUSH>> m_brushes;
};

} // namespace vntab::render
