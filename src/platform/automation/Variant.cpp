#include "Variant.h"

#include "Ansi.h"
#include "Arithmetic.h"
#include "AutomationError.h"
#include "Dispatch.h"
#include "Literal.h"

#include <cmath>
#include <cstdio>

namespace rt {

bool Variant::is_number_type() const {
    switch (type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
        return true;
    default:
        return false;
    }
}

std::string Variant::type_name() const {
    switch (type()) {
    case VarType::Empty:
        return "Empty";
    case VarType::Boolean:
        return "Boolean";
    case VarType::Integer:
        return "Integer";
    case VarType::Long:
        return "Long";
    case VarType::Single:
        return "Single";
    case VarType::Double:
        return "Double";
    case VarType::String:
        return "String";
    case VarType::Object:
        return is_nothing() ? "Nothing" : as_object()->TypeName();
    }
    return "Empty";
}

static bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The number a numeric literal stands for; a radix literal counts as the Integer or Long it types as.
static double number_of(const Literal& lit) {
    if (lit.problem == LiteralProblem::Overflow || !std::isfinite(lit.number)) raise_error(kErrOverflow);
    return lit.is_radix() ? CDbl(LiteralValue(lit)) : lit.number;
}

std::optional<double> parse_number(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && is_blank(s[b]))
        ++b;
    while (e > b && is_blank(s[e - 1]))
        --e;
    s = s.substr(b, e - b);
    const Literal lit = ReadLiteral(s, LiteralSyntax::NumericString);
    // Hexadecimal and octal digits beyond 32 bits overflow, whatever follows them.
    if (lit.is_radix() && lit.problem == LiteralProblem::Overflow) raise_error(kErrOverflow);
    const bool numeric = lit.is_decimal() || lit.is_radix();
    if (!numeric || lit.length != s.size() || lit.problem == LiteralProblem::NoDigits) return std::nullopt;
    return number_of(lit);
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
    case VarType::String:
        return IsNumericText(v.as_string());
    case VarType::Object:
        return false;
    default:
        return true;
    }
}

double Val(std::string_view s) {
    // The number is read from the characters that remain once the blanks are taken out.
    std::string t;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n') t.push_back(c);
    const Literal lit = ReadLiteral(t, LiteralSyntax::NumericString);
    if (!(lit.is_decimal() || lit.is_radix()) || lit.problem == LiteralProblem::NoDigits) return 0.0;
    // An exponent letter without digits is left out: Val("1e") is 1.
    return number_of(lit);
}

double CDbl(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return 0.0;
    case VarType::Boolean:
        return v.as_bool() ? -1.0 : 0.0;
    case VarType::Integer:
        return v.as_integer();
    case VarType::Long:
        return v.as_long();
    case VarType::Single:
        return v.as_single();
    case VarType::Double:
        return v.as_double();
    case VarType::String: {
        if (auto n = parse_number(v.as_string())) return *n;
        const std::string word = Trim(v.as_string());
        const Literal lit = ReadLiteral(word, LiteralSyntax::NumericString);
        if (lit.kind == LiteralKind::Boolean && lit.length == word.size()) return lit.boolean ? -1.0 : 0.0;
        raise_error(kErrTypeMismatch);
    }
    case VarType::Object:
        break;
    }
    raise_error(kErrTypeMismatch);
}

int16_t CInt(const Variant& v) {
    return cint(CDbl(v));
}
int32_t CLng(const Variant& v) {
    return clng(CDbl(v));
}
float CSng(const Variant& v) {
    return csng(CDbl(v));
}

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
    case VarType::Empty:
        return {};
    case VarType::Boolean:
        return v.as_bool() ? "True" : "False";
    case VarType::Integer:
        return std::to_string(v.as_integer());
    case VarType::Long:
        return std::to_string(v.as_long());
    case VarType::Single:
        return format_number(v.as_single(), 7);
    case VarType::Double:
        return format_number(v.as_double(), 15);
    case VarType::String:
        return v.as_string();
    case VarType::Object:
        break;
    }
    raise_error(kErrTypeMismatch);
}

std::shared_ptr<Dispatch> CObj(const Variant& v) {
    if (!v.is_object()) raise_error(kErrTypeMismatch);
    return v.as_object();
}

Variant CoerceLike(const Variant& value, const Variant& like) {
    switch (like.type()) {
    case VarType::Empty:
        return value;
    case VarType::Boolean:
        return Variant(CBool(value));
    case VarType::Integer:
        return Variant(CInt(value));
    case VarType::Long:
        return Variant(CLng(value));
    case VarType::Single:
        return Variant(CSng(value));
    case VarType::Double:
        return Variant(CDbl(value));
    case VarType::String:
        return Variant(CStr(value));
    case VarType::Object:
        break;
    }
    if (!value.is_object()) raise_error(kErrTypeMismatch);
    return value;
}

bool VariantEquals(const Variant& a, const Variant& b) {
    if (a.is_object() || b.is_object())
        return a.is_object() && b.is_object() && a.as_object() == b.as_object();
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
