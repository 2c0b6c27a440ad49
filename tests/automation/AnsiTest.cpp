#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(Ansi, Windows1252ConvertsBothWays) {
    EXPECT_EQ(ansi_from_utf8("\u20AC"), "\x80");
    EXPECT_EQ(utf8_from_ansi("\x80"), "\u20AC");
    EXPECT_EQ(ansi_from_utf8("caf\u00E9"), "caf\xE9");
    EXPECT_EQ(utf8_from_ansi("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(ansi_from_utf8("\u4E2D!"), "?!");         // outside the code page
    EXPECT_EQ(ansi_from_utf8("\xF0\x9F\x98\x80"), "?"); // one character, one '?'
    EXPECT_EQ(ansi_from_utf8("a\xC3"), "a?");           // truncated sequence
    for (int c = 1; c < 256; ++c) {
        std::string one(1, static_cast<char>(c));
        EXPECT_EQ(ansi_from_utf8(utf8_from_ansi(one)), one) << c;
    }
}

TEST(Ansi, OnlyWellFormedUtf8CountsAsUtf8) {
    EXPECT_TRUE(is_utf8("plain"));
    EXPECT_TRUE(is_utf8("G\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_EQ(decode_utf8("\xF0\x9F\x98\x80!")->code_point, U'\U0001F600');
    EXPECT_EQ(decode_utf8("\xF0\x9F\x98\x80!")->length, 4u);
    // Windows-1252 text, overlong forms, surrogates, values beyond U+10FFFF, stray and missing
    // continuation bytes are not UTF-8.
    for (const char* bad : {"G\xE9n\xE9ral", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\x80", "\xC3", "\xE2\x82", "\xF8\x88\x80\x80\x80"})
        EXPECT_FALSE(is_utf8(bad)) << bad;
    EXPECT_EQ(ansi_from_utf8("\xED\xA0\x80"), "???"); // each byte of a surrogate is unknown
    EXPECT_EQ(utf8_of(U'\U0001F600'), "\xF0\x9F\x98\x80");
}

TEST(Ansi, CharactersWindows1252CannotHoldAreListedOnce) {
    EXPECT_TRUE(outside_ansi("G\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D ?").empty());
    EXPECT_EQ(outside_ansi("\xCE\xA9\xCE\xBC\xCE\xA9 \xF0\x9F\x98\x80"),
              (std::vector<char32_t>{U'\u03A9', U'\u03BC', U'\U0001F600'}));
    // A byte that is not UTF-8 is lost as well: it stands as the replacement character.
    EXPECT_EQ(outside_ansi("a\xFF"), (std::vector<char32_t>{U'\uFFFD'}));
}

TEST(Ansi, PositionsAreOneBased) {
    EXPECT_EQ(InStr("Tab &1", "&"), 5);
    EXPECT_EQ(InStr(6, "A&&B&C", "&"), 0);
    EXPECT_EQ(InStr(3, "A&&B", "&"), 3);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr(4, "abc", ""), 4);
    EXPECT_EQ(InStr(5, "abc", ""), 0);
    EXPECT_THROW(InStr(0, "abc", "a"), AutomationError);
    EXPECT_EQ(Mid("Hello", 2, 3), "ell");
    EXPECT_EQ(Mid("Hello", 4), "lo");
    EXPECT_EQ(Mid("Hello", 9), "");
    EXPECT_EQ(Left("Hello", 9), "Hello");
    EXPECT_EQ(Right("Hello", 2), "lo");
    EXPECT_EQ(Asc("\x80"), 128);
    EXPECT_EQ(Chr(38), "&");
    EXPECT_THROW(Chr(256), AutomationError);
    EXPECT_THROW(Asc(""), AutomationError);
}

TEST(Ansi, TrimAndTextCompare) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t"); // only blanks are trimmed
    EXPECT_EQ(StrCompText("abc", "ABC"), 0);
    EXPECT_EQ(StrCompText("\xE9t\xE9", "\xC9T\xC9"), 0);
    EXPECT_LT(StrCompText("abc", "abd"), 0);
    EXPECT_GT(StrCompText("abcd", "ABC"), 0);
    EXPECT_EQ(UCase("\x9A\xFF"), "\x8A\x9F");
}
