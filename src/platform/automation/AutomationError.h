#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace rt {

// The error numbers of the automation runtime that this system raises or catches.
enum ErrorNumber : int32_t {
    kErrInvalidProcedureCall = 5,
    kErrOverflow = 6,
    kErrSubscriptOutOfRange = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrInvalidPropertyValue = 380,
    kErrObjectDoesNotSupport = 438,
    kErrInvalidPicture = 481,
    kErrKeyAlreadyExists = 50001,
    // The object-error base 0x80040000 plus 1051 and 1053.
    kErrHookKeyExists = static_cast<int32_t>(0x8004041B),
    kErrIndexOutOfBounds = static_cast<int32_t>(0x8004041D),
};

// An automation error as the runtime raises it: number, source, description and help context.
// "Errors are ignored" at a call means catching exactly this type at that call.
struct AutomationError : std::runtime_error {
    int32_t number;
    std::string source;
    std::string description;
    int32_t help_context;

    AutomationError(int32_t number, std::string source, std::string description, int32_t help_context = 0);
};

// The runtime's own description of a standard error number ("Overflow", "Type mismatch", ...);
// an empty string for numbers it has no text for.
std::string standard_description(int32_t number);

// Raises `number` with the runtime's description when `description` is empty.
[[noreturn]] void raise_error(int32_t number, std::string source = {}, std::string description = {},
                              int32_t help_context = 0);

} // namespace rt
