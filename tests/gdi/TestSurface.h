#pragma once

#include "platform/gdi/Gdi.h"

#include <string>

// A white 32-bit surface selected into a memory DC, with pixel counting helpers.
struct TestSurface {
    TestSurface(int32_t width, int32_t height, gdi::COLORREF background = gdi::RGB(255, 255, 255));
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    // The device pixel at (x, y); CLR_INVALID outside.
    gdi::COLORREF at(int32_t x, int32_t y) const;
    int count(gdi::COLORREF color) const;
    int count_not(gdi::COLORREF color) const;
    // The bounding box of the pixels of a colour (or of every other colour), right/bottom exclusive.
    gdi::RECT bounds(gdi::COLORREF color) const;
    gdi::RECT bounds_not(gdi::COLORREF color) const;
    // Rows of '#' for pixels of the colour and '.' for others, for readable failure messages.
    std::string picture(gdi::COLORREF color) const;

    int32_t width;
    int32_t height;
    gdi::HDC dc;
    gdi::HBITMAP bitmap;
    gdi::HGDIOBJ previous;
};
