#include "support/ControlFixture.h"

#include "layout/Constants.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"

using namespace vntab;
using fakes::ErrorOf;
using fakes::NewControl;
using rt::Variant;
using Names = std::vector<std::string>;

TEST(NewControl, StartsWithOneTabAndTheDefaults) {
    NewControl c;
    const auto& s = c.state();
    EXPECT_EQ(c.ctl->TabCount(), 1);
    EXPECT_EQ(c.tab(1)->Caption(), "Tab &1");
    EXPECT_EQ(c.site.access_keys, "1");
    EXPECT_EQ(s.BackColor, static_cast<int32_t>(0x8000000F));
    EXPECT_TRUE(s.Enabled);
    EXPECT_EQ(s.Orientation, vnOrientationTop);
    EXPECT_EQ(s.TabActive, 1);
    EXPECT_EQ(s.TabActiveBevel, 2);
    EXPECT_EQ(s.TabActiveInflate, 2);
    EXPECT_EQ(s.TabCaptionAlign, vnTextMiddleCenter);
    EXPECT_EQ(s.TabHeight, 20);
    EXPECT_EQ(s.TabWidth, 50);
    EXPECT_EQ(s.TabRowOffset, 10);
    EXPECT_EQ(s.DrawTabRowSeparation, 18);
    EXPECT_EQ(s.DrawTab3DAppearance, vn3DWindows95); // NT 5.1
    EXPECT_TRUE(s.Bound);
    EXPECT_TRUE(s.NewInstance);
    EXPECT_FALSE(s.Busy);
    EXPECT_FALSE(s.Loading);
    // Its window clips the controls placed on it.
    int32_t style = user::GetWindowLongA(c.site.hWnd(), user::GWL_STYLE);
    EXPECT_NE(style & static_cast<int32_t>(user::WS_CLIPCHILDREN), 0);
}

TEST(NewControl, CaptionFontIsACopyOfTheFormsFontAndTheOwnFontIsTimesNewRoman) {
    NewControl c;
    ASSERT_NE(c.ctl->TabCaptionFont(), nullptr);
    EXPECT_NE(c.ctl->TabCaptionFont(), c.site.parent_font);
    EXPECT_TRUE(c.ctl->TabCaptionFont()->SameAs(*c.site.parent_font));
    c.ctl->TabCaptionFont()->SetBold(true);
    EXPECT_FALSE(c.site.parent_font->Bold());
    EXPECT_EQ(c.site.Font()->Name(), "Times New Roman");
}

TEST(PropertySet, ColoursWithABitOf24To30SetAreRefusedAndChangeNothing) {
    using Setter = void (VNTabCtl::*)(int32_t);
    struct Case {
        const char* name;
        Setter set;
    };
    for (Case k :
         {Case{"BackColor", &VNTabCtl::SetBackColor}, Case{"TabBackColor", &VNTabCtl::SetTabBackColor},
          Case{"TabColor3DShadow", &VNTabCtl::SetTabColor3DShadow}}) {
        SCOPED_TRACE(k.name);
        NewControl c;
        int32_t repaints = c.repaints();
        for (int bit = 24; bit <= 30; ++bit) {
            auto e = ErrorOf([&] { (c.ctl.get()->*k.set)(int32_t(1) << bit); });
            EXPECT_EQ(e.number, 380) << bit;
        }
        EXPECT_EQ(c.state().BackColor, static_cast<int32_t>(0x8000000F));
        EXPECT_EQ(c.tab(1)->BackColor(), static_cast<int32_t>(0x8000000F));
        EXPECT_TRUE(c.site.property_changes.empty());
        EXPECT_EQ(c.repaints(), repaints);
    }
    NewControl c;
    auto e = ErrorOf([&] { c.ctl->SetBackColor(0x01000000); });
    EXPECT_EQ(e.description, "Invalid property value");
    EXPECT_EQ(e.source, "VNTabCtl");
    c.ctl->SetBackColor(static_cast<int32_t>(0x80000005));
    c.ctl->SetBackColor(0x00FFFFFF);
    EXPECT_EQ(c.state().BackColor, 0x00FFFFFF);
    EXPECT_EQ(c.site.property_changes, (Names{"BackColor", "BackColor"}));
}

TEST(PropertySet, StoresThenReportsThenRepaints) {
    NewControl c;
    int32_t repaints = c.repaints();
    c.ctl->SetTabJustification(vnJustifiedProportional);
    EXPECT_EQ(c.state().TabJustification, vnJustifiedProportional);
    EXPECT_EQ(c.site.property_changes, (Names{"TabJustification"}));
    EXPECT_EQ(c.repaints(), repaints + 1);
}

TEST(PropertySet, OrientationIsReportedUnderItsSavedName) {
    NewControl c;
    c.ctl->SetOrientation(vnOrientationBottom);
    EXPECT_EQ(c.site.property_changes, (Names{"OrientationConstants"}));
    EXPECT_EQ(c.ctl->Orientation(), vnOrientationBottom);
}

TEST(PropertySet, LookOnlyChangesRedrawTheHeaderBandOnly) {
    NewControl c;
    c.state().PanelEdge = 20.0f;
    user::ValidateRect(c.site.hWnd(), nullptr);
    int32_t repaints = c.repaints();
    c.ctl->SetTabActiveBold(true);
    gdi::RECT update;
    ASSERT_TRUE(user::GetUpdateRect(c.site.hWnd(), &update, false));
    EXPECT_EQ(update, (gdi::RECT{0, 0, 300, 22}));
    c.ctl->SetTabCaptionAlign(vnTextTopLeft);
    EXPECT_EQ(c.repaints(), repaints);
    EXPECT_EQ(c.strips(), 2);
}

TEST(PropertySet, TabStyleRepaintsOnlyWhenCaptionWidthsDependOnIt) {
    NewControl c;
    c.ctl->SetTabStyle(vnTabRounded);
    EXPECT_EQ(c.strips(), 1);
    c.ctl->SetTabJustification(vnJustifiedFitCaption);
    int32_t repaints = c.repaints();
    c.ctl->SetTabStyle(vnTabSquare); // the old style widened headers
    EXPECT_EQ(c.repaints(), repaints + 1);
    c.ctl->SetTabStyle(vnTabNormal); // neither does
    EXPECT_EQ(c.repaints(), repaints + 1);
    EXPECT_EQ(c.strips(), 2);
    c.ctl->SetTabStyle(vnTabSlanted);
    EXPECT_EQ(c.repaints(), repaints + 2);
}

TEST(PropertySet, CaptionFontRepaintsWhenHeadersFitTheirCaptions) {
    NewControl c;
    c.ctl->SetTabCaptionFont(std::make_shared<rt::StdFont>("Arial", 10));
    EXPECT_EQ(c.strips(), 1);
    c.ctl->SetTabJustification(vnJustifiedByCaption);
    int32_t repaints = c.repaints();
    c.ctl->SetTabCaptionFont(std::make_shared<rt::StdFont>("Arial", 12));
    EXPECT_EQ(c.repaints(), repaints + 1);
    EXPECT_EQ(c.site.property_changes, (Names{"TabCaptionFont", "TabJustification", "TabCaptionFont"}));
}

TEST(PropertySet, TabActiveRaisesNoTabChangeEventsAndItsCurrentValueDoesNothing) {
    NewControl c;
    c.ctl->SetTabCount(3);
    c.site.property_changes.clear();
    c.ctl->SetTabActive(3);
    EXPECT_EQ(c.ctl->TabActive(), 3);
    EXPECT_EQ(c.site.property_changes, (Names{"TabActive"}));
    EXPECT_TRUE(c.site.events.empty());
    int32_t repaints = c.repaints();
    c.ctl->SetTabActive(3);
    EXPECT_EQ(c.site.property_changes, (Names{"TabActive"}));
    EXPECT_EQ(c.repaints(), repaints);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabActive(4); }).number, 380);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabActive(0); }).number, 380);
    // By name, the same; and no switch is left pending.
    c.ctl->Let("TabActive", Variant(2));
    EXPECT_EQ(c.ctl->TabActive(), 2);
    EXPECT_TRUE(c.site.events.empty());
    EXPECT_EQ(c.site.property_changes, (Names{"TabActive", "TabActive"}));
    EXPECT_TRUE(c.state().PendingTab.is_empty());
}

TEST(PropertySet, TabRowsAndTabsPerRowAreIndependent) {
    NewControl c;
    c.ctl->SetTabCount(6);
    c.ctl->SetTabRows(2);
    c.ctl->SetTabsPerRow(4);
    EXPECT_EQ(c.ctl->TabRows(), 2);
    EXPECT_EQ(c.ctl->TabsPerRow(), 4);
}

TEST(PropertySet, AnOddTabWidthLeavesHalfAPixelForTheCorners) {
    NewControl c;
    c.ctl->SetTabWidth(51);
    c.ctl->SetTabStyleWidth(25); // 25 <= 25.5
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabStyleWidth(26); }).number, 380);
}

TEST(PropertySet, RowSeparationFollowsTabHeightUnlessGiven) {
    NewControl c;
    c.ctl->SetTabHeight(30);
    EXPECT_EQ(c.state().DrawTabRowSeparation, 28);
    c.ctl->SetTabRowSeparation(12);
    EXPECT_EQ(c.state().DrawTabRowSeparation, 12);
    c.ctl->SetTabHeight(40);
    EXPECT_EQ(c.state().DrawTabRowSeparation, 12);
    c.ctl->SetTabRowSeparation(0);
    EXPECT_EQ(c.state().DrawTabRowSeparation, 38);
}

TEST(PropertySet, TabRowOffsetMustLeaveRoomForEveryRow) {
    NewControl c;
    c.site.client_width = 300;
    c.site.client_height = 200;
    c.ctl->SetTabCount(4);
    c.ctl->SetTabRows(2);
    ASSERT_EQ(c.state().RowCount, 2);
    // (300 - 1) \ 2 = 149 pixels for the offsets of a row.
    c.ctl->SetTabRowOffset(148.6f);
    EXPECT_EQ(c.state().TabRowOffset, 149);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabRowOffset(149); }).number, 380);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabRowOffset(-0.5f); }).number, 380);
    // Sideways tabs run along the height: (200 - 1) \ 2 = 99.
    c.ctl->SetTabRowOffset(10);
    c.ctl->SetOrientation(vnOrientationLeft);
    c.ctl->SetTabRowOffset(98);
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabRowOffset(99); }).number, 380);
    // Without a laid-out row there is no limit to compare with.
    c.state().RowCount = 0;
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTabRowOffset(1); }).number, 380);
}

TEST(PropertySet, TagIsKeptWithoutReporting) {
    NewControl c;
    c.ctl->Let("Tag", Variant("note"));
    EXPECT_EQ(c.ctl->Get("Tag"), Variant("note"));
    EXPECT_TRUE(c.site.property_changes.empty());
}

TEST(Automatic3D, FollowsTheOperatingSystem) {
    struct Case {
        uint32_t platform, major;
        int32_t look;
    };
    for (Case k : {Case{2, 4, 1}, Case{2, 3, 2}, Case{1, 4, 1}, Case{0, 3, 2}, Case{2, 6, 1}}) {
        fakes::ReportedVersionScope v({k.platform, k.major, 0, 0, false});
        NewControl c;
        c.ctl->SetTab3DAppearance(vn3DWindows);
        c.ctl->SetTab3DAppearance(vn3DAuto);
        EXPECT_EQ(c.state().DrawTab3DAppearance, k.look) << k.platform << " " << k.major;
    }
}

TEST(Automatic3D, KeepsTheLookWhenTheVersionIsUnknown) {
    NewControl c;
    c.ctl->SetTab3DAppearance(vn3DWindows);
    EXPECT_EQ(c.state().DrawTab3DAppearance, vn3DWindows); // an explicit look is drawn as is
    EXPECT_EQ(ErrorOf([&] { c.ctl->SetTab3DAppearance(3); }).number, 380);
    EXPECT_EQ(c.state().Tab3DAppearance, vn3DWindows);
    c.site.property_changes.clear();
    fakes::ReportedVersionScope v({2, 5, 1, 0, true});
    c.ctl->SetTab3DAppearance(vn3DAuto);
    EXPECT_EQ(c.state().DrawTab3DAppearance, vn3DWindows);
    EXPECT_EQ(c.state().Tab3DAppearance, vn3DAuto);
    EXPECT_EQ(c.site.property_changes, (Names{"Tab3DAppearance", "DrawTab3DAppearance"}));
}

TEST(ActiveTabProperties, ReadAndWriteTheActiveTab) {
    NewControl c;
    c.ctl->SetTabCount(2);
    c.ctl->SetTabActive(2);
    c.ctl->SetTabCaption("&Second");
    c.ctl->SetTabForeColor(0x0000FF);
    c.ctl->SetTabColor3DHighlight(0x00FFFF);
    EXPECT_EQ(c.tab(2)->Caption(), "&Second");
    EXPECT_EQ(c.tab(2)->ForeColor(), 0x0000FF);
    EXPECT_EQ(c.ctl->Get("TabColor3DHighlight"), Variant(int32_t(0x00FFFF)));
    EXPECT_EQ(c.tab(1)->Caption(), "Tab &1");
    EXPECT_EQ(c.site.access_keys, "1S");
    // The tab, not the control, reports and repaints: no PropertyChanged for these.
    EXPECT_EQ(c.site.property_changes, (Names{"TabCount", "TabActive"}));
}

TEST(ActiveTabProperties, PicturesOfOtherTypesAreIgnored) {
    NewControl c;
    auto bitmap = fakes::BitmapPicture();
    c.ctl->SetTabPicture(bitmap);
    c.ctl->SetTabPicture(std::make_shared<fakes::FakePicture>(4));
    EXPECT_EQ(c.ctl->TabPicture(), bitmap);
}

TEST(ActiveTabProperties, WithoutAnActiveTabTheyRaiseIndexOutOfBounds) {
    NewControl c;
    c.state().TabActive = 0;
    auto e = ErrorOf([&] { c.ctl->TabCaption(); });
    EXPECT_EQ(e.number, static_cast<int32_t>(0x8004041D));
    EXPECT_EQ(e.description, "Index out of bounds.");
}

TEST(Redraw, NothingIsDrawnWhileBusyOrWithoutTabsOrSize) {
    NewControl c;
    int32_t full = c.ctl->Redraws().full_redraws;
    c.ctl->Refresh();
    EXPECT_EQ(c.ctl->Redraws().full_redraws, full + 1);
    c.state().Busy = true;
    c.ctl->Refresh();
    c.ctl->Paint();
    c.state().Busy = false;
    c.site.client_width = 0;
    c.ctl->RepaintControl();
    c.site.client_width = 100;
    c.state().TabActive = 0;
    c.ctl->RepaintControl();
    EXPECT_EQ(c.ctl->Redraws().full_redraws, full + 1);
}

TEST(Redraw, ABlankControlDrawsNothingUntilItHasProperties) {
    fakes::TestSite site;
    auto ctl = VNTabCtl::Create(site);
    ctl->Tabs()->Add();
    EXPECT_EQ(ctl->Redraws().repaints, 1);
    EXPECT_EQ(ctl->Redraws().full_redraws, 0);
    ctl->Terminate();
}

TEST(HeaderBand, CoversTheTabsAndTheActiveBevelPerOrientationWithTheEdgeRoundedHalfToEven) {
    NewControl c;
    c.site.client_width = 300;
    c.site.client_height = 200;
    c.state().PanelEdge = 20.0f;
    c.state().TabActiveBevel = 2;
    struct Case {
        int32_t orientation;
        gdi::RECT band;
    };
    for (Case k : {Case{vnOrientationTop, {0, 0, 300, 22}}, Case{vnOrientationRight, {18, 0, 300, 200}},
                   Case{vnOrientationBottom, {0, 18, 300, 200}}, Case{vnOrientationLeft, {0, 0, 22, 200}}}) {
        c.state().Orientation = k.orientation;
        c.ctl->InvalidateTabStrip();
        EXPECT_EQ(c.ctl->Redraws().last_strip, k.band) << k.orientation;
    }
    c.state().Orientation = 7;
    c.ctl->InvalidateTabStrip();
    EXPECT_EQ(c.ctl->Redraws().last_strip, gdi::RECT{});
    // The edge rounds halves to even.
    c.state().Orientation = vnOrientationTop;
    for (auto [edge, bottom] : {std::pair{20.5f, 22}, {21.5f, 24}}) {
        c.state().PanelEdge = edge;
        c.ctl->InvalidateTabStrip();
        EXPECT_EQ(c.ctl->Redraws().last_strip.bottom, bottom) << edge;
    }
}

TEST(PanelRect, InnerCornerPerLookAndOrientation) {
    NewControl c;
    c.state().PanelEdge = 40.0f;
    c.state().TabActiveBevel = 3;
    struct Case {
        int32_t look, orientation, left, top;
    };
    for (Case k : {Case{2, vnOrientationTop, 5, 46}, Case{2, vnOrientationRight, 4, 4},
                   Case{2, vnOrientationBottom, 4, 4}, Case{2, vnOrientationLeft, 48, 4},
                   Case{1, vnOrientationTop, 1, 41}, Case{1, vnOrientationRight, 1, 1},
                   Case{1, vnOrientationBottom, 1, 1}, Case{1, vnOrientationLeft, 41, 1}}) {
        c.state().DrawTab3DAppearance = k.look;
        c.state().Orientation = k.orientation;
        gdi::RECT r = c.ctl->GetPanelClientRect();
        EXPECT_EQ(r.left, k.left) << k.look << "/" << k.orientation;
        EXPECT_EQ(r.top, k.top) << k.look << "/" << k.orientation;
    }
}

TEST(MiscProperties, WindowHandleAndDropModeComeFromTheContainer) {
    NewControl c;
    EXPECT_NE(c.ctl->hWnd(), 0);
    EXPECT_EQ(c.ctl->hWnd(), static_cast<int32_t>(c.site.hWnd().value));
    c.ctl->SetOLEDropMode(vnOLEManual);
    EXPECT_EQ(c.site.ole_drop_mode, vnOLEManual);
    EXPECT_EQ(c.ctl->OLEDropMode(), vnOLEManual);
    c.ctl->OleDrag();
    EXPECT_EQ(c.site.ole_drags, 1);
}
