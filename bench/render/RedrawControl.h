#pragma once

#include "render/RenderFixture.h"

#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>

// The control the redraw figures are taken on: a 640 x 480 control in a test container whose
// window holds a 32-bit screen (the render tests' control), with a given number of tabs and rows,
// justification and 3D look.
namespace vntab::bench {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

class RedrawControl {
public:
    // The active tab stands in a middle row, so that every redraw turns the rows. The control is
    // drawn once, so the glyphs and fonts it needs are ready before anything is timed.
    RedrawControl(int32_t tabs, int16_t rows, int32_t justification, int32_t look)
        : m_control(tabs, kWidth, kHeight, look) {
        TabCtlState& s = m_control.state();
        s.Busy = true;
        s.TabRows = rows;
        s.TabActive = static_cast<int16_t>(tabs / 2 - 1);
        s.TabJustification = justification;
        s.Busy = false;
        m_control.Redraw();
    }

    // One full redraw; returns a pixel of the window so that the work cannot be left out.
    uint32_t Redraw() {
        m_control.Redraw();
        return gdi::LockBitmap(m_control.screen).pixels[0];
    }
    gdi::HDC WindowDC() { return m_control.site.hDC(); }
    gdi::HBITMAP WindowBitmap() const { return m_control.screen; }

private:
    render_testing::RenderControl m_control;
};

} // namespace vntab::bench
