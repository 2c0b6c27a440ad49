#include "platform/automation/AutomationError.h"
#include "platform/automation/StdFont.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(Dispatch, StdFontMembersAreFoundWithoutRegardToCase) {
    auto font = std::make_shared<StdFont>("Arial", 8.25);
    Dispatch& d = *font;
    EXPECT_EQ(CStr(d.Get("name")), "Arial");
    d.Let("BOLD", Variant(true));
    EXPECT_EQ(font->Weight(), 700);
    d.Let("Weight", Variant(400));
    EXPECT_FALSE(font->Bold());
    d.Let("Size", Variant("12.123456"));
    EXPECT_DOUBLE_EQ(font->Size(), 12.1235);
    EXPECT_EQ(d.TypeName(), "StdFont");
}

TEST(Dispatch, MissingMembersRaise438) {
    StdFont font;
    try {
        font.Get("Colour");
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number, 438);
        EXPECT_EQ(e.description, "Object doesn't support this property or method");
    }
    EXPECT_THROW(font.Call("Refresh"), AutomationError);
    EXPECT_THROW(font.Let("Size", Variant(-1)), AutomationError);
}
