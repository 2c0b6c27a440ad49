#include "platform/automation/AutomationError.h"
#include "platform/automation/StdFont.h"
#include "platform/host/PropertyBag.h"

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
