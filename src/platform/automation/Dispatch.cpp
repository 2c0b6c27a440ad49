#include "Dispatch.h"

#include "AutomationError.h"

namespace rt {

void raise_member_not_found() { raise_error(kErrObjectDoesNotSupport); }

Variant Dispatch::Get(std::string_view) { raise_member_not_found(); }
void Dispatch::Let(std::string_view, const Variant&) { raise_member_not_found(); }
void Dispatch::Set(std::string_view, const std::shared_ptr<Dispatch>&) { raise_member_not_found(); }
Variant Dispatch::Call(std::string_view, std::span<const Variant>) { raise_member_not_found(); }
std::optional<int32_t> Dispatch::DispId(std::string_view) const { return std::nullopt; }

const Variant& required_arg(std::span<const Variant> args, size_t i) {
    if (i >= args.size()) raise_error(kErrInvalidProcedureCall);
    return args[i];
}

bool member_name_equals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

} // namespace rt
