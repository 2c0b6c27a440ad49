#pragma once

#include "platform/automation/Variant.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The event scripts of `vntab render --events`: commands separated by ';' or line ends, command
// words in any case, coordinates in the driven control's client pixels.
namespace vntab_cli {

// A value as a script writes it: a number, &H...& hexadecimal, True/False or a quoted string, or a
// picture (`picture "PATH"`) or a font (`font "NAME" SIZE [bold] [italic]`) to be made when the step
// runs.
struct ScriptValue {
    enum class Kind { Plain, Picture, Font };
    Kind kind = Kind::Plain;
    rt::Variant value; // Plain; strings are ANSI
    std::string path;  // Picture, as UTF-8
    std::string font_name;
    double font_size = 0;
    bool bold = false;
    bool italic = false;
};

struct ScriptStep {
    int number = 0; // 1-based position in the script, as errors report it
    int line = 0;
    std::string verb;                 // lower case; two-word commands joined: "tabs add"
    std::vector<std::string> words;   // the remaining words as written (quotes removed)
    std::vector<bool> quoted;         // whether each word was a quoted string
    std::optional<ScriptValue> value; // set, tab, handle, answer color, field ... picture
};

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Parses a whole script; a malformed one raises ScriptError with "NAME:LINE: expected ...".
std::vector<ScriptStep> ParseScript(std::string_view text, const std::string& name);

// The value words at [first, end) of a step (a number, &H..&, True/False, a string, `picture "P"`,
// `font "N" S [bold] [italic]`); raises ScriptError when they do not form one value.
ScriptValue ParseValue(const std::vector<std::string>& words, const std::vector<bool>& quoted, size_t first,
                       size_t end, const std::string& where);

} // namespace vntab_cli
