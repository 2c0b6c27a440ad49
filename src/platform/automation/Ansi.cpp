#include "Ansi.h"

#include "AutomationError.h"

#include <algorithm>
#include <array>

namespace rt {

// Code points of bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1. The five unassigned
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as the platform's
// best-fit table does.
static constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t unicode_from_ansi(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return kHigh[c - 0x80];
    return c;
}

unsigned char ansi_from_unicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return '?';
}

std::optional<Utf8Char> decode_utf8(std::string_view s) {
    if (s.empty()) return std::nullopt;
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return Utf8Char{lead, 1};
    size_t length;
    char32_t cp;
    char32_t least; // the smallest code point this length may carry: anything less is overlong
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        least = 0x10000;
    } else {
        return std::nullopt; // a continuation byte, or a lead byte no sequence starts with
    }
    if (s.size() < length) return std::nullopt;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (byte(k) & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return Utf8Char{cp, length};
}

bool is_utf8(std::string_view s) {
    while (!s.empty()) {
        const std::optional<Utf8Char> c = decode_utf8(s);
        if (!c) return false;
        s.remove_prefix(c->length);
    }
    return true;
}

std::string utf8_of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    return out;
}

std::string ansi_from_utf8(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    while (!in.empty()) {
        const std::optional<Utf8Char> c = decode_utf8(in);
        // A byte that starts no well-formed sequence is one unknown character.
        out.push_back(c ? static_cast<char>(ansi_from_unicode(c->code_point)) : '?');
        in.remove_prefix(c ? c->length : 1);
    }
    return out;
}

std::vector<char32_t> outside_ansi(std::string_view in) {
    std::vector<char32_t> found;
    while (!in.empty()) {
        const std::optional<Utf8Char> c = decode_utf8(in);
        const char32_t cp = c ? c->code_point : 0xFFFD;
        const bool lost = !c || (ansi_from_unicode(cp) == '?' && cp != '?');
        if (lost && std::find(found.begin(), found.end(), cp) == found.end()) found.push_back(cp);
        in.remove_prefix(c ? c->length : 1);
    }
    return found;
}

std::string utf8_from_ansi(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    for (char ch : in)
        out += utf8_of(unicode_from_ansi(static_cast<unsigned char>(ch)));
    return out;
}

int32_t InStr(int32_t start, std::string_view s, std::string_view find) {
    if (start < 1) raise_error(kErrInvalidProcedureCall);
    if (static_cast<size_t>(start) > s.size() + 1) return 0;
    if (find.empty()) return start;
    size_t p = s.find(find, static_cast<size_t>(start - 1));
    return p == std::string_view::npos ? 0 : static_cast<int32_t>(p + 1);
}

std::string Mid(std::string_view s, int32_t start, int32_t length) {
    if (start < 1) raise_error(kErrInvalidProcedureCall);
    if (static_cast<size_t>(start) > s.size()) return {};
    size_t from = static_cast<size_t>(start - 1);
    if (length < 0) return std::string(s.substr(from));
    return std::string(s.substr(from, static_cast<size_t>(length)));
}

std::string Left(std::string_view s, int32_t length) {
    if (length < 0) raise_error(kErrInvalidProcedureCall);
    return std::string(s.substr(0, static_cast<size_t>(length)));
}

std::string Right(std::string_view s, int32_t length) {
    if (length < 0) raise_error(kErrInvalidProcedureCall);
    size_t n = std::min(s.size(), static_cast<size_t>(length));
    return std::string(s.substr(s.size() - n));
}

int32_t Len(std::string_view s) {
    return static_cast<int32_t>(s.size());
}

int32_t Asc(std::string_view s) {
    if (s.empty()) raise_error(kErrInvalidProcedureCall);
    return static_cast<unsigned char>(s[0]);
}

std::string Chr(int32_t code) {
    if (code < 0 || code > 255) raise_error(kErrInvalidProcedureCall);
    return std::string(1, static_cast<char>(code));
}

std::string LTrim(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
    size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string Trim(std::string_view s) {
    return LTrim(RTrim(s));
}

// Upper and lower case of one Windows-1252 byte.
static unsigned char upper1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A:
        return 0x8A; // s caron
    case 0x9C:
        return 0x8C; // oe
    case 0x9E:
        return 0x8E; // z caron
    case 0xFF:
        return 0x9F; // y diaeresis
    default:
        return c;
    }
}

static unsigned char lower1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

std::string UCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(upper1252(static_cast<unsigned char>(c)));
    return out;
}

std::string LCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(lower1252(static_cast<unsigned char>(c)));
    return out;
}

int StrCompText(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = upper1252(static_cast<unsigned char>(a[i]));
        unsigned char y = upper1252(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace rt
