#pragma once

#include "pages/PropertyPage.h"

#include <string>
#include <vector>

namespace vntab::pages {

// The designer's standard colour page: one of the selected control's colour properties, chosen by
// name, set from the basic palette or the system colours. Like the Tabs page it works on a copy:
// choosing a colour changes the chosen property's copy, and applying writes every changed one.
class StandardColorPage final : public PropertyPage {
public:
    // `properties` are the names of the control's colour properties, in the order listed.
    StandardColorPage(host::ControlSite& site, std::vector<std::string> properties);

    ListField cboProperty{"cboProperty", "&Property:"};
    ListField cboPalette{"cboPalette", "P&alette:"};
    ListField cboSystemColor{"cboSystemColor", "S&ystem Color:"};
    ColorBoxField shpColor{"shpColor"};

    struct Entry {
        std::string property;
        int32_t color = 0; // an OLE colour
        bool changed = false;
    };
    const std::vector<Entry>& entries() const { return m_entries; }
    // The basic palette: the names cboPalette lists and their colours (0x00BBGGRR).
    static const std::vector<std::pair<std::string, int32_t>>& Palette();

private:
    void ReadFields(rt::Dispatch& control) override;
    bool WriteFields(rt::Dispatch& control) override;
    Entry* Shown();
    void ShowEntry();
    void Choose(int32_t color);

    std::vector<Entry> m_entries;
    bool m_updating = false;
};

} // namespace vntab::pages
