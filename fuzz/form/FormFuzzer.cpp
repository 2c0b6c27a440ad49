#include "platform/host/FormFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// The form file reader on any bytes: it either refuses them with a located error or reads a form
// whose canonical text reads back to the same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    host::FormDocument doc;
    try {
        doc = host::ParseForm(text, "fuzz.frm");
    } catch (const host::FormFileError&) {
        return 0;
    }
    std::string canonical;
    try {
        canonical = host::FormatForm(doc);
    } catch (const host::FormFileError&) {
        return 0; // a value that cannot be written (a string with a line break cannot be read either)
    }
    std::string again = host::FormatForm(host::ParseForm(canonical, "canonical.frm"));
    if (again != canonical) std::abort();
    return 0;
}
