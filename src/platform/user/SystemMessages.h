#pragma once

#include <cstdint>

namespace user::detail {

// The system's message text for an error code, ending in CR LF as the platform stores it; null for
// a code the table does not hold.
const char* system_message(uint32_t code);

} // namespace user::detail
