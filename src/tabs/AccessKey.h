#pragma once

#include <cstdint>
#include <string_view>

namespace vntab {

// "&" itself stands for "no access key" wherever a tab's access key is stored or listed.
constexpr uint8_t kNoAccessKey = '&';

// The access key a caption marks: the character after the first "&" that is not part of a literal
// "&&", as typed (case kept). A caption without such a mark, or ending in a lone "&", has none.
uint8_t AccessKeyOf(std::string_view caption);

} // namespace vntab
