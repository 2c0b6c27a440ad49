#pragma once

#include "platform/automation/Variant.h"
#include "platform/host/ControlSite.h"

#include <cstdint>
#include <memory>
#include <string_view>

// Raising an event whose arguments the host program's handler may change: each argument goes out
// by name as a variant and comes back, coerced to its type as the runtime would coerce an
// assignment to it, into the variable it came from.
namespace vntab {

template <class T>
struct ByRef {
    std::string_view name;
    T& value;
};

template <class T>
ByRef<T> Ref(std::string_view name, T& value) {
    return ByRef<T>{name, value};
}

inline void ReadBack(const rt::Variant& value, bool& into) {
    into = rt::CBool(value);
}
inline void ReadBack(const rt::Variant& value, int16_t& into) {
    into = rt::CInt(value);
}
inline void ReadBack(const rt::Variant& value, int32_t& into) {
    into = rt::CLng(value);
}
inline void ReadBack(const rt::Variant& value, float& into) {
    into = rt::CSng(value);
}
inline void ReadBack(const rt::Variant& value, std::shared_ptr<rt::Dispatch>& into) {
    into = rt::CObj(value);
}

template <class... T>
void RaiseByRef(host::ControlSite& site, std::string_view event, ByRef<T>... args) {
    host::EventArg raised[] = {host::EventArg{args.name, rt::Variant(args.value)}...};
    site.RaiseEvent(event, raised);
    size_t i = 0;
    (ReadBack(raised[i++].value, args.value), ...);
}

} // namespace vntab
