#include "support/ControlFixture.h"

using namespace vntab;
using fakes::ErrorOf;
using fakes::NewControl;
using rt::Variant;

TEST(Units, TwipsAreConvertedToPixelsAndBack) {
    NewControl c(host::vbTwips);
    c.ctl->SetTabWidth(750);
    EXPECT_EQ(c.state().TabWidth, 50);
    EXPECT_EQ(c.ctl->TabWidth(), 750);
    EXPECT_EQ(c.ctl->TabHeight(), 300); // 20 pixels
    EXPECT_FLOAT_EQ(c.ctl->TabActiveInflate(), 30.0f);
}

TEST(Units, StoredPixelsRoundHalvesToEven) {
    NewControl c(host::vbTwips);
    c.site.dpi = 120;       // 12 twips a pixel
    c.ctl->SetTabWidth(18); // 1.5 pixels
    EXPECT_EQ(c.state().TabWidth, 2);
    c.ctl->SetTabWidth(30); // 2.5 pixels
    EXPECT_EQ(c.state().TabWidth, 2);
    c.ctl->SetTabWidth(42); // 3.5 pixels
    EXPECT_EQ(c.state().TabWidth, 4);
}

TEST(Units, ReadValuesRoundHalvesToEvenButSinglesAreExact) {
    NewControl c(host::vbPoints); // 0.75 points a pixel
    c.state().TabWidth = 2;       // 1.5 points
    c.state().TabSeparation = 6;  // 4.5 points
    c.state().TabActiveInflate = 2;
    EXPECT_EQ(c.ctl->TabWidth(), 2);
    EXPECT_EQ(c.ctl->TabSeparation(), 4);
    EXPECT_FLOAT_EQ(c.ctl->TabActiveInflate(), 1.5f);
    EXPECT_EQ(c.ctl->Get("TabActiveInflate"), Variant(1.5f));
}

TEST(Units, VerticalLengthsUseTheVerticalScale) {
    NewControl c(host::vbTwips);
    c.site.dpi = 96;    // 15 twips a pixel across
    c.site.dpi_y = 144; // 10 twips a pixel down
    c.ctl->SetTabHeight(300);
    EXPECT_EQ(c.state().TabHeight, 30);
    c.ctl->SetTabRowSeparation(100);
    EXPECT_EQ(c.state().TabRowSeparation, 10);
    c.ctl->SetTabStyleHeight(100);
    EXPECT_EQ(c.state().TabStyleHeight, 10);
    c.ctl->SetTabWidth(300);
    EXPECT_EQ(c.state().TabWidth, 20);
    c.ctl->SetTabStyleWidth(150);
    EXPECT_EQ(c.state().TabStyleWidth, 10);
    c.ctl->SetTabSeparation(150);
    EXPECT_EQ(c.state().TabSeparation, 10);
    c.ctl->SetTabActiveBevel(45);
    EXPECT_EQ(c.state().TabActiveBevel, 3);
}

TEST(Units, ChangingTheFormsScaleChangesWhatIsSeenNotWhatIsStored) {
    NewControl c(host::vbTwips);
    c.ctl->SetTabWidth(1500);
    c.site.container_scale_mode = host::vbPixels;
    EXPECT_EQ(c.ctl->TabWidth(), 100);
    c.site.container_scale_mode = host::vbInches;
    EXPECT_EQ(c.ctl->TabWidth(), 1); // 100 / 96 inch
    EXPECT_EQ(c.state().TabWidth, 100);
}

TEST(Units, AContainerWithoutAScaleUsesTheFormsThenTwips) {
    NewControl c(host::vbTwips);
    c.site.container_scale_mode.reset();
    c.site.parent_scale_mode = host::vbPixels;
    EXPECT_EQ(c.ctl->GetContainerScaleMode(), host::vbPixels);
    EXPECT_EQ(c.ctl->TabWidth(), 50);
    c.site.parent_scale_mode.reset();
    EXPECT_EQ(c.ctl->GetContainerScaleMode(), host::vbTwips);
    EXPECT_EQ(c.ctl->TabWidth(), 750);
}

TEST(Units, LowerBoundsApplyBeforeConversion) {
    NewControl c(host::vbTwips);
    // One twip is a fifteenth of a pixel: allowed, and stored as 0 pixels.
    c.ctl->SetTabActiveBevel(1);
    EXPECT_EQ(c.state().TabActiveBevel, 0);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabActiveBevel(0); }).number, 380);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabWidth(0); }).number, 380);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabHeight(0); }).number, 380);
}

TEST(Units, ALengthTooLongForItsFieldOverflowsAndChangesNothing) {
    NewControl c(host::vbInches);
    auto e = ErrorOf([&] { c.ctl->SetTabActiveBevel(400); }); // 38400 pixels
    EXPECT_EQ(e.number, 6);
    EXPECT_EQ(c.state().TabActiveBevel, 2);
    EXPECT_TRUE(c.site.property_changes.empty());
    c.ctl->SetTabWidth(400);
    EXPECT_EQ(c.state().TabWidth, 38400);
}
