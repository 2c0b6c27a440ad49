#include "layout/KeyTargets.h"

#include "platform/automation/Arithmetic.h"

namespace vntab {

bool IsArrowKey(int16_t key_code) {
    return key_code == kVkLeft || key_code == kVkUp || key_code == kVkRight || key_code == kVkDown;
}

int16_t ArrowKeyTarget(int16_t key_code, int16_t tab_active, int16_t tab_count) {
    if (key_code == kVkRight || key_code == kVkDown) {
        const int16_t next = rt::add16(tab_active, 1);
        return next > tab_count ? int16_t{1} : next;
    }
    return tab_active == 1 ? tab_count : rt::sub16(tab_active, 1);
}

} // namespace vntab
