#include "PropertyList.h"

#include "control/VNTabCtl.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/Form.h"

#include <cctype>
#include <cstdlib>

namespace studio {

namespace {

rt::Dispatch& object_of(host::Form& form, const std::string& object) {
    if (object.empty() || rt::EqualsText(object, form.Name())) return form;
    auto control = form.FindControl(object);
    if (!control)
        rt::raise_error(rt::kErrInvalidProcedureCall, "vntab-studio", "There is no control " + object);
    return *control;
}

} // namespace

std::vector<std::string> PropertyList::Names(host::Form& form, const std::string& object) {
    std::vector<std::string> names;
    rt::Dispatch& target = object_of(form, object);
    if (&target == &form) {
        names = {"Name", "Caption", "BackColor", "ScaleMode", "ClientWidth", "ClientHeight"};
    } else if (auto* built_in = dynamic_cast<host::HostControl*>(&target)) {
        names.push_back("Name");
        for (const host::PropertyDefault& p : built_in->kind().properties)
            names.emplace_back(p.name);
    } else if (auto* holder = dynamic_cast<host::ActiveXHolder*>(&target)) {
        names = {"Name", "Left", "Top", "Width", "Height", "TabIndex", "TabStop", "Visible"};
        if (dynamic_cast<vntab::VNTabCtl*>(holder->object().get()))
            for (std::string_view name : vntab::VNTabCtl::PropertyNames())
                names.emplace_back(name);
    }
    return names;
}

std::vector<PropertyList::Row> PropertyList::Read(host::Form& form, const std::string& object) {
    rt::Dispatch& target = object_of(form, object);
    std::vector<Row> rows;
    for (std::string& name : Names(form, object)) {
        try {
            rows.push_back(Row{name, ValueText(target.Get(name)), true});
        } catch (const rt::AutomationError& e) {
            rows.push_back(Row{name, "error " + std::to_string(e.number) + ": " + e.description, false});
        }
    }
    return rows;
}

void PropertyList::Write(host::Form& form, const std::string& object, std::string_view property,
                         std::string_view text) {
    object_of(form, object).Let(property, ParseText(text));
}

std::string PropertyList::ValueText(const rt::Variant& value) {
    if (value.is_nothing()) return "(None)";
    if (value.is_object()) {
        const auto& object = value.as_object();
        if (object->TypeName() == "StdFont")
            return rt::utf8_from_ansi(rt::CStr(object->Get("Name"))) + " " + rt::CStr(object->Get("Size"));
        return "(" + object->TypeName() + ")";
    }
    if (value.type() == rt::VarType::Long && rt::CLng(value) < 0) {
        // OLE colours with their high bit set name system colours: shown as the hexadecimal they are.
        char hex[16];
        std::snprintf(hex, sizeof hex, "&H%08X&", static_cast<uint32_t>(rt::CLng(value)));
        return hex;
    }
    return rt::utf8_from_ansi(rt::CStr(value));
}

rt::Variant PropertyList::ParseText(std::string_view text) {
    if (rt::EqualsText(text, "True")) return rt::Variant(true);
    if (rt::EqualsText(text, "False")) return rt::Variant(false);
    if (text.size() > 2 && (text[0] == '&') && (text[1] == 'H' || text[1] == 'h')) {
        std::string digits(text.substr(2));
        if (!digits.empty() && digits.back() == '&') digits.pop_back();
        char* end = nullptr;
        const unsigned long value = std::strtoul(digits.c_str(), &end, 16);
        if (!digits.empty() && digits.size() <= 8 && end && *end == 0)
            return rt::Variant(static_cast<int32_t>(static_cast<uint32_t>(value)));
    }
    if (rt::IsNumericText(text)) return rt::Variant(rt::Val(text));
    return rt::Variant(rt::ansi_from_utf8(text));
}

} // namespace studio
