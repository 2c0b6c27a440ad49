#pragma once

#include "platform/automation/PictureImage.h"

#include <cstdint>
#include <span>
#include <string_view>

// The file formats LoadPicture reads, told apart by their first bytes. Every decoder throws
// BrokenPicture for data it cannot read to the end, and raises 481 for a picture outside the size
// limits.
namespace rt::picture {

bool looks_like_bmp(std::span<const uint8_t> bytes);
bool looks_like_png(std::span<const uint8_t> bytes);
bool looks_like_ico(std::span<const uint8_t> bytes);
bool looks_like_gif(std::span<const uint8_t> bytes);
bool looks_like_jpeg(std::span<const uint8_t> bytes);
bool looks_like_wmf(std::span<const uint8_t> bytes);
bool looks_like_emf(std::span<const uint8_t> bytes);

// The name of a picture (or document) format this loader recognises but does not read ("TIFF",
// "PCX", "SVG", "WebP", ...), or an empty view when the data is of no format it knows.
std::string_view unsupported_format(std::span<const uint8_t> bytes);

// A BMP file as a bitmap picture: pixels 0x00RRGGBB. A bitmap has no transparency, so an alpha
// channel in the file is ignored, as BitBlt ignores it.
Image32 decode_bmp(std::span<const uint8_t> bytes);

// A PNG file as a bitmap picture: its alpha is blended over kBitmapBackground.
Image32 decode_png_bitmap(std::span<const uint8_t> bytes);

// A PNG image as an icon image: pixels 0xAARRGGBB with the PNG's alpha (alpha 0 pixels black), and
// the mask set where alpha is below 128.
MaskedImage decode_png_icon(std::span<const uint8_t> bytes);

// An ICO (or CUR) file: the image of the entry nearest 32 x 32. A 32-bit image whose alpha is not
// all zero keeps it in the top bytes (to be blended); every other image is 0x00RRGGBB with its mask.
MaskedImage decode_ico(std::span<const uint8_t> bytes);

// A GIF file's first image as a bitmap: the picture has the size of the logical screen, and the
// mask covers the pixels of the transparent colour and the screen the image does not cover.
MaskedImage decode_gif(std::span<const uint8_t> bytes);

// A JPEG file (baseline, extended or progressive; greyscale, YCbCr, RGB, CMYK or YCCK) as a bitmap.
Image32 decode_jpeg(std::span<const uint8_t> bytes);

// A metafile's size in HIMETRIC, read from its headers; the records are checked for their framing
// only, never played.
struct MetafileSize {
    int32_t width = 0;
    int32_t height = 0;
};
// A Windows metafile, with or without the placeable header. With one, the size is its bounding box
// in its units per inch; without, the first window extent record gives the size in pixels at the
// logical DPI.
MetafileSize read_wmf_size(std::span<const uint8_t> bytes);
// An enhanced metafile: the size of its frame rectangle, which the header gives in HIMETRIC.
MetafileSize read_emf_size(std::span<const uint8_t> bytes);

} // namespace rt::picture
