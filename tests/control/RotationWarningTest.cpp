#include "support/ControlFixture.h"

#include "layout/Constants.h"

using namespace vntab;
using fakes::NewControl;
using Names = std::vector<std::string>;

namespace {

const char* const kOrientationWarning =
    "Note: The TabCaptionFont property is set to a font that does not support font rotation. Setting the "
    "Orientation property to either left or right may cause the tab caption to be displayed incorrectly. "
    "Only "
    "TrueType fonts support font rotation.";
const char* const kFontWarning =
    "Note: The TabCaptionFont property is set to a font that does not support font rotation. Setting the "
    "Orientation property to either left or right may cause the tab caption to displayed incorrectly. Only "
    "TrueType fonts support font rotation.";

std::shared_ptr<rt::StdFont> bitmap_font() {
    return std::make_shared<rt::StdFont>("MS Sans Serif", 8.25);
}
std::shared_ptr<rt::StdFont> truetype_font() {
    return std::make_shared<rt::StdFont>("Arial", 8.25);
}

} // namespace

TEST(RotationWarning, SidewaysOrientationWarnsOnceAboutABitmapFont) {
    NewControl c;
    c.ctl->SetTabCaptionFont(bitmap_font());
    c.ctl->SetOrientation(vnOrientationLeft);
    c.ctl->SetOrientation(vnOrientationTop);
    c.ctl->SetOrientation(vnOrientationRight);
    ASSERT_EQ(c.site.message_boxes.size(), 1u);
    EXPECT_EQ(c.site.message_boxes[0].text, kOrientationWarning);
    EXPECT_EQ(c.site.message_boxes[0].style, 64);
    EXPECT_EQ(c.site.message_boxes[0].title, "Varnel Kelmora");
    EXPECT_TRUE(c.state().RotationWarned);
}

TEST(RotationWarning, ATrueTypeFontIsNotWarnedAboutButCountsAsWarned) {
    NewControl c;
    c.ctl->SetTabCaptionFont(truetype_font());
    c.ctl->SetOrientation(vnOrientationRight);
    EXPECT_TRUE(c.site.message_boxes.empty());
    EXPECT_TRUE(c.state().RotationWarned);
    // Once set, a later bitmap font does not bring the orientation warning back.
    c.state().Orientation = vnOrientationTop;
    c.ctl->SetTabCaptionFont(bitmap_font());
    c.ctl->SetOrientation(vnOrientationLeft);
    EXPECT_TRUE(c.site.message_boxes.empty());
}

TEST(RotationWarning, TopAndBottomNeverWarn) {
    NewControl c;
    c.ctl->SetTabCaptionFont(bitmap_font());
    c.ctl->SetOrientation(vnOrientationBottom);
    EXPECT_TRUE(c.site.message_boxes.empty());
    EXPECT_FALSE(c.state().RotationWarned);
}

TEST(RotationWarning, SettingABitmapFontOnSidewaysTabsWarnsEveryTime) {
    NewControl c;
    c.ctl->SetTabCaptionFont(truetype_font());
    c.ctl->SetOrientation(vnOrientationLeft);
    c.ctl->SetTabCaptionFont(bitmap_font());
    c.ctl->SetTabCaptionFont(bitmap_font());
    c.ctl->SetTabCaptionFont(truetype_font());
    ASSERT_EQ(c.site.message_boxes.size(), 2u);
    EXPECT_EQ(c.site.message_boxes[0].text, kFontWarning);
    EXPECT_EQ(c.site.message_boxes[0].style, 64);
    // The host program's own title.
    EXPECT_EQ(c.site.message_boxes[0].title, std::nullopt);
}

TEST(RotationWarning, TheTestLeavesTheControlsOwnFontSelected) {
    NewControl c;
    auto own = c.site.Font();
    c.ctl->SetTabCaptionFont(bitmap_font());
    c.ctl->SetOrientation(vnOrientationLeft);
    EXPECT_EQ(c.site.Font(), own);
    EXPECT_EQ(own->Name(), "Times New Roman");
}
