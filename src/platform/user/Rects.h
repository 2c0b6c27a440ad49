#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

// The platform's rectangle functions. Their arithmetic wraps around in 32 bits, as the platform's
// does; they check nothing but null pointers (false).
namespace user {

// True when the rectangle has no area: right <= left or bottom <= top.
bool IsRectEmpty(const gdi::RECT* rect);
// Left and top edges inside, right and bottom edges outside.
bool PtInRect(const gdi::RECT* rect, gdi::POINT point);
bool SetRect(gdi::RECT* rect, int32_t left, int32_t top, int32_t right, int32_t bottom);
bool SetRectEmpty(gdi::RECT* rect);
bool CopyRect(gdi::RECT* dst, const gdi::RECT* src);
bool EqualRect(const gdi::RECT* a, const gdi::RECT* b);
bool InflateRect(gdi::RECT* rect, int32_t dx, int32_t dy);
bool OffsetRect(gdi::RECT* rect, int32_t dx, int32_t dy);
// The overlap; empty (false) when there is none or a source is empty.
bool IntersectRect(gdi::RECT* dst, const gdi::RECT* a, const gdi::RECT* b);
// The bounding rectangle of two rectangles, ignoring an empty one; false (and an empty result)
// when both are empty.
bool UnionRect(gdi::RECT* dst, const gdi::RECT* a, const gdi::RECT* b);
// a minus b when the rest is still a rectangle (b covers a whole side of a), else a unchanged.
// False, with an empty result, when a is empty or b covers all of it.
bool SubtractRect(gdi::RECT* dst, const gdi::RECT* a, const gdi::RECT* b);

} // namespace user
