#pragma once

#include <cstdint>

// The thread's last error code and the system's message texts for error codes.
namespace user {

constexpr uint32_t ERROR_SUCCESS = 0;
constexpr uint32_t ERROR_INVALID_FUNCTION = 1;
constexpr uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr uint32_t ERROR_PATH_NOT_FOUND = 3;
constexpr uint32_t ERROR_ACCESS_DENIED = 5;
constexpr uint32_t ERROR_INVALID_HANDLE = 6;
constexpr uint32_t ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr uint32_t ERROR_INVALID_DATA = 13;
constexpr uint32_t ERROR_OUTOFMEMORY = 14;
constexpr uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr uint32_t ERROR_CALL_NOT_IMPLEMENTED = 120;
constexpr uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
constexpr uint32_t ERROR_MR_MID_NOT_FOUND = 317;
constexpr uint32_t ERROR_INVALID_FLAGS = 1004;
constexpr uint32_t ERROR_NOT_FOUND = 1168;
constexpr uint32_t ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr uint32_t ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr uint32_t ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr uint32_t ERROR_CLASS_DOES_NOT_EXIST = 1411;
constexpr uint32_t ERROR_CLASS_HAS_WINDOWS = 1412;
constexpr uint32_t ERROR_INVALID_INDEX = 1413;
constexpr uint32_t ERROR_RESOURCE_LANG_NOT_FOUND = 1815;

void SetLastError(uint32_t code);
uint32_t GetLastError();

// FormatMessageA flags
constexpr uint32_t FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x00000100;
constexpr uint32_t FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr uint32_t FORMAT_MESSAGE_FROM_STRING = 0x00000400;
constexpr uint32_t FORMAT_MESSAGE_FROM_HMODULE = 0x00000800;
constexpr uint32_t FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;
constexpr uint32_t FORMAT_MESSAGE_ARGUMENT_ARRAY = 0x00002000;
constexpr uint32_t FORMAT_MESSAGE_MAX_WIDTH_MASK = 0x000000FF;

// Language identifiers: MAKELANGID(primary, sub) = sub << 10 | primary.
constexpr uint32_t LANG_NEUTRAL = 0x00;
constexpr uint32_t LANG_ENGLISH = 0x09;
constexpr uint32_t SUBLANG_NEUTRAL = 0x00;
constexpr uint32_t SUBLANG_DEFAULT = 0x01;
constexpr uint32_t SUBLANG_SYS_DEFAULT = 0x02;
constexpr uint32_t SUBLANG_ENGLISH_US = 0x01;
constexpr uint32_t MakeLangId(uint32_t primary, uint32_t sub) {
    return (sub << 10) | primary;
}

// The platform's message formatter. Sources: FORMAT_MESSAGE_FROM_SYSTEM (the system's text for
// messageId, in English; language 0, the neutral and user/system-default identifiers and any
// English identifier are accepted, others fail with ERROR_RESOURCE_LANG_NOT_FOUND; an unknown code
// fails with ERROR_MR_MID_NOT_FOUND) or FORMAT_MESSAGE_FROM_STRING (source is the format string).
// System texts end in CR LF, as the platform returns them.
//
// Inserts %1 to %99 (optionally with !s! or !d!) are replaced from `arguments` when
// FORMAT_MESSAGE_ARGUMENT_ARRAY is given (an array of intptr_t: string pointers for %n and %n!s!,
// numbers for %n!d!), kept as they are with FORMAT_MESSAGE_IGNORE_INSERTS, and fail with
// ERROR_INVALID_PARAMETER otherwise. Escapes: %% is '%', %n is CR LF, %r CR, %t a tab, %0 ends the
// message without its final line break.
//
// With FORMAT_MESSAGE_ALLOCATE_BUFFER, `buffer` is really a char** that receives a zero-ended copy
// the caller frees with LocalFree; otherwise the text and a zero go into `buffer` of `size` bytes
// (ERROR_INSUFFICIENT_BUFFER when it does not fit). Returns the number of characters without the
// zero, 0 on failure with the last error set.
uint32_t FormatMessageA(uint32_t flags, const void* source, uint32_t messageId, uint32_t languageId,
                        char* buffer, uint32_t size, const intptr_t* arguments);

// Frees what FormatMessageA allocated; returns null on success, as the platform does, and the
// pointer itself (ERROR_INVALID_HANDLE) for memory it did not hand out.
void* LocalFree(void* memory);

} // namespace user
