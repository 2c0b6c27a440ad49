#pragma once

#include <cstdint>

// Where the arrow keys move the active tab.
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

} // namespace vntab
