#include "pages/TabAppearancePP.h"

#include "platform/automation/Variant.h"

#include <initializer_list>

namespace vntab::pages {

namespace {

void fill(ListField& list, std::initializer_list<const char*> items) {
    for (const char* item : items)
        list.AddItem(item);
}

} // namespace

TabAppearancePP::TabAppearancePP(host::ControlSite& site)
    : PropertyPage(site, "TabAppearancePP", "TabAppearance") {
    fill(cboTabPictureAlignment,
         {"vnPictTopLeft", "vnPictMiddleLeft", "vnPictBottomLeft", "vnPictTopRight", "vnPictMiddleRight",
          "vnPictBottomRight", "vnPictTopCenter", "vnPictMiddleCenter", "vnPictBottomCenter", "vnPictStretch",
          "vnPictTile", "vnPictLeftOfText", "vnPictRightOfText", "vnPictAboveText", "vnPictBelowText"});
    fill(cboTabCaptionAlignment,
         {"vnTextTopLeft", "vnTextMiddleLeft", "vnTextBottomLeft", "vnTextTopRight", "vnTextMiddleRight",
          "vnTextBottomRight", "vnTextTopCenter", "vnTextMiddleCenter", "vnTextBottomCenter"});
    fill(cboTabStyle, {"Normal", "Chamfered", "Rounded", "Slanted", "Square"});
    fill(cboTabJustification,
         {"VNJustifiedNone", "VNJustifiedFitCaption", "VNJustifiedProportional", "VNJustifiedByCaption"});

    FieldGrid grid;
    for (ListField* list :
         {&cboTabPictureAlignment, &cboTabCaptionAlignment, &cboTabStyle, &cboTabJustification}) {
        AddField(*list);
        grid.Row(*list);
        list->on_click = [this] { MarkChanged(); };
    }
    for (TextField* text : {&txtTabWidth, &txtTabHeight, &txtTabStyleWidth, &txtTabStyleHeight,
                            &txtTabActiveInflate, &txtTabActiveBevel}) {
        AddField(*text);
        grid.Row(*text);
        WatchNumber(*text);
    }
    AddField(chkTabActiveBold);
    grid.Wide(chkTabActiveBold);
    chkTabActiveBold.on_click = [this] { MarkChanged(); };
}

void TabAppearancePP::ReadFields(rt::Dispatch& control) {
    auto position = [&](ListField& list, std::string_view property) {
        list.SetListIndex(rt::CLng(control.Get(property)));
    };
    ShowProperty(control, txtTabActiveBevel, "TabActiveBevel");
    chkTabActiveBold.SetChecked(rt::CBool(control.Get("TabActiveBold")));
    ShowProperty(control, txtTabActiveInflate, "TabActiveInflate");
    position(cboTabCaptionAlignment, "TabCaptionAlign");
    ShowProperty(control, txtTabHeight, "TabHeight");
    position(cboTabJustification, "TabJustification");
    position(cboTabPictureAlignment, "TabPictureAlign");
    position(cboTabStyle, "TabStyle");
    ShowProperty(control, txtTabStyleHeight, "TabStyleHeight");
    ShowProperty(control, txtTabStyleWidth, "TabStyleWidth");
    ShowProperty(control, txtTabWidth, "TabWidth");
}

bool TabAppearancePP::WriteFields(rt::Dispatch& control) {
    if (!ApplyNumber(control, txtTabActiveBevel, "TabActiveBevel")) return false;
    control.Let("TabActiveBold", rt::Variant(chkTabActiveBold.checked()));
    // The control checks a corner's size against the header's current size: the height is written
    // before its corner, the width after its corner.
    if (!ApplyNumber(control, txtTabActiveInflate, "TabActiveInflate") ||
        !ApplyNumber(control, txtTabHeight, "TabHeight") ||
        !ApplyNumber(control, txtTabStyleHeight, "TabStyleHeight") ||
        !ApplyNumber(control, txtTabStyleWidth, "TabStyleWidth") ||
        !ApplyNumber(control, txtTabWidth, "TabWidth"))
        return false;
    control.Let("TabJustification", rt::Variant(cboTabJustification.list_index()));
    control.Let("TabCaptionAlign", rt::Variant(cboTabCaptionAlignment.list_index()));
    control.Let("TabStyle", rt::Variant(cboTabStyle.list_index()));
    control.Let("TabPictureAlign", rt::Variant(cboTabPictureAlignment.list_index()));
    return true;
}

} // namespace vntab::pages
