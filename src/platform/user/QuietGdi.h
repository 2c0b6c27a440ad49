#pragma once

#include "platform/gdi/Trace.h"

#include <optional>

namespace user::detail {

// The GDI calls the window system makes for its own bookkeeping (saving a clip region, managing a
// surface, building an image to draw) are not drawing its caller asked for: while one of these
// lives, they go to a trace of its own that nobody reads, so an active gdi::Trace shows only the
// window system's own record of the call.
class QuietGdi {
public:
    QuietGdi() {
        if (gdi::active_trace()) m_swallow.emplace();
    }

private:
    std::optional<gdi::Trace> m_swallow;
};

} // namespace user::detail
