#pragma once

#include "pages/PropertyPage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vntab::pages {

// The items of both colour lists: item i from 0 to 24 stands for the system colour 0x80000000 + i,
// the last one ("Custom...") for a colour chosen in the colour dialog.
constexpr int32_t kCustomColorItem = 25;
const std::array<std::string_view, 26>& ColorListItems();

// The "Tabs" page: the number of tabs and each tab's caption, colours and picture. It works on a
// copy of the tabs, one record a tab, that its fields and buttons change; applying writes the tab
// count, then every changed record, back to the control's tabs by property name.
class TabsPP final : public PropertyPage {
public:
    struct TabRecord {
        bool changed = false;
        int32_t back_color = 0;
        std::string caption;
        int32_t fore_color = 0;
        std::shared_ptr<rt::Dispatch> picture;
    };

    explicit TabsPP(host::ControlSite& site);

    ListField cboTab{"cboTab", "&Index:"};
    TextField txtCaption{"txtCaption", "Ca&ption:"};
    ListField cboTabBackColor{"cboTabBackColor", "Tab&BackColor:"};
    ColorBoxField shpTabBackColor{"shpTabBackColor"};
    ListField cboTabForeColor{"cboTabForeColor", "Tab&ForeColor:"};
    ColorBoxField shpTabForeColor{"shpTabForeColor"};
    PictureField picTabPicture{"picTabPicture", "Picture:"};
    ButtonField cmdChangePicture{"cmdChangePicture", "Change &Picture"};
    ButtonField cmdAdd{"cmdAdd", "A&dd"};
    ButtonField cmdRemove{"cmdRemove", "&Remove"};
    CheckField chkEnabled{"chkEnabled", "&Enabled"};
    CheckField chkVisible{"chkVisible", "&Visible"};

    // The working copy: the records in use, one a tab in position order.
    const std::vector<TabRecord>& records() const { return m_records; }

private:
    void ReadFields(rt::Dispatch& control) override;
    bool WriteFields(rt::Dispatch& control) override;

    // The record cboTab shows, nothing when it shows none.
    TabRecord* Shown();
    // Unless the page is filling its fields: marks the shown record and the page changed.
    void EditShown();
    void ShowRecord();
    void ColorChosen(ListField& list, ColorBoxField& box, int32_t TabRecord::*color);
    void ChangePicture();
    void AddTab();
    void RemoveTab();

    std::vector<TabRecord> m_records;
    // Set while the page itself fills its fields, so that their events change no record.
    bool m_updating = false;
};

} // namespace vntab::pages
