#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace rt {

class Dispatch;

enum class VarType { Empty, Boolean, Integer, Long, Single, Double, String, Object };

// An automation variant: Empty, Boolean, Integer (16-bit), Long (32-bit), Single, Double, an ANSI
// String or an object reference (which may be Nothing). The coercions below follow the runtime:
// numbers convert with rounding half to even and overflow checks, a string that is not numeric
// where a number is needed is error 13 "Type mismatch".
class Variant {
public:
    Variant() = default;
    Variant(bool v) : m_value(std::in_place_type<bool>, v) {}
    Variant(int16_t v) : m_value(std::in_place_type<int16_t>, v) {}
    Variant(int32_t v) : m_value(std::in_place_type<int32_t>, v) {}
    Variant(float v) : m_value(std::in_place_type<float>, v) {}
    Variant(double v) : m_value(std::in_place_type<double>, v) {}
    Variant(std::string v) : m_value(std::in_place_type<std::string>, std::move(v)) {}
    Variant(std::string_view v) : m_value(std::in_place_type<std::string>, v) {}
    Variant(const char* v) : m_value(std::in_place_type<std::string>, v) {}
    Variant(std::nullptr_t) : m_value(std::in_place_type<std::shared_ptr<Dispatch>>) {}
    template <class T>
    requires std::is_base_of_v<Dispatch, T> Variant(std::shared_ptr<T> v)
        : m_value(std::in_place_type<std::shared_ptr<Dispatch>>, std::move(v)) {}

    static Variant Nothing() { return Variant(std::shared_ptr<Dispatch>()); }

    VarType type() const { return static_cast<VarType>(m_value.index()); }
    bool is_empty() const { return type() == VarType::Empty; }
    bool is_object() const { return type() == VarType::Object; }
    bool is_string() const { return type() == VarType::String; }
    bool is_nothing() const { return is_object() && !std::get<std::shared_ptr<Dispatch>>(m_value); }
    // Boolean, Integer, Long, Single or Double.
    bool is_number_type() const;

    // The stored value of a given type; calling one of them on another type is a programming error.
    bool as_bool() const { return std::get<bool>(m_value); }
    int16_t as_integer() const { return std::get<int16_t>(m_value); }
    int32_t as_long() const { return std::get<int32_t>(m_value); }
    float as_single() const { return std::get<float>(m_value); }
    double as_double() const { return std::get<double>(m_value); }
    const std::string& as_string() const { return std::get<std::string>(m_value); }
    const std::shared_ptr<Dispatch>& as_object() const {
        return std::get<std::shared_ptr<Dispatch>>(m_value);
    }

    // The runtime's name of the type, as TypeName reports it ("Empty", "Integer", "String", ...).
    std::string type_name() const;

    friend bool operator==(const Variant& a, const Variant& b) { return a.m_value == b.m_value; }

private:
    std::variant<std::monostate, bool, int16_t, int32_t, float, double, std::string,
                 std::shared_ptr<Dispatch>>
        m_value;
};

using OptionalVariant = std::optional<Variant>;

// Coercions.
int16_t CInt(const Variant& v);
int32_t CLng(const Variant& v);
float CSng(const Variant& v);
double CDbl(const Variant& v);
bool CBool(const Variant& v);
std::string CStr(const Variant& v);
// The object of an object variant; error 13 for any other type.
std::shared_ptr<Dispatch> CObj(const Variant& v);

// `value` converted to the type of `like`, as a typed property takes what is assigned to it: CBool,
// CInt, CLng, CSng, CDbl or CStr by the type of `like`. An Empty `like` takes any value as it is; an
// object `like` takes an object only (error 13 for anything else).
Variant CoerceLike(const Variant& value, const Variant& like);

// Whether the value can be coerced to a number: Empty, Boolean and numbers are; a string is when it
// reads wholly as a number (blanks around it allowed, "&H"/"&O" forms included); objects are not.
bool IsNumeric(const Variant& v);
bool IsNumericText(std::string_view s);

// Val: the number at the start of a string, 0 when there is none. Blanks, tabs and line feeds are
// skipped anywhere in the number; "&H" and "&O" read hexadecimal and octal.
double Val(std::string_view s);

// The number a wholly numeric string stands for, or nothing when it is not numeric. Hexadecimal and
// octal forms count as the Integer or Long their literal types as (LiteralValue), so "&HFFFF" is -1;
// a number too large for its type raises error 6.
std::optional<double> parse_number(std::string_view s);

// Variant equality as the `=` operator compares keys: strings byte for byte (case matters), numbers
// by value, Empty equal to 0 and to ""; a string and a number that do not compare are unequal.
bool VariantEquals(const Variant& a, const Variant& b);

// Number formatting of CStr: up to 7 significant digits for Single, 15 for Double, "E+nn" exponents.
std::string format_number(double v, int significant_digits);

} // namespace rt
