#include "platform/host/PropertyBag.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdFont.h"

#include <gtest/gtest.h>

using namespace host;
using rt::Variant;

TEST(PropertyBag, WritesEqualToTheirDefaultLeaveTheKeyOut) {
    PropertyBag bag;
    bag.WriteProperty("TabForeColor1", Variant(static_cast<int32_t>(0x80000012)),
                      Variant(static_cast<int32_t>(0x80000012)));
    bag.WriteProperty("TabForeColor2", Variant(static_cast<int32_t>(0x8000000F)),
                      Variant(static_cast<int32_t>(0x80000012)));
    bag.WriteProperty("TabCaption1", Variant(""), Variant(""));
    bag.WriteProperty("TabHeight", Variant(int16_t{20}), Variant(int16_t{20}));
    bag.WriteProperty("Enabled", Variant(false), Variant(true));
    EXPECT_FALSE(bag.Contains("TabForeColor1"));
    EXPECT_TRUE(bag.Contains("TabForeColor2"));
    EXPECT_FALSE(bag.Contains("TabCaption1"));
    EXPECT_FALSE(bag.Contains("TabHeight"));
    EXPECT_TRUE(bag.Contains("Enabled"));
    // Writing the default later removes the key written before.
    bag.WriteProperty("Enabled", Variant(true), Variant(true));
    EXPECT_FALSE(bag.Contains("Enabled"));

    auto font = std::make_shared<rt::StdFont>("Arial", 8.25);
    bag.WriteProperty("TabCaptionFont", Variant(font), Variant(font->Clone()));
    EXPECT_FALSE(bag.Contains("TabCaptionFont"));
    bag.WriteProperty("TabCaptionFont", Variant(font), Variant(std::make_shared<rt::StdFont>("Arial", 9)));
    EXPECT_TRUE(bag.Contains("TabCaptionFont"));
}

TEST(PropertyBag, ReadsConvertToTheDefaultsTypeAndFallBackToIt) {
    PropertyBag bag;
    bag.Store("Enabled", Variant(int16_t{0}), 4);
    bag.Store("TabHeight", Variant("25"), 5);
    bag.Store("Bad", Variant("abc"), 6);
    EXPECT_EQ(bag.ReadProperty("enabled", Variant(true)), Variant(false));
    EXPECT_EQ(bag.ReadProperty("TabHeight", Variant(int16_t{20})), Variant(int16_t{25}));
    EXPECT_EQ(bag.ReadProperty("Missing", Variant(int16_t{7})), Variant(int16_t{7}));
    EXPECT_TRUE(bag.Find("Enabled")->read);
    try {
        bag.ReadProperty("Bad", Variant(int16_t{0}));
        FAIL();
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, 13);
        EXPECT_EQ(e.source, "Bad");
    }
}

TEST(PropertyBag, PicturePathsResolveWhenAnObjectIsAskedFor) {
    PropertyBag bag;
    bag.Store("TabPicture1", Variant("pictures/open.ico"));
    std::string asked;
    bag.SetPictureResolver([&](const std::string& path) {
        asked = path;
        return Variant(std::make_shared<rt::StdFont>());
    });
    Variant v = bag.ReadProperty("TabPicture1", Variant::Nothing());
    EXPECT_EQ(asked, "pictures/open.ico");
    EXPECT_TRUE(v.is_object());
    EXPECT_TRUE(bag.ReadProperty("TabPicture2", Variant::Nothing()).is_nothing());
}

// The bag finds a key through an index beside its ordered entries; removing a key from the middle
// moves the later entries up, and every name must still lead to its own entry.
TEST(PropertyBag, LookUpsIgnoreCaseAndFollowRemovalsInTheMiddle) {
    PropertyBag bag;
    for (int i = 1; i <= 300; ++i)
        bag.WriteProperty("TabCaption" + std::to_string(i), Variant("Page " + std::to_string(i)),
                          Variant(""));
    for (int i = 1; i <= 300; i += 3)
        bag.WriteProperty("tabcaption" + std::to_string(i), Variant(""), Variant(""));
    ASSERT_EQ(bag.entries().size(), 200u);
    for (int i = 1; i <= 300; ++i) {
        const PropertyBag::Entry* e = bag.Find("TABCAPTION" + std::to_string(i));
        if (i % 3 == 1) {
            EXPECT_EQ(e, nullptr) << i;
            continue;
        }
        ASSERT_NE(e, nullptr) << i;
        EXPECT_EQ(e->name, "TabCaption" + std::to_string(i));
        EXPECT_EQ(e->value, Variant("Page " + std::to_string(i)));
    }
    // The order is the order of first writing, without the removed keys.
    EXPECT_EQ(bag.entries()[0].name, "TabCaption2");
    EXPECT_EQ(bag.entries()[1].name, "TabCaption3");
    EXPECT_EQ(bag.entries()[2].name, "TabCaption5");
    EXPECT_EQ(bag.entries().back().name, "TabCaption300");

    // A store under another spelling replaces the value in place and keeps the first spelling.
    bag.Store("TABCAPTION5", Variant("five"), 9);
    EXPECT_EQ(bag.entries()[2].name, "TabCaption5");
    EXPECT_EQ(bag.entries()[2].value, Variant("five"));
    EXPECT_EQ(bag.entries()[2].line, 9);
    EXPECT_EQ(bag.entries().size(), 200u);
    // A name that is only a prefix or has a letter more is another key.
    EXPECT_FALSE(bag.Contains("TabCaption"));
    EXPECT_FALSE(bag.Contains("TabCaption50x"));

    bag.Clear();
    EXPECT_TRUE(bag.entries().empty());
    EXPECT_FALSE(bag.Contains("TabCaption2"));
    bag.Store("TabCaption2", Variant("again"));
    EXPECT_EQ(bag.ReadProperty("tabcaption2", Variant("")), Variant("again"));
    EXPECT_EQ(bag.entries().size(), 1u);
}

// Letters outside ASCII are compared as they are, as member names are.
TEST(PropertyBag, OnlyAsciiLettersIgnoreCase) {
    PropertyBag bag;
    bag.Store("Caption\xE9", Variant(int16_t{1}));
    EXPECT_TRUE(bag.Contains("CAPTION\xE9"));
    EXPECT_FALSE(bag.Contains("Caption\xC9"));
}
