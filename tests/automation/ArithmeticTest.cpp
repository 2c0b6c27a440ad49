#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

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

// clng rounds most values in place; it must give what round_even and the range check give, for
// halves, values a hair off them, large magnitudes and the ends of the range.
TEST(Arithmetic, ClngInPlaceAgreesWithTheCheckedConversion) {
    auto checked = [](double v) -> int64_t {
        const double r = round_even(v);
        return (r < -2147483648.0 || r > 2147483647.0) ? -1 - (int64_t{1} << 40) : int64_t(r);
    };
    auto in_place = [](double v) -> int64_t {
        try {
            return clng(v);
        } catch (const AutomationError&) {
            return -1 - (int64_t{1} << 40);
        }
    };
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  -0.5,
                                  1.5,
                                  -1.5,
                                  2147483646.5,
                                  2147483647.0,
                                  2147483647.4,
                                  2147483647.5,
                                  -2147483648.0,
                                  -2147483648.4,
                                  -2147483648.5,
                                  -2147483648.6,
                                  1e300,
                                  -1e300,
                                  4503599627370497.0};
    for (int64_t n = -3000; n <= 3000; ++n)
        for (double frac : {0.0, 0.25, 0.5, 0.75})
            values.push_back(double(n) * 1048573.0 + frac);
    for (size_t k = 0, n = values.size(); k < n; ++k) {
        values.push_back(std::nextafter(values[k], 1e308));
        values.push_back(std::nextafter(values[k], -1e308));
    }
    for (double v : values)
        ASSERT_EQ(in_place(v), checked(v)) << std::hexfloat << v;
    EXPECT_EQ(error_number([] { clng(std::nan("")); }), 6);
}

// Sums and differences done in place raise exactly where the checked steps do.
TEST(Arithmetic, LongSumsAndDifferencesRaiseAtTheEndsOfTheRange) {
    const int64_t kMin = -2147483648LL, kMax = 2147483647LL;
    EXPECT_EQ(add32(kMin, kMax), -1);
    EXPECT_EQ(sub32(kMin, -1), kMin + 1);
    EXPECT_EQ(sub32(-1, kMax), kMin);
    EXPECT_EQ(error_number([&] { add32(kMin, -1); }), 6);
    EXPECT_EQ(error_number([&] { sub32(kMin, 1); }), 6);
    EXPECT_EQ(error_number([&] { sub32(0, kMin); }), 6);
    EXPECT_EQ(error_number([&] { sub32(kMax + 1, kMax + 1); }), 6)
        << "an operand out of range, even if the result fits";
    EXPECT_EQ(error_number([&] { add32(INT64_MAX, INT64_MIN); }), 6);
}

TEST(Arithmetic, SinglesFromDoublesRaiseOnlyBeyondTheLargestSingle) {
    EXPECT_EQ(csng(3.4028234663852886e38), 3.4028234663852886e38f);
    EXPECT_EQ(csng(-3.4028234663852886e38), -3.4028234663852886e38f);
    EXPECT_EQ(error_number([] { csng(3.4028236e38); }), 6);
    EXPECT_EQ(error_number([] { csng(-1e39); }), 6);
    EXPECT_TRUE(std::isinf(csng(HUGE_VAL)));
    EXPECT_TRUE(std::isnan(csng(std::nan(""))));
    EXPECT_EQ(csng(0.1), 0.1f);
}
