#include "gfx/CBitmap.h"

namespace gfx {

gdi::HBITMAP CBitmap::CreateCompatibleBitmap(const CDC& dc, int32_t width, int32_t height) {
    m_handle = gdi::CreateCompatibleBitmap(dc.m_hdc, width, height);
    m_width = width;
    m_height = height;
    return m_handle;
}

void CBitmap::CopyBitmap(const CBitmap& other) {
    m_handle = other.m_handle;
    m_width = other.m_width;
    m_height = other.m_height;
}

bool CBitmap::DeleteObject() {
    return gdi::DeleteObject(m_handle);
}

} // namespace gfx
