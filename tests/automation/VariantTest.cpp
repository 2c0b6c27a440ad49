#include "platform/automation/Variant.h"
#include "platform/automation/AutomationError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(Variant, NumbersCoerceWithBankersRounding) {
    EXPECT_EQ(CInt(Variant(2.5)), 2);
    EXPECT_EQ(CInt(Variant(3.5)), 4);
    EXPECT_EQ(CInt(Variant(-2.5)), -2);
    EXPECT_EQ(CInt(Variant("2.5")), 2);
    EXPECT_EQ(CLng(Variant(" 12 ")), 12);
    EXPECT_EQ(CInt(Variant(true)), -1);
    EXPECT_EQ(CInt(Variant()), 0);
    EXPECT_EQ(CInt(Variant("&HFFFF")), -1);
    EXPECT_EQ(CLng(Variant("&H8000000F")), static_cast<int32_t>(0x8000000F));
    EXPECT_FLOAT_EQ(CSng(Variant("1.5e2")), 150.0f);
    // Hexadecimal strings count as the literal they spell: more than four digits make a Long.
    EXPECT_EQ(CLng(Variant("&H0FFFF")), 65535);
    EXPECT_EQ(CInt(Variant("&H8000")), -32768);
    EXPECT_EQ(CLng(Variant(" &O777 ")), 511);
}

TEST(Variant, NonNumericStringsAreTypeMismatchAndHugeValuesOverflow) {
    EXPECT_EQ(error_number([] { CInt(Variant("abc")); }), 13);
    EXPECT_EQ(error_number([] { CLng(Variant("")); }), 13);
    EXPECT_EQ(error_number([] { CDbl(Variant("12a")); }), 13);
    EXPECT_EQ(error_number([] { CInt(Variant(40000)); }), 6);
    EXPECT_EQ(error_number([] { CSng(Variant(1e300)); }), 6);
    EXPECT_EQ(error_number([] { CInt(Variant::Nothing()); }), 13);
}

TEST(Variant, BooleansAndStrings) {
    EXPECT_TRUE(CBool(Variant("True")));
    EXPECT_FALSE(CBool(Variant(" false ")));
    EXPECT_TRUE(CBool(Variant("-1")));
    EXPECT_FALSE(CBool(Variant(0.0)));
    EXPECT_EQ(error_number([] { CBool(Variant("yes")); }), 13);
    EXPECT_EQ(CInt(Variant(" TRUE ")), -1);
    EXPECT_EQ(error_number([] { CInt(Variant("\tTrue")); }), 13); // only spaces are trimmed around words
    EXPECT_EQ(error_number([] { CInt(Variant("Truex")); }), 13);
    EXPECT_EQ(CStr(Variant(true)), "True");
    EXPECT_EQ(CStr(Variant(int16_t{-5})), "-5");
    EXPECT_EQ(CStr(Variant(2.5)), "2.5");
    EXPECT_EQ(CStr(Variant(1e20)), "1E+20");
    EXPECT_EQ(CStr(Variant(0.1f)), "0.1");
    EXPECT_EQ(CStr(Variant(1.0 / 3.0)), "0.333333333333333");
    EXPECT_EQ(CStr(Variant()), "");
}

TEST(Variant, ValReadsTheLeadingNumber) {
    EXPECT_EQ(Val("12a"), 12.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("-."), 0.0);
    EXPECT_EQ(Val(" 1 2 3"), 123.0);
    EXPECT_EQ(Val("-3.5e1x"), -35.0);
    EXPECT_EQ(Val("&H1F"), 31.0);
    EXPECT_EQ(Val("&HFFFF&"), -1.0); // a numeric string has no type suffix
    EXPECT_EQ(Val("&O17"), 15.0);
    EXPECT_EQ(Val("&H"), 0.0);
    EXPECT_EQ(Val("True"), 0.0);
    EXPECT_EQ(error_number([] { Val("&H100000000"); }), 6);
    EXPECT_EQ(error_number([] { Val("1e999"); }), 6);
    EXPECT_EQ(Val("1e"), 1.0);
    EXPECT_EQ(Val(""), 0.0);
}

TEST(Variant, IsNumericNeedsTheWholeString) {
    EXPECT_TRUE(IsNumeric(Variant(" 5 ")));
    EXPECT_TRUE(IsNumeric(Variant("-1.5E+3")));
    EXPECT_TRUE(IsNumeric(Variant("&H10")));
    EXPECT_TRUE(IsNumeric(Variant()));
    EXPECT_FALSE(IsNumeric(Variant("")));
    EXPECT_FALSE(IsNumeric(Variant("12a")));
    EXPECT_FALSE(IsNumeric(Variant(".")));
    EXPECT_FALSE(IsNumeric(Variant("-")));
    EXPECT_FALSE(IsNumeric(Variant::Nothing()));
    EXPECT_FALSE(IsNumeric(Variant("&HFF&")));
    EXPECT_FALSE(IsNumeric(Variant("&H100000000")));
    EXPECT_TRUE(IsNumeric(Variant("\t1D3\r\n")));
}

TEST(Variant, EqualityComparesKeysCaseSensitively) {
    EXPECT_TRUE(VariantEquals(Variant("abc"), Variant("abc")));
    EXPECT_FALSE(VariantEquals(Variant("abc"), Variant("ABC")));
    EXPECT_FALSE(VariantEquals(Variant("abc"), Variant("abc ")));
    EXPECT_TRUE(VariantEquals(Variant(), Variant("")));
    EXPECT_TRUE(VariantEquals(Variant(5), Variant("5")));
    EXPECT_FALSE(VariantEquals(Variant(5), Variant("abc")));
    EXPECT_TRUE(VariantEquals(Variant(int16_t{5}), Variant(5.0)));
}

TEST(Variant, CoerceLikeTakesTheTypeOfTheDefault) {
    EXPECT_EQ(CoerceLike(Variant("12"), Variant(int16_t{0})), Variant(int16_t{12}));
    EXPECT_EQ(CoerceLike(Variant(2.5), Variant(int32_t{0})), Variant(int32_t{2}));
    EXPECT_EQ(CoerceLike(Variant(int16_t{-1}), Variant(false)), Variant(true));
    EXPECT_EQ(CoerceLike(Variant(int32_t{3}), Variant(0.0f)), Variant(3.0f));
    EXPECT_EQ(CoerceLike(Variant("1.5"), Variant(0.0)), Variant(1.5));
    EXPECT_EQ(CoerceLike(Variant(true), Variant("")), Variant("True"));
    // An Empty default takes anything as it is; an object default takes objects only.
    EXPECT_EQ(CoerceLike(Variant("x"), Variant()), Variant("x"));
    EXPECT_TRUE(CoerceLike(Variant::Nothing(), Variant::Nothing()).is_nothing());
    EXPECT_EQ(error_number([] { CoerceLike(Variant("path"), Variant::Nothing()); }), 13);
    EXPECT_EQ(error_number([] { CoerceLike(Variant(40000), Variant(int16_t{0})); }), 6);
    EXPECT_EQ(error_number([] { CoerceLike(Variant("wide"), Variant(0.0f)); }), 13);
}
