#include "Arguments.h"

#include "Commands.h"

namespace vntab_cli {

const std::string& Arguments::value_of(const std::string& option, const std::string& what) {
    if (done()) throw UsageError(option + " needs a value: " + what);
    return take();
}

int Arguments::whole_number_of(const std::string& option, int low, int high, const std::string& what) {
    const std::string range = "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    const std::string& text = value_of(option, range + ", " + what);
    size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw UsageError(option + " takes " + range + " (" + what + "), not " + text);
    return static_cast<int>(value);
}

void Arguments::form(const std::string& argument, std::string& form) {
    if (argument.size() > 1 && argument[0] == '-') throw UsageError("unknown option " + argument);
    if (!form.empty()) throw UsageError("one form at a time: " + form + " and then " + argument);
    form = argument;
}

int ComplainAboutUsage(const UsageError& error, const std::string& usage) {
    Complain(error.what());
    Complain(usage);
    return 2;
}

} // namespace vntab_cli
