#include "tabs/AccessKey.h"

#include <gtest/gtest.h>

using vntab::AccessKeyOf;
using vntab::kNoAccessKey;

TEST(AccessKey, TheCharacterAfterAnAmpersandIsTheKey) {
    EXPECT_EQ(AccessKeyOf("Tab &1"), '1');
    EXPECT_EQ(AccessKeyOf("&General"), 'G');
    EXPECT_EQ(AccessKeyOf("Sa&ve"), 'v');
}

TEST(AccessKey, KeepsTheCaseAsTyped) {
    EXPECT_EQ(AccessKeyOf("&general"), 'g');
    EXPECT_EQ(AccessKeyOf("gener&Al"), 'A');
}

TEST(AccessKey, DoubledAmpersandsAreLiteralAndSkipped) {
    EXPECT_EQ(AccessKeyOf("A&&B"), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("A&&&B"), 'B');
    EXPECT_EQ(AccessKeyOf("&&"), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("Fish && &Chips"), 'C');
}

TEST(AccessKey, OnlyTheFirstMarkCounts) {
    EXPECT_EQ(AccessKeyOf("&One &Two"), 'O');
}

TEST(AccessKey, NoMarkOrATrailingAmpersandMeansNone) {
    EXPECT_EQ(AccessKeyOf(""), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("Plain"), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("Tab &"), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("&"), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("A&&&"), kNoAccessKey);
}

TEST(AccessKey, AnAmpersandCanItselfFollowAMark) {
    // "&&" after a single mark is a doubled pair, so the search moves on past it.
    EXPECT_EQ(AccessKeyOf("x&& y"), kNoAccessKey);
    EXPECT_EQ(AccessKeyOf("&\xE9t\xE9"), 0xE9); // Windows-1252 letters are keys too
}
