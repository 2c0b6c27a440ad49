#include "Values.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/FormFile.h"

namespace embed {

vntab::Value ToValue(const rt::Variant& value) {
    switch (value.type()) {
    case rt::VarType::Boolean:
        return value.as_bool();
    case rt::VarType::Integer:
        return int32_t{value.as_integer()};
    case rt::VarType::Long:
        return value.as_long();
    case rt::VarType::Single:
        return double{value.as_single()};
    case rt::VarType::Double:
        return value.as_double();
    case rt::VarType::String:
        return rt::utf8_from_ansi(value.as_string());
    case rt::VarType::Empty:
    case rt::VarType::Object:
        break;
    }
    return std::monostate{};
}

rt::Variant ToVariant(const vntab::Value& value) {
    struct Convert {
        rt::Variant operator()(std::monostate) const { return {}; }
        rt::Variant operator()(bool v) const { return rt::Variant(v); }
        rt::Variant operator()(int32_t v) const { return rt::Variant(v); }
        rt::Variant operator()(double v) const { return rt::Variant(v); }
        rt::Variant operator()(const std::string& v) const { return rt::Variant(rt::ansi_from_utf8(v)); }
    };
    return std::visit(Convert{}, value);
}

vntab::Event ToEvent(const host::FormRunner::RecordedEvent& event) {
    vntab::Event out{event.name, {}};
    for (const auto& [name, value] : event.args)
        out.args.emplace_back(name, ToValue(value));
    return out;
}

void Rethrow() {
    try {
        throw;
    } catch (const rt::AutomationError& e) {
        throw vntab::Error(e.number, rt::utf8_from_ansi(e.description), rt::utf8_from_ansi(e.source));
    } catch (const host::FormFileError& e) {
        throw vntab::FileError(e.file, e.line, e.what());
    }
}

} // namespace embed
