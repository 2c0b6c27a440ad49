#include "platform/automation/Literal.h"

#include <gtest/gtest.h>

using namespace rt;

namespace {

Literal source(std::string_view text) {
    return ReadLiteral(text, LiteralSyntax::Source);
}
Literal numeric(std::string_view text) {
    return ReadLiteral(text, LiteralSyntax::NumericString);
}
Variant value(std::string_view text) {
    return LiteralValue(source(text));
}

} // namespace

TEST(Literal, StringsDoubleTheirQuotesAndStopAtTheClosingOne) {
    Literal said = source("\"Say \"\"hi\"\"\" ' comment");
    EXPECT_EQ(said.kind, LiteralKind::String);
    EXPECT_EQ(said.text, "Say \"hi\"");
    EXPECT_EQ(said.length, 12u);
    EXPECT_EQ(source("\"\"").text, "");
    EXPECT_EQ(source("\"\"").length, 2u);
    EXPECT_EQ(source("\"\"\"\"").text, "\"");
    EXPECT_EQ(source("\"a\"b\"").length, 3u); // what follows the closing quote is not the string's
    EXPECT_EQ(value("\"\xC3\xA9\""), Variant("\xC3\xA9")); // bytes as written

    EXPECT_EQ(source("\"open").problem, LiteralProblem::UnclosedQuote);
    EXPECT_EQ(source("\"ends in a doubled quote\"\"").problem, LiteralProblem::UnclosedQuote);
    EXPECT_TRUE(LiteralValue(source("\"open")).is_empty());
}

TEST(Literal, QuotedTextReadsBackAsItself) {
    for (std::string_view text :
         {"", "plain", "\"", "\"\"", "a \"quoted\" word", "ends with \"", "&H10", "True"}) {
        const std::string quoted = QuotedLiteral(text);
        const Literal lit = source(quoted);
        EXPECT_TRUE(lit.ok()) << quoted;
        EXPECT_EQ(lit.text, text);
        EXPECT_EQ(lit.length, quoted.size());
    }
}

TEST(Literal, BooleansAreWholeWordsInAnyCase) {
    EXPECT_EQ(value("True"), Variant(true));
    EXPECT_EQ(value("false"), Variant(false));
    EXPECT_EQ(value("TRUE  'x"), Variant(true));
    EXPECT_EQ(source("True 'x").length, 4u);
    EXPECT_EQ(source("Truex").kind, LiteralKind::None);
    EXPECT_EQ(source("True_1").kind, LiteralKind::None);
    EXPECT_EQ(source("Yes").kind, LiteralKind::None);
}

TEST(Literal, WholeNumbersTakeTheSmallestTypeThatHoldsThem) {
    EXPECT_EQ(value("32767"), Variant(int16_t{32767}));
    EXPECT_EQ(value("-32768"), Variant(int16_t{-32768}));
    EXPECT_EQ(value("32768"), Variant(int32_t{32768}));
    EXPECT_EQ(value("-32769"), Variant(int32_t{-32769}));
    EXPECT_EQ(value("2147483647"), Variant(int32_t{2147483647}));
    EXPECT_EQ(value("-2147483648"), Variant(int32_t{-2147483647 - 1}));
    EXPECT_EQ(value("2147483648"), Variant(2147483648.0));
    EXPECT_EQ(value("+7"), Variant(int16_t{7}));
    EXPECT_EQ(value("007"), Variant(int16_t{7}));
    EXPECT_EQ(value("-0"), Variant(int16_t{0}));
    EXPECT_EQ(source("12x").length, 2u);
    EXPECT_EQ(source("-").kind, LiteralKind::None);
    EXPECT_EQ(source("+x").kind, LiteralKind::None);
}

TEST(Literal, FractionsAndExponentsAreDoubles) {
    EXPECT_EQ(value("1.5"), Variant(1.5));
    EXPECT_EQ(value(".5"), Variant(0.5));
    EXPECT_EQ(value("-.5"), Variant(-0.5));
    EXPECT_EQ(value("5."), Variant(5.0));
    EXPECT_EQ(value("25E+2"), Variant(2500.0));
    EXPECT_EQ(value("1e-2"), Variant(0.01));
    EXPECT_EQ(source(".").kind, LiteralKind::None);
    EXPECT_EQ(source("1.5.3").length, 3u);

    // An exponent letter without digits is not part of the number.
    const Literal dangling = source("1.5E+x");
    EXPECT_EQ(dangling.problem, LiteralProblem::NoExponentDigits);
    EXPECT_EQ(dangling.length, 3u);
    EXPECT_EQ(dangling.number, 1.5);

    EXPECT_EQ(source("1e999").problem, LiteralProblem::Overflow);
    EXPECT_EQ(source("-1e999").problem, LiteralProblem::Overflow);
    EXPECT_EQ(source("1e-999").number, 0.0); // too small is zero, not an error
}

TEST(Literal, TheDoubleExponentAndOctalBelongToNumericStringsOnly) {
    EXPECT_EQ(source("1D2").length, 1u);
    EXPECT_EQ(numeric("1D2").length, 3u);
    EXPECT_EQ(LiteralValue(numeric("1d2")), Variant(100.0));

    EXPECT_EQ(source("&O17").kind, LiteralKind::None);
    EXPECT_EQ(LiteralValue(numeric("&O17")), Variant(int16_t{15}));
    EXPECT_EQ(LiteralValue(numeric("&o177777")), Variant(int16_t{-1}));
    EXPECT_EQ(LiteralValue(numeric("&O200000")), Variant(int32_t{65536}));
    EXPECT_EQ(LiteralValue(numeric("&O0177777")), Variant(int32_t{65535})); // more digits than 16 bits need
    EXPECT_EQ(LiteralValue(numeric("&O37777777777")), Variant(int32_t{-1}));
    EXPECT_EQ(numeric("&O40000000000").problem, LiteralProblem::Overflow);
    EXPECT_EQ(numeric("&O8").problem, LiteralProblem::NoDigits);
    EXPECT_EQ(numeric("&O128").length, 4u);

    // Numeric strings have no type suffix: the & is left over.
    const Literal suffixed = numeric("&HFF&");
    EXPECT_FALSE(suffixed.long_suffix);
    EXPECT_EQ(suffixed.length, 4u);
}

TEST(Literal, HexIsAnIntegerUpToFourDigitsAndALongWithTheSuffix) {
    EXPECT_EQ(value("&H8000"), Variant(int16_t{-32768}));
    EXPECT_EQ(value("&H8000&"), Variant(int32_t{32768}));
    EXPECT_EQ(value("&HFFFF"), Variant(int16_t{-1}));
    EXPECT_EQ(value("&HFFFF&"), Variant(int32_t{65535}));
    EXPECT_EQ(value("&h1f"), Variant(int16_t{31}));
    EXPECT_EQ(value("&H0FFFF"), Variant(int32_t{65535})); // five digits make a Long
    EXPECT_EQ(value("&H8000000F"), Variant(static_cast<int32_t>(0x8000000F)));
    EXPECT_EQ(value("&HFFFFFFFF&"), Variant(int32_t{-1}));

    const Literal nine = source("&H000000001");
    EXPECT_TRUE(nine.ok()); // a reader that allows no more than eight digits checks `digits`
    EXPECT_EQ(nine.digits, 9);
    EXPECT_EQ(source("&H100000000").problem, LiteralProblem::Overflow);
    EXPECT_EQ(source("&H100000000").digits, 9);
    EXPECT_EQ(source("&H").problem, LiteralProblem::NoDigits);
    EXPECT_EQ(source("&H&").problem, LiteralProblem::NoDigits);
    EXPECT_EQ(source("&HXYZ").problem, LiteralProblem::NoDigits);
    EXPECT_EQ(source("&H12G4").length, 4u);
    EXPECT_EQ(source("&H12&&").length, 5u);
    EXPECT_EQ(source("&X1").kind, LiteralKind::None);
    EXPECT_EQ(source("&").kind, LiteralKind::None);
}

TEST(Literal, LongHexReadsBackAsTheSameBits) {
    EXPECT_EQ(LongHexLiteral(0xC0C0C0), "&H00C0C0C0&");
    for (uint32_t bits : {0u, 0xFFFFu, 0x8000000Fu, 0xFFFFFFFFu}) {
        const std::string text = LongHexLiteral(bits);
        EXPECT_EQ(value(text), Variant(static_cast<int32_t>(bits))) << text;
        EXPECT_EQ(source(text).length, text.size());
    }
}
