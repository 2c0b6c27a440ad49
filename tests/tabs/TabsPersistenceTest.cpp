#include "support/FakeOwner.h"
#include "support/TestSite.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/PropertyBag.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

using namespace vntab;
using fakes::FakeOwner;
using fakes::Windowed;
using rt::Variant;

namespace {

struct Tabs {
    std::shared_ptr<FakeOwner> owner = std::make_shared<FakeOwner>();
    std::shared_ptr<VNTabs> tabs = VNTabs::Create();
    Tabs() { tabs->SetParentControl(owner); }
};

const Variant* stored(const host::PropertyBag& bag, std::string_view key) {
    const auto* e = bag.Find(key);
    return e ? &e->value : nullptr;
}

} // namespace

TEST(TabsSave, CaptionsAreWrittenAndReadBackAndAnEmptyOneWritesNoKey) {
    Tabs t;
    for (int i = 0; i < 3; ++i)
        t.tabs->Add();
    t.tabs->Add(std::nullopt, std::nullopt, Variant(""));
    host::PropertyBag bag;
    t.tabs->SaveTabs(bag);
    EXPECT_EQ(*stored(bag, "NumTabs"), Variant(int16_t(4)));
    EXPECT_EQ(*stored(bag, "TabCaption1"), Variant("Tab &1"));
    EXPECT_EQ(*stored(bag, "TabCaption3"), Variant("Tab &3"));
    EXPECT_FALSE(bag.Contains("TabCaption4"));

    Tabs loaded;
    std::string keys;
    loaded.tabs->LoadTabs(bag, keys);
    ASSERT_EQ(loaded.tabs->Count(), 4);
    EXPECT_EQ(loaded.tabs->at(2)->Caption(), "Tab &2");
    EXPECT_EQ(loaded.tabs->at(4)->Caption(), "");
    EXPECT_EQ(keys, "123&");
}

TEST(TabsSave, ColoursEqualToTheirDefaultsAreLeftOut) {
    Tabs t;
    auto plain = t.tabs->Add();
    auto odd = t.tabs->Add();
    odd->SetForeColor(static_cast<int32_t>(0x8000000F));
    odd->SetBackColor(0x00FF00);
    host::PropertyBag bag;
    t.tabs->SaveTabs(bag);
    EXPECT_FALSE(bag.Contains("TabForeColor1"));
    EXPECT_FALSE(bag.Contains("TabBackColor1"));
    EXPECT_FALSE(bag.Contains("TabColor3DShadow1"));
    EXPECT_EQ(*stored(bag, "TabForeColor2"), Variant(static_cast<int32_t>(0x8000000F)));
    EXPECT_EQ(*stored(bag, "TabBackColor2"), Variant(int32_t(0x00FF00)));

    Tabs loaded;
    std::string keys;
    loaded.tabs->LoadTabs(bag, keys);
    EXPECT_EQ(loaded.tabs->at(1)->ForeColor(), static_cast<int32_t>(0x80000012));
    EXPECT_EQ(loaded.tabs->at(2)->ForeColor(), static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(loaded.tabs->at(2)->BackColor(), 0x00FF00);
}

TEST(TabsSave, KeysPicturesAndControlCountsRoundTrip) {
    Tabs t;
    auto first = t.tabs->Add(std::nullopt, Variant("one"), Variant("&First"));
    t.tabs->Add();
    auto icon = fakes::IconPicture();
    first->SetPicture(icon);
    host::PropertyBag bag;
    t.tabs->SaveTabs(bag);
    EXPECT_EQ(*stored(bag, "TabKey1"), Variant("one"));
    EXPECT_FALSE(bag.Contains("TabKey2"));
    EXPECT_EQ(*stored(bag, "TabPicture1"), Variant(icon));
    EXPECT_FALSE(bag.Contains("TabPicture2"));
    // The count of control records is written even when it is 0.
    EXPECT_EQ(*stored(bag, "Tab1CtlCount"), Variant(int16_t(0)));
    EXPECT_EQ(*stored(bag, "Tab2CtlCount"), Variant(int16_t(0)));

    Tabs loaded;
    std::string keys;
    loaded.tabs->LoadTabs(bag, keys);
    EXPECT_EQ(rt::CStr(loaded.tabs->at(1)->Key()), "one");
    EXPECT_EQ(loaded.tabs->at(1)->Picture(), icon);
    EXPECT_EQ(loaded.tabs->at(2)->Picture(), nullptr);
    EXPECT_EQ(keys, "F2");
}

TEST(TabsSave, ControlRecordsUseNumberedKeys) {
    Tabs t;
    t.tabs->Add();
    auto second = t.tabs->Add();
    second->Controls()->Add("Text1", 2, t.owner)->StoreTabStop(false);
    second->Controls()->Add("Command1", -1, t.owner);
    host::PropertyBag bag;
    t.tabs->SaveTabs(bag);
    EXPECT_EQ(*stored(bag, "Tab2CtlCount"), Variant(int16_t(2)));
    EXPECT_EQ(*stored(bag, "Tab2Control1Name"), Variant("Text1"));
    EXPECT_EQ(*stored(bag, "Tab2Control1Index"), Variant(int16_t(2)));
    EXPECT_EQ(*stored(bag, "Tab2Control1TabStop"), Variant(false));
    EXPECT_EQ(*stored(bag, "Tab2Control2Name"), Variant("Command1"));
    EXPECT_FALSE(bag.Contains("Tab2Control2Index"));
    EXPECT_FALSE(bag.Contains("Tab2Control2TabStop"));

    Tabs loaded;
    std::string keys;
    loaded.tabs->LoadTabs(bag, keys);
    const auto& records = loaded.tabs->at(2)->Controls()->records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->Key(), "Text1(2)");
    EXPECT_FALSE(records[0]->TabStop());
    EXPECT_EQ(records[1]->Key(), "Command1");
    EXPECT_TRUE(records[1]->TabStop());
}

TEST(TabsLoad, ADuplicateKeyStopsTheLoadKeepingEarlierTabs) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int16_t(3)));
    bag.Store("TabCaption1", Variant("&A"));
    bag.Store("TabKey1", Variant("same"));
    bag.Store("TabCaption2", Variant("&B"));
    bag.Store("TabKey2", Variant(" SAME "));
    bag.Store("TabCaption3", Variant("&C"));
    Tabs t;
    std::string keys;
    try {
        t.tabs->LoadTabs(bag, keys);
        FAIL();
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, 50001);
        EXPECT_EQ(e.description, "Key already exists.");
    }
    // The second tab was added before its key was read; the third was never reached.
    EXPECT_EQ(t.tabs->Count(), 2);
    EXPECT_EQ(keys, "AB");
}

// Thousands of tabs, as a big form holds them: each keeps its own caption, key and colours, and a
// key that repeats an earlier one (in another case, with blanks) stops the load at that tab.
TEST(TabsLoad, ThousandsOfTabsLoadInOrderAndARepeatedKeyFarOnStopsThere) {
    constexpr int32_t kTabs = 5000;
    constexpr int32_t kRepeat = 4321;
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(kTabs));
    for (int32_t i = 1; i <= kTabs; ++i) {
        bag.Store("TabCaption" + std::to_string(i), Variant("P&" + std::to_string(i % 10)));
        bag.Store("TabKey" + std::to_string(i), Variant("page" + std::to_string(i)));
        if (i % 7 == 0) bag.Store("TabBackColor" + std::to_string(i), Variant(i));
    }
    {
        Tabs t;
        std::string keys;
        t.tabs->LoadTabs(bag, keys);
        ASSERT_EQ(t.tabs->Count(), kTabs);
        ASSERT_EQ(keys.size(), static_cast<size_t>(kTabs));
        for (int32_t i = 1; i <= kTabs; ++i) {
            const auto& tab = t.tabs->at(i);
            ASSERT_EQ(tab->Index(), i);
            ASSERT_EQ(rt::CStr(tab->Key()), "page" + std::to_string(i));
            ASSERT_EQ(keys[static_cast<size_t>(i - 1)], static_cast<char>('0' + i % 10));
            ASSERT_EQ(tab->BackColor(), i % 7 == 0 ? i : static_cast<int32_t>(0x8000000F));
        }
        EXPECT_TRUE(t.tabs->KeyExists(Variant(" PAGE4999")));
        EXPECT_FALSE(t.tabs->KeyExists(Variant("page5001")));
    }
    bag.Store("TabKey" + std::to_string(kRepeat), Variant(" PAGE17 "));
    Tabs t;
    std::string keys;
    EXPECT_EQ(error_number([&] { t.tabs->LoadTabs(bag, keys); }), 50001);
    EXPECT_EQ(t.tabs->Count(), kRepeat);
    EXPECT_EQ(keys.size(), static_cast<size_t>(kRepeat));
    EXPECT_EQ(rt::CStr(t.tabs->at(kRepeat - 1)->Key()), "page" + std::to_string(kRepeat - 1));
}

TEST(TabsLoad, MissingKeysGiveTheirDefaults) {
    host::PropertyBag bag;
    bag.Store("NumTabs", Variant(int32_t(1)));
    Tabs t;
    std::string keys = "x";
    t.tabs->LoadTabs(bag, keys);
    auto tab = t.tabs->at(1);
    EXPECT_EQ(tab->Caption(), "");
    EXPECT_EQ(tab->BackColor(), static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(tab->Color3DDKShadow(), static_cast<int32_t>(0x80000015));
    EXPECT_EQ(tab->Controls()->Count(), 0);
    EXPECT_EQ(keys, "x&");
}

TEST(TabsBind, FindsControlsByNameAndArrayIndex) {
    Tabs t;
    t.tabs->Add();
    auto tab = t.tabs->Add();
    auto text_record = tab->Controls()->Add("Text1", 2, t.owner);
    auto button_record = t.tabs->at(1)->Controls()->Add("Command1", -1, t.owner);
    auto text0 = Windowed("Text1", 0);
    text0->props["Index"] = Variant(int16_t(0));
    auto text2 = Windowed("Text1", 0);
    text2->props["Index"] = Variant(int16_t(2));
    auto button = Windowed("Command1", 0, 0, true, "CommandButton");
    button->props["Index"] = Variant(int16_t(-1));
    std::vector<std::shared_ptr<rt::Dispatch>> contained{text0, button, text2};

    EXPECT_TRUE(t.tabs->BindControls(contained));
    EXPECT_EQ(text_record->Control(), text2);
    EXPECT_EQ(button_record->Control(), button);
    // While the program runs, the control takes the tab stops over.
    EXPECT_EQ(text2->props["TabStop"], Variant(false));
    EXPECT_EQ(text0->props["TabStop"], Variant(true));
}

TEST(TabsBind, NamesCompareExactlyAndBindingStopsAtTheFirstRecordWithoutAControl) {
    Tabs t;
    auto page = t.tabs->Add()->Controls();
    auto first = page->Add("A", -1, t.owner);
    auto second = page->Add("c", -1, t.owner);
    auto third = page->Add("C", -1, t.owner);
    EXPECT_TRUE(t.tabs->BindControls({})) << "no contained controls is success";
    std::vector<std::shared_ptr<rt::Dispatch>> contained{Windowed("A", 0), Windowed("C", 0)};
    EXPECT_FALSE(t.tabs->BindControls(contained));
    EXPECT_NE(first->Control(), nullptr);
    EXPECT_EQ(second->Control(), nullptr);
    EXPECT_EQ(third->Control(), nullptr);
}

TEST(TabsBind, AtDesignTimeTabStopsAreLeftAlone) {
    Tabs t;
    t.owner->user_mode = false;
    auto record = t.tabs->Add()->Controls()->Add("A", -1, t.owner);
    auto a = Windowed("A", 0, 0, false);
    std::vector<std::shared_ptr<rt::Dispatch>> contained{a};
    EXPECT_TRUE(t.tabs->BindControls(contained));
    EXPECT_EQ(a->props["TabStop"], Variant(false));
    EXPECT_TRUE(a->lets.empty());
    // The design-time record takes the control's own setting.
    EXPECT_FALSE(record->TabStop());
    EXPECT_EQ(record->Control(), a);
}
