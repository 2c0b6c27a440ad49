#pragma once

#include "gfx/CDC.h"
#include "platform/automation/Dispatch.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <memory>

namespace gfx {

// A bitmap handle with its size, and an object reference kept for the caller. It never deletes
// the handle by itself: the caller calls DeleteObject.
class CBitmap {
public:
    const std::shared_ptr<rt::Dispatch>& Bitmap() const { return m_bitmap; }
    void SetBitmap(std::shared_ptr<rt::Dispatch> bitmap) { m_bitmap = std::move(bitmap); }
    gdi::HBITMAP Handle() const { return m_handle; }
    void SetHandle(gdi::HBITMAP handle) { m_handle = handle; }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }

    // CreateCompatibleBitmap(dc.m_hdc, width, height); stores the handle and the size.
    gdi::HBITMAP CreateCompatibleBitmap(const CDC& dc, int32_t width, int32_t height);
    // Copies handle, width and height (not the object reference).
    void CopyBitmap(const CBitmap& other);
    // Deletes the handle; it stays stored.
    bool DeleteObject();

private:
    std::shared_ptr<rt::Dispatch> m_bitmap;
    gdi::HBITMAP m_handle;
    int32_t m_width = 0;
    int32_t m_height = 0;
};

} // namespace gfx
