#pragma once

#include "control/TestSite.h"

#include "control/Constants.h"
#include "control/VNTabCtl.h"
#include "platform/gdi/Gdi.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <memory>
#include <string>

namespace text_test {

// A tab control in a pixel container whose DC draws onto a real white screen, with its captions in
// 10-point Arial. Tabs are added until there are `tabs`; nothing is drawn until the test asks.
class CaptionControl {
public:
    explicit CaptionControl(int tabs, int32_t orientation = vntab::vnOrientationTop);
    ~CaptionControl();
    CaptionControl(const CaptionControl&) = delete;
    CaptionControl& operator=(const CaptionControl&) = delete;

    vntab::TabCtlState& state() { return ctl->State(); }
    vntab::VNTab& tab(int32_t i) { return *ctl->Tabs()->at(i); }
    void Redraw() { ctl->RepaintControl(); }
    gdi::COLORREF Pixel(int32_t x, int32_t y) const { return gdi::GetPixel(site.hDC(), x, y); }
    // The bounding box of the screen pixels that differ from `other`'s.
    gdi::RECT ChangedFrom(const CaptionControl& other) const;

    vntab::fakes::TestSite site;
    std::shared_ptr<vntab::VNTabCtl> ctl;

private:
    gdi::HBITMAP m_screen;
    gdi::HGDIOBJ m_previous;
};

} // namespace text_test
