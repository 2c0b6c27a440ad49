#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(Arithmetic, SixteenBitStepsOverflowAtTheLimits) {
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(error_number([] { add16(32767, 1); }), 6);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_EQ(error_number([] { sub16(-32768, 1); }), 6);
    EXPECT_EQ(mul16(181, 181), 32761);
    EXPECT_EQ(error_number([] { mul16(182, 181); }), 6);
    // -32768 \ -1 does not fit either.
    EXPECT_EQ(error_number([] { div16(-32768, -1); }), 6);
}

TEST(Arithmetic, ThirtyTwoBitStepsOverflowAtTheLimits) {
    EXPECT_EQ(add32(2147483646, 1), 2147483647);
    EXPECT_EQ(error_number([] { add32(2147483647, 1); }), 6);
    EXPECT_EQ(error_number([] { mul32(65536, 32768); }), 6);
    EXPECT_EQ(mul32(65536, -32768), -2147483647 - 1);
    EXPECT_EQ(error_number([] { add32(int64_t{1} << 40, 0); }), 6);
}

TEST(Arithmetic, IntegerDivisionTruncatesTowardZeroAndRefusesZero) {
    EXPECT_EQ(div16(7, 2), 3);
    EXPECT_EQ(div16(-7, 2), -3);
    EXPECT_EQ(div32(-65535, 65536), 0);
    EXPECT_EQ(mod16(-7, 2), -1);
    EXPECT_EQ(error_number([] { div16(1, 0); }), 11);
    EXPECT_EQ(error_number([] { div32(1, 0); }), 11);
    EXPECT_EQ(error_number([] { mod32(1, 0); }), 11);
}

TEST(Arithmetic, ConversionsRoundHalvesToEven) {
    EXPECT_EQ(cint(2.5), 2);
    EXPECT_EQ(cint(3.5), 4);
    EXPECT_EQ(cint(-2.5), -2);
    EXPECT_EQ(cint(-3.5), -4);
    EXPECT_EQ(cint(0.5), 0);
    EXPECT_EQ(cint(1.5), 2);
    EXPECT_EQ(cint(2.4999), 2);
    EXPECT_EQ(clng(2147483647.4), 2147483647);
    EXPECT_EQ(error_number([] { clng(2147483647.5); }), 6);
    EXPECT_EQ(cint(32767.49), 32767);
    EXPECT_EQ(error_number([] { cint(32767.5); }), 6);
    EXPECT_EQ(cint(-32768.5), -32768);
    EXPECT_EQ(round_even(28.5), 28.0);
    EXPECT_EQ(round_even(29.5), 30.0);
}
