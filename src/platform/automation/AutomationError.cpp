#include "AutomationError.h"

namespace rt {

static std::string what_text(int32_t number, const std::string& description) {
    return "error " + std::to_string(number) + ": " + description;
}

AutomationError::AutomationError(int32_t number_, std::string source_, std::string description_,
                                 int32_t help_context_)
    : std::runtime_error(what_text(number_, description_)), number(number_), source(std::move(source_)),
      description(std::move(description_)), help_context(help_context_) {}

std::string standard_description(int32_t number) {
    switch (number) {
    case kErrInvalidProcedureCall: return "Invalid procedure call or argument";
    case kErrOverflow: return "Overflow";
    case kErrSubscriptOutOfRange: return "Subscript out of range";
    case kErrDivisionByZero: return "Division by zero";
    case kErrTypeMismatch: return "Type mismatch";
    case kErrFileNotFound: return "File not found";
    case kErrInvalidPropertyValue: return "Invalid property value";
    case kErrObjectDoesNotSupport: return "Object doesn't support this property or method";
    case kErrInvalidPicture: return "Invalid picture";
    case kErrKeyAlreadyExists: return "Key already exists.";
    case kErrHookKeyExists: return "Key already exists.";
    case kErrIndexOutOfBounds: return "Index out of bounds.";
    default: return {};
    }
}

void raise_error(int32_t number, std::string source, std::string description, int32_t help_context) {
    if (description.empty()) description = standard_description(number);
    throw AutomationError(number, std::move(source), std::move(description), help_context);
}

} // namespace rt
