#pragma once

#include "pages/PropertyPage.h"

#include <string>

namespace vntab::pages {

// The designer's standard font page: the face, size and styles of one font property of the selected
// control. Applying gives the control a new font object with the page's values (a Set of the
// property), so the control hears the change as a program's Set would make it.
class StandardFontPage final : public PropertyPage {
public:
    StandardFontPage(host::ControlSite& site, std::string property);

    const std::string& property() const { return m_property; }

    TextField txtFontName{"txtFontName", "&Font:"};
    TextField txtFontSize{"txtFontSize", "&Size:"};
    CheckField chkBold{"chkBold", "&Bold"};
    CheckField chkItalic{"chkItalic", "&Italic"};
    CheckField chkUnderline{"chkUnderline", "&Underline"};
    CheckField chkStrikethrough{"chkStrikethrough", "Stri&kethrough"};

private:
    void ReadFields(rt::Dispatch& control) override;
    bool WriteFields(rt::Dispatch& control) override;

    std::string m_property;
};

} // namespace vntab::pages
