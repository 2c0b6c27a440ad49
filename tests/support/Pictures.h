#pragma once

#include "platform/automation/StdPicture.h"
#include "platform/gdi/Handles.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

// Pictures and pixel searches the suites share.
namespace support {

// Pictures of one colour (0x00RRGGBB): a bitmap, and an icon with no pixel masked.
inline std::shared_ptr<rt::StdPicture> SolidBitmap(int32_t width, int32_t height, uint32_t rgb) {
    const std::vector<uint32_t> pixels(size_t(width) * size_t(height), rgb);
    return rt::StdPicture::FromPixels(width, height, pixels);
}

inline std::shared_ptr<rt::StdPicture> SolidIcon(int32_t width, int32_t height, uint32_t rgb) {
    const std::vector<uint32_t> pixels(size_t(width) * size_t(height), rgb);
    return rt::StdPicture::FromIconPixels(width, height, pixels, std::vector<uint8_t>(pixels.size(), 0));
}

// The bounding box (right and bottom exclusive) of the pixels (x, y) of a width x height area for
// which `pick(x, y)` holds; empty when it holds for none.
template <class Pick>
gdi::RECT BoundingBox(int32_t width, int32_t height, Pick pick) {
    gdi::RECT box{width, height, 0, 0};
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            if (pick(x, y))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.right > box.left ? box : gdi::RECT{};
}

} // namespace support
