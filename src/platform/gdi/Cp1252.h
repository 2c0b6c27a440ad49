#pragma once

#include <cstdint>

namespace gdi {

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes map to themselves.
char32_t cp1252_to_unicode(uint8_t byte);

} // namespace gdi
