#pragma once

#include "platform/automation/Variant.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The literals of values, the one grammar that form files, event scripts and the runtime's numeric
// strings share:
//
//   "Say ""hi"""      a String; a doubled quote inside stands for one quote
//   True  false       Booleans, in any case
//   12  -3  +7        whole decimal numbers
//   1.5  .5  2.5E+3   decimal numbers with a fraction or an exponent
//   &H1F  &HFFFF&     hexadecimal; the & suffix makes a Long of it
//   &O17              octal, in numeric strings only
//
// ReadLiteral reads the literal at the start of a text and says how much of the text it took; what
// may follow (a comment in a form file, nothing at all in a numeric string) is the reader's rule.
namespace rt {

// Where a literal is read. Form files and scripts write the `&` type suffix; the runtime's numeric
// strings have no suffix but know octal and the D (Double) exponent.
enum class LiteralSyntax { Source, NumericString };

enum class LiteralKind {
    None, // nothing at the start of the text reads as a literal
    String,
    Boolean,
    Whole,    // decimal digits only
    Fraction, // a decimal point or an exponent
    Hex,
    Octal,
};

enum class LiteralProblem {
    None,
    UnclosedQuote,    // a string that runs to the end of the text
    NoDigits,         // &H or &O and no digit after it
    NoExponentDigits, // an exponent letter without digits: the literal stops before the letter
    Overflow,         // &H or &O beyond 32 bits, or a decimal beyond the range of a Double
};

struct Literal {
    LiteralKind kind = LiteralKind::None;
    LiteralProblem problem = LiteralProblem::None;
    size_t length = 0;        // characters taken, quotes and the & suffix included
    std::string text;         // String: what stands between the quotes, a doubled quote as one
    bool boolean = false;     // Boolean
    double number = 0;        // Whole, Fraction: the value; Hex, Octal: the unsigned 32-bit value
    int digits = 0;           // Hex, Octal: how many digits were written
    bool long_suffix = false; // Hex, Octal: written with the & suffix

    bool ok() const { return kind != LiteralKind::None && problem == LiteralProblem::None; }
    bool is_decimal() const { return kind == LiteralKind::Whole || kind == LiteralKind::Fraction; }
    bool is_radix() const { return kind == LiteralKind::Hex || kind == LiteralKind::Octal; }
};

Literal ReadLiteral(std::string_view text, LiteralSyntax syntax);

// The value a literal stands for, typed as the language types its literals:
//   - a whole number is an Integer when it fits 16 bits, a Long when it fits 32, else a Double;
//   - a number with a fraction or an exponent is a Double;
//   - &H and &O are an Integer when written without the & suffix in no more digits than 16 bits
//     need (four hexadecimal, six octal up to &O177777), so &HFFFF is -1 and &H8000 is -32768;
//     otherwise a Long, so &HFFFF& is 65535 and &H8000000F is negative;
//   - a string is its text as it was written (no conversion of its characters).
// Only a literal read without a problem has a value; any other gives Empty.
Variant LiteralValue(const Literal& literal);

// The literal that reads back as `text`: quoted, with every quote doubled.
std::string QuotedLiteral(std::string_view text);
// Eight hexadecimal digits with the Long suffix: &H8000000F&.
std::string LongHexLiteral(uint32_t value);

} // namespace rt
