#pragma once

#include <string>
#include <vector>

// The commands of the vntab tool. Each returns the process exit status: 0 on success, 1 when a
// step or the load raised an error, 2 on bad usage or an unreadable file.
namespace vntab_cli {

int InfoCommand(const std::vector<std::string>& args);
int RoundtripCommand(const std::vector<std::string>& args);
int RenderCommand(const std::vector<std::string>& args);

// Writes one line to stderr.
void Complain(const std::string& line);

} // namespace vntab_cli
