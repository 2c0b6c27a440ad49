#pragma once

#include <cstdint>

namespace vntab {

// What a contained-control record asks of the tab control that owns it: whether the program runs
// (records hold their controls differently while the form is designed) and which tab is active
// (controls of the other tabs stand out of view).
class ControlsOwner {
public:
    virtual ~ControlsOwner() = default;

    virtual bool UserMode() const = 0;
    virtual int16_t TabActive() const = 0;
};

// What a page of records asks of the tab it belongs to: only the tab's position, which changes
// whenever tabs before it are inserted or removed, so it is asked for each time.
class OwningTab {
public:
    virtual ~OwningTab() = default;

    // The tab's 1-based position in its collection.
    virtual int32_t Index() const = 0;
};

} // namespace vntab
