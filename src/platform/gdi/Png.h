#pragma once

#include "platform/gdi/Handles.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// PNG files of surfaces (screenshots, golden images) and of pictures.
namespace gdi {

// Writes the bitmap as an 8-bit RGB PNG. The file is written beside the target under a temporary
// name and renamed over it, so a failed write never leaves a half-written file at path.
bool WritePng(HBITMAP bitmap, const std::string& path, std::string* error);

struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB, rows top-down, no padding
};
// Any PNG (palette, grey, 16-bit, with or without alpha) converted to 8-bit ARGB. On failure:
// nullopt and, when error is not null, a one-line reason.
std::optional<Image> ReadPng(const std::string& path, std::string* error);
std::optional<Image> ReadPng(const uint8_t* bytes, size_t size, std::string* error);

} // namespace gdi
