#include "platform/user/Mnemonic.h"

#include <gtest/gtest.h>

using user::MnemonicText;
using user::ParseMnemonics;

namespace {

void expect_parse(std::string_view text, std::string_view shown, std::vector<size_t> underlined) {
    const MnemonicText parsed = ParseMnemonics(text);
    EXPECT_EQ(parsed.shown, shown) << "from \"" << text << '"';
    EXPECT_EQ(parsed.underlined, underlined) << "from \"" << text << '"';
}

} // namespace

TEST(Mnemonics, AMarkerHidesItselfAndMarksTheNextCharacter) {
    expect_parse("", "", {});
    expect_parse("Plain", "Plain", {});
    expect_parse("&File", "File", {0});
    expect_parse("Sa&ve", "Save", {2});
    // The marked character is taken as it is, a blank or a digit as well as a letter.
    expect_parse("Tab &1", "Tab 1", {4});
    expect_parse("a& b", "a b", {1});
}

TEST(Mnemonics, TwoAmpersandsShowOneAndMarkNothing) {
    expect_parse("Save && Exit", "Save & Exit", {});
    expect_parse("&&", "&", {});
    expect_parse("&&&", "&&", {});
    // The pair is read first, so the third '&' marks the 'b'.
    expect_parse("a&&&b", "a&b", {2});
    expect_parse("a&&&&b", "a&&b", {});
}

TEST(Mnemonics, AnAmpersandThatEndsTheTextIsShown) {
    expect_parse("&", "&", {});
    expect_parse("x&", "x&", {});
    expect_parse("&x&", "x&", {0});
}

TEST(Mnemonics, EveryMarkerIsReportedInOrder) {
    expect_parse("&a&b", "ab", {0, 1});
    expect_parse("&One && &Two", "One & Two", {0, 6});
    expect_parse("&&&&x&y", "&&xy", {3});
}

TEST(Mnemonics, PositionsCountBytesOfTheShownText) {
    // Windows-1252 bytes above 0x7F are one character each.
    expect_parse("\xE9t\xE9 &\xE0", "\xE9t\xE9 \xE0", {4});
}
