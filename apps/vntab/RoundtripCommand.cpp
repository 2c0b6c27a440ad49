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
            Complain("usage: vntab roundtrip FORM.frm -o OUT.frm");
            return 2;
        }
    }
    if (input.empty() || output.empty()) {
        Complain("usage: vntab roundtrip FORM.frm -o OUT.frm");
        return 2;
    }
    std::shared_ptr<host::Form> form;
    try {
        form = host::LoadForm(input, host::FormOptions{});
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return e.line > 0 ? 1 : 2;
    }
    for (const auto& w : form->warnings())
        Complain("warning: " + w);
    try {
        host::SaveForm(*form, output);
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return 1;
    }
    return 0;
}

} // namespace vntab_cli
