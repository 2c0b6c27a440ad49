#include "Shrink.h"

#include <algorithm>

namespace soak {
namespace {

// The list without the chunk [from, to), or only that chunk.
Steps without(const Steps& steps, size_t from, size_t to) {
    Steps out(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(from));
    out.insert(out.end(), steps.begin() + static_cast<std::ptrdiff_t>(to), steps.end());
    return out;
}

Steps only(const Steps& steps, size_t from, size_t to) {
    return Steps(steps.begin() + static_cast<std::ptrdiff_t>(from),
                 steps.begin() + static_cast<std::ptrdiff_t>(to));
}

} // namespace

ShrinkResult Shrink(const Steps& steps, const std::function<bool(const Steps&)>& fails,
                    std::chrono::steady_clock::duration budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    ShrinkResult result{steps, 0, true};
    Steps& current = result.steps;
    auto still_fails = [&](const Steps& candidate) {
        ++result.tries;
        return fails(candidate);
    };
    size_t parts = 2;
    while (current.size() >= 2) {
        if (std::chrono::steady_clock::now() > deadline) {
            result.finished = false;
            break;
        }
        const size_t chunk = (current.size() + parts - 1) / parts;
        bool reduced = false;
        // A chunk alone that fails is the biggest cut; then the list without one chunk.
        for (size_t from = 0; from < current.size() && !reduced && parts > 2; from += chunk) {
            Steps candidate = only(current, from, std::min(current.size(), from + chunk));
            if (still_fails(candidate)) {
                current = std::move(candidate);
                parts = 2;
                reduced = true;
            }
        }
        for (size_t from = 0; from < current.size() && !reduced; from += chunk) {
            Steps candidate = without(current, from, std::min(current.size(), from + chunk));
            if (still_fails(candidate)) {
                current = std::move(candidate);
                parts = std::max<size_t>(parts - 1, 2);
                reduced = true;
            }
        }
        if (reduced) continue;
        if (parts >= current.size()) break; // every single step is needed
        parts = std::min(parts * 2, current.size());
    }
    return result;
}

} // namespace soak
