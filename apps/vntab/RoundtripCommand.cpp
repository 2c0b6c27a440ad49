#include "Commands.h"

#include "platform/host/FormReader.h"
#include "platform/host/FormWriter.h"

namespace vntab_cli {

int RoundtripCommand(const std::vector<std::string>& args) {
    std::string input, output;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (input.empty() && args[i][0] != '-')
            input = args[i];
        else {
            Complain(Usage("roundtrip"));
            return 2;
        }
    }
    if (input.empty() || output.empty()) {
        Complain(Usage("roundtrip"));
        return 2;
    }
    std::shared_ptr<host::Form> form;
    try {
        form = host::LoadForm(input, host::FormOptions{});
    } catch (const host::FormFileError& e) {
        // Not a form this tool can read: missing, malformed, not UTF-8, not a form.
        Complain(e.what());
        return 2;
    }
    for (const auto& w : form->warnings())
        Complain("warning: " + w);
    // A control that raised once its properties were in is saved as it stands, and reported.
    int status = 0;
    for (const auto& [control, e] : form->load_errors()) {
        Complain(input + ": " + control + ": error " + std::to_string(e.number) + ": " + e.description);
        status = 1;
    }
    try {
        host::SaveForm(*form, output);
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return 1;
    }
    return status;
}

} // namespace vntab_cli
