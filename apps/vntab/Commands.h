#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The commands of the vntab tool. Each returns the process exit status: 0 on success, 1 when a
// step or the load raised an error, 2 on bad usage or an unreadable file.
namespace vntab_cli {

// The whole command line after the program's name: a command and its arguments, --version or help.
int RunCommandLine(std::vector<std::string> args);

int InfoCommand(const std::vector<std::string>& args);
int RoundtripCommand(const std::vector<std::string>& args);
int RenderCommand(const std::vector<std::string>& args);
// `vntab help [COMMAND]`: the usage of every command, or one command's options.
int HelpCommand(const std::vector<std::string>& args);

// "usage: " and the synopsis of a command; the synopses of them all to `out`.
std::string Usage(std::string_view command);
void PrintUsage(std::FILE* out);

// Writes one line to stderr.
void Complain(const std::string& line);

} // namespace vntab_cli
