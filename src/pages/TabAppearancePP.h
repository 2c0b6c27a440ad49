#pragma once

#include "pages/PropertyPage.h"

namespace vntab::pages {

// The "TabAppearance" page: the headers' style, justification, caption and picture alignment, their
// sizes and the active tab's bevel, inflation and bold caption. Each list holds one item per value
// of its enumeration, in value order, so that an item's position is the property's value.
class TabAppearancePP final : public PropertyPage {
public:
    explicit TabAppearancePP(host::ControlSite& site);

    ListField cboTabPictureAlignment{"cboTabPictureAlignment", "Tab&PictureAlignment:"};
    ListField cboTabCaptionAlignment{"cboTabCaptionAlignment", "TabCaptionAlig&nment:"};
    ListField cboTabStyle{"cboTabStyle", "Tab&Style:"};
    ListField cboTabJustification{"cboTabJustification", "Tab&Justification:"};
    TextField txtTabWidth{"txtTabWidth", "Tab&Width:"};
    TextField txtTabHeight{"txtTabHeight", "Tab&Height:"};
    TextField txtTabStyleWidth{"txtTabStyleWidth", "TabStyleWi&dth:"};
    TextField txtTabStyleHeight{"txtTabStyleHeight", "TabStyleH&eight:"};
    TextField txtTabActiveInflate{"txtTabActiveInflate", "TabActive&Inflate:"};
    TextField txtTabActiveBevel{"txtTabActiveBevel", "TabActive&Bevel:"};
    CheckField chkTabActiveBold{"chkTabActiveBold", "TabActiveBo&ld"};

private:
    void ReadFields(rt::Dispatch& control) override;
    bool WriteFields(rt::Dispatch& control) override;
};

} // namespace vntab::pages
