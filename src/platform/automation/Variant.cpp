#include "Variant.h"

#include "Ansi.h"
#include "Arithmetic.h"
#include "AutomationError.h"
#include "Dispatch.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rt {

bool Variant::is_number_type() const {
    switch (type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double: return true;
    default: return false;
    }
}

std::string Variant::type_name() const {
    switch (type()) {
    case VarType::Empty: return "Empty";
    case VarType::Boolean: return "Boolean";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::String: return "String";
    case VarType::Object: return is_nothing() ? "Nothing" : as_object()->TypeName();
    }
    return "Empty";
}

static bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reads "&H..." or "&O..." digits; returns the value as the runtime's literals type it: up to 16
// bits an Integer (so &HFFFF is -1), up to 32 bits a Long.
static std::optional<double> parse_radix(std::string_view digits, int radix) {
    if (digits.empty()) return std::nullopt;
    uint64_t v = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return std::nullopt;
        if (d >= radix) return std::nullopt;
        v = v * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
        if (v > 0xFFFFFFFFull) raise_error(kErrOverflow);
    }
    if (v <= 0xFFFF) return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(v)));
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

std::optional<double> parse_number(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && is_blank(s[b])) ++b;
    while (e > b && is_blank(s[e - 1])) --e;
    s = s.substr(b, e - b);
    if (s.empty()) return std::nullopt;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H') return parse_radix(s.substr(2), 16);
        if (s[1] == 'o' || s[1] == 'O') return parse_radix(s.substr(2), 8);
        return std::nullopt;
    }
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t exp_digits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++exp_digits;
        if (exp_digits == 0) return std::nullopt;
        i = j;
    }
    if (i != s.size()) return std::nullopt;
    std::string text(s);
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'e';
    double v = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(v)) raise_error(kErrOverflow);
    return v;
}

bool IsNumericText(std::string_view s) {
    try {
        return parse_number(s).has_value();
    } catch (const AutomationError&) {
        return false; // a numeric form too large for any type
    }
}

bool IsNumeric(const Variant& v) {
    switch (v.type()) {
    case VarType::String: return IsNumericText(v.as_string());
    case VarType::Object: return false;
    default: return true;
    }
}

double Val(std::string_view s) {
    // Collect the characters that may form a number, skipping blanks, then read the longest prefix.
    std::string t;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n') t.push_back(c);
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'h' || t[1] == 'H' || t[1] == 'o' || t[1] == 'O')) {
        int radix = (t[1] == 'h' || t[1] == 'H') ? 16 : 8;
        size_t n = 2;
        while (n < t.size() && std::isxdigit(static_cast<unsigned char>(t[n])) &&
               (radix == 16 || (t[n] >= '0' && t[n] <= '7')))
            ++n;
        auto v = parse_radix(std::string_view(t).substr(2, n - 2), radix);
        return v.value_or(0.0);
    }
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        size_t k = j;
        while (k < t.size() && t[k] >= '0' && t[k] <= '9') ++k;
        if (k > j) end = k;
    }
    std::string text = t.substr(0, end);
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'e';
    double v = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(v)) raise_error(kErrOverflow);
    return v;
}

double CDbl(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: return 0.0;
    case VarType::Boolean: return v.as_bool() ? -1.0 : 0.0;
    case VarType::Integer: return v.as_integer();
    case VarType::Long: return v.as_long();
    case VarType::Single: return v.as_single();
    case VarType::Double: return v.as_double();
    case VarType::String: {
        if (auto n = parse_number(v.as_string())) return *n;
        if (EqualsText(Trim(v.as_string()), "True")) return -1.0;
        if (EqualsText(Trim(v.as_string()), "False")) return 0.0;
        raise_error(kErrTypeMismatch);
    }
    case VarType::Object: break;
    }
    raise_error(kErrTypeMismatch);
}

int16_t CInt(const Variant& v) { return cint(CDbl(v)); }
int32_t CLng(const Variant& v) { return clng(CDbl(v)); }
float CSng(const Variant& v) { return csng(CDbl(v)); }

bool CBool(const Variant& v) {
    if (v.type() == VarType::Boolean) return v.as_bool();
    if (v.type() == VarType::Object) raise_error(kErrTypeMismatch);
    return CDbl(v) != 0.0;
}

std::string format_number(double v, int significant_digits) {
    if (v == 0.0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", significant_digits, v);
    std::string s = buf;
    // %G keeps at least two exponent digits ("1E+20", "1.5E-07"), as the runtime prints them.
    return s;
}

std::string CStr(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: return {};
    case VarType::Boolean: return v.as_bool() ? "True" : "False";
    case VarType::Integer: return std::to_string(v.as_integer());
    case VarType::Long: return std::to_string(v.as_long());
    case VarType::Single: return format_number(v.as_single(), 7);
    case VarType::Double: return format_number(v.as_double(), 15);
    case VarType::String: return v.as_string();
    case VarType::Object: break;
    }
    raise_error(kErrTypeMismatch);
}

std::shared_ptr<Dispatch> CObj(const Variant& v) {
    if (!v.is_object()) raise_error(kErrTypeMismatch);
    return v.as_object();
}

bool VariantEquals(const Variant& a, const Variant& b) {
    if (a.is_object() || b.is_object()) return a.is_object() && b.is_object() && a.as_object() == b.as_object();
    if (a.is_string() && b.is_string()) return a.as_string() == b.as_string();
    if (a.is_empty() && b.is_empty()) return true;
    if (a.is_empty() && b.is_string()) return b.as_string().empty();
    if (b.is_empty() && a.is_string()) return a.as_string().empty();
    if (a.is_string() || b.is_string()) {
        const Variant& s = a.is_string() ? a : b;
        const Variant& n = a.is_string() ? b : a;
        auto parsed = parse_number(s.as_string());
        return parsed && *parsed == CDbl(n);
    }
    return CDbl(a) == CDbl(b);
}

} // namespace rt
