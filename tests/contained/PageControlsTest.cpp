#include "support/ControlFixture.h"

#include "contained/PageControls.h"
#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "control/HelpFile.h"
#include "layout/Constants.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Registry.h"

using namespace vntab;
using fakes::FakeControl;
using fakes::NewControl;
using fakes::Windowed;
using fakes::Windowless;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

constexpr float kOff = 75000.0f;

// A control with three tabs; `place` puts a host control on a tab as the designer left it (hidden
// unless its tab is the active one).
struct Form : NewControl {
    explicit Form(bool user_mode = true) : NewControl(host::vbTwips, user_mode) { ctl->SetTabCount(3); }

    template <class C>
    std::shared_ptr<C> place(std::shared_ptr<C> control, int32_t tab) {
        site.Add(control);
        auto record = ctl->Tabs()->at(tab)->Controls()->Add(rt::CStr(control->Get("Name")), -1, ctl);
        record->SetControl(control);
        if (tab != ctl->TabActive()) {
            if (control->TypeName() == "Line") {
                control->props["X1"] = Variant(float(control->number("X1") - kOff));
                control->props["X2"] = Variant(float(control->number("X2") - kOff));
            } else {
                control->props["Left"] = Variant(float(control->number("Left") - kOff));
            }
        }
        control->lets.clear();
        return control;
    }
    VNControls& page(int32_t tab) { return *ctl->Tabs()->at(tab)->Controls(); }
};

} // namespace

TEST(TabSwitch, RunTimeHidesTheOldPageAndShowsTheNew) {
    Form f;
    auto text1 = f.place(Windowed("Text1", 300, 10, true), 1);
    auto text2 = f.place(Windowed("Text2", 400, 10, true), 2);
    auto text3 = f.place(Windowed("Text3", 300, 50, false), 1);
    f.ctl->SetTabActive(2);
    EXPECT_FLOAT_EQ(text1->number("Left"), 300 - kOff);
    EXPECT_EQ(text1->props["TabStop"], Variant(false));
    EXPECT_FLOAT_EQ(text2->number("Left"), 400);
    EXPECT_EQ(text2->props["TabStop"], Variant(true));
    EXPECT_EQ(text2->refreshes, 1);
    // Back again: each hidden text box gets the tab stop it had, on or off.
    f.ctl->SetTabActive(1);
    EXPECT_FLOAT_EQ(text1->number("Left"), 300);
    EXPECT_EQ(text1->props["TabStop"], Variant(true));
    EXPECT_EQ(text2->props["TabStop"], Variant(false));
    EXPECT_EQ(text3->props["TabStop"], Variant(false));
    EXPECT_FALSE(f.page(1).records()[1]->TabStop());
}

TEST(TabSwitch, WindowlessControlsMoveButTheirTabStopIsNeverTouched) {
    Form f;
    std::vector<std::shared_ptr<FakeControl>> controls;
    for (const char* type : {"Timer", "Label", "Frame", "Shape", "Image"}) {
        auto c = Windowless(type, std::string(type) + "1", 200, 5);
        c->props["TabStop"] = Variant(true); // a property the page logic must leave alone
        controls.push_back(f.place(c, 1));
    }
    f.ctl->SetTabActive(3);
    for (const auto& c : controls) {
        EXPECT_FLOAT_EQ(c->number("Left"), 200 - kOff) << c->TypeName();
        EXPECT_EQ(c->lets, (Names{"Left"})) << c->TypeName();
    }
    f.ctl->SetTabActive(1);
    for (const auto& c : controls) {
        EXPECT_FLOAT_EQ(c->number("Left"), 200) << c->TypeName();
        // Shown, and those painting on the control's surface refreshed again after the redraw.
        EXPECT_EQ(c->refreshes, PaintsOnControlSurface(*c) ? 2 : 1) << c->TypeName();
    }
}

TEST(TabSwitch, LinesMoveBothEndsAcrossOnly) {
    Form f;
    auto line = f.place(fakes::Line("Line1", 10, 90, 20, 40), 1);
    f.ctl->SetTabActive(2);
    EXPECT_FLOAT_EQ(line->number("X1"), 10 - kOff);
    EXPECT_FLOAT_EQ(line->number("X2"), 90 - kOff);
    EXPECT_FLOAT_EQ(line->number("Y1"), 20);
    EXPECT_FLOAT_EQ(line->number("Y2"), 40);
    f.ctl->SetTabActive(1);
    EXPECT_FLOAT_EQ(line->number("X1"), 10);
    EXPECT_EQ(line->refreshes, 2);
}

TEST(TabSwitch, DesignTimeLeavesTabStopsAlone) {
    Form f(false);
    auto text1 = f.place(Windowed("Text1", 300, 10, true), 1);
    auto text2 = f.place(Windowed("Text2", 300, 10, true), 2);
    f.ctl->SetTabActive(2);
    f.ctl->SetTabActive(1);
    for (const auto& c : {text1, text2}) {
        EXPECT_EQ(c->props["TabStop"], Variant(true));
        for (const auto& name : c->lets)
            EXPECT_NE(name, "TabStop");
    }
    // A windowed control is repainted by the designer itself.
    EXPECT_EQ(text1->refreshes, 0);
}

TEST(TabSwitch, ADroppedControlJoinsTheTabThatIsShowing) {
    Form f(false);
    f.ctl->SetTabActive(3);
    auto dropped = Windowed("Command1", 120, 60, true, "CommandButton");
    f.site.Add(dropped);
    // An array member is recorded with its index.
    auto member = Windowed("Option1", 10, 10, true, "OptionButton");
    member->props["Index"] = Variant(int16_t(2));
    f.site.Add(member);
    f.ctl->SetTabActive(1);
    EXPECT_FLOAT_EQ(dropped->number("Left"), 120 - kOff);
    ASSERT_EQ(f.page(3).Count(), 2);
    EXPECT_EQ(f.page(3).records()[0]->Key(), "Command1");
    EXPECT_EQ(f.page(3).records()[0]->Control(), dropped);
    EXPECT_EQ(f.page(3).records()[1]->Key(), "Option1(2)");
    EXPECT_EQ(f.page(1).Count(), 0);
}

TEST(TabSwitch, ADeletedControlLosesItsRecordAtTheNextSwitch) {
    Form f(false);
    auto text = f.place(Windowed("Text1", 300, 10), 1);
    auto keep = f.place(Windowed("Text2", 300, 10), 1);
    std::vector<std::shared_ptr<VNControl>> removed;
    f.page(1).CtlRemoved = [&](const std::shared_ptr<VNControl>& r) { removed.push_back(r); };
    f.site.contained->erase(f.site.contained->begin());
    f.ctl->SetTabActive(2);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0]->Key(), "Text1");
    ASSERT_EQ(f.page(1).Count(), 1);
    EXPECT_EQ(f.page(1).records()[0]->Control(), keep);
}

TEST(TabSwitch, RunTimeNeitherAdoptsNorForgets) {
    Form f;
    auto stray = Windowed("Stray", 10, 10);
    f.site.Add(stray);
    f.ctl->SetTabActive(2);
    EXPECT_EQ(f.page(1).Count(), 0);
    EXPECT_FLOAT_EQ(stray->number("Left"), 10);
}

TEST(TabSwitch, ARecordThatLostItsControlGetsItBack) {
    Form f(false);
    auto text = Windowed("Text1", 300, 10);
    f.site.Add(text);
    f.page(1).Add("Text1", -1, f.ctl);
    f.ctl->SetTabActive(2);
    EXPECT_EQ(f.page(1).records()[0]->Control(), text);
    EXPECT_FLOAT_EQ(text->number("Left"), 300 - kOff);
}

TEST(Redraw, RefreshesOnlyControlsThatPaintOnTheControl) {
    Form f;
    auto label = f.place(Windowless("Label", "Label1", 10), 1);
    auto image = f.place(Windowless("Image", "Image1", 10), 1);
    auto line = f.place(fakes::Line("Line1", 1, 2), 1);
    auto timer = f.place(Windowless("Timer", "Timer1", 10), 1);
    auto frame = f.place(Windowless("Frame", "Frame1", 10), 1);
    auto text = f.place(Windowed("Text1", 10), 1);
    auto other_page = f.place(Windowless("Label", "Label2", 10), 2);
    f.ctl->RepaintControl();
    for (const auto& c : {label, image, line})
        EXPECT_EQ(c->refreshes, 1) << c->TypeName();
    for (const auto& c : {timer, frame, text, other_page})
        EXPECT_EQ(c->refreshes, 0) << c->TypeName();
    EXPECT_FALSE(f.state().Busy);
}

TEST(Redraw, AControlThatFailsToRefreshDoesNotStopTheOthers) {
    Form f;
    auto shape = f.place(Windowless("Shape", "Shape1", 10), 1);
    auto broken = std::make_shared<FakeControl>("Label", "Broken");
    f.site.Add(broken);
    f.page(1).Add("Broken", -1, f.ctl)->SetControl(broken);
    auto label = f.place(Windowless("Label", "Label1", 10), 1);
    f.ctl->Refresh();
    EXPECT_EQ(shape->refreshes, 1);
    EXPECT_EQ(label->refreshes, 1);
}

TEST(FirstPaint, BindsSavedRecordsAndShowsTheFirstTab) {
    host::PropertyBag bag;
    {
        Form f;
        f.place(Windowed("Text1", 300, 10, true), 1);
        f.place(Windowed("Text2", 400, 10), 2);
        // The tab stop the record keeps for a hidden control is what is saved.
        f.page(2).records()[0]->StoreTabStop(false);
        f.ctl->WriteProperties(bag);
    }
    // The container recreates the controls where they were saved: all out of view.
    fakes::TestSite site;
    auto text1 = Windowed("Text1", 300 - kOff, 10, true);
    auto text2 = Windowed("Text2", 400 - kOff, 10, true);
    site.Add(text1);
    site.Add(text2);
    auto ctl = VNTabCtl::Create(site);
    ctl->ReadProperties(bag);
    EXPECT_FALSE(ctl->State().Bound);
    ctl->Paint();
    EXPECT_TRUE(ctl->State().Bound);
    EXPECT_FLOAT_EQ(text1->number("Left"), 300);
    EXPECT_EQ(text1->props["TabStop"], Variant(true));
    EXPECT_FLOAT_EQ(text2->number("Left"), 400 - kOff);
    EXPECT_EQ(text2->props["TabStop"], Variant(false));
    // The second tab's saved setting comes back when it shows.
    ctl->SetTabActive(2);
    EXPECT_EQ(text2->props["TabStop"], Variant(false));
    EXPECT_FLOAT_EQ(text2->number("Left"), 400);
    ctl->Terminate();
}

TEST(FirstPaint, WithoutContainedControlsEveryPaintTriesAgainAndStillDraws) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(1)));
    fakes::TestSite site;
    auto ctl = VNTabCtl::Create(site);
    ctl->ReadProperties(bag);
    ctl->Paint();
    ctl->Paint();
    EXPECT_FALSE(ctl->State().Bound);
    EXPECT_EQ(ctl->Redraws().full_redraws, 2);
    site.Add(Windowed("Late", 0));
    ctl->Paint();
    EXPECT_TRUE(ctl->State().Bound);
    ctl->Terminate();
}

TEST(ContainedCount, CountsWhatTheContainerOffers) {
    Form f;
    EXPECT_EQ(f.ctl->CountContainedControls(), 0);
    f.site.Add(Windowed("A", 0));
    f.site.Add(nullptr);
    EXPECT_EQ(f.ctl->CountContainedControls(), 1);
    f.site.contained.reset();
    EXPECT_EQ(f.ctl->CountContainedControls(), 0);
}

// One row of 20-pixel headers standing 2 pixels in (the active tab's inflation): the panel edge
// is at 22 across the tabs, and the Windows 95 look's inner corner one pixel inside it.
TEST(PanelMove, ControlsOfANewControlFollowThePanelToAnotherEdge) {
    NewControl c(host::vbPixels);
    auto text = Windowed("Text1", 100, 100);
    auto line = fakes::Line("Line1", 5, 50);
    c.site.Add(text);
    c.site.Add(line);
    c.ctl->Paint();
    // Top to left: the inner corner moves from (1, 23) to (23, 1).
    c.ctl->SetOrientation(vnOrientationLeft);
    EXPECT_FLOAT_EQ(text->number("Left"), 122);
    EXPECT_FLOAT_EQ(text->number("Top"), 78);
    EXPECT_EQ(text->moves, 1);
    EXPECT_FLOAT_EQ(line->number("X1"), 5);
}

TEST(PanelMove, MovesAreConvertedToTheContainersUnits) {
    NewControl c(host::vbTwips);
    auto text = Windowed("Text1", 1500, 1500);
    c.site.Add(text);
    c.ctl->Paint();
    c.ctl->SetOrientation(vnOrientationLeft);
    EXPECT_FLOAT_EQ(text->number("Left"), 1500 + 22 * 15);
    EXPECT_FLOAT_EQ(text->number("Top"), 1500 - 22 * 15);
}

TEST(PanelMove, ASecondRowPushesTheControlsDown) {
    NewControl c(host::vbPixels);
    c.ctl->SetTabActiveInflate(0);
    c.ctl->SetTabCount(3);
    ASSERT_EQ(c.state().RowCount, 1);
    auto text = Windowed("Text1", 40, 60);
    c.site.Add(text);
    c.site.client_width = 120; // room for two headers a row
    c.ctl->Refresh();
    ASSERT_EQ(c.state().RowCount, 2);
    EXPECT_FLOAT_EQ(text->number("Top"), 60 + 18);
    EXPECT_FLOAT_EQ(text->number("Left"), 40);
    // A redraw that keeps the rows moves nothing.
    c.ctl->Refresh();
    EXPECT_EQ(text->moves, 1);
}

TEST(PanelMove, ControlsOfALoadedControlStay) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(3)));
    bag.Store("TabActiveInflate", Variant(int16_t(0)));
    fakes::TestSite site;
    site.container_scale_mode = host::vbPixels;
    auto text = Windowed("Text1", 100, 100);
    site.Add(text);
    auto ctl = VNTabCtl::Create(site);
    ctl->ReadProperties(bag);
    ctl->Paint();
    site.client_width = 120;
    ctl->Paint();
    ASSERT_EQ(ctl->State().RowCount, 2);
    ctl->SetOrientation(vnOrientationLeft);
    EXPECT_FLOAT_EQ(text->number("Left"), 100);
    EXPECT_FLOAT_EQ(text->number("Top"), 100);
    EXPECT_EQ(text->moves, 0);
    ctl->Terminate();
}

TEST(PanelMove, MoveRecordKeepsTheControlAndItsTabStop) {
    Form f;
    auto text = f.place(Windowed("Text1", 10, 10), 3);
    f.page(3).records()[0]->StoreTabStop(false);
    f.ctl->MoveControlRecord(1, 3, 2);
    EXPECT_EQ(f.page(3).Count(), 0);
    ASSERT_EQ(f.page(2).Count(), 1);
    EXPECT_EQ(f.page(2).records()[0]->Control(), text);
    EXPECT_FALSE(f.page(2).records()[0]->TabStop());
}

TEST(FirstPaint, SetsTheHelpFileForTheDesignerOnly) {
    // Under the install folder the settings name, or under none when they name none.
    for (std::string folder : {"C:\\Varnel", ""}) {
        SCOPED_TRACE(folder);
        if (folder.empty())
            host::RegDeleteKey(kProductSettingsKey);
        else
            host::RegSetValue(kProductSettingsKey, kInstallFolderValue, folder);
        host::PropertyBag bag;
        fakes::TestSite site;
        site.user_mode = false;
        auto ctl = VNTabCtl::Create(site);
        ctl->ReadProperties(bag);
        ctl->Paint();
        EXPECT_EQ(site.help_file, folder + "\\Help\\Kelmora.hlp");
        site.user_mode = true;
        ctl->Paint();
        EXPECT_EQ(site.help_file, "");
        ctl->Terminate();
    }
}
