#pragma once

#include "platform/automation/PictureImage.h"

#include <cstdint>
#include <span>

// The file formats LoadPicture reads, told apart by their first bytes. Every decoder raises error
// 481 "Invalid picture" for data it cannot read to the end.
namespace rt::picture {

bool looks_like_bmp(std::span<const uint8_t> bytes);
bool looks_like_png(std::span<const uint8_t> bytes);
bool looks_like_ico(std::span<const uint8_t> bytes);

// A BMP file as a bitmap picture: pixels 0x00RRGGBB. A bitmap has no transparency, so an alpha
// channel in the file is ignored, as BitBlt ignores it.
Image32 decode_bmp(std::span<const uint8_t> bytes);

// A PNG file as a bitmap picture: its alpha is blended over the standard button face (0xC0C0C0),
// the colour a picture usually sits on in a form.
Image32 decode_png_bitmap(std::span<const uint8_t> bytes);

// A PNG image as an icon image: alpha below 128 is transparent.
IconImage decode_png_icon(std::span<const uint8_t> bytes);

// An ICO (or CUR) file: the image of the entry nearest 32 x 32.
IconImage decode_ico(std::span<const uint8_t> bytes);

} // namespace rt::picture
