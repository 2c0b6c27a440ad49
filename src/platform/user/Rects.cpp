#include "platform/user/Rects.h"

#include <algorithm>

namespace user {

namespace {

// 32-bit arithmetic that wraps around as the platform's does.
int32_t wrap_add(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t wrap_sub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

} // namespace

bool IsRectEmpty(const gdi::RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

bool PtInRect(const gdi::RECT* rect, gdi::POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

bool SetRect(gdi::RECT* rect, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!rect) return false;
    *rect = {left, top, right, bottom};
    return true;
}

bool SetRectEmpty(gdi::RECT* rect) {
    if (!rect) return false;
    *rect = {};
    return true;
}

bool CopyRect(gdi::RECT* dst, const gdi::RECT* src) {
    if (!dst || !src) return false;
    *dst = *src;
    return true;
}

bool EqualRect(const gdi::RECT* a, const gdi::RECT* b) {
    return a && b && *a == *b;
}

bool InflateRect(gdi::RECT* rect, int32_t dx, int32_t dy) {
    if (!rect) return false;
    *rect = {wrap_sub(rect->left, dx), wrap_sub(rect->top, dy), wrap_add(rect->right, dx),
             wrap_add(rect->bottom, dy)};
    return true;
}

bool OffsetRect(gdi::RECT* rect, int32_t dx, int32_t dy) {
    if (!rect) return false;
    *rect = {wrap_add(rect->left, dx), wrap_add(rect->top, dy), wrap_add(rect->right, dx),
             wrap_add(rect->bottom, dy)};
    return true;
}

bool IntersectRect(gdi::RECT* dst, const gdi::RECT* a, const gdi::RECT* b) {
    if (!dst || !a || !b) return false;
    if (IsRectEmpty(a) || IsRectEmpty(b) || a->left >= b->right || b->left >= a->right ||
        a->top >= b->bottom || b->top >= a->bottom) {
        *dst = {};
        return false;
    }
    *dst = {std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
            std::min(a->bottom, b->bottom)};
    return true;
}

bool UnionRect(gdi::RECT* dst, const gdi::RECT* a, const gdi::RECT* b) {
    if (!dst || !a || !b) return false;
    const bool a_empty = IsRectEmpty(a);
    const bool b_empty = IsRectEmpty(b);
    if (a_empty && b_empty) {
        *dst = {};
        return false;
    }
    if (a_empty) {
        *dst = *b;
    } else if (b_empty) {
        *dst = *a;
    } else {
        *dst = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
    }
    return true;
}

bool SubtractRect(gdi::RECT* dst, const gdi::RECT* a, const gdi::RECT* b) {
    if (!dst || !a || !b) return false;
    if (IsRectEmpty(a)) {
        *dst = {};
        return false;
    }
    gdi::RECT result = *a;
    gdi::RECT overlap;
    if (IntersectRect(&overlap, a, b)) {
        if (overlap == result) {
            *dst = {};
            return false;
        }
        // Only a cut across a whole side leaves a rectangle; anything else leaves a unchanged.
        if (overlap.top == result.top && overlap.bottom == result.bottom) {
            if (overlap.left == result.left)
                result.left = overlap.right;
            else if (overlap.right == result.right)
                result.right = overlap.left;
        } else if (overlap.left == result.left && overlap.right == result.right) {
            if (overlap.top == result.top)
                result.top = overlap.bottom;
            else if (overlap.bottom == result.bottom)
                result.bottom = overlap.top;
        }
    }
    *dst = result;
    return true;
}

} // namespace user
