#include "Commands.h"

#include <cstdio>
#include <string_view>

namespace vntab_cli {

namespace {

// A command: its synopsis (one line, as usage errors print it) and what `vntab help NAME` adds.
struct CommandHelp {
    std::string_view name;
    std::string_view synopsis;
    std::string_view details;
};

constexpr CommandHelp kCommands[] = {
    {"render",
     "vntab render FORM.frm -o OUT.png [--control NAME] [--design] [--dpi N] [--events FILE | --steps "
     "\"STEPS\"] [--dump OUT.json]",
     "Loads the form, paints it, runs the script on its first VNTabCtl (or the one --control names)\n"
     "and writes the picture: the whole form, or with --control that control's client area only.\n"
     "\n"
     "  -o OUT.png        the picture to write\n"
     "  --control NAME    drive and picture this control\n"
     "  --design          load the form in design mode (run mode otherwise)\n"
     "  --dpi N           logical pixels per inch, 24 to 960 (96 otherwise)\n"
     "  --events FILE     the script, from FILE or standard input (-)\n"
     "  --steps \"STEPS\"   the script, inline\n"
     "  --dump OUT.json   the control's properties, layout, events, dialogs and controls as JSON\n"
     "\n"
     "A script is commands separated by ';' or line ends, in the driven control's client pixels:\n"
     "  down|up X Y [BUTTON [SHIFT]]   move X Y   click X Y   dblclick X Y\n"
     "  key NAME|CODE [SHIFT]   access CHAR   focus   blur\n"
     "  set PROP VALUE   tab N PROP VALUE   call METHOD\n"
     "  tabs add [INDEX [KEY [CAPTION]]]   tabs remove INDEX   tabs clear\n"
     "  handle EVENT ARG VALUE [COUNT]   answer ok|cancel   answer file \"PATH\"   answer color &H...&\n"
     "  resize W H   paint   save PATH\n"
     "  (design mode) add KIND NAME X Y [W H]   delete NAME\n"
     "  (design mode) page General|TabAppearance|Tabs   field NAME VALUE   press NAME   apply\n"
     "VALUE is a number, &H...& hexadecimal, True/False, a \"string\", picture \"PATH\" or\n"
     "font \"NAME\" SIZE [bold] [italic]."},
    {"roundtrip", "vntab roundtrip FORM.frm -o OUT.frm",
     "Loads the form (every control reads its properties) and saves it again (every control writes\n"
     "them): what the controls keep of a form file."},
    {"info", "vntab info FORM.frm",
     "Prints the form, its controls and, for each tab control, its properties, tabs and rows."},
    {"help", "vntab help [COMMAND]", "Says how to use vntab, or one of its commands."},
};

constexpr std::string_view kExitStatus =
    "Exit status: 0 success, 1 an error raised while the form ran (the outputs\n"
    "are still written), 2 bad usage or a file that cannot be read.\n";

const CommandHelp* find(std::string_view name) {
    for (const CommandHelp& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

void print(std::FILE* out, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out);
}

} // namespace

std::string Usage(std::string_view command) {
    const CommandHelp* c = find(command);
    return c ? "usage: " + std::string(c->synopsis) : std::string();
}

void PrintUsage(std::FILE* out) {
    print(out, "usage:\n");
    for (const CommandHelp& c : kCommands) {
        print(out, "  ");
        print(out, c.synopsis);
        print(out, "\n");
    }
    print(out, "  vntab --version\n");
}

int HelpCommand(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage(stdout);
        print(stdout, "\n");
        print(stdout, kExitStatus);
        print(stdout, "'vntab help COMMAND' tells more of a command; 'man vntab' tells all.\n");
        return 0;
    }
    const CommandHelp* c = args.size() == 1 ? find(args[0]) : nullptr;
    if (!c) {
        Complain(args.size() == 1 ? "no command '" + args[0] + "'" : Usage("help"));
        return 2;
    }
    print(stdout, Usage(c->name));
    print(stdout, "\n\n");
    print(stdout, c->details);
    print(stdout, "\n");
    return 0;
}

} // namespace vntab_cli
