#include "platform/host/FormFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// The form file reader on any bytes: it either refuses them with an error located in the file, or
// reads a form whose canonical text reads back to the same text and the same values, in whichever
// character set the bytes were read (Windows-1252, UTF-8 with or without a byte-order mark).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    host::FormDocument doc;
    try {
        doc = host::ParseForm(text, "fuzz.frm");
    } catch (const host::FormFileError& e) {
        if (!std::string_view(e.what()).starts_with("fuzz.frm")) std::abort();
        return 0;
    }
    std::string canonical;
    try {
        canonical = host::FormatForm(doc);
    } catch (const host::FormFileError&) {
        return 0; // a value that cannot be written (a string with a line break cannot be read either)
    }
    host::FormDocument again = host::ParseForm(canonical, "canonical.frm");
    if (host::FormatForm(again) != canonical) std::abort();
    // The values read back are the ones first read: written in the first file's style, they give
    // the same text again.
    again.style = doc.style;
    if (host::FormatForm(again) != canonical) std::abort();
    return 0;
}
