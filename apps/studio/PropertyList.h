#pragma once

#include "platform/automation/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace host {
class Form;
}

namespace studio {

// The designer's property list: the properties of one object of the form (the form itself or a
// control, by "Name" or "Name(Index)"), read and written by name through late binding, as a
// developer types them. Values show as text; a text is written as True/False, &H...& hexadecimal,
// a number, or else the text itself, and the object converts or refuses it with its own error.
class PropertyList {
public:
    struct Row {
        std::string name;
        std::string text;     // UTF-8
        bool readable = true; // false when reading raised; `text` then holds the error
    };

    // Every property of the object, in the order a developer expects: the container's (name,
    // place, size, tab order) first, then the object's own. Error 5 for a name that is not there.
    static std::vector<Row> Read(host::Form& form, const std::string& object);
    // Writes one property; the object's error (an AutomationError) reaches the caller.
    static void Write(host::Form& form, const std::string& object, std::string_view property,
                      std::string_view text);

    static std::string ValueText(const rt::Variant& value);
    static rt::Variant ParseText(std::string_view text);
    static std::vector<std::string> Names(host::Form& form, const std::string& object);
};

} // namespace studio
