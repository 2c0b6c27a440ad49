#pragma once

#include <cstdint>

namespace user {

// The operating-system version the platform reports. The default is the NT family, version 5.1;
// a host may configure another (tests use it to pick the automatic 3D look).
struct OSVERSIONINFOA {
    uint32_t dwOSVersionInfoSize = 0; // must be 148, the size of the structure on the platform
    uint32_t dwMajorVersion = 0;
    uint32_t dwMinorVersion = 0;
    uint32_t dwBuildNumber = 0;
    uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

constexpr uint32_t VER_PLATFORM_WIN32s = 0;
constexpr uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr uint32_t VER_PLATFORM_WIN32_NT = 2;
constexpr uint32_t kOsVersionInfoSize = 148;

// Fills `info`; fails (false) when the caller's size field is not 148 or when the host configured
// the call to fail.
bool GetVersionExA(OSVERSIONINFOA* info);

struct ReportedVersion {
    uint32_t platform = VER_PLATFORM_WIN32_NT;
    uint32_t major = 5;
    uint32_t minor = 1;
    uint32_t build = 2600;
    bool fails = false;
};
void SetReportedVersion(const ReportedVersion& version);
ReportedVersion GetReportedVersion();

} // namespace user
