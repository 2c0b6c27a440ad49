#include "control/BusyScope.h"
#include "control/VNTabCtl.h"

#include "contained/PageControls.h"
#include "contained/VNControls.h"
#include "platform/automation/AutomationError.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

// The pages of contained controls: exactly the active tab's controls are in view.
namespace vntab {

namespace {

// The active tab's records, or none when TabActive names no tab.
std::shared_ptr<VNControls> active_page(const VNTabs& tabs, int16_t tab_active) {
    if (tab_active < 1 || tab_active > tabs.Count()) return nullptr;
    return tabs.at(tab_active)->Controls();
}

} // namespace

std::vector<std::shared_ptr<rt::Dispatch>> VNTabCtl::ContainedControls() const {
    try {
        return m_site.ContainedControls();
    } catch (const rt::AutomationError&) {
        return {};
    }
}

int32_t VNTabCtl::CountContainedControls() const {
    int32_t count = 0;
    for (const auto& control : ContainedControls())
        if (control) ++count;
    return count;
}

void VNTabCtl::HideTabControls() {
    if (auto page = active_page(*m_tabs, m_state.TabActive)) HidePageControls(*page, UserMode());
}

void VNTabCtl::ShowTabControls() {
    if (auto page = active_page(*m_tabs, m_state.TabActive)) ShowPageControls(*page, UserMode());
}

void VNTabCtl::SyncActiveTabControls() {
    // Only the designer adds and deletes contained controls, and only bound records can be kept
    // in step with them.
    if (TabCount() < 1 || UserMode() || !m_state.Bound) return;
    auto page = active_page(*m_tabs, m_state.TabActive);
    auto contained = ContainedControls();
    if (!page || CountContainedControls() == 0) return;
    AdoptAndForget(*page, contained, WeakSelf());
}

void VNTabCtl::RefreshWindowlessControls() {
    if (!m_state.Bound) return;
    auto page = active_page(*m_tabs, m_state.TabActive);
    if (!page) return;
    // A refreshing control may ask the control to paint again; that waits.
    BusyScope busy(m_state.Busy);
    RefreshSurfaceControls(*page);
}

void VNTabCtl::MoveControlRecord(int32_t position, int32_t from_tab, int32_t to_tab) {
    vntab::MoveControlRecord(*m_tabs->Item(rt::Variant(from_tab))->Controls(), position,
                             *m_tabs->Item(rt::Variant(to_tab))->Controls(), WeakSelf());
}

} // namespace vntab
