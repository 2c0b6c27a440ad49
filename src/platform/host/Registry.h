#pragma once

#include <optional>
#include <string>
#include <string_view>

// The system registry as the platform offers it to programs: string values under keys. This one
// lives in memory, per thread; a host fills in what its programs expect to find (an installation
// folder, for instance). Key paths are compared without regard to case.
namespace host {

void RegSetValue(std::string_view key, std::string_view name, std::string value);
std::optional<std::string> RegQueryValue(std::string_view key, std::string_view name);
void RegDeleteKey(std::string_view key);

} // namespace host
