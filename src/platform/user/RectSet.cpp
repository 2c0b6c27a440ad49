#include "platform/user/RectSet.h"

#include <algorithm>

namespace user::detail {

namespace {

bool has_area(const gdi::RECT& r) {
    return r.right > r.left && r.bottom > r.top;
}

gdi::RECT intersection(const gdi::RECT& a, const gdi::RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

} // namespace

void subtract(const gdi::RECT& a, const gdi::RECT& b, std::vector<gdi::RECT>& out) {
    const gdi::RECT overlap = intersection(a, b);
    if (!has_area(overlap)) {
        out.push_back(a);
        return;
    }
    // Full-width bands above and below the overlap, then the pieces left and right of it.
    const gdi::RECT pieces[] = {
        {a.left, a.top, a.right, overlap.top},
        {a.left, overlap.bottom, a.right, a.bottom},
        {a.left, overlap.top, overlap.left, overlap.bottom},
        {overlap.right, overlap.top, a.right, overlap.bottom},
    };
    for (const gdi::RECT& piece : pieces)
        if (has_area(piece)) out.push_back(piece);
}

gdi::RECT RectSet::bounds() const {
    if (m_rects.empty()) return {};
    gdi::RECT box = m_rects.front();
    for (const gdi::RECT& r : m_rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

void RectSet::add(const gdi::RECT& rect) {
    if (!has_area(rect)) return;
    // Only the parts not covered yet are added, so the rectangles stay disjoint.
    std::vector<gdi::RECT> pieces{rect};
    for (const gdi::RECT& existing : m_rects) {
        std::vector<gdi::RECT> rest;
        for (const gdi::RECT& piece : pieces)
            subtract(piece, existing, rest);
        pieces = std::move(rest);
        if (pieces.empty()) return;
    }
    m_rects.insert(m_rects.end(), pieces.begin(), pieces.end());
}

void RectSet::remove(const gdi::RECT& rect) {
    if (!has_area(rect)) return;
    std::vector<gdi::RECT> rest;
    for (const gdi::RECT& existing : m_rects)
        subtract(existing, rect, rest);
    m_rects = std::move(rest);
}

void RectSet::clip(const gdi::RECT& rect) {
    std::vector<gdi::RECT> inside;
    for (const gdi::RECT& existing : m_rects) {
        const gdi::RECT part = intersection(existing, rect);
        if (has_area(part)) inside.push_back(part);
    }
    m_rects = std::move(inside);
}

} // namespace user::detail
