#include "platform/host/FormProperties.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/ControlSite.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

using namespace host;
using rt::Variant;

namespace {

class FormPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override { gdi::SetLogicalDpi(96); }
    FormProperties properties; // the default client area: 4680 x 3195 twips, 312 x 213 pixels
};

} // namespace

TEST_F(FormPropertiesTest, OutsideTheUserScaleTheScaleSizeIsTheClientArea) {
    EXPECT_EQ(properties.ClientPixelWidth(), 312);
    EXPECT_EQ(properties.Get("ScaleWidth"), Variant(4680.0f));
    properties.Let("ScaleMode", Variant(int32_t{3}));
    EXPECT_EQ(properties.Get("scalewidth"), Variant(312.0f));
    EXPECT_EQ(properties.Get("ScaleHeight"), Variant(213.0f));
    EXPECT_EQ(properties.Get("ScaleLeft"), Variant(0.0f));
    EXPECT_EQ(error_number([&] { properties.Let("ScaleMode", Variant(int16_t{8})); }), 380);
}

TEST_F(FormPropertiesTest, SettingPartOfTheScaleSwitchesToAUserScaleOfTheSameSize) {
    properties.Let("ScaleWidth", Variant(100));
    EXPECT_EQ(properties.ScaleMode(), 0);
    EXPECT_EQ(properties.Get("ScaleWidth"), Variant(100.0f));
    EXPECT_EQ(properties.Get("ScaleHeight"), Variant(3195.0f)); // the twips it had
    EXPECT_DOUBLE_EQ(properties.ScaleLength(50, vbUser, vbPixels, Axis::X), 156.0);
    // Back to a fixed scale: the user scale is forgotten.
    properties.Let("ScaleMode", Variant(int16_t{1}));
    EXPECT_EQ(properties.Get("ScaleWidth"), Variant(4680.0f));
    EXPECT_EQ(properties.entries().size(), 1u);
}

TEST_F(FormPropertiesTest, OnlyTheFormsOwnPropertiesAndAFontAreAccepted) {
    EXPECT_EQ(error_number([&] { properties.Get("Text"); }), 438);
    EXPECT_EQ(error_number([&] { properties.Let("Text", Variant("x")); }), 438);
    EXPECT_EQ(error_number([&] { properties.Set("Font", nullptr); }), 13);
    EXPECT_EQ(error_number([&] { properties.Set("Caption", std::make_shared<rt::StdFont>()); }), 438);
    auto font = std::make_shared<rt::StdFont>("Arial", 12);
    properties.Set("font", font);
    EXPECT_EQ(properties.Get("Font").as_object(), font);

    EXPECT_TRUE(properties.Load(FormProperty{"caption", Variant(int16_t{7}), 3}));
    EXPECT_EQ(properties.Caption(), "7");
    EXPECT_FALSE(properties.Load(FormProperty{"Mystery", Variant(int16_t{7}), 4}));
    EXPECT_EQ(error_number([&] { properties.Load(FormProperty{"ClientWidth", Variant("wide"), 5}); }), 13);
}

// The form keeps its scale between conversions: every change of a value it is made of, and of the
// display's resolution, shows in the next conversion.
TEST_F(FormPropertiesTest, ConversionsFollowEveryChangeOfTheScale) {
    EXPECT_DOUBLE_EQ(properties.ScaleLength(312, vbPixels, vbTwips, Axis::X), 4680.0);
    properties.Let("ScaleWidth", Variant(100));
    EXPECT_DOUBLE_EQ(properties.ScaleLength(156, vbPixels, vbUser, Axis::X), 50.0);
    properties.Let("ScaleLeft", Variant(10));
    EXPECT_DOUBLE_EQ(properties.ScaleLength(156, vbPixels, vbUser, Axis::X), 50.0) << "a length, not a place";
    properties.Let("ScaleWidth", Variant(200));
    EXPECT_DOUBLE_EQ(properties.ScaleLength(156, vbPixels, vbUser, Axis::X), 100.0);
    EXPECT_TRUE(properties.Load(FormProperty{"ClientWidth", Variant(int32_t{9360}), 2}));
    EXPECT_DOUBLE_EQ(properties.ScaleLength(312, vbPixels, vbUser, Axis::X), 100.0);
    gdi::SetLogicalDpi(192);
    EXPECT_DOUBLE_EQ(properties.ScaleLength(1248, vbPixels, vbUser, Axis::X), 200.0);
    properties.Let("ScaleMode", Variant(int16_t{3}));
    EXPECT_DOUBLE_EQ(properties.ScaleLength(1248, vbPixels, vbUser, Axis::X), 1248.0);
    gdi::SetLogicalDpi(96);
}
