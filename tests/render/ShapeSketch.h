#pragma once

#include "platform/gdi/Trace.h"

#include <map>
#include <string>
#include <vector>

namespace vntab::render_testing {

// The drawing calls of a trace in a compact form, with colours named, so that a test can compare
// what a shape routine drew with the outline it is meant to draw:
//   "M 10,38"                  MoveToEx
//   "L 10,22 HL"               LineTo, with the pen's colour
//   "poly 10,40 10,22 ... TAB" a polygon region filled with a brush of that colour
//   "rect 1,39,298,198 TAB"    FillRect
//   "ellipse l,t,r,b", "rectrgn l,t,r,b", "combine OR|AND|DIFF", "fill SH"   region recipes
//   "arc l,t,r,b xs,ys xe,ye DK"
// Colours missing from `names` are written as #RRGGBB.
std::vector<std::string> Sketch(const gdi::Trace& trace, const std::map<gdi::COLORREF, std::string>& names);

} // namespace vntab::render_testing
