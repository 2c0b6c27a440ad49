#pragma once

#include "Step.h"

#include <chrono>
#include <functional>

namespace soak {

struct ShrinkResult {
    Steps steps;
    size_t tries = 0;     // step lists run
    bool finished = true; // false when the time ran out before no single step could go
};

// Delta debugging: the shortest list of `steps`, kept in order, that still `fails`, found by
// dropping ever smaller chunks of the list and keeping any list that still fails. Stops when no
// single step can be dropped (the list is then 1-minimal) or when `budget` has passed.
ShrinkResult Shrink(const Steps& steps, const std::function<bool(const Steps&)>& fails,
                    std::chrono::steady_clock::duration budget);

} // namespace soak
