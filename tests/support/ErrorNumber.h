#pragma once

#include "platform/automation/AutomationError.h"

#include <cstdint>

// The number of the automation error a call raises, 0 when it raises none.
template <class F>
int32_t error_number(F&& call) {
    try {
        call();
    } catch (const rt::AutomationError& e) {
        return e.number;
    }
    return 0;
}
