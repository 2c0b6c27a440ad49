#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// What the picture decoders produce before any GDI object exists: plain pixel arrays, checked
// against the loader's size limits before a single pixel is allocated.
namespace rt::picture {

// The largest picture the loader accepts: 16384 pixels a side and 64 Mi pixels in all (the most a
// GDI bitmap may hold). A header asking for more is refused as an invalid picture, so a 100000 x
// 100000 header costs nothing.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t(1) << 26;

// The colour a bitmap's transparent parts hold: the standard button face, on which a picture in a
// classic form usually sits. PNG alpha is blended over it; a GIF's transparent pixels hold it.
constexpr uint32_t kBitmapBackground = 0xC0C0C0;

// Thrown by a decoder for data that breaks its format's rules (truncated, inconsistent, refused by
// the format's library). LoadPicture turns it into error 481 "broken FORMAT: reason" and never lets
// it out; the decoders are not called from anywhere else.
struct BrokenPicture : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void broken(const std::string& reason);

// Raises 481 "picture too large: W x H, at most ..." or "picture size W x H has no pixels" unless
// 1 <= width, height <= kMaxSide and width x height <= kMaxPixels. Takes 64-bit values so that a
// header's raw numbers can be checked before anything is computed from them.
void check_image_size(int64_t width, int64_t height);

// A 32-bit image, rows top-down, pixels 0x00RRGGBB. Where a decoder says so, the top byte carries
// the source's alpha channel (0 when the source has none).
struct Image32 {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    // A black image; raises 481 when the size is outside the limits.
    static Image32 black(int64_t width, int64_t height);

    uint32_t& at(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// An image and its transparency mask, one byte a pixel in the image's order, 1 where the background
// shows through (the AND mask of the platform). An empty mask means nothing is transparent.
struct MaskedImage {
    Image32 color;
    std::vector<uint8_t> mask;
};

} // namespace rt::picture
