#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ANSI strings of the automation runtime: Windows-1252 bytes, one byte one character, positions
// 1-based where the runtime's functions say so. Text from files, the command line and the desktop
// is UTF-8 and is converted at that boundary; a character outside Windows-1252 becomes '?'.
namespace rt {

std::string ansi_from_utf8(std::string_view utf8);
std::string utf8_from_ansi(std::string_view ansi);
// The characters of UTF-8 text that Windows-1252 has no byte for, each once, in the order they
// first appear (what ansi_from_utf8 turns into '?').
std::vector<char32_t> outside_ansi(std::string_view utf8);

// One well-formed UTF-8 sequence at the start of `s`: its code point and its length in bytes.
struct Utf8Char {
    char32_t code_point;
    size_t length;
};
// Nothing when `s` is empty or does not start with a well-formed sequence: a stray continuation
// byte, a lead byte without its continuations, an overlong form, a surrogate or a value above
// U+10FFFF.
std::optional<Utf8Char> decode_utf8(std::string_view s);
bool is_utf8(std::string_view s);
std::string utf8_of(char32_t code_point);
// The Unicode code point of one Windows-1252 byte (the five unassigned bytes map to themselves).
char32_t unicode_from_ansi(unsigned char c);
// The Windows-1252 byte of a code point, or '?' when it has none.
unsigned char ansi_from_unicode(char32_t cp);

// InStr(start, s, find), binary compare: the 1-based position of `find` in `s` at or after `start`,
// 0 when absent; `start` must be at least 1 (error 5). An empty `find` gives `start` when
// start <= Len(s) + 1.
int32_t InStr(int32_t start, std::string_view s, std::string_view find);
inline int32_t InStr(std::string_view s, std::string_view find) {
    return InStr(1, s, find);
}
// Mid(s, start[, length]): error 5 when start < 1 or length < 0.
std::string Mid(std::string_view s, int32_t start, int32_t length = -1);
std::string Left(std::string_view s, int32_t length);
std::string Right(std::string_view s, int32_t length);
int32_t Len(std::string_view s);
// Asc: the byte value of the first character; error 5 for an empty string.
int32_t Asc(std::string_view s);
// Chr: the one-character string of an ANSI code 0 to 255; error 5 otherwise.
std::string Chr(int32_t code);
// Trim, LTrim, RTrim remove blanks (character 32) only, as the runtime does.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// Text compare: -1, 0 or 1 ignoring case (Windows-1252 letters).
int StrCompText(std::string_view a, std::string_view b);
inline bool EqualsText(std::string_view a, std::string_view b) {
    return StrCompText(a, b) == 0;
}

} // namespace rt
