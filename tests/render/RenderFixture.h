#pragma once

#include "support/TestSite.h"

#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "platform/gdi/Gdi.h"
#include "support/Pictures.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vntab::render_testing {

// A control drawn onto a real 32-bit screen: the test site's DC gets a bitmap of the client size,
// so that the redraw's final copy lands somewhere the test can read. The control is a newly placed
// one (TabWidth 50, TabHeight 20, TabRowOffset 10, TabActiveInflate 2, TabActiveBevel 2) in a
// pixel container, with `tabs` tabs and the given look; nothing is drawn until the test asks.
struct RenderControl {
    fakes::TestSite site;
    std::shared_ptr<VNTabCtl> ctl;
    gdi::HBITMAP screen;
    gdi::HGDIOBJ previous_bitmap;
    int32_t screen_width, screen_height; // the screen keeps the size it was made with

    explicit RenderControl(int tabs, double width = 300.0, double height = 200.0,
                           int32_t look = vn3DWindows95)
        : screen_width(static_cast<int32_t>(width)), screen_height(static_cast<int32_t>(height)) {
        site.container_scale_mode = host::vbPixels;
        site.client_width = width;
        site.client_height = height;
        screen = gdi::CreateBitmap32(screen_width, screen_height, nullptr);
        previous_bitmap = gdi::SelectObject(site.hDC(), screen);
        ctl = VNTabCtl::Create(site);
        state().Busy = true;
        ctl->InitProperties();
        while (ctl->Tabs()->Count() < tabs)
            ctl->Tabs()->Add();
        state().Tab3DAppearance = look;
        state().DrawTab3DAppearance = look;
        state().Busy = false;
    }
    ~RenderControl() {
        ctl->Terminate();
        gdi::SelectObject(site.hDC(), previous_bitmap);
        gdi::DeleteObject(screen);
    }
    RenderControl(const RenderControl&) = delete;
    RenderControl& operator=(const RenderControl&) = delete;

    TabCtlState& state() { return ctl->State(); }
    VNTab& tab(int32_t i) { return *ctl->Tabs()->at(i); }
    void Redraw() { ctl->RepaintControl(); }

    // The screen pixel as a COLORREF (0x00BBGGRR), as the drawing calls take colours.
    gdi::COLORREF Pixel(int32_t x, int32_t y) const { return gdi::GetPixel(site.hDC(), x, y); }
    // Paints the whole screen one colour.
    void Fill(gdi::COLORREF color) {
        const gdi::HBRUSH brush = gdi::CreateSolidBrush(color);
        const gdi::RECT all{0, 0, screen_width, screen_height};
        gdi::FillRect(site.hDC(), &all, brush);
        gdi::DeleteObject(brush);
    }
    // The bounding box of the screen pixels that differ from `other`'s.
    gdi::RECT ChangedFrom(const RenderControl& other) const {
        return support::BoundingBox(screen_width, screen_height,
                                    [&](int32_t x, int32_t y) { return Pixel(x, y) != other.Pixel(x, y); });
    }
    bool SavePng(const std::string& path) const { return gdi::WritePng(screen, path, nullptr); }
};

} // namespace vntab::render_testing
