#include "contained/VNControls.h"
#include "contained/VNControl.h"
#include "support/ErrorNumber.h"
#include "support/FakeOwner.h"
#include "support/TestSite.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include "contained/DesignHolder.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace vntab;
using fakes::FakeOwner;
using fakes::Windowed;
using rt::Variant;

namespace {

// Two tabs owned by a fake control; records go on the tab given.
struct Pages {
    std::shared_ptr<FakeOwner> owner = std::make_shared<FakeOwner>();
    std::shared_ptr<VNTabs> tabs = VNTabs::Create();
    Pages() {
        tabs->SetParentControl(owner);
        tabs->Add();
        tabs->Add();
    }
    VNControls& page(int i) { return *tabs->at(i)->Controls(); }
};

} // namespace

TEST(ControlRecords, KeysNameArrayMembersWithTheirIndexAndAreUnique) {
    Pages p;
    EXPECT_EQ(p.page(1).Add("Text1", 2, p.owner)->Key(), "Text1(2)");
    EXPECT_EQ(p.page(1).Add("Command1", -1, p.owner)->Key(), "Command1");
    EXPECT_EQ(p.page(1).Add("Text1", 0, p.owner)->Key(), "Text1(0)");
    EXPECT_EQ(p.page(1).Count(), 3);
    EXPECT_EQ(p.page(1).records()[2]->Position(), 3);
    // A key already listed is refused.
    EXPECT_EQ(error_number([&] { p.page(1).Add("Text1", 2, p.owner); }), 50001);
    EXPECT_EQ(p.page(1).Count(), 3);
    // KeyExists trims and ignores case; IndexOfKey is exact.
    EXPECT_TRUE(p.page(1).KeyExists(" text1(2) "));
    EXPECT_FALSE(p.page(1).KeyExists("   "));
    EXPECT_EQ(p.page(1).IndexOfKey("text1(2)"), 0);
    EXPECT_EQ(p.page(1).IndexOfKey("Text1(2)"), 1);
}

TEST(ControlRecords, ItemByPositionOrExactKey) {
    Pages p;
    auto a = p.page(1).Add("A", -1, p.owner);
    auto b = p.page(1).Add("B", 3, p.owner);
    EXPECT_EQ(p.page(1).Item(Variant(2)), b);
    EXPECT_EQ(p.page(1).Item(Variant("B(3)")), b);
    EXPECT_EQ(p.page(1).Item(Variant("1")), a);
    for (const Variant& bad : {Variant("b(3)"), Variant(0), Variant(3)}) {
        try {
            p.page(1).Item(bad);
            ADD_FAILURE();
        } catch (const rt::AutomationError& e) {
            EXPECT_EQ(e.number, static_cast<int32_t>(0x8004041D));
            EXPECT_EQ(e.description, "Index out of bounds.");
        }
    }
}

TEST(ControlRecords, RemovingRenumbersAndRaisesCtlRemovedOnce) {
    Pages p;
    auto& page = p.page(1);
    page.Add("A", -1, p.owner);
    auto b = page.Add("B", -1, p.owner);
    auto c = page.Add("C", -1, p.owner);
    std::vector<std::shared_ptr<VNControl>> removed;
    page.CtlRemoved = [&](const std::shared_ptr<VNControl>& r) { removed.push_back(r); };
    page.Remove(Variant(2));
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0], b);
    EXPECT_EQ(c->Position(), 2);
    page.Remove(Variant("A"));
    EXPECT_EQ(c->Position(), 1);
    EXPECT_THROW(page.Remove(Variant(5)), rt::AutomationError);
    page.Clear();
    EXPECT_EQ(removed.size(), 3u);
    EXPECT_EQ(removed.back(), nullptr);
}

TEST(ControlRecords, ChangeNotificationsAreHeldBackWhileAdding) {
    Pages p;
    auto& page = p.page(1);
    std::vector<std::string> changed;
    page.CtlChanged = [&](const std::shared_ptr<VNControl>&, std::string& prop) { changed.push_back(prop); };
    auto r = page.Add("A", -1, p.owner);
    page.NotifyCtlChanged(r, "Left");
    EXPECT_EQ(changed, (std::vector<std::string>{"Left"}));
}

TEST(ControlRecord, LeftHidesTheOffsetOfAnInactiveTab) {
    Pages p;
    auto text = Windowed("Text1", 500 - 75000.0, 40);
    auto record = p.page(2).Add("Text1", -1, p.owner);
    record->SetControl(text);
    p.owner->tab_active = 1;
    EXPECT_DOUBLE_EQ(record->Left(), 500);
    record->SetLeft(650);
    EXPECT_FLOAT_EQ(text->number("Left"), 650 - 75000.0f);
    p.owner->tab_active = 2;
    text->props["Left"] = Variant(650.0f);
    EXPECT_DOUBLE_EQ(record->Left(), 650);
    // Top, Width and Height are never offset.
    EXPECT_EQ(record->Get("Top"), Variant(40.0f));
    record->Let("Height", Variant(333.0f));
    EXPECT_EQ(text->props["Height"], Variant(333.0f));
}

TEST(ControlRecord, TabStopOfAnInactiveTabWaitsForItsTab) {
    Pages p;
    auto text = Windowed("Text1", 0, 0, true);
    auto record = p.page(2).Add("Text1", -1, p.owner);
    record->SetControl(text);
    record->SetTabStop(false);
    EXPECT_FALSE(record->TabStop());
    EXPECT_EQ(text->props["TabStop"], Variant(true));
    p.owner->tab_active = 2;
    record->Let("TabStop", Variant(false));
    EXPECT_EQ(text->props["TabStop"], Variant(false));
}

TEST(ControlRecord, NameAndIndexAreReadLiveWithStoredFallbacks) {
    Pages p;
    auto record = p.page(1).Add("Old", 4, p.owner);
    EXPECT_EQ(record->Name(), "Old");
    EXPECT_EQ(record->Index(), 4);
    auto control = Windowed("Renamed", 0);
    record->SetControl(control);
    EXPECT_EQ(record->Name(), "Renamed");
    EXPECT_EQ(record->Index(), 4); // no Index property: the stored one
    control->props["Index"] = Variant(int16_t(7));
    EXPECT_EQ(record->Get("Index"), Variant(int32_t(7)));
    EXPECT_EQ(record->Key(), "Old(4)");
}

TEST(ControlRecord, WithoutAControlPositionsRaise) {
    Pages p;
    auto record = p.page(1).Add("Nothing", -1, p.owner);
    try {
        record->Left();
        FAIL();
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, 91);
    }
}

TEST(ControlRecord, AtDesignTimeTheControlIsKeptInTheHolderWithItsTabStop) {
    Pages p;
    p.owner->user_mode = false;
    auto record = p.page(1).Add("Check1", -1, p.owner);
    auto check = Windowed("Check1", 10, 0, false, "CheckBox");
    record->SetControl(check);
    EXPECT_EQ(record->Control(), check);
    EXPECT_FALSE(record->TabStop());
    // At run time the record holds the control itself and keeps its own setting.
    p.owner->user_mode = true;
    auto run_record = p.page(1).Add("Check2", -1, p.owner);
    run_record->SetControl(Windowed("Check2", 10, 0, false, "CheckBox"));
    EXPECT_TRUE(run_record->TabStop());
}

TEST(DesignHolder, StoresAndReturnsAControlByItsProgId) {
    auto holder = CreateObject("Quillet.CQuillet");
    EXPECT_TRUE(holder->Call("get_control").is_nothing());
    auto control = Windowed("X", 0);
    holder->Call("put_control", {Variant(control)});
    EXPECT_EQ(rt::CObj(holder->Call("get_control")), control);
    EXPECT_THROW(CreateObject("Other.Thing"), rt::AutomationError);
}

TEST(ControlRecords, NewEnumWalksTheRecordsInOrderAsTheyWere) {
    Pages p;
    auto a = p.page(1).Add("A", -1, p.owner);
    auto b = p.page(1).Add("B", -1, p.owner);
    EXPECT_EQ(p.page(1).DispId("NewEnum"), rt::kDispIdNewEnum);
    auto walk = rt::CObj(p.page(1).Call("NewEnum"));
    EXPECT_EQ(walk->TypeName(), "IEnumVARIANT");
    // Removing a record does not change a walk already begun.
    p.page(1).Remove(Variant(1));
    auto again = std::dynamic_pointer_cast<rt::Enumerator>(rt::CObj(walk->Call("Clone")));
    EXPECT_EQ(walk->Call("Next"), Variant(a));
    EXPECT_EQ(walk->Call("Next"), Variant(b));
    EXPECT_TRUE(walk->Call("Next").is_empty());
    walk->Call("Reset");
    EXPECT_EQ(walk->Call("Skip", {Variant(1)}), Variant(true));
    EXPECT_EQ(walk->Call("Next"), Variant(b));
    EXPECT_EQ(walk->Call("Skip", {Variant(1)}), Variant(false));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Next(), Variant(a));
    // A walk of the page as it is now.
    auto now = p.page(1).NewEnum();
    EXPECT_EQ(now->Next(), Variant(b));
    EXPECT_FALSE(now->Next().has_value());
}
