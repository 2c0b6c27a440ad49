#include "platform/user/ProcHandles.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace user::detail {

namespace {

constexpr int64_t kFirstHandle = int64_t(std::numeric_limits<int32_t>::min()) + 1;
constexpr size_t kMaxHandles = 0xFFFF;

std::vector<WNDPROC>& procs() {
    static thread_local std::vector<WNDPROC> registered;
    return registered;
}

} // namespace

int32_t proc_handle(WNDPROC proc) {
    if (!proc) return 0;
    std::vector<WNDPROC>& registered = procs();
    auto found = std::find(registered.begin(), registered.end(), proc);
    if (found == registered.end()) {
        // Programs use a handful of procedures; a table that is full reuses nothing and reports 0.
        if (registered.size() >= kMaxHandles) return 0;
        registered.push_back(proc);
        found = registered.end() - 1;
    }
    return static_cast<int32_t>(kFirstHandle + (found - registered.begin()));
}

WNDPROC proc_from_value(LONG_PTR value) {
    if (value == 0) return nullptr;
    const int64_t offset = int64_t(value) - kFirstHandle;
    if (offset >= 0 && offset < int64_t(kMaxHandles)) {
        const std::vector<WNDPROC>& registered = procs();
        return size_t(offset) < registered.size() ? registered[size_t(offset)] : nullptr;
    }
    return reinterpret_cast<WNDPROC>(value);
}

} // namespace user::detail
