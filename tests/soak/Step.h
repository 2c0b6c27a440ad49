#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace soak {

// One thing a program, its user or its designer does to a form holding one tab control. A step is
// plain data, so a failing run can be printed, shrunk and replayed from a fresh form.
struct Step {
    enum class Kind {
        SetProperty,   // `name` = value (`number` or `text` when `is_text`)
        TabAdd,        // Tabs.Add([number], [key], [text]) with the parts `flags` names
        TabRemove,     // Tabs.Remove(number, or key when is_text)
        TabClear,      // Tabs.Clear()
        TabKey,        // Tabs(number).Key = key
        TabCaption,    // Tabs(number).Caption = text
        Click,         // the left button pressed and released at (x, y), client pixels
        Key,           // a key stroke: number is the virtual-key code
        AccessKey,     // Alt with the character text[0]
        Focus,         // the control's window gets the focus
        Blur,          // the form gets the focus
        Resize,        // the control's size: x by y pixels
        AddControl,    // the designer drops a control of kind `name` called `text` at (x, y)
        DeleteControl, // the designer deletes the control called `text`
        SaveLoad,      // the form is saved, then read back (design mode when number is 0)
    };
    Kind kind = Kind::Focus;
    std::string name, text, key;
    double number = 0;
    bool is_text = false;
    int flags = 0; // TabAdd: 1 index given, 2 key given, 4 caption given
    int x = 0, y = 0;

    // One line a reader can act on, e.g. `set TabWidth = 750` or `tabs add 2 "k1"`.
    std::string Describe() const;
};

using Steps = std::vector<Step>;

// What the generator needs to know of the form to aim its steps: the number of tabs, whether it
// is being designed and the names of the controls placed on the tab control.
struct Aim {
    int tab_count = 1;
    bool design = true;
    std::vector<std::string> control_names;
    int next_control = 1;
};

// A random step, valid or not, drawn with weights that keep the form interesting: property sets and
// input most often, saving rarely (it is the slowest step).
Step RandomStep(std::mt19937_64& rng, Aim& aim);

} // namespace soak
