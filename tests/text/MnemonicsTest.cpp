#include "text/CRenderText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Stripped {
    const char* caption;
    const char* text;
    int32_t mnemonic;
};

class StripMnemonics : public ::testing::TestWithParam<Stripped> {};

TEST_P(StripMnemonics, RemovesMarkersAndRemembersTheAccessKey) {
    text::CRenderText renderer;
    EXPECT_EQ(renderer.StripMnemonics(GetParam().caption), GetParam().text);
    EXPECT_EQ(renderer.MnemonicPos(), GetParam().mnemonic);
}

INSTANTIATE_TEST_SUITE_P(Captions, StripMnemonics,
                         ::testing::Values(Stripped{"&File", "File", 1},
                                           Stripped{"Save && Exit", "Save & Exit", 0},
                                           Stripped{"a&&&b", "a&b", 3}, Stripped{"x&", "x", 2},
                                           Stripped{"a&b&c", "abc", 3}, Stripped{"Sa&ve", "Save", 3},
                                           Stripped{"&&", "&", 0}, Stripped{"&", "", 1}, Stripped{"", "", 0},
                                           Stripped{"plain", "plain", 0}, Stripped{"&&&&x", "&&x", 0}));

TEST(StripMnemonicsState, EveryCallStartsAfresh) {
    text::CRenderText renderer;
    renderer.StripMnemonics("&Tab");
    EXPECT_EQ(renderer.MnemonicPos(), 1);
    renderer.StripMnemonics("Tab");
    EXPECT_EQ(renderer.MnemonicPos(), 0) << "a text without a marker clears the position";
}

TEST(GetLeftWords, ReturnsTheFirstWordsWithoutTheSpaceAfterThem) {
    EXPECT_EQ(text::CRenderText::GetLeftWords("one two three", 1), "one");
    EXPECT_EQ(text::CRenderText::GetLeftWords("one two three", 2), "one two");
    EXPECT_EQ(text::CRenderText::GetLeftWords("one two three", 3), "one two three");
}

TEST(GetLeftWords, IsEmptyWhenTheTextHasFewerWords) {
    EXPECT_EQ(text::CRenderText::GetLeftWords("one", 2), "");
    EXPECT_EQ(text::CRenderText::GetLeftWords("one two three", 4), "");
    EXPECT_EQ(text::CRenderText::GetLeftWords("", 1), "");
}

TEST(GetLeftWords, NeverCountsALeadingSpaceAsAWordEnd) {
    EXPECT_EQ(text::CRenderText::GetLeftWords(" one two", 1), " one");
    EXPECT_EQ(text::CRenderText::GetLeftWords(" ", 1), "");
}

TEST(GetLeftWords, CountsEverySpaceOfARunAsAWordEnd) {
    // Only the single space at a break is consumed; the others belong to the next words.
    EXPECT_EQ(text::CRenderText::GetLeftWords("a  b", 1), "a");
    EXPECT_EQ(text::CRenderText::GetLeftWords("a  b", 2), "a ");
    EXPECT_EQ(text::CRenderText::GetLeftWords("a  b", 3), "a  b");
    EXPECT_EQ(text::CRenderText::GetLeftWords("ab ", 1), "ab")
        << "a text ending in a space is not given another";
    EXPECT_EQ(text::CRenderText::GetLeftWords("ab ", 2), "");
}

} // namespace
