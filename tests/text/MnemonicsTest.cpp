#include "text/CRenderText.h"

#include <gtest/gtest.h>

namespace {

struct Stripped {
    const char* caption;
    const char* text;
    int32_t mnemonic;
};

class StripMnemonics : public ::testing::TestWithParam<Stripped> {};

TEST_P(StripMnemonics, RemovesMarkersAndRemembersTheLastAccessKey) {
    text::CRenderText renderer;
    renderer.StripMnemonics("&Previous"); // every call starts afresh
    EXPECT_EQ(renderer.StripMnemonics(GetParam().caption), GetParam().text);
    EXPECT_EQ(renderer.MnemonicPos(), GetParam().mnemonic);
}

INSTANTIATE_TEST_SUITE_P(Captions, StripMnemonics,
                         ::testing::Values(Stripped{"&File", "File", 1},
                                           Stripped{"Save && Exit", "Save & Exit", 0},
                                           Stripped{"a&&&b", "a&b", 3}, Stripped{"x&", "x", 2},
                                           Stripped{"a&b&c", "abc", 3}, Stripped{"&&&&x", "&&x", 0},
                                           Stripped{"", "", 0}));

TEST(GetLeftWords, TakesWordsUpToTheSpaceEndingTheLast) {
    using text::CRenderText;
    EXPECT_EQ(CRenderText::GetLeftWords("one two three", 2), "one two");
    EXPECT_EQ(CRenderText::GetLeftWords("one", 2), "") << "fewer words than asked";
    EXPECT_EQ(CRenderText::GetLeftWords(" one two", 1), " one") << "a leading space ends no word";
    // Every space of a run ends a word, so only one is consumed at a break.
    EXPECT_EQ(CRenderText::GetLeftWords("a  b", 2), "a ");
    EXPECT_EQ(CRenderText::GetLeftWords("ab ", 2), "") << "a text ending in a space gets no other";
}

} // namespace
