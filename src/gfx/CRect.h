#pragma once

#include "gfx/CPoint.h"
#include "gfx/CSize.h"
#include "platform/gdi/Handles.h"

#include <cstdint>

namespace gfx {

// A rectangle of four 32-bit edges. Width and Height are derived (Right - Left, Bottom - Top), never
// stored; nothing is normalised unless NormalizeRect is asked. Every sum and difference is
// overflow-checked and raises error 6 "Overflow" instead of wrapping.
struct CRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom) {}

    int32_t Width() const;
    int32_t Height() const;
    // Moves Right (Bottom) so that the width (height) becomes `value`; Left (Top) stays.
    void SetWidth(int32_t value);
    void SetHeight(int32_t value);

    bool IsRectEmpty() const; // the platform's test: no area
    bool IsRectNull() const;  // all four values 0
    void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void SetRectEmpty();
    // Swaps Left/Right when Left > Right and Top/Bottom when Top > Bottom.
    void NormalizeRect();

    CSize Size() const;
    CPoint TopLeft() const { return {Left, Top}; }
    CPoint BottomRight() const { return {Right, Bottom}; }
    // ((Left + Right) / 2, (Top + Bottom) / 2), each half rounded to even.
    CPoint CenterPoint() const;
    bool PtInRect(const CPoint& point) const; // the platform's test: right and bottom edges outside

    void SetFromRECT(const gdi::RECT& rect);
    gdi::RECT GetRECT() const { return {Left, Top, Right, Bottom}; }
    void CopyRect(const CRect& other);
    bool EqualRect(const CRect& other) const;

    // Two numbers x, y: Left -= x, Top -= y, Right += x, Bottom += y. Four numbers: each edge by its
    // own amount, outwards. A CRect: its four values as the four numbers. A CSize: CX, CY as x, y.
    // Three numbers is not one of the class's forms and changes nothing.
    void InflateRect(int32_t x, int32_t y);
    void InflateRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void InflateRect(const CRect& by);
    void InflateRect(const CSize& by);
    void InflateRect(int32_t, int32_t, int32_t) {}
    // The same forms, inwards.
    void DeflateRect(int32_t x, int32_t y);
    void DeflateRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void DeflateRect(const CRect& by);
    void DeflateRect(const CSize& by);
    void DeflateRect(int32_t, int32_t, int32_t) {}

    // Adds dx to Left and Right and dy to Top and Bottom; a CPoint gives (x, y), a CSize (CX, CY).
    void OffsetRect(int32_t dx, int32_t dy);
    void OffsetRect(const CPoint& by) { OffsetRect(by.x, by.y); }
    void OffsetRect(const CSize& by) { OffsetRect(by.CX, by.CY); }

    // The platform calls with this rectangle as destination and first source; their results.
    bool SubtractRect(const CRect& other);
    bool UnionRect(const CRect& other);

    friend bool operator==(const CRect&, const CRect&) = default;
};

} // namespace gfx
