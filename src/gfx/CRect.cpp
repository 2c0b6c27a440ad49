#include "gfx/CRect.h"

#include "platform/automation/Arithmetic.h"
#include "platform/user/Rects.h"

#include <utility>

namespace gfx {

int32_t CRect::Width() const {
    return rt::sub32(Right, Left);
}

int32_t CRect::Height() const {
    return rt::sub32(Bottom, Top);
}

void CRect::SetWidth(int32_t value) {
    Right = rt::add32(Left, value);
}

void CRect::SetHeight(int32_t value) {
    Bottom = rt::add32(Top, value);
}

bool CRect::IsRectEmpty() const {
    const gdi::RECT r = GetRECT();
    return user::IsRectEmpty(&r);
}

bool CRect::IsRectNull() const {
    return Left == 0 && Top == 0 && Right == 0 && Bottom == 0;
}

void CRect::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    *this = CRect(left, top, right, bottom);
}

void CRect::SetRectEmpty() {
    *this = CRect();
}

void CRect::NormalizeRect() {
    if (Left > Right) std::swap(Left, Right);
    if (Top > Bottom) std::swap(Top, Bottom);
}

CSize CRect::Size() const {
    return {Width(), Height()};
}

CPoint CRect::CenterPoint() const {
    // The halves are fractional, and every fractional value rounds half to even.
    return {rt::clng(rt::add32(Left, Right) / 2.0), rt::clng(rt::add32(Top, Bottom) / 2.0)};
}

bool CRect::PtInRect(const CPoint& point) const {
    const gdi::RECT r = GetRECT();
    return user::PtInRect(&r, point.GetPOINT());
}

void CRect::SetFromRECT(const gdi::RECT& rect) {
    *this = CRect(rect.left, rect.top, rect.right, rect.bottom);
}

void CRect::CopyRect(const CRect& other) {
    *this = other;
}

bool CRect::EqualRect(const CRect& other) const {
    return *this == other;
}

void CRect::InflateRect(int32_t x, int32_t y) {
    InflateRect(x, y, x, y);
}

void CRect::InflateRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    // All four are computed before any is stored, so an overflow leaves the rectangle as it was.
    *this =
        CRect(rt::sub32(Left, left), rt::sub32(Top, top), rt::add32(Right, right), rt::add32(Bottom, bottom));
}

void CRect::InflateRect(const CRect& by) {
    InflateRect(by.Left, by.Top, by.Right, by.Bottom);
}

void CRect::InflateRect(const CSize& by) {
    InflateRect(by.CX, by.CY);
}

void CRect::DeflateRect(int32_t x, int32_t y) {
    DeflateRect(x, y, x, y);
}

void CRect::DeflateRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    *this =
        CRect(rt::add32(Left, left), rt::add32(Top, top), rt::sub32(Right, right), rt::sub32(Bottom, bottom));
}

void CRect::DeflateRect(const CRect& by) {
    DeflateRect(by.Left, by.Top, by.Right, by.Bottom);
}

void CRect::DeflateRect(const CSize& by) {
    DeflateRect(by.CX, by.CY);
}

void CRect::OffsetRect(int32_t dx, int32_t dy) {
    *this = CRect(rt::add32(Left, dx), rt::add32(Top, dy), rt::add32(Right, dx), rt::add32(Bottom, dy));
}

bool CRect::SubtractRect(const CRect& other) {
    const gdi::RECT a = GetRECT();
    const gdi::RECT b = other.GetRECT();
    gdi::RECT result;
    const bool ok = user::SubtractRect(&result, &a, &b);
    SetFromRECT(result);
    return ok;
}

bool CRect::UnionRect(const CRect& other) {
    const gdi::RECT a = GetRECT();
    const gdi::RECT b = other.GetRECT();
    gdi::RECT result;
    const bool ok = user::UnionRect(&result, &a, &b);
    SetFromRECT(result);
    return ok;
}

} // namespace gfx
