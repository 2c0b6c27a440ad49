#pragma once

#include <cstdint>

namespace vntab {

class ControlView;
struct TabCtlState;

// Which header lies under a point, from the rectangles the last layout left: every TabRect,
// PanelEdge, DrawTabRowSeparation and RowCapacity. Points are client pixels, fractional as the
// container's mouse events carry them.

// Whether (x, y) lies on the header of tab `tab_index`, bounds included. The active header counts
// as grown by TabActiveInflate at both ends of its row and on the side away from the panel, as it
// is drawn. Right and left headers keep their length in the rectangle's width, so the extents are
// swapped for them. The tabs collection's "Index out of bounds." for an index it does not have.
bool PointInTab(const ControlView& ctl, int32_t tab_index, float x, float y);

// Whether a point lies on the side of PanelEdge that the headers stand on, with or without the
// edge itself. A press selects a header only off the edge; the designer's press counts the edge as
// part of the strip when it looks for controls standing there.
bool OnHeaderSide(const TabCtlState& s, float x, float y, bool edge_included);

// Whether a point lies on some tab's header (PointInTab over every tab).
bool PointOnAnyHeader(const ControlView& ctl, float x, float y);

// What a left-button press at a point finds.
struct HeaderHit {
    // False when the press cannot select anything: nothing is laid out yet, or the point lies on
    // the panel's side of PanelEdge (the edge itself included).
    bool on_strip = false;
    // The header selected, 0 when none is: between headers, or (top tabs) on the active header,
    // which lies over its neighbours and is tested first.
    int16_t tab = 0;
};

// The first header, in tab order, that holds the point in the band of it that the row in front
// does not cover. Top tabs test the active header first.
HeaderHit HeaderUnderPoint(const ControlView& ctl, float x, float y);

} // namespace vntab
