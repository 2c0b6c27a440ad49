#include "pages/StandardFontPage.h"

#include "platform/automation/StdFont.h"
#include "platform/automation/Variant.h"

namespace vntab::pages {

StandardFontPage::StandardFontPage(host::ControlSite& site, std::string property)
    : PropertyPage(site, "StandardFont", "Font"), m_property(std::move(property)) {
    FieldGrid grid;
    AddField(txtFontName);
    grid.Row(txtFontName);
    txtFontName.on_change = [this] { MarkChanged(); };
    AddField(txtFontSize);
    grid.Row(txtFontSize);
    WatchNumber(txtFontSize);
    for (CheckField* check : {&chkBold, &chkItalic, &chkUnderline, &chkStrikethrough}) {
        AddField(*check);
        grid.Wide(*check, 21, 160);
        check->on_click = [this] { MarkChanged(); };
    }
}

void StandardFontPage::ReadFields(rt::Dispatch& control) {
    std::shared_ptr<rt::Dispatch> font = rt::CObj(control.Get(m_property));
    txtFontName.SetText(rt::CStr(font->Get("Name")));
    ShowProperty(*font, txtFontSize, "Size");
    chkBold.SetChecked(rt::CBool(font->Get("Bold")));
    chkItalic.SetChecked(rt::CBool(font->Get("Italic")));
    chkUnderline.SetChecked(rt::CBool(font->Get("Underline")));
    chkStrikethrough.SetChecked(rt::CBool(font->Get("Strikethrough")));
}

bool StandardFontPage::WriteFields(rt::Dispatch& control) {
    if (txtFontName.text().empty()) {
        Tell("Property 'Name' must not be empty.");
        return false;
    }
    if (!CheckNumber(txtFontSize, "Size")) return false;
    const double size = PageNumberValue(txtFontSize.text());
    if (size <= 0) {
        Tell("Property 'Size' must be greater than 0.");
        return false;
    }
    auto font =
        std::make_shared<rt::StdFont>(txtFontName.text(), size, chkBold.checked(), chkItalic.checked());
    font->SetUnderline(chkUnderline.checked());
    font->SetStrikethrough(chkStrikethrough.checked());
    control.Set(m_property, font);
    return true;
}

} // namespace vntab::pages
