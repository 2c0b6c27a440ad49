#pragma once

namespace vntab {

// Holds a busy flag set for a bulk rearrangement, so that no redraw runs half-way through it, and
// clears it again however the rearrangement ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
};

} // namespace vntab
