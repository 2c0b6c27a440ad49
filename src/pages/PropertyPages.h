#pragma once

#include "pages/PropertyPage.h"

#include <memory>
#include <string_view>
#include <vector>

namespace vntab::pages {

// The property pages the control declares, in the order the designer shows them: its own three
// pages, then the designer's standard font and colour pages.
const std::vector<std::string_view>& DeclaredPropertyPages();

// One of the control's own pages by its class name ("TabsPP") or its caption ("Tabs"), ignoring
// case; nothing for the designer's standard pages or an unknown name.
std::unique_ptr<PropertyPage> CreatePropertyPage(std::string_view name, host::ControlSite& site);
// The designer's standard pages for the tab control: "StandardFont" (or "Font", its caption font)
// and "StandardColor" (or "Color", listing its colour properties); nothing for another name.
std::unique_ptr<PropertyPage> CreateStandardPage(std::string_view name, host::ControlSite& site);

} // namespace vntab::pages
