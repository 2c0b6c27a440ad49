#include "Commands.h"

#include "control/Registration.h"

#include <cstdio>

static const char* kUsage = "usage:\n"
                            "  vntab render FORM.frm -o OUT.png [--control NAME] [--design] [--dpi N]\n"
                            "               [--events FILE | --steps \"STEPS\"] [--dump OUT.json]\n"
                            "  vntab roundtrip FORM.frm -o OUT.frm\n"
                            "  vntab info FORM.frm\n";

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    vntab::RegisterVNTabCtl();
    std::string command = args[0];
    args.erase(args.begin());
    if (command == "info") return vntab_cli::InfoCommand(args);
    if (command == "roundtrip") return vntab_cli::RoundtripCommand(args);
    if (command == "render") return vntab_cli::RenderCommand(args);
    vntab_cli::Complain("unknown command '" + command + "'");
    std::fputs(kUsage, stderr);
    return 2;
}
