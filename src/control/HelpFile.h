#pragma once

#include <string>

namespace vntab {

// Where the product's installation keeps its settings: the program-settings key of "Varnel_" and
// the product name, section "Version_" and the library's major version. Its string value
// "MainPath" names the installation folder, which holds the help file. A host sets it with
// host::RegSetValue.
constexpr const char* kProductSettingsKey =
    "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Varnel_Kelmora\\Version_1";
constexpr const char* kInstallFolderValue = "MainPath";

// The help file the host program shows while the control is being designed: the installation
// folder followed by "\Help\Kelmora.hlp" (an empty folder part when the setting is missing).
std::string DesignTimeHelpFile();

} // namespace vntab
