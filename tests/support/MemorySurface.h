#pragma once

#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <vector>

// A memory DC over a w x h 32-bit bitmap of one colour (0x00RRGGBB); frees both at the end.
class MemorySurface {
public:
    MemorySurface(int32_t w, int32_t h, uint32_t rgb) {
        std::vector<uint32_t> pixels(size_t(w) * h, rgb);
        m_bitmap = gdi::CreateBitmap32(w, h, pixels.data());
        m_dc = gdi::CreateCompatibleDC({});
        m_previous = gdi::SelectObject(m_dc, m_bitmap);
    }
    ~MemorySurface() {
        gdi::SelectObject(m_dc, m_previous);
        gdi::DeleteDC(m_dc);
        gdi::DeleteObject(m_bitmap);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    gdi::HDC dc() const { return m_dc; }
    int32_t width() const { return gdi::LockDC(m_dc).width; }
    int32_t height() const { return gdi::LockDC(m_dc).height; }
    // Every pixel, row by row.
    std::vector<uint32_t> pixels() const {
        const gdi::SurfaceView v = gdi::LockDC(m_dc);
        std::vector<uint32_t> out;
        for (int32_t y = 0; y < v.height; ++y)
            for (int32_t x = 0; x < v.width; ++x)
                out.push_back(v.pixels[size_t(y) * v.stride + x]);
        return out;
    }
    uint32_t at(int32_t x, int32_t y) const {
        const gdi::SurfaceView v = gdi::LockDC(m_dc);
        return v.pixels[size_t(y) * v.stride + x];
    }

private:
    gdi::HBITMAP m_bitmap;
    gdi::HDC m_dc;
    gdi::HGDIOBJ m_previous;
};
