#include "pages/GeneralPP.h"

#include "platform/automation/Variant.h"

namespace vntab::pages {

namespace {

struct Binding {
    TextField GeneralPP::*field;
    std::string_view property;
};

// The fields in the order they stand on the page and are read from the control.
constexpr Binding kBindings[] = {
    {&GeneralPP::txtTabCount, "TabCount"},
    {&GeneralPP::txtTabsPerRow, "TabsPerRow"},
    {&GeneralPP::txtTabSeparation, "TabSeparation"},
    {&GeneralPP::txtTabRowSeparation, "TabRowSeparation"},
    {&GeneralPP::txtTabRowOffset, "TabRowOffset"},
    {&GeneralPP::txtTabActive, "TabActive"},
    {&GeneralPP::txtTabRows, "TabRows"},
};

} // namespace

GeneralPP::GeneralPP(host::ControlSite& site) : PropertyPage(site, "GeneralPP", "General") {
    FieldGrid grid;
    for (const Binding& binding : kBindings) {
        TextField& field = this->*binding.field;
        AddField(field);
        grid.Row(field);
        WatchNumber(field);
    }
}

void GeneralPP::ReadFields(rt::Dispatch& control) {
    for (const Binding& binding : kBindings)
        ShowProperty(control, this->*binding.field, binding.property);
}

bool GeneralPP::WriteFields(rt::Dispatch& control) {
    return ApplyTabCount(control) && ApplyNumber(control, txtTabsPerRow, "TabsPerRow") &&
           ApplyNumber(control, txtTabSeparation, "TabSeparation") &&
           ApplyNumber(control, txtTabRowSeparation, "TabRowSeparation") &&
           ApplyNumber(control, txtTabRowOffset, "TabRowOffset") && ApplyTabActive(control) &&
           ApplyTabRows(control);
}

bool GeneralPP::ApplyTabCount(rt::Dispatch& control) {
    if (!CheckNumber(txtTabCount, "TabCount")) return false;
    // The control refuses an active tab past the new count, so the first tab becomes active before
    // the count shrinks below it, and the page shows so.
    if (PageNumberValue(txtTabCount.text()) < PageNumberValue(txtTabActive.text())) {
        control.Let("TabActive", rt::Variant(int16_t{1}));
        txtTabActive.SetText("1");
    }
    control.Let("TabCount", rt::Variant(txtTabCount.text()));
    return true;
}

bool GeneralPP::ApplyTabActive(rt::Dispatch& control) {
    if (!CheckNumber(txtTabActive, "TabActive")) return false;
    const double active = PageNumberValue(txtTabActive.text());
    if (active < 1 || active > PageNumberValue(txtTabCount.text())) {
        Tell("Property 'TabActive' must be within 1 and TabCount.");
        return false;
    }
    control.Let("TabActive", rt::Variant(txtTabActive.text()));
    return true;
}

bool GeneralPP::ApplyTabRows(rt::Dispatch& control) {
    if (!CheckNumber(txtTabRows, "TabRows")) return false;
    // More rows than tabs is corrected to one row a tab, and fewer than none to no fixed count.
    const double rows = PageNumberValue(txtTabRows.text());
    if (rows < 0)
        control.Let("TabRows", rt::Variant(int16_t{0}));
    else if (rows <= PageNumberValue(txtTabCount.text()))
        control.Let("TabRows", rt::Variant(txtTabRows.text()));
    else
        control.Let("TabRows", rt::Variant(PageNumberValue(txtTabCount.text())));
    return true;
}

} // namespace vntab::pages
