#include "Arguments.h"
#include "Commands.h"

#include "platform/host/FormReader.h"
#include "platform/host/FormWriter.h"

namespace vntab_cli {

namespace {

void parse(const std::vector<std::string>& args, std::string& input, std::string& output) {
    Arguments in(args);
    while (!in.done()) {
        const std::string& a = in.take();
        if (a == "-o")
            output = in.value_of(a, "the form file to write");
        else
            in.form(a, input);
    }
    if (input.empty()) throw UsageError("no form given: name the .frm file to read");
    if (output.empty()) throw UsageError("no form to write: give -o OUT.frm");
}

} // namespace

int RoundtripCommand(const std::vector<std::string>& args) {
    std::string input, output;
    try {
        parse(args, input, output);
    } catch (const UsageError& e) {
        return ComplainAboutUsage(e, Usage("roundtrip"));
    }
    std::shared_ptr<host::Form> form;
    try {
        form = host::LoadForm(input, host::FormOptions{});
    } catch (const host::FormLoadError& e) {
        // Saving what was read would drop the rest of the file without a word.
        Complain(e.what());
        Complain(output + " is not written: the form stopped loading at line " + std::to_string(e.line) +
                 ", and what follows would be lost");
        return 1;
    } catch (const host::FormFileError& e) {
        // Not a form this tool can read: missing, malformed, not a form.
        Complain(e.what());
        return 2;
    }
    for (const auto& w : form->warnings())
        Complain("warning: " + w);
    // A control that raised once its properties were in is saved as it stands, and reported.
    int status = 0;
    for (const auto& e : form->load_errors()) {
        Complain(e.message);
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
