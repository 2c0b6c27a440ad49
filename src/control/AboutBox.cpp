#include "control/VNTabCtl.h"

#include "platform/user/Dialogs.h"

#include <string>

// The build gives the library's version from the project's: VNTAB_VERSION_MAJOR and _MINOR, and
// _REVISION, which the about box shows as the build number.
namespace vntab {

namespace {

constexpr const char* kAboutTitle = "About...";
constexpr const char* kProductName = "Varnel Kelmora";

// "Version 1.0  (VNTab.ocx - Build 1)": the library's version, then, in parentheses, the file the
// library ships as and its build.
std::string VersionLine() {
    return "Version " + std::to_string(VNTAB_VERSION_MAJOR) + "." + std::to_string(VNTAB_VERSION_MINOR) +
           "  (VNTab.ocx - Build " + std::to_string(VNTAB_VERSION_REVISION) + ")";
}

} // namespace

void VNTabCtl::ShowAboutBox() {
    user::ShowAboutBoxA(m_site.hWnd(), kAboutTitle, kProductName, VersionLine().c_str());
}

} // namespace vntab
