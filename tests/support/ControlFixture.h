#pragma once

#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "control/VNTabCtl.h"
#include "support/ErrorNumber.h"
#include "support/TestSite.h"

#include "platform/automation/AutomationError.h"
#include "platform/host/PropertyBag.h"
#include "platform/user/Version.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include <functional>
#include <gtest/gtest.h>

namespace vntab::fakes {

// A control newly placed on a form (InitProperties done), in a container measured in `scale`, with
// what the initialisation reported cleared away.
struct NewControl {
    TestSite site;
    std::shared_ptr<VNTabCtl> ctl;

    explicit NewControl(int16_t scale = host::vbPixels, bool user_mode = true) {
        site.container_scale_mode = scale;
        site.user_mode = user_mode;
        ctl = VNTabCtl::Create(site);
        ctl->InitProperties();
        site.property_changes.clear();
    }
    ~NewControl() { ctl->Terminate(); }
    NewControl(const NewControl&) = delete;
    NewControl& operator=(const NewControl&) = delete;

    TabCtlState& state() { return ctl->State(); }
    int32_t repaints() const { return ctl->Redraws().repaints; }
    int32_t strips() const { return ctl->Redraws().strip_invalidations; }
    std::shared_ptr<VNTab> tab(int32_t i) { return ctl->Tabs()->at(i); }
};

// A text box at (100, 50) placed on tab `on` of the control and known to its container; out of
// view, as hiding leaves it, unless that tab is active.
inline std::shared_ptr<FakeControl> PlaceOnTab(NewControl& c, int32_t on, const std::string& name) {
    auto control = Windowed(name, 100, 50);
    c.site.Add(control);
    c.tab(on)->Controls()->Add(name, -1, c.ctl)->SetControl(control);
    if (on != c.ctl->TabActive()) control->props["Left"] = rt::Variant(100.0f - 75000.0f);
    return control;
}

// A control loaded from a bag, as the container creates one for a saved form.
struct LoadedControl {
    TestSite site;
    std::shared_ptr<VNTabCtl> ctl;

    explicit LoadedControl(host::PropertyBag& bag, bool user_mode = true) {
        site.user_mode = user_mode;
        site.container_scale_mode = host::vbPixels;
        ctl = VNTabCtl::Create(site);
        ctl->ReadProperties(bag);
    }
    ~LoadedControl() { ctl->Terminate(); }
    LoadedControl(const LoadedControl&) = delete;
    LoadedControl& operator=(const LoadedControl&) = delete;
};

using ::ErrorOf;

// Sets the operating-system version the platform reports for one test.
class ReportedVersionScope {
public:
    explicit ReportedVersionScope(user::ReportedVersion v) : m_saved(user::GetReportedVersion()) {
        user::SetReportedVersion(v);
    }
    ~ReportedVersionScope() { user::SetReportedVersion(m_saved); }
    ReportedVersionScope(const ReportedVersionScope&) = delete;
    ReportedVersionScope& operator=(const ReportedVersionScope&) = delete;

private:
    user::ReportedVersion m_saved;
};

} // namespace vntab::fakes
