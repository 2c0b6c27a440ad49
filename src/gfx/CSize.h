#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace gfx {

// A width and a height.
struct CSize {
    int32_t CX = 0;
    int32_t CY = 0;

    constexpr CSize() = default;
    constexpr CSize(int32_t cx, int32_t cy) : CX(cx), CY(cy) {}

    void CopySize(const CSize& other) {
        CX = other.CX;
        CY = other.CY;
    }
    gdi::SIZE GetSIZE() const { return {CX, CY}; }

    friend bool operator==(const CSize&, const CSize&) = default;
};

} // namespace gfx
