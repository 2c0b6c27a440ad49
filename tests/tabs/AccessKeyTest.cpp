#include "tabs/AccessKey.h"

#include <gtest/gtest.h>

using vntab::AccessKeyOf;
using vntab::kNoAccessKey;

// The character after the first single ampersand is the key, in the case typed; "&&" is a literal
// ampersand and is skipped, even straight after a mark; no mark or a trailing one means none.
TEST(AccessKey, TheFirstCharacterAfterASingleAmpersand) {
    struct Case {
        const char* caption;
        int key;
    };
    for (Case k : {Case{"Tab &1", '1'},
                   {"&General", 'G'},
                   {"Sa&ve", 'v'},
                   {"&general", 'g'},
                   {"gener&Al", 'A'},
                   {"A&&B", kNoAccessKey},
                   {"A&&&B", 'B'},
                   {"&&", kNoAccessKey},
                   {"Fish && &Chips", 'C'},
                   {"&One &Two", 'O'},
                   {"", kNoAccessKey},
                   {"Plain", kNoAccessKey},
                   {"Tab &", kNoAccessKey},
                   {"&", kNoAccessKey},
                   {"A&&&", kNoAccessKey},
                   {"x&& y", kNoAccessKey},
                   {"&\xE9t\xE9", 0xE9}}) { // Windows-1252 letters are keys too
        SCOPED_TRACE(k.caption);
        EXPECT_EQ(AccessKeyOf(k.caption), k.key);
    }
}
