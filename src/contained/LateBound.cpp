#include "contained/LateBound.h"

#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"

namespace vntab {

std::optional<rt::Variant> TryGet(rt::Dispatch& control, std::string_view name) {
    try {
        return control.Get(name);
    } catch (const rt::AutomationError&) {
        return std::nullopt;
    }
}

std::optional<double> TryNumber(rt::Dispatch& control, std::string_view name) {
    try {
        return rt::CDbl(control.Get(name));
    } catch (const rt::AutomationError&) {
        return std::nullopt;
    }
}

bool TryLet(rt::Dispatch& control, std::string_view name, const rt::Variant& value) {
    try {
        control.Let(name, value);
        return true;
    } catch (const rt::AutomationError&) {
        return false;
    }
}

bool TryCall(rt::Dispatch& control, std::string_view name) {
    try {
        control.Call(name);
        return true;
    } catch (const rt::AutomationError&) {
        return false;
    }
}

bool TryShift(rt::Dispatch& control, std::string_view name, double delta) {
    try {
        double value = rt::CDbl(control.Get(name));
        control.Let(name, rt::Variant(rt::csng(value + delta)));
        return true;
    } catch (const rt::AutomationError&) {
        return false;
    }
}

std::optional<std::string> ContainedControlKey(rt::Dispatch& control) {
    std::string name;
    try {
        name = rt::CStr(control.Get("Name"));
    } catch (const rt::AutomationError&) {
        return std::nullopt;
    }
    if (auto index = TryGet(control, "Index")) {
        try {
            int32_t i = rt::CLng(*index);
            if (i > -1) name += "(" + std::to_string(i) + ")";
        } catch (const rt::AutomationError&) {
            // An Index that is not a number makes no array member.
        }
    }
    return name;
}

} // namespace vntab
