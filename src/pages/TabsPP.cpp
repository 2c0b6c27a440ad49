#include "pages/TabsPP.h"

#include "pages/CColorCommonDialog.h"
#include "pages/CCommonDialog.h"
#include "platform/automation/Variant.h"
#include "platform/user/OleColor.h"

namespace vntab::pages {

using namespace std::string_literals;

namespace {

constexpr uint32_t kSystemColorBit = 0x80000000u;

// The pictures a tab shows: description and pattern pairs, each ended by a zero, and a second zero
// after the last pair.
const std::string kPictureFilter = "Bitmaps (*.bmp)\0*.bmp\0Icons (*.ico)\0*.ico\0\0"s;

std::shared_ptr<rt::Dispatch> object_of(const rt::Variant& value) {
    return value.is_object() ? value.as_object() : nullptr;
}

std::shared_ptr<rt::Dispatch> tab_at(rt::Dispatch& tabs, int32_t position) {
    return rt::CObj(tabs.Call("Item", {rt::Variant(position)}));
}

} // namespace

const std::array<std::string_view, 26>& ColorListItems() {
    static const std::array<std::string_view, 26> items = {
        "Scrollbars",
        "Desktop",
        "Active Title Bar",
        "Inactive Title Bar",
        "Menu Bar",
        "Window Background",
        "Window Frame",
        "Menu Text",
        "Window Text",
        "Active Tile Bar Text",
        "Active Border",
        "Inactive Border",
        "Application Workspace",
        "Highlight",
        "Highlight Text",
        "Button Face",
        "Button Shadow",
        "Disabled Text",
        "Button Text",
        "Inactive Title Bar Text",
        "Button Highlight",
        "Button Dark Shadow",
        "Button Light Shadow",
        "ToolTip Text",
        "ToolTip",
        "Custom...",
    };
    return items;
}

TabsPP::TabsPP(host::ControlSite& site) : PropertyPage(site, "TabsPP", "Tabs") {
    for (ListField* list : {&cboTabBackColor, &cboTabForeColor})
        for (std::string_view item : ColorListItems())
            list->AddItem(std::string(item));
    chkEnabled.SetChecked(true);
    chkVisible.SetChecked(true);

    FieldGrid grid;
    grid.Row(cboTab);
    grid.Row(txtCaption);
    grid.Row(cboTabBackColor);
    grid.Beside(shpTabBackColor, 21);
    grid.Row(cboTabForeColor);
    grid.Beside(shpTabForeColor, 21);
    grid.Row(picTabPicture, 48);
    grid.Beside(cmdChangePicture, 96, 23);
    grid.Wide(chkEnabled);
    grid.Wide(chkVisible);
    grid.Wide(cmdAdd, 23, 75);
    grid.Beside(cmdRemove, 75, 23);
    for (Field* field : std::initializer_list<Field*>{
             &cboTab, &txtCaption, &cboTabBackColor, &shpTabBackColor, &cboTabForeColor, &shpTabForeColor,
             &picTabPicture, &cmdChangePicture, &chkEnabled, &chkVisible, &cmdAdd, &cmdRemove})
        AddField(*field);

    cboTab.on_click = [this] { ShowRecord(); };
    txtCaption.on_change = [this] {
        if (TabRecord* shown = Shown(); shown && !m_updating) shown->caption = txtCaption.text();
        EditShown();
    };
    cboTabBackColor.on_click = [this] {
        ColorChosen(cboTabBackColor, shpTabBackColor, &TabRecord::back_color);
    };
    cboTabForeColor.on_click = [this] {
        ColorChosen(cboTabForeColor, shpTabForeColor, &TabRecord::fore_color);
    };
    // A picture put into the box is the shown tab's new picture, as one chosen with the button.
    picTabPicture.on_change = [this] {
        if (TabRecord* shown = Shown(); shown && !m_updating) shown->picture = picTabPicture.picture();
        EditShown();
    };
    // The tabs have no state of their own for these two: ticking one only marks the tab to be written.
    chkEnabled.on_click = [this] { EditShown(); };
    chkVisible.on_click = [this] { EditShown(); };
    cmdChangePicture.on_click = [this] { ChangePicture(); };
    cmdAdd.on_click = [this] { AddTab(); };
    cmdRemove.on_click = [this] { RemoveTab(); };
}

TabsPP::TabRecord* TabsPP::Shown() {
    const int32_t k = cboTab.list_index();
    if (k < 0 || k >= static_cast<int32_t>(m_records.size())) return nullptr;
    return &m_records[static_cast<size_t>(k)];
}

void TabsPP::EditShown() {
    if (m_updating) return;
    TabRecord* shown = Shown();
    if (!shown) return;
    shown->changed = true;
    MarkChanged();
}

void TabsPP::ReadFields(rt::Dispatch& control) {
    std::shared_ptr<rt::Dispatch> tabs = rt::CObj(control.Get("Tabs"));
    const int32_t count = rt::CInt(tabs->Get("Count"));
    m_records.clear();
    cboTab.Clear();
    for (int32_t i = 1; i <= count; ++i) {
        std::shared_ptr<rt::Dispatch> tab = tab_at(*tabs, i);
        m_records.push_back({false, rt::CLng(tab->Get("BackColor")), rt::CStr(tab->Get("Caption")),
                             rt::CLng(tab->Get("ForeColor")), object_of(tab->Get("Picture"))});
        cboTab.AddItem(m_records.back().caption);
    }
    m_updating = true;
    if (cboTab.list_count() > 0) cboTab.SetListIndex(0);
}

void TabsPP::ShowRecord() {
    const TabRecord* shown = Shown();
    if (!shown) return;
    const TabRecord record = *shown;
    m_updating = true;
    struct Done {
        bool& updating;
        ~Done() { updating = false; }
    } done{m_updating};

    auto show_color = [](ListField& list, ColorBoxField& box, int32_t color) {
        if (static_cast<uint32_t>(color) & kSystemColorBit) {
            // A system colour the list has no item for shows no item, but still fills the box.
            const int32_t item = color & 0xFFFFFF;
            list.SetListIndex(item < kCustomColorItem ? item : -1);
            if (item >= kCustomColorItem) box.fill_color = color;
        } else {
            list.SetListIndex(kCustomColorItem);
            box.fill_color = color;
        }
    };
    show_color(cboTabBackColor, shpTabBackColor, record.back_color);
    show_color(cboTabForeColor, shpTabForeColor, record.fore_color);
    txtCaption.SetText(record.caption);
    picTabPicture.SetPicture(record.picture);
    // Every tab is enabled and visible: the boxes say so for each tab shown.
    chkEnabled.SetChecked(true);
    chkVisible.SetChecked(true);
}

void TabsPP::ColorChosen(ListField& list, ColorBoxField& box, int32_t TabRecord::*color) {
    const int32_t item = list.list_index();
    if (item < 0) return;
    int32_t chosen = static_cast<int32_t>(kSystemColorBit + static_cast<uint32_t>(item));
    if (item == kCustomColorItem) {
        // Also while a tab with a colour of its own is being shown: the dialog opens, and what it
        // brings back is shown but not kept.
        CColorCommonDialog dialog;
        if (!dialog.ChooseNewColor(static_cast<int32_t>(site().hWnd().value))) return;
        chosen = dialog.Color();
    }
    box.fill_color = chosen;
    if (TabRecord* shown = Shown(); shown && !m_updating) shown->*color = chosen;
    EditShown();
}

void TabsPP::ChangePicture() {
    if (!Shown()) return;
    const int32_t owner = static_cast<int32_t>(site().hWnd().value);
    CCommonDialog dialog;
    dialog.hwndOwner = owner;
    dialog.Instance = ProgramInstance(owner);
    dialog.Filter = kPictureFilter;
    Shown()->changed = true;
    dialog.ShowOpen();
    // Cancelling the dialog leaves no file name: that is how a tab's picture is removed.
    picTabPicture.SetPicture(dialog.FileName.empty() ? nullptr : site().LoadPicture(dialog.FileName));
    Shown()->picture = picTabPicture.picture();
    MarkChanged();
}

void TabsPP::AddTab() {
    const std::string caption = "Tab &" + std::to_string(m_records.size() + 1);
    m_records.push_back({true, user::kOleButtonFace, caption, user::kOleButtonText, nullptr});
    cboTab.AddItem(caption);
    cboTab.SetListIndex(cboTab.list_count() - 1);
    MarkChanged();
}

void TabsPP::RemoveTab() {
    const int32_t k = cboTab.list_index();
    if (cboTab.list_count() <= 1 || k < 0) return;
    // The tabs after the removed one move up a place; the control then drops its last tab.
    for (size_t i = static_cast<size_t>(k); i + 1 < m_records.size(); ++i) {
        m_records[i] = m_records[i + 1];
        m_records[i].changed = true;
    }
    m_records.pop_back();
    cboTab.RemoveItem(k);
    cboTab.SetListIndex(cboTab.list_count() - 1);
    MarkChanged();
}

bool TabsPP::WriteFields(rt::Dispatch& control) {
    control.Let("TabCount", rt::Variant(static_cast<int16_t>(m_records.size())));
    std::shared_ptr<rt::Dispatch> tabs = rt::CObj(control.Get("Tabs"));
    for (size_t i = 0; i < m_records.size(); ++i) {
        TabRecord& record = m_records[i];
        if (!record.changed) continue;
        std::shared_ptr<rt::Dispatch> tab = tab_at(*tabs, static_cast<int32_t>(i + 1));
        tab->Let("BackColor", rt::Variant(record.back_color));
        tab->Let("Caption", rt::Variant(record.caption));
        tab->Let("ForeColor", rt::Variant(record.fore_color));
        tab->Set("Picture", record.picture);
        record.changed = false;
    }
    return true;
}

} // namespace vntab::pages
