#include "pages/PropertyPages.h"

#include "control/VNTabCtl.h"
#include "pages/GeneralPP.h"
#include "pages/StandardColorPage.h"
#include "pages/StandardFontPage.h"
#include "pages/TabAppearancePP.h"
#include "pages/TabsPP.h"
#include "platform/automation/Ansi.h"

namespace vntab::pages {

const std::vector<std::string_view>& DeclaredPropertyPages() {
    static const std::vector<std::string_view> pages = {"GeneralPP", "TabAppearancePP", "TabsPP",
                                                        "StandardFont", "StandardColor"};
    return pages;
}

std::unique_ptr<PropertyPage> CreatePropertyPage(std::string_view name, host::ControlSite& site) {
    auto is = [&](std::string_view class_name, std::string_view caption) {
        return rt::EqualsText(name, class_name) || rt::EqualsText(name, caption);
    };
    if (is("GeneralPP", "General")) return std::make_unique<GeneralPP>(site);
    if (is("TabAppearancePP", "TabAppearance")) return std::make_unique<TabAppearancePP>(site);
    if (is("TabsPP", "Tabs")) return std::make_unique<TabsPP>(site);
    return nullptr;
}

std::unique_ptr<PropertyPage> CreateStandardPage(std::string_view name, host::ControlSite& site) {
    if (rt::EqualsText(name, "StandardFont") || rt::EqualsText(name, "Font"))
        return std::make_unique<StandardFontPage>(site, "TabCaptionFont");
    if (rt::EqualsText(name, "StandardColor") || rt::EqualsText(name, "Color")) {
        // The control's OLE colours are the properties named for a colour.
        std::vector<std::string> colors;
        for (std::string_view property : VNTabCtl::PropertyNames())
            if (property.find("Color") != std::string_view::npos) colors.emplace_back(property);
        return std::make_unique<StandardColorPage>(site, std::move(colors));
    }
    return nullptr;
}

} // namespace vntab::pages
