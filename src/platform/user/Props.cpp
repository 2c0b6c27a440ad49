#include "platform/user/Props.h"

#include "platform/user/Errors.h"
#include "platform/user/WindowTable.h"

#include <algorithm>
#include <strings.h>

namespace user {

using detail::window_of;

namespace {

using PropList = std::vector<std::pair<std::string, intptr_t>>;

PropList::iterator find(PropList& props, const char* name) {
    return std::find_if(props.begin(), props.end(),
                        [name](const auto& p) { return strcasecmp(p.first.c_str(), name) == 0; });
}

bool valid_name(const char* name) {
    if (name && *name) return true;
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

} // namespace

bool SetPropA(HWND hwnd, const char* name, HANDLE value) {
    detail::Window* w = window_of(hwnd);
    if (!w || !valid_name(name)) return false;
    if (auto found = find(w->props, name); found != w->props.end())
        found->second = value;
    else
        w->props.emplace_back(name, value);
    return true;
}

HANDLE GetPropA(HWND hwnd, const char* name) {
    detail::Window* w = window_of(hwnd);
    if (!w || !valid_name(name)) return 0;
    auto found = find(w->props, name);
    return found != w->props.end() ? found->second : 0;
}

HANDLE RemovePropA(HWND hwnd, const char* name) {
    detail::Window* w = window_of(hwnd);
    if (!w || !valid_name(name)) return 0;
    auto found = find(w->props, name);
    if (found == w->props.end()) return 0;
    const HANDLE value = found->second;
    w->props.erase(found);
    return value;
}

std::vector<std::string> PropNames(HWND hwnd) {
    std::vector<std::string> names;
    if (const detail::Window* w = window_of(hwnd))
        for (const auto& p : w->props)
            names.push_back(p.first);
    return names;
}

} // namespace user
