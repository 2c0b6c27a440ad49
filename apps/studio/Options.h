#pragma once

#include <optional>
#include <string>
#include <vector>

namespace studio {

// vntab-studio [FORM.frm] [--script FILE] [--screenshot OUT.png] [--log FILE] [--size WxH]
//              [--zoom 1|2|3] [--dpi 96|120|144|192] [--measure-resize FRAMES]
struct Options {
    std::string form;
    std::string script;        // replayed once the form is open
    std::string screenshot;    // written when the script is over; the studio then exits
    std::string log;           // every line of the event log also goes here ("-": standard output)
    int width = 0, height = 0; // the window; 0: fitted to the form
    int zoom = 1;
    int dpi = 96;
    int measure_frames = 0; // resizes the window this many frames, prints the frames per second, exits
};

extern const char* const kUsage;

// The options of a command line (without the program's name); nullopt, with the reason in `error`,
// for a command line that does not parse.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

} // namespace studio
