#include "pages/StandardColorPage.h"

#include "pages/TabsPP.h"
#include "platform/automation/Variant.h"

namespace vntab::pages {

namespace {

constexpr int32_t kSystemColorBit = static_cast<int32_t>(0x80000000u);
constexpr int32_t kSystemColors = kCustomColorItem; // the colour lists' items before "Custom..."

} // namespace

const std::vector<std::pair<std::string, int32_t>>& StandardColorPage::Palette() {
    static const std::vector<std::pair<std::string, int32_t>> palette = {
        {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
        {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
    };
    return palette;
}

StandardColorPage::StandardColorPage(host::ControlSite& site, std::vector<std::string> properties)
    : PropertyPage(site, "StandardColor", "Color") {
    for (std::string& name : properties)
        m_entries.push_back(Entry{std::move(name), 0, false});
    for (const auto& [name, color] : Palette())
        cboPalette.AddItem(name);
    for (int32_t i = 0; i < kSystemColors; ++i)
        cboSystemColor.AddItem(std::string(ColorListItems()[static_cast<size_t>(i)]));
    FieldGrid grid;
    for (ListField* list : {&cboProperty, &cboPalette, &cboSystemColor}) {
        AddField(*list);
        grid.Row(*list);
    }
    AddField(shpColor);
    grid.Wide(shpColor, 32, 64);
    cboProperty.on_click = [this] { ShowEntry(); };
    cboPalette.on_click = [this] {
        if (cboPalette.list_index() >= 0)
            Choose(Palette()[static_cast<size_t>(cboPalette.list_index())].second);
    };
    cboSystemColor.on_click = [this] {
        if (cboSystemColor.list_index() >= 0) Choose(kSystemColorBit | cboSystemColor.list_index());
    };
}

StandardColorPage::Entry* StandardColorPage::Shown() {
    const int32_t k = cboProperty.list_index();
    if (k < 0 || k >= static_cast<int32_t>(m_entries.size())) return nullptr;
    return &m_entries[static_cast<size_t>(k)];
}

void StandardColorPage::ReadFields(rt::Dispatch& control) {
    cboProperty.Clear();
    for (Entry& entry : m_entries) {
        entry.color = rt::CLng(control.Get(entry.property));
        entry.changed = false;
        cboProperty.AddItem(entry.property);
    }
    if (cboProperty.list_count() > 0) cboProperty.SetListIndex(0);
}

// The lists show where the shown property's colour comes from: a system colour, or a palette colour.
void StandardColorPage::ShowEntry() {
    const Entry* shown = Shown();
    if (!shown) return;
    m_updating = true;
    int32_t palette = -1;
    for (size_t i = 0; i < Palette().size(); ++i)
        if (Palette()[i].second == shown->color) palette = static_cast<int32_t>(i);
    const bool system = shown->color & kSystemColorBit;
    const int32_t index = shown->color & 0xFFFFFF;
    cboPalette.SetListIndex(system ? -1 : palette);
    cboSystemColor.SetListIndex(system && index < kSystemColors ? index : -1);
    shpColor.fill_color = shown->color;
    m_updating = false;
}

void StandardColorPage::Choose(int32_t color) {
    Entry* shown = Shown();
    if (m_updating || !shown) return;
    shown->color = color;
    shown->changed = true;
    shpColor.fill_color = color;
    MarkChanged();
}

bool StandardColorPage::WriteFields(rt::Dispatch& control) {
    for (Entry& entry : m_entries) {
        if (!entry.changed) continue;
        control.Let(entry.property, rt::Variant(entry.color));
        entry.changed = false;
    }
    return true;
}

} // namespace vntab::pages
