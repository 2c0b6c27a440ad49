#include "platform/automation/ByteReader.h"
#include "platform/automation/PictureDecoders.h"
#include "platform/gdi/Png.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace rt::picture {

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The colour a bitmap's transparent parts are blended over: the standard button face, on which a
// picture in a classic form usually sits.
constexpr uint32_t kButtonFace = 0xC0C0C0;

// The PNG decoded to 8-bit ARGB. The size in the IHDR chunk is checked against the limits first, so
// an oversized header is refused before libpng allocates anything for it.
gdi::Image read_png(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    if (!looks_like_png(bytes)) invalid_picture();
    if (r.u32_be(8) != 13 || std::memcmp(r.slice(12, 4).data(), "IHDR", 4) != 0) invalid_picture();
    const uint32_t width = r.u32_be(16);
    const uint32_t height = r.u32_be(20);
    check_image_size(width, height);
    std::optional<gdi::Image> image = gdi::ReadPng(bytes.data(), bytes.size(), nullptr);
    if (!image || image->width != int32_t(width) || image->height != int32_t(height) ||
        image->pixels.size() != size_t(width) * height)
        invalid_picture();
    return std::move(*image);
}

uint32_t blend_channel(uint32_t colour, uint32_t back, uint32_t alpha, int shift) {
    const uint32_t c = (colour >> shift) & 0xFF;
    const uint32_t b = (back >> shift) & 0xFF;
    return ((c * alpha + b * (255 - alpha) + 127) / 255) << shift;
}

uint32_t blend_over(uint32_t argb, uint32_t back) {
    const uint32_t alpha = argb >> 24;
    return blend_channel(argb, back, alpha, 16) | blend_channel(argb, back, alpha, 8) |
           blend_channel(argb, back, alpha, 0);
}

Image32 image_of(gdi::Image&& png) {
    Image32 image;
    image.width = png.width;
    image.height = png.height;
    image.pixels = std::move(png.pixels);
    return image;
}

} // namespace

bool looks_like_png(std::span<const uint8_t> bytes) {
    return bytes.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

Image32 decode_png_bitmap(std::span<const uint8_t> bytes) {
    Image32 image = image_of(read_png(bytes));
    for (uint32_t& p : image.pixels)
        p = blend_over(p, kButtonFace);
    return image;
}

IconImage decode_png_icon(std::span<const uint8_t> bytes) {
    IconImage icon{image_of(read_png(bytes)), {}};
    icon.mask.resize(icon.color.pixels.size());
    for (size_t i = 0; i < icon.mask.size(); ++i) {
        uint32_t& p = icon.color.pixels[i];
        const bool transparent = (p >> 24) < 128;
        icon.mask[i] = transparent ? 1 : 0;
        // A transparent pixel is black in the colour image, so the masked drawing leaves the
        // background untouched; an opaque one draws its colour.
        p = transparent ? 0 : (p & 0x00FFFFFF);
    }
    return icon;
}

} // namespace rt::picture
