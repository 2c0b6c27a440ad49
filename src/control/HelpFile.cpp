#include "control/HelpFile.h"

#include "platform/host/Registry.h"

namespace vntab {

std::string DesignTimeHelpFile() {
    std::string folder =
        host::RegQueryValue(kProductSettingsKey, kInstallFolderValue).value_or(std::string());
    return folder + "\\Help\\Kelmora.hlp";
}

} // namespace vntab
