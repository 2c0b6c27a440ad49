#include "Commands.h"

#include "control/Registration.h"

#include <cstdio>

namespace vntab_cli {

int RunCommandLine(std::vector<std::string> args) {
    if (args.empty()) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") return HelpCommand(args);
    if (command == "--version") {
        std::printf("vntab %s\n", VNTAB_VERSION);
        return 0;
    }
    vntab::RegisterVNTabCtl();
    if (command == "info") return InfoCommand(args);
    if (command == "roundtrip") return RoundtripCommand(args);
    if (command == "render") return RenderCommand(args);
    Complain("unknown command '" + command + "'");
    PrintUsage(stderr);
    return 2;
}

} // namespace vntab_cli
