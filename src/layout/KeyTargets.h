#pragma once

#include <cstdint>
#include <string_view>

// Where the keyboard moves the active tab: the arrow keys step through the tabs in order, an access
// key jumps to the next tab whose caption marks it.
namespace vntab {

// Virtual-key codes of the arrow keys.
constexpr int16_t kVkLeft = 37;
constexpr int16_t kVkUp = 38;
constexpr int16_t kVkRight = 39;
constexpr int16_t kVkDown = 40;

bool IsArrowKey(int16_t key_code);

// The tab an arrow key moves to: Right and Down the next tab, Left and Up the previous one,
// wrapping at both ends whatever the tabs' rows. 16-bit arithmetic, checked.
int16_t ArrowKeyTarget(int16_t key_code, int16_t tab_active, int16_t tab_count);

// The 1-based position of `key` in the access-key string, searching from position `start`
// (binary comparison, as InStr does); 0 when it is not there or `start` lies past the end.
int32_t FindAccessKey(std::string_view keys, uint8_t key, int32_t start);

} // namespace vntab
