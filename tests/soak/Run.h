#pragma once

#include "Snapshot.h"
#include "Step.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace soak {

// A broken rule: the step (0-based) after which it was found, and what was wrong. The message
// starts with the rule's name and a colon ("view: ..."), which shrinking keeps the same.
struct Failure {
    size_t step = 0;
    std::string message;
    std::string rule() const { return message.substr(0, message.find(':')); }
};

struct RunOptions {
    std::string folder; // where the form is saved
    // A further rule checked after every step (tests plant one); returns the broken rule or empty.
    std::function<std::string(const Snapshot&)> extra_rule;
};

struct RunCounts {
    size_t steps = 0, refused = 0, saves = 0, clicks_that_switched = 0, repaints_that_raised = 0;
};

// Runs the steps from a fresh form, checking every rule after every step; the first failure.
std::optional<Failure> RunSteps(const Steps& steps, const RunOptions& options, RunCounts* counts = nullptr);

// Draws `count` random steps from `seed` and runs them as they are drawn. On a failure `ran` holds
// the steps up to and including the failing one.
std::optional<Failure> RunRandom(uint64_t seed, size_t count, const RunOptions& options, Steps& ran,
                                 RunCounts* counts = nullptr);

} // namespace soak
