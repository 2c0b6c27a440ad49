#include "support/ControlFixture.h"

#include "platform/host/PropertyBag.h"

using namespace vntab;
using fakes::LoadedControl;
using fakes::NewControl;
using fakes::Windowed;
using rt::Variant;

TEST(Resize, TooNarrowBecomesOneHeaderWideWithTheInflationAtBothEnds) {
    NewControl c;
    c.site.client_width = 40;
    const int32_t repaints = c.repaints();
    c.ctl->Resize();
    EXPECT_DOUBLE_EQ(c.site.client_width, 54);
    EXPECT_DOUBLE_EQ(c.site.client_height, 200);
    EXPECT_EQ(c.repaints(), repaints + 1);
    EXPECT_FALSE(c.state().Busy);
}

TEST(Resize, TooLowBecomesOneHeaderHighWithTheInflationOnce) {
    // Whatever the orientation: left tabs are still one header high.
    NewControl c;
    c.ctl->SetOrientation(3);
    c.site.client_height = 10;
    c.ctl->Resize();
    EXPECT_DOUBLE_EQ(c.site.client_height, 22);
    EXPECT_DOUBLE_EQ(c.site.client_width, 300);
    // Large enough stays as it is.
    c.site.client_height = 22;
    c.ctl->Resize();
    EXPECT_DOUBLE_EQ(c.site.client_height, 22);
}

TEST(Resize, TheMinimumIsSetInTheContainersUnits) {
    NewControl c(host::vbTwips);
    c.ctl->SetTabWidth(750);
    EXPECT_EQ(c.state().TabWidth, 50);
    EXPECT_EQ(c.ctl->TabWidth(), 750);
    c.site.client_width = 40;
    c.ctl->Resize();
    EXPECT_DOUBLE_EQ(c.site.Width(), 810); // 54 pixels of 15 twips
    EXPECT_DOUBLE_EQ(c.site.client_width, 54);
}

TEST(Resize, NothingHappensWhileTheControlIsBusy) {
    NewControl c;
    c.site.client_width = 40;
    c.state().Busy = true;
    const int32_t repaints = c.repaints();
    c.ctl->Resize();
    EXPECT_DOUBLE_EQ(c.site.client_width, 40);
    EXPECT_EQ(c.repaints(), repaints);
}

namespace {

// Three tabs along the top with no inflation and automatic rows 18 apart: 300 pixels hold them in one
// row, 120 need two.
void MakeRowsTight(VNTabCtl& ctl) {
    ctl.SetTabActiveInflate(0);
    ctl.SetTabRowSeparation(0);
    ctl.SetTabCount(3);
}

} // namespace

TEST(RowChange, ANewControlMovesItsControlsDownWithThePanel) {
    NewControl c(host::vbTwips);
    MakeRowsTight(*c.ctl);
    ASSERT_EQ(c.state().RowCount, 1);
    auto text = Windowed("Text1", 600, 900);
    auto line = fakes::Line("Line1", 0, 300, 500, 500);
    c.site.Add(text);
    c.site.Add(line);
    c.site.client_width = 120;
    c.ctl->Resize();
    ASSERT_EQ(c.state().RowCount, 2);
    // 18 pixels down, in twips; nothing across.
    EXPECT_FLOAT_EQ(text->number("Top"), 900 + 18 * 15);
    EXPECT_FLOAT_EQ(text->number("Left"), 600);
    EXPECT_EQ(line->moves, 0);
    // And back up when the row goes again.
    c.site.client_width = 300;
    c.ctl->Resize();
    EXPECT_FLOAT_EQ(text->number("Top"), 900);
}

TEST(RowChange, ALoadedControlLeavesItsControlsWhereTheFormSavedThem) {
    host::PropertyBag bag;
    {
        NewControl made;
        MakeRowsTight(*made.ctl);
        made.ctl->WriteProperties(bag);
    }
    LoadedControl c(bag);
    auto text = Windowed("Text1", 40, 60);
    c.site.Add(text);
    c.ctl->Paint();
    ASSERT_EQ(c.ctl->State().RowCount, 1);
    c.site.client_width = 120;
    c.ctl->Resize();
    ASSERT_EQ(c.ctl->State().RowCount, 2);
    EXPECT_FLOAT_EQ(text->number("Top"), 60);
    EXPECT_EQ(text->moves, 0);
}
