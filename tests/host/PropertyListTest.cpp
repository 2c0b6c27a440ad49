#include "platform/host/PropertyList.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace host;
using rt::Variant;

namespace {

const std::vector<PropertyDefault> kKnown = {{"Caption", Variant("")}, {"Width", Variant(0.0f)}};

} // namespace

TEST(PropertyList, ValuesFromAFileTakeTheTypeOfTheirDefault) {
    PropertyList list;
    EXPECT_TRUE(list.Load(kKnown, FormProperty{"width", Variant(int16_t{1200}), 7}));
    EXPECT_TRUE(list.Load(kKnown, FormProperty{"CAPTION", Variant(int32_t{5}), 8}));
    EXPECT_FALSE(list.Load(kKnown, FormProperty{"Mystery", Variant(int16_t{42}), 9}));
    ASSERT_EQ(list.entries().size(), 3u);
    // Known properties are stored under their own spelling; unknown keys as written.
    EXPECT_EQ(list.entries()[0].name, "Width");
    EXPECT_EQ(list.entries()[0].value, Variant(1200.0f));
    EXPECT_EQ(list.entries()[0].line, 7);
    EXPECT_EQ(list.Get(kKnown[0]), Variant("5"));
    EXPECT_FALSE(list.entries()[2].known);
    EXPECT_EQ(list.entries()[2].value, Variant(int16_t{42}));
}

TEST(PropertyList, AValueThatDoesNotConvertNamesItsKeyAndStoresNothing) {
    PropertyList list;
    try {
        list.Load(kKnown, FormProperty{"width", Variant("wide"), 3});
        FAIL();
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, 13);
        EXPECT_EQ(e.source, "width");
    }
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(list.Get(kKnown[1]), Variant(0.0f)); // the default until something is stored
    list.SetLike(kKnown[1], Variant("2.5"));
    EXPECT_EQ(list.Get("WIDTH", Variant()), Variant(2.5f));
}
