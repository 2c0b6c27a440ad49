#include "pages/PropertyPages.h"

#include "pages/GeneralPP.h"
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

} // namespace vntab::pages
