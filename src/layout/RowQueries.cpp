#include "layout/LayoutSteps.h"
#include "layout/TabLayout.h"

#include "layout/ControlView.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

namespace {

// The tab at a 1-based position; the collection raises its "Index out of bounds." error for any
// other position, so a stale index from a caller never reads past the tabs.
const VNTab& TabAt(const ControlView& ctl, int32_t tab_index) {
    return *ctl.Tabs()->Item(rt::Variant(tab_index));
}

} // namespace

int16_t GetTabRow(const ControlView& ctl, int32_t tab_index) {
    return RowOfRect(ctl, TabAt(ctl, tab_index).TabRect());
}

bool IsFirstInRow(const ControlView& ctl, int32_t tab_index) {
    const gdi::RECT& rect = TabAt(ctl, tab_index).TabRect();
    int32_t along = RowsRunDown(ctl.State().Orientation) ? rect.top : rect.left;
    return along <= RowStart(ctl.State(), RowOfRect(ctl, rect));
}

} // namespace vntab
