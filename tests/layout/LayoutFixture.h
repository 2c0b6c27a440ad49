#pragma once

#include "support/ErrorNumber.h"
#include "support/TestSite.h"

#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "layout/TabLayout.h"
#include "platform/automation/AutomationError.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

namespace gdi {
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace gdi

namespace vntab::layout_testing {

// A new control with the defaults of a freshly placed one (TabWidth 50, TabHeight 20, rows 18
// pixels apart, TabRowOffset 10, TabActiveInflate 2, the Windows 95 look) in a pixel container of
// the given client size, holding `tabs` tabs. The control is kept busy so that nothing but the
// test lays it out; RowCount starts at 0 as before a first layout.
struct LayoutControl {
    fakes::TestSite site;
    std::shared_ptr<VNTabCtl> ctl;

    explicit LayoutControl(int tabs, double width = 300.0, double height = 200.0) {
        site.container_scale_mode = host::vbPixels;
        site.client_width = width;
        site.client_height = height;
        ctl = VNTabCtl::Create(site);
        ctl->InitProperties();
        state().Busy = true;
        while (ctl->Tabs()->Count() < tabs)
            ctl->Tabs()->Add();
        state().RowCount = 0;
        state().RowCapacity = 0;
    }
    ~LayoutControl() { ctl->Terminate(); }
    LayoutControl(const LayoutControl&) = delete;
    LayoutControl& operator=(const LayoutControl&) = delete;

    TabCtlState& state() { return ctl->State(); }
    int32_t count() const { return ctl->Tabs()->Count(); }
    VNTab& tab(int32_t i) { return *ctl->Tabs()->at(i); }
    const gdi::RECT& rect(int32_t i) { return tab(i).TabRect(); }
    int16_t row(int32_t i) { return GetTabRow(*ctl, i); }

    void Layout() { LayoutTabs(*ctl, site.hDC()); }
    void Redraw() { LayoutForRedraw(*ctl, site.hDC()); }

    std::vector<int16_t> Rows() {
        std::vector<int16_t> rows;
        for (int32_t i = 1; i <= count(); ++i)
            rows.push_back(row(i));
        return rows;
    }
    std::vector<gdi::RECT> Rects() {
        std::vector<gdi::RECT> rects;
        for (int32_t i = 1; i <= count(); ++i)
            rects.push_back(rect(i));
        return rects;
    }
    void SetCaptions(const std::vector<std::string>& captions) {
        for (size_t i = 0; i < captions.size(); ++i)
            tab(static_cast<int32_t>(i) + 1).SetCaption(captions[i]);
    }
};

// Where a header starts and ends along its row and where it stands across it, whatever the
// orientation: right and left headers keep their length in Width and run down from Top.
inline int32_t AlongStart(const gdi::RECT& r, int32_t orientation) {
    return orientation == vnOrientationRight || orientation == vnOrientationLeft ? r.top : r.left;
}
inline int32_t AlongEnd(const gdi::RECT& r, int32_t orientation) {
    return AlongStart(r, orientation) + (r.right - r.left);
}
inline int32_t Across(const gdi::RECT& r, int32_t orientation) {
    return orientation == vnOrientationRight || orientation == vnOrientationLeft ? r.left : r.top;
}

// The automation error number `f` raises; 0 (and a test failure) when it raises none.
inline int32_t ErrorNumberOf(const std::function<void()>& f) {
    const int32_t number = error_number(f);
    if (number == 0) ADD_FAILURE() << "no error raised";
    return number;
}

inline constexpr int32_t kOrientations[] = {vnOrientationTop, vnOrientationRight, vnOrientationBottom,
                                            vnOrientationLeft};

} // namespace vntab::layout_testing
