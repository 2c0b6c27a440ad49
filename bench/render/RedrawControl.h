#pragma once

#include "support/TestSite.h"

#include "control/VNTabCtl.h"
#include "platform/automation/Variant.h"
#include "platform/gdi/Gdi.h"
#include "tabs/VNTabs.h"

#include <cstdint>
#include <memory>

// The control the redraw figures are taken on: a 640 x 480 control in a test container whose
// window holds a 32-bit screen, with a given number of tabs and rows, justification and 3D look.
namespace vntab::bench {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

class RedrawControl {
public:
    // The active tab stands in a middle row, so that every redraw turns the rows. The control is
    // drawn once, so the glyphs and fonts it needs are ready before anything is timed.
    RedrawControl(int32_t tabs, int16_t rows, int32_t justification, int32_t look) {
        m_site.container_scale_mode = host::vbPixels;
        m_site.client_width = kWidth;
        m_site.client_height = kHeight;
        m_screen = gdi::CreateBitmap32(kWidth, kHeight, nullptr);
        m_previous = gdi::SelectObject(m_site.hDC(), m_screen);
        m_ctl = VNTabCtl::Create(m_site);
        m_ctl->InitProperties();
        m_ctl->Let("Tab3DAppearance", rt::Variant(look));
        TabCtlState& s = m_ctl->State();
        s.Busy = true;
        while (m_ctl->Tabs()->Count() < tabs)
            m_ctl->Tabs()->Add();
        s.TabRows = rows;
        s.TabActive = static_cast<int16_t>(tabs / 2 - 1);
        s.TabJustification = justification;
        s.Busy = false;
        m_ctl->RepaintControl();
    }
    ~RedrawControl() {
        m_ctl->Terminate();
        gdi::SelectObject(m_site.hDC(), m_previous);
        gdi::DeleteObject(m_screen);
    }
    RedrawControl(const RedrawControl&) = delete;
    RedrawControl& operator=(const RedrawControl&) = delete;

    // One full redraw; returns a pixel of the window so that the work cannot be left out.
    uint32_t Redraw() {
        m_ctl->RepaintControl();
        return gdi::LockBitmap(m_screen).pixels[0];
    }
    gdi::HDC WindowDC() { return m_site.hDC(); }
    gdi::HBITMAP WindowBitmap() const { return m_screen; }

private:
    fakes::TestSite m_site;
    gdi::HBITMAP m_screen;
    gdi::HGDIOBJ m_previous;
    std::shared_ptr<VNTabCtl> m_ctl;
};

} // namespace vntab::bench
