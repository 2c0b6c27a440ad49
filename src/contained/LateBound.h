#pragma once

#include "platform/automation/Dispatch.h"

#include <optional>
#include <string>
#include <string_view>

// Late-bound access to the host's contained controls where a failure is expected and ignored: a
// control may lack the property (a Timer has no TabStop, a Line no Left), and no unusual control
// may stop a tab switch. Each helper catches the automation error of exactly its one call.
namespace vntab {

std::optional<rt::Variant> TryGet(rt::Dispatch& control, std::string_view name);
// A property read as a number; nothing when it cannot be read or is not a number.
std::optional<double> TryNumber(rt::Dispatch& control, std::string_view name);
bool TryLet(rt::Dispatch& control, std::string_view name, const rt::Variant& value);
bool TryCall(rt::Dispatch& control, std::string_view name);

// Moves a coordinate property by `delta` container units; false when it cannot be read or set.
bool TryShift(rt::Dispatch& control, std::string_view name, double delta);

// The name a contained control is known by in the saved records: its Name, followed by "(" Index
// ")" when it is a member of a control array (an Index above -1). Nothing when it has no Name.
std::optional<std::string> ContainedControlKey(rt::Dispatch& control);

} // namespace vntab
