#include "tabs/AccessKey.h"

#include "platform/automation/Ansi.h"

namespace vntab {

uint8_t AccessKeyOf(std::string_view caption) {
    int32_t p = rt::InStr(caption, "&");
    // "&&" is a literal ampersand: skip the pair and look further.
    while (p > 0 && rt::Mid(caption, p + 1, 1) == "&")
        p = rt::InStr(p + 2, caption, "&");
    if (p == 0 || p == rt::Len(caption)) return kNoAccessKey;
    return static_cast<uint8_t>(caption[static_cast<size_t>(p)]);
}

} // namespace vntab
