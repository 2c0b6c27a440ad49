#include "support/ControlFixture.h"

#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "layout/Constants.h"
#include "platform/host/PropertyBag.h"

using namespace vntab;
using fakes::ErrorOf;
using fakes::LoadedControl;
using fakes::NewControl;
using fakes::TestSite;
using fakes::Windowed;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

Names keys_of(const host::PropertyBag& bag) {
    Names names;
    for (const auto& e : bag.entries())
        names.push_back(e.name);
    return names;
}

} // namespace

TEST(SaveControl, ANewControlWritesOnlyWhatDiffersFromTheDefaults) {
    NewControl c;
    host::PropertyBag bag;
    c.ctl->WriteProperties(bag);
    // The computed row separation (18) differs from its saved default (0).
    EXPECT_EQ(keys_of(bag), (Names{"DrawTabRowSeparation", "NumTabs", "TabCaption1", "Tab1CtlCount"}));
    EXPECT_EQ(bag.Find("DrawTabRowSeparation")->value, Variant(int16_t(18)));
}

TEST(SaveControl, KeysAreWrittenInTheirOrderWithTheFontBeforeItsAlignment) {
    NewControl c;
    TabCtlState& s = c.state();
    s.BackColor = 0xFF;
    s.Enabled = false;
    s.FocusRectStyle = 1;
    s.Orientation = 2;
    s.Tab3DAppearance = 2;
    s.TabActiveBevel = 3;
    s.TabActiveBold = true;
    s.TabActiveInflate = 4;
    s.TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 12);
    s.TabCaptionAlign = 1;
    s.TabStyleHeight = 5;
    s.TabStyleWidth = 6;
    s.TabHeight = 30;
    s.TabJustification = 3;
    s.TabPictureAlign = 11;
    s.TabRowOffset = 7;
    s.TabRows = 1;
    s.TabRowSeparation = 8;
    s.TabSeparation = 9;
    s.TabsPerRow = 1;
    s.TabStyle = 4;
    s.TabWidth = 60;
    host::PropertyBag bag;
    c.ctl->WriteProperties(bag);
    Names keys = keys_of(bag);
    keys.resize(23);
    EXPECT_EQ(keys,
              (Names{"BackColor",       "Enabled",          "FocusRectStyle",      "OrientationConstants",
                     "Tab3DAppearance", "TabActiveBevel",   "TabActiveBold",       "TabActiveInflate",
                     "TabCaptionFont",  "TabCaptionAlign",  "TabStyleHeight",      "TabStyleWidth",
                     "TabHeight",       "TabJustification", "TabPictureAlign",     "TabRowOffset",
                     "TabRows",         "TabRowSeparation", "TabSeparation",       "TabsPerRow",
                     "TabStyle",        "TabWidth",         "DrawTabRowSeparation"}));
    EXPECT_EQ(bag.Find("TabHeight")->value, Variant(int16_t(30)));
    EXPECT_EQ(bag.Find("OrientationConstants")->value, Variant(int32_t(2)));
}

TEST(SaveControl, ActiveTabTagAndDropModeAreNotSaved) {
    NewControl c;
    c.ctl->SetTabCount(3);
    c.ctl->SetTabActive(3);
    c.ctl->SetTag(Variant("t"));
    c.ctl->SetOLEDropMode(1);
    host::PropertyBag bag;
    c.ctl->WriteProperties(bag);
    for (const char* key : {"TabActive", "Tag", "OLEDropMode", "DrawTab3DAppearance"})
        EXPECT_FALSE(bag.Contains(key));
}

TEST(LoadControl, RestoresWhatWasSavedWithTheFirstTabActive) {
    NewControl c;
    c.ctl->SetTabCount(3);
    c.ctl->SetTabActive(3);
    c.ctl->SetBackColor(0x123456);
    c.ctl->SetOrientation(vnOrientationLeft);
    c.ctl->SetTabStyle(vnTabRounded);
    c.ctl->SetTabHeight(26);
    c.ctl->SetTabCaptionFont(std::make_shared<rt::StdFont>("Arial", 12, true));
    c.tab(2)->SetKey(Variant("two"));
    c.tab(3)->SetCaption("&Last");
    host::PropertyBag bag;
    c.ctl->WriteProperties(bag);

    LoadedControl l(bag);
    const auto& s = l.ctl->State();
    EXPECT_EQ(s.BackColor, 0x123456);
    EXPECT_EQ(s.Orientation, vnOrientationLeft);
    EXPECT_EQ(s.TabStyle, vnTabRounded);
    EXPECT_EQ(s.TabHeight, 26);
    EXPECT_EQ(s.DrawTabRowSeparation, 24);
    ASSERT_NE(s.TabCaptionFont, nullptr);
    EXPECT_EQ(s.TabCaptionFont->Name(), "Arial");
    EXPECT_TRUE(s.TabCaptionFont->Bold());
    EXPECT_EQ(l.ctl->TabCount(), 3);
    EXPECT_EQ(l.ctl->TabActive(), 1);
    EXPECT_EQ(rt::CStr(l.ctl->Tabs()->at(2)->Key()), "two");
    EXPECT_EQ(l.site.access_keys, "12L");
    EXPECT_FALSE(s.Bound);
    EXPECT_FALSE(s.NewInstance);
    EXPECT_FALSE(s.Loading);
}

TEST(LoadControl, TheSavedRowSeparationIsRecomputed) {
    host::PropertyBag bag;
    bag.Store("TabHeight", Variant(int16_t(25)));
    bag.Store("DrawTabRowSeparation", Variant(int16_t(99)));
    LoadedControl l(bag);
    EXPECT_EQ(l.ctl->State().DrawTabRowSeparation, 23);
}

TEST(LoadControl, MissingKeysGiveTheDefaults) {
    host::PropertyBag bag;
    LoadedControl l(bag);
    const auto& s = l.ctl->State();
    EXPECT_EQ(s.BackColor, static_cast<int32_t>(0x8000000F));
    EXPECT_TRUE(s.Enabled);
    EXPECT_EQ(s.TabActiveBevel, 2);
    EXPECT_EQ(s.TabCaptionAlign, 7);
    EXPECT_EQ(s.TabHeight, 20);
    EXPECT_EQ(s.TabRowOffset, 10);
    EXPECT_EQ(s.TabWidth, 50);
    EXPECT_EQ(s.DrawTabRowSeparation, 18);
    EXPECT_EQ(l.ctl->TabCount(), 0); // the caption font's default: SavedKeys
}

TEST(LoadControl, OutOfRangeValuesAreStoredUnchanged) {
    host::PropertyBag bag;
    bag.Store("OrientationConstants", Variant(int32_t(9)));
    bag.Store("TabStyle", Variant(int32_t(12)));
    bag.Store("TabHeight", Variant(int16_t(-5)));
    bag.Store("BackColor", Variant(int32_t(0x7F000000)));
    bag.Store("TabRows", Variant(int16_t(40)));
    LoadedControl l(bag);
    const auto& s = l.ctl->State();
    EXPECT_EQ(s.Orientation, 9);
    EXPECT_EQ(s.TabStyle, 12);
    EXPECT_EQ(s.TabHeight, -5);
    EXPECT_EQ(s.BackColor, 0x7F000000);
    EXPECT_EQ(s.TabRows, 40);
    // Each is reported to the container, in the order the keys are read; keys not saved are not.
    EXPECT_EQ(l.site.saved_value_reports,
              (Names{"BackColor: &H7F000000& is out of range (an RGB colour &H00BBGGRR& or a system colour "
                     "&H800000nn&); it is kept as it is",
                     "OrientationConstants: 9 is out of range (0 to 3); it is kept as it is",
                     "TabHeight: -5 is out of range (0 or more); it is kept as it is",
                     "TabRows: 40 is out of range (0 to 0, the number of tabs); it is kept as it is",
                     "TabStyle: 12 is out of range (0 to 4); it is kept as it is"}));
}

TEST(LoadControl, ValuesInRangeAreNotReported) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(3)));
    bag.Store("TabRows", Variant(int16_t(3)));
    bag.Store("TabHeight", Variant(int16_t(30)));
    bag.Store("TabStyleHeight", Variant(int16_t(30)));
    bag.Store("TabStyleWidth", Variant(int16_t(26)));
    bag.Store("BackColor", Variant(static_cast<int32_t>(0x80000005)));
    LoadedControl l(bag);
    EXPECT_EQ(l.site.saved_value_reports,
              (Names{"TabStyleWidth: 26 is out of range (0 to 25, half the TabWidth); "
                     "it is kept as it is"}));
}

TEST(LoadControl, ARecordTheTabRefusesIsReportedAtTheKeyThatMadeIt) {
    // The error that reading these keys into a control of one tab raises.
    const auto refusal = [](std::initializer_list<std::pair<const char*, Variant>> keys) {
        host::PropertyBag bag;
        bag.Store("NumTabs", Variant(int16_t(1)));
        for (const auto& [key, value] : keys)
            bag.Store(key, value);
        TestSite site;
        auto ctl = VNTabCtl::Create(site);
        auto e = ErrorOf([&] { ctl->ReadProperties(bag); });
        ctl->Terminate();
        return e;
    };
    // More records counted than named: the unnamed ones share the empty key.
    auto e = refusal({{"Tab1CtlCount", Variant(int16_t(50))}, {"Tab1Control1Name", Variant("Text1")}});
    EXPECT_EQ(e.number, 50001);
    EXPECT_EQ(e.source, "Tab1CtlCount");
    EXPECT_EQ(e.description,
              "Key already exists. (Tab1CtlCount is 50, but only 1 of those records has a name, and "
              "records without one share the empty key: set Tab1CtlCount to 1)");

    // A name missing between named records: the count is right, the name is what is missing.
    e = refusal({{"Tab1CtlCount", Variant(int16_t(3))}, {"Tab1Control3Name", Variant("Text1")}});
    EXPECT_EQ(e.source, "Tab1CtlCount");
    EXPECT_EQ(e.description,
              "Key already exists. (Tab1CtlCount is 3, but only 1 of those records has a name, and "
              "records without one share the empty key: give Tab1Control1Name and the other records a "
              "name)");

    // Two records of one name: the second name is where the file goes wrong.
    e = refusal({{"Tab1CtlCount", Variant(int16_t(2))},
                 {"Tab1Control1Name", Variant("Text1")},
                 {"Tab1Control2Name", Variant("Text1")}});
    EXPECT_EQ(e.source, "Tab1Control2Name");
    EXPECT_EQ(e.description, "Key already exists.");
}

TEST(LoadControl, RecordsThatFindNoControlAreReportedAtTheFirstPaint) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(2)));
    bag.Store("Tab1CtlCount", Variant(int16_t(3)));
    bag.Store("Tab1Control1Name", Variant("Text1"));
    bag.Store("Tab1Control2Name", Variant("Gone"));
    bag.Store("Tab1Control3Name", Variant("Text2"));
    bag.Store("Tab2CtlCount", Variant(int16_t(1)));
    bag.Store("Tab2Control1Name", Variant("Lost"));
    LoadedControl l(bag);
    l.site.Add(Windowed("Text1", 120, 10));
    l.site.Add(Windowed("Text2", 120, 40));
    EXPECT_TRUE(l.site.saved_value_reports.empty());
    l.ctl->Paint();
    const Names reports = {
        "Tab1Control2Name: no control on it is named Gone; the record is kept, with no control to show",
        "Tab1Control3Name: Text2 stays out of view: records are bound in order, and binding stopped at "
        "Tab1Control2Name, which finds no control",
        "Tab2Control1Name: no control on it is named Lost; the record is kept, with no control to show"};
    EXPECT_EQ(l.site.saved_value_reports, reports);
    l.ctl->Paint();
    EXPECT_EQ(l.site.saved_value_reports, reports); // once
}

TEST(LoadControl, The3DLookGoesThroughItsProperty) {
    host::PropertyBag bag;
    bag.Store("Tab3DAppearance", Variant(int32_t(2)));
    TestSite site;
    auto ctl = VNTabCtl::Create(site);
    ctl->ReadProperties(bag);
    EXPECT_EQ(ctl->State().DrawTab3DAppearance, vn3DWindows);
    EXPECT_EQ(site.property_changes, (Names{"Tab3DAppearance", "DrawTab3DAppearance"}));
    ctl->Terminate();
}

TEST(LoadControl, EnabledReachesTheWindowAtRunTimeOnlyLoadedOrSet) {
    host::PropertyBag bag;
    bag.Store("Enabled", Variant(false));
    LoadedControl run(bag);
    EXPECT_FALSE(run.site.enabled);
    LoadedControl design(bag, false);
    EXPECT_TRUE(design.site.enabled);
    EXPECT_FALSE(design.ctl->Enabled());
    // Set as a property, the same.
    NewControl set_run;
    set_run.ctl->SetEnabled(false);
    EXPECT_FALSE(set_run.site.enabled);
    NewControl set_design(host::vbPixels, false);
    set_design.ctl->SetEnabled(false);
    EXPECT_FALSE(set_design.ctl->Enabled());
    EXPECT_TRUE(set_design.site.enabled);
}

TEST(LoadControl, TabsReadDoNotRepaintAndAccessKeysAreWrittenOnce) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(3)));
    bag.Store("TabCaption1", Variant("&Alpha"));
    bag.Store("TabCaption2", Variant("Beta"));
    bag.Store("TabCaption3", Variant("&Gamma"));
    TestSite site;
    site.access_keys = "zz";
    auto ctl = VNTabCtl::Create(site);
    ctl->ReadProperties(bag);
    // Only the 3D look repainted.
    EXPECT_EQ(ctl->Redraws().repaints, 1);
    EXPECT_EQ(site.access_keys, "A&G");
    ctl->Terminate();
}

TEST(LoadControl, ADuplicateTabKeyStopsTheLoadButLeavesAWorkingControl) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(3)));
    bag.Store("TabCaption1", Variant("&One"));
    bag.Store("TabKey1", Variant("k"));
    bag.Store("TabCaption2", Variant("&Two"));
    bag.Store("TabKey2", Variant("K"));
    TestSite site;
    auto ctl = VNTabCtl::Create(site);
    auto e = ErrorOf([&] { ctl->ReadProperties(bag); });
    EXPECT_EQ(e.number, 50001);
    EXPECT_EQ(ctl->TabCount(), 2);
    EXPECT_EQ(site.access_keys, "OT");
    EXPECT_FALSE(ctl->State().Loading);
    EXPECT_EQ(ctl->State().DrawTabRowSeparation, 18);
    // Tab events work again.
    int32_t repaints = ctl->Redraws().repaints;
    ctl->Tabs()->at(2)->SetCaption("&Second");
    EXPECT_EQ(site.access_keys, "OS");
    EXPECT_EQ(ctl->Redraws().repaints, repaints + 1);
    ctl->Terminate();
}

TEST(LoadControl, AValueItsPropertyWouldRefuseStopsTheLoad) {
    struct Case {
        const char* key;
        Variant value;
        int32_t number;
    };
    for (const Case& k : {Case{"TabCaptionFont", Variant(std::make_shared<fakes::FakePicture>(1)), 13},
                          Case{"Tab3DAppearance", Variant(int32_t(5)), 380}}) {
        SCOPED_TRACE(k.key);
        host::PropertyBag bag;
        bag.Store(k.key, k.value);
        TestSite site;
        auto ctl = VNTabCtl::Create(site);
        EXPECT_EQ(ErrorOf([&] { ctl->ReadProperties(bag); }).number, k.number);
        ctl->Terminate();
    }
}

TEST(SaveControl, BoundControlsAreSavedOutOfViewOnceAndPaintingWaits) {
    NewControl c;
    auto text = Windowed("Text1", 120, 10);
    c.site.Add(text);
    c.tab(1)->Controls()->Add("Text1", -1, c.ctl)->SetControl(text);
    host::PropertyBag bag, again;
    c.ctl->WriteProperties(bag);
    c.ctl->WriteProperties(again); // hides only once
    EXPECT_FLOAT_EQ(text->number("Left"), 120.0f - 75000.0f);
    EXPECT_EQ(keys_of(bag), keys_of(again));
    EXPECT_FALSE(c.state().Bound);
    EXPECT_TRUE(c.state().Busy);
    EXPECT_EQ(bag.Find("Tab1Control1Name")->value, Variant("Text1"));
    int32_t full = c.ctl->Redraws().full_redraws;
    c.ctl->Paint();
    EXPECT_EQ(c.ctl->Redraws().full_redraws, full);
    // Only a change of the tab count clears the wait.
    c.ctl->SetTabCount(2);
    EXPECT_FALSE(c.state().Busy);
}

TEST(SaveControl, AContainerWithoutContainedControlsLeavesTheControlBound) {
    NewControl c;
    c.site.contained.reset();
    host::PropertyBag bag;
    c.ctl->WriteProperties(bag);
    EXPECT_TRUE(c.state().Bound);
    EXPECT_FALSE(c.state().Busy);
}
