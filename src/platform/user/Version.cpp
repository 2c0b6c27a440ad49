#include "Version.h"

namespace user {

static thread_local ReportedVersion t_version;

void SetReportedVersion(const ReportedVersion& version) { t_version = version; }
ReportedVersion GetReportedVersion() { return t_version; }

bool GetVersionExA(OSVERSIONINFOA* info) {
    if (!info || info->dwOSVersionInfoSize != kOsVersionInfoSize || t_version.fails) return false;
    info->dwMajorVersion = t_version.major;
    info->dwMinorVersion = t_version.minor;
    info->dwBuildNumber = t_version.build;
    info->dwPlatformId = t_version.platform;
    info->szCSDVersion[0] = 0;
    return true;
}

} // namespace user
