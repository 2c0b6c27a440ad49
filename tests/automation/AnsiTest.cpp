#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(Ansi, Windows1252ConvertsBothWays) {
    EXPECT_EQ(ansi_from_utf8("\u20AC"), "\x80");
    EXPECT_EQ(utf8_from_ansi("\x80"), "\u20AC");
    EXPECT_EQ(ansi_from_utf8("caf\u00E9"), "caf\xE9");
    EXPECT_EQ(utf8_from_ansi("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(ansi_from_utf8("\u4E2D!"), "?!");        // outside the code page
    EXPECT_EQ(ansi_from_utf8("\xF0\x9F\x98\x80"), "?"); // one character, one '?'
    EXPECT_EQ(ansi_from_utf8("a\xC3"), "a?");           // truncated sequence
    for (int c = 1; c < 256; ++c) {
        std::string one(1, static_cast<char>(c));
        EXPECT_EQ(ansi_from_utf8(utf8_from_ansi(one)), one) << c;
    }
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
