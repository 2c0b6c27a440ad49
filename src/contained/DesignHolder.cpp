#include "contained/DesignHolder.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"

namespace vntab {

namespace {

constexpr int32_t kErrCannotCreateObject = 429;

} // namespace

rt::Variant CQuillet::Call(std::string_view name, std::span<const rt::Variant> args) {
    if (rt::member_name_equals(name, "put_control")) {
        m_control = rt::CObj(rt::required_arg(args, 0));
        return {};
    }
    if (rt::member_name_equals(name, "get_control")) return rt::Variant(m_control);
    rt::raise_member_not_found();
}

std::optional<int32_t> CQuillet::DispId(std::string_view name) const {
    if (rt::member_name_equals(name, "put_control")) return 1;
    if (rt::member_name_equals(name, "get_control")) return 2;
    return std::nullopt;
}

std::shared_ptr<rt::Dispatch> CreateObject(std::string_view prog_id) {
    if (rt::EqualsText(prog_id, kDesignHolderProgId)) return std::make_shared<CQuillet>();
    rt::raise_error(kErrCannotCreateObject, std::string(prog_id), "ActiveX component can't create object");
}

} // namespace vntab
