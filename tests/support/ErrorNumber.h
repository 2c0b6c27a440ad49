#pragma once

#include "platform/automation/AutomationError.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

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

// The automation error `f` raises; a test failure when it raises none.
inline rt::AutomationError ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::AutomationError& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return rt::AutomationError(0, "", "");
}
