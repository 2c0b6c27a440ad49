#include "CaptionControl.h"

#include <algorithm>
#include <vector>

namespace text_test {

namespace {
constexpr int32_t kWidth = 300, kHeight = 200;
}

CaptionControl::CaptionControl(int tabs, int32_t orientation) {
    site.container_scale_mode = host::vbPixels;
    site.client_width = kWidth;
    site.client_height = kHeight;
    const std::vector<uint32_t> white(size_t(kWidth) * kHeight, 0xFFFFFF);
    m_screen = gdi::CreateBitmap32(kWidth, kHeight, white.data());
    m_previous = gdi::SelectObject(site.hDC(), m_screen);
    ctl = vntab::VNTabCtl::Create(site);
    state().Busy = true;
    ctl->InitProperties();
    while (ctl->Tabs()->Count() < tabs)
        ctl->Tabs()->Add();
    state().Orientation = orientation;
    state().TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 10);
    state().Busy = false;
}

CaptionControl::~CaptionControl() {
    ctl->Terminate();
    ctl.reset();
    gdi::SelectObject(site.hDC(), m_previous);
    gdi::DeleteObject(m_screen);
}

gdi::RECT CaptionControl::ChangedFrom(const CaptionControl& other) const {
    gdi::RECT box{kWidth, kHeight, 0, 0};
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x)
            if (Pixel(x, y) != other.Pixel(x, y))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.right > box.left ? box : gdi::RECT{};
}

} // namespace text_test
