#include "platform/user/SystemMessages.h"

#include "platform/user/Errors.h"

#include <algorithm>
#include <iterator>

namespace user::detail {

namespace {

struct Entry {
    uint32_t code;
    const char* text;
};

// Sorted by code.
constexpr Entry kMessages[] = {
    {ERROR_SUCCESS, "The operation completed successfully.\r\n"},
    {ERROR_INVALID_FUNCTION, "Incorrect function.\r\n"},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
    {4, "The system cannot open the file.\r\n"},
    {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
    {ERROR_INVALID_HANDLE, "The handle is invalid.\r\n"},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough storage is available to process this command.\r\n"},
    {ERROR_INVALID_DATA, "The data is invalid.\r\n"},
    {ERROR_OUTOFMEMORY, "Not enough storage is available to complete this operation.\r\n"},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect.\r\n"},
    {ERROR_CALL_NOT_IMPLEMENTED, "This function is not supported on this system.\r\n"},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small.\r\n"},
    {ERROR_MR_MID_NOT_FOUND,
     "The system cannot find message text for message number 0x%1 in the message file for %2.\r\n"},
    {ERROR_INVALID_FLAGS, "Invalid flags.\r\n"},
    {ERROR_NOT_FOUND, "Element not found.\r\n"},
    {ERROR_INVALID_WINDOW_HANDLE, "Invalid window handle.\r\n"},
    {ERROR_CANNOT_FIND_WND_CLASS, "Cannot find window class.\r\n"},
    {ERROR_CLASS_ALREADY_EXISTS, "Class already exists.\r\n"},
    {ERROR_CLASS_DOES_NOT_EXIST, "Class does not exist.\r\n"},
    {ERROR_CLASS_HAS_WINDOWS, "Class still has open windows.\r\n"},
    {ERROR_INVALID_INDEX, "Invalid index.\r\n"},
    {ERROR_RESOURCE_LANG_NOT_FOUND,
     "The specified resource language ID cannot be found in the image file.\r\n"},
};

} // namespace

const char* system_message(uint32_t code) {
    const Entry* end = std::end(kMessages);
    const Entry* found = std::lower_bound(std::begin(kMessages), end, code,
                                          [](const Entry& e, uint32_t c) { return e.code < c; });
    return found != end && found->code == code ? found->text : nullptr;
}

} // namespace user::detail
