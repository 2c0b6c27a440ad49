#include "Literal.h"

#include "platform/automation/Dispatch.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace rt {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_word_start(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool is_word_char(char c) {
    return is_word_start(c) || is_digit(c);
}

int digit_value(char c, int radix) {
    int d = -1;
    if (is_digit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

Literal read_string(std::string_view s) {
    Literal lit;
    lit.kind = LiteralKind::String;
    size_t i = 1;
    while (i < s.size()) {
        if (s[i] != '"') {
            lit.text.push_back(s[i++]);
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == '"') { // a doubled quote is one quote of the text
            lit.text.push_back('"');
            i += 2;
            continue;
        }
        lit.length = i + 1;
        return lit;
    }
    lit.problem = LiteralProblem::UnclosedQuote;
    lit.length = s.size();
    return lit;
}

// `s` starts with &H or &O.
Literal read_radix(std::string_view s, int radix, LiteralSyntax syntax) {
    Literal lit;
    lit.kind = radix == 16 ? LiteralKind::Hex : LiteralKind::Octal;
    size_t i = 2;
    uint64_t value = 0;
    bool overflow = false;
    for (; i < s.size(); ++i) {
        const int d = digit_value(s[i], radix);
        if (d < 0) break;
        ++lit.digits;
        if (overflow) continue; // the digits still belong to the literal
        value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
        overflow = value > 0xFFFFFFFFull;
    }
    if (syntax == LiteralSyntax::Source && i < s.size() && s[i] == '&') {
        lit.long_suffix = true;
        ++i;
    }
    lit.length = i;
    lit.number = overflow ? 0.0 : static_cast<double>(value);
    if (lit.digits == 0)
        lit.problem = LiteralProblem::NoDigits;
    else if (overflow)
        lit.problem = LiteralProblem::Overflow;
    return lit;
}

// True and False, whole words in any case; any other word is no literal.
Literal read_keyword(std::string_view s) {
    size_t n = 1;
    while (n < s.size() && is_word_char(s[n]))
        ++n;
    std::string_view word = s.substr(0, n);
    Literal lit;
    if (member_name_equals(word, "True") || member_name_equals(word, "False")) {
        lit.kind = LiteralKind::Boolean;
        lit.boolean = member_name_equals(word, "True");
        lit.length = n;
    }
    return lit;
}

size_t skip_digits(std::string_view s, size_t i, int& count) {
    while (i < s.size() && is_digit(s[i]))
        ++i, ++count;
    return i;
}

bool is_exponent_letter(char c, LiteralSyntax syntax) {
    if (c == 'e' || c == 'E') return true;
    return syntax == LiteralSyntax::NumericString && (c == 'd' || c == 'D');
}

Literal read_decimal(std::string_view s, LiteralSyntax syntax) {
    size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    int digits = 0;
    i = skip_digits(s, i, digits);
    bool point = i < s.size() && s[i] == '.';
    if (point) i = skip_digits(s, i + 1, digits);
    if (digits == 0) return {};
    Literal lit;
    lit.kind = point ? LiteralKind::Fraction : LiteralKind::Whole;
    if (i < s.size() && is_exponent_letter(s[i], syntax)) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        int exponent_digits = 0;
        j = skip_digits(s, j, exponent_digits);
        if (exponent_digits > 0) {
            i = j;
            lit.kind = LiteralKind::Fraction;
        } else {
            lit.problem = LiteralProblem::NoExponentDigits;
        }
    }
    lit.length = i;
    std::string text(s.substr(0, i));
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'e';
    lit.number = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(lit.number) && lit.problem == LiteralProblem::None)
        lit.problem = LiteralProblem::Overflow;
    return lit;
}

Variant radix_value(const Literal& lit) {
    const auto bits = static_cast<uint32_t>(lit.number);
    const int integer_digits = lit.kind == LiteralKind::Hex ? 4 : 6;
    if (!lit.long_suffix && lit.digits <= integer_digits && bits <= 0xFFFF)
        return Variant(static_cast<int16_t>(static_cast<uint16_t>(bits)));
    return Variant(static_cast<int32_t>(bits));
}

Variant whole_value(double v) {
    if (v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max())
        return Variant(static_cast<int16_t>(v));
    if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
        return Variant(static_cast<int32_t>(v));
    return Variant(v);
}

} // namespace

Literal ReadLiteral(std::string_view s, LiteralSyntax syntax) {
    if (s.empty()) return {};
    if (s[0] == '"') return read_string(s);
    if (s[0] == '&') {
        char radix = s.size() >= 2 ? s[1] : '\0';
        if (radix == 'h' || radix == 'H') return read_radix(s, 16, syntax);
        if ((radix == 'o' || radix == 'O') && syntax == LiteralSyntax::NumericString)
            return read_radix(s, 8, syntax);
        return {};
    }
    if (is_word_start(s[0])) return read_keyword(s);
    return read_decimal(s, syntax);
}

Variant LiteralValue(const Literal& lit) {
    if (!lit.ok()) return {};
    switch (lit.kind) {
    case LiteralKind::String:
        return Variant(lit.text);
    case LiteralKind::Boolean:
        return Variant(lit.boolean);
    case LiteralKind::Whole:
        return whole_value(lit.number);
    case LiteralKind::Fraction:
        return Variant(lit.number);
    case LiteralKind::Hex:
    case LiteralKind::Octal:
        return radix_value(lit);
    case LiteralKind::None:
        break;
    }
    return {};
}

std::string QuotedLiteral(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string LongHexLiteral(uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X&", value);
    return buf;
}

} // namespace rt
