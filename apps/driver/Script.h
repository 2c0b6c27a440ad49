#pragma once

#include "platform/automation/Variant.h"
#include "platform/user/Hwnd.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The event scripts of `vntab render --events`: commands separated by ';' or line ends, command
// words in any case, coordinates in the driven control's client pixels.
namespace driver {

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

// A command a program adds to the language: its verb and how many words may follow it.
struct ScriptVerb {
    const char* verb;
    int min;
    int max;
};

// Parses a whole script, with the program's own commands beside the language's; a malformed one
// raises ScriptError with "NAME:LINE: expected ...".
std::vector<ScriptStep> ParseScript(std::string_view text, const std::string& name,
                                    std::span<const ScriptVerb> extra = {});

// The value words at [first, end) of a step (a number, &H..&, True/False, a string, `picture "P"`,
// `font "N" S [bold] [italic]`); raises ScriptError when they do not form one value.
ScriptValue ParseValue(const std::vector<std::string>& words, const std::vector<bool>& quoted, size_t first,
                       size_t end, const std::string& where);

// Stops a step that cannot run as written: error 5 from "vntab", saying what was wrong.
[[noreturn]] void FailStep(const std::string& what);

// The words of a step as it runs. Each fails the step when the word does not say what it needs:
// a number, rounded to a whole one;
int32_t WholeWord(const std::string& word);
// the virtual key of a `key` step's first word: Left, Right, Up, Down, Tab, Enter, Escape, Space, a
// letter or digit, or a code;
user::UINT StepKey(const ScriptStep& step);
// the mouse button of a mouse step (1, 2 or 4; 1 when not given) and the Shift state of a mouse or
// key step (bit 1 Shift, 2 Ctrl, 4 Alt; 0 when not given).
int32_t StepButton(const ScriptStep& step);
int32_t StepShift(const ScriptStep& step);

} // namespace driver
