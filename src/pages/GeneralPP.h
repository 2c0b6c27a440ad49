#pragma once

#include "pages/PropertyPage.h"

namespace vntab::pages {

// The "General" page: the tab count, the counts and distances of the rows, and the active tab.
// Lengths are shown and entered in the container's units, as the control's properties exchange them.
class GeneralPP final : public PropertyPage {
public:
    explicit GeneralPP(host::ControlSite& site);

    TextField txtTabCount{"txtTabCount", "TabCo&unt:"};
    TextField txtTabsPerRow{"txtTabsPerRow", "Tabs&PerRow:"};
    TextField txtTabSeparation{"txtTabSeparation", "Tab&Separation:"};
    TextField txtTabRowSeparation{"txtTabRowSeparation", "TabRo&wSeparation:"};
    TextField txtTabRowOffset{"txtTabRowOffset", "TabRowO&ffset:"};
    TextField txtTabActive{"txtTabActive", "TabAc&tive:"};
    TextField txtTabRows{"txtTabRows", "Tab&Rows:"};

private:
    void ReadFields(rt::Dispatch& control) override;
    bool WriteFields(rt::Dispatch& control) override;
    bool ApplyTabCount(rt::Dispatch& control);
    bool ApplyTabActive(rt::Dispatch& control);
    bool ApplyTabRows(rt::Dispatch& control);
};

} // namespace vntab::pages
