#pragma once

#include <cstdint>

namespace vntab {

// The tab a page of control records belongs to, as the records see it: only its position, which
// changes whenever tabs before it are inserted or removed, so it is asked for each time.
class OwningTab {
public:
    virtual ~OwningTab() = default;

    // The tab's 1-based position in its collection.
    virtual int32_t Index() const = 0;
};

} // namespace vntab
