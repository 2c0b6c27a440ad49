#include "tabs/VNTabs.h"
#include "support/FakeOwner.h"
#include "support/TestSite.h"
#include "tabs/VNTab.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace vntab;
using rt::AutomationError;
using rt::Variant;

namespace {

struct Tabs {
    std::shared_ptr<fakes::FakeOwner> owner = std::make_shared<fakes::FakeOwner>();
    std::shared_ptr<VNTabs> tabs = VNTabs::Create();
    Tabs() { tabs->SetParentControl(owner); }

    void add(int n) {
        for (int i = 0; i < n; ++i)
            tabs->Add();
    }
    std::vector<std::string> captions() const {
        std::vector<std::string> c;
        for (const auto& t : tabs->tabs())
            c.push_back(t->Caption());
        return c;
    }
};

AutomationError error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return AutomationError(0, "", "");
}

} // namespace

TEST(TabsAdd, FirstTabGetsDefaultCaptionIndexAndAccessKey) {
    Tabs t;
    auto tab = t.tabs->Add();
    EXPECT_EQ(tab->Caption(), "Tab &1");
    EXPECT_EQ(tab->Index(), 1);
    EXPECT_EQ(tab->AccessKey(), '1');
    EXPECT_EQ(t.owner->keys, "1");
    EXPECT_EQ(tab->Parent(), t.tabs);
}

TEST(TabsAdd, AppendsWithCaptionAndKey) {
    Tabs t;
    t.add(1);
    auto tab = t.tabs->Add(std::nullopt, Variant("k"), Variant("&Second"));
    EXPECT_EQ(tab->Index(), 2);
    EXPECT_EQ(tab->Caption(), "&Second");
    EXPECT_EQ(rt::CStr(tab->Key()), "k");
    EXPECT_EQ(t.owner->keys, "1S");
    // A caption of another type is converted to text.
    EXPECT_EQ(t.tabs->Add(std::nullopt, std::nullopt, Variant(int16_t(42)))->Caption(), "42");
}

TEST(TabsAdd, InsertsAtAPositionOrBeforeAKeyedTabAndRenumbers) {
    using Captions = std::vector<std::string>;
    struct Case {
        const char* name;
        int tabs;
        Variant at;
        std::optional<Variant> caption;
        bool keys_lost; // the access-key string shorter than the tabs
        Captions captions;
        std::string keys;
    };
    // The default caption counts the tabs there were, not the position.
    const Case cases[] = {
        {"at one",
         3,
         Variant(int16_t(1)),
         std::nullopt,
         false,
         {"Tab &4", "Tab &1", "Tab &2", "Tab &3"},
         "4123"},
        {"at count + 1", 2, Variant(3), Variant("Last"), false, {"Tab &1", "Tab &2", "Last"}, "12&"},
        {"before a key", 2, Variant("second"), Variant("&Mid"), false, {"Tab &1", "&Mid", "Tab &2"}, "1M2"},
        {"short key string", 2, Variant(2), Variant("&X"), true, {"Tab &1", "&X", "Tab &2"}, "X"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Tabs t;
        t.add(k.tabs);
        t.tabs->at(2)->SetKey(Variant("second"));
        if (k.keys_lost) t.owner->keys = "";
        t.tabs->Add(k.at, std::nullopt, k.caption);
        EXPECT_EQ(t.captions(), k.captions);
        for (int i = 1; i <= t.tabs->Count(); ++i)
            EXPECT_EQ(t.tabs->at(i)->Index(), i);
        EXPECT_EQ(t.owner->keys, k.keys);
    }
}

TEST(TabsAdd, RaisesTabAddedOnceAndNoTabChanged) {
    Tabs t;
    auto tab = t.tabs->Add(std::nullopt, Variant("key"), Variant("Cap"));
    ASSERT_EQ(t.owner->names(), (std::vector<std::string>{"TabAdded"}));
    EXPECT_EQ(t.owner->events[0].tab, tab);
}

TEST(TabsAdd, PositionOutOfRangeFailsWithHelpContextAndChangesNothing) {
    Tabs t;
    t.add(2);
    t.owner->events.clear();
    for (int bad : {0, 4, -1}) {
        auto e = error_of([&] { t.tabs->Add(Variant(bad)); });
        EXPECT_EQ(e.number, rt::kErrSubscriptOutOfRange);
        EXPECT_EQ(e.help_context, 638);
        EXPECT_EQ(e.source, "VNTabs");
    }
    EXPECT_EQ(t.tabs->Count(), 2);
    EXPECT_EQ(t.owner->keys, "12");
    EXPECT_TRUE(t.owner->events.empty());
}

TEST(TabsAdd, TakenKeyFailsWith50001AndLeavesEverythingAsItWas) {
    Tabs t;
    t.tabs->Add(std::nullopt, Variant("Alpha"));
    t.owner->events.clear();
    for (const char* taken : {"ALPHA", "  alpha ", "Alpha"}) {
        auto e = error_of([&] { t.tabs->Add(std::nullopt, Variant(taken), Variant("&Z")); });
        EXPECT_EQ(e.number, rt::kErrKeyAlreadyExists);
        EXPECT_EQ(e.description, "Key already exists.");
        EXPECT_EQ(e.help_context, 638);
    }
    EXPECT_EQ(t.tabs->Count(), 1);
    EXPECT_EQ(t.owner->keys, "1");
    EXPECT_TRUE(t.owner->events.empty());
    // The failed Add leaves nothing behind: a later Add succeeds as usual.
    auto tab = t.tabs->Add(std::nullopt, Variant("Beta"));
    EXPECT_EQ(tab->Caption(), "Tab &2");
    EXPECT_EQ(t.owner->names(), (std::vector<std::string>{"TabAdded"}));
}

TEST(TabsItem, FindsByPositionAndByExactKeyAndNothingElse) {
    Tabs t;
    t.add(3);
    t.tabs->at(2)->SetKey(Variant("ABC"));
    EXPECT_EQ(t.tabs->Item(Variant(int16_t(3))), t.tabs->at(3));
    EXPECT_EQ(t.tabs->Item(Variant("ABC")), t.tabs->at(2));
    auto e = error_of([&] { t.tabs->Item(Variant("abc")); });
    EXPECT_EQ(e.number, rt::kErrIndexOutOfBounds);
    EXPECT_EQ(e.number, static_cast<int32_t>(0x8004041D));
    EXPECT_EQ(e.description, "Index out of bounds.");
    EXPECT_THROW(t.tabs->Item(Variant(" ABC")), AutomationError);
    for (int bad : {0, 4, -5})
        EXPECT_EQ(error_of([&] { t.tabs->Item(Variant(bad)); }).number, rt::kErrIndexOutOfBounds) << bad;
}

TEST(TabsItem, ANumericKeyIsTakenAsAPosition) {
    Tabs t;
    t.add(5);
    t.tabs->at(1)->SetKey(Variant("5"));
    EXPECT_EQ(t.tabs->Item(Variant("5")), t.tabs->at(5));
    EXPECT_EQ(t.tabs->Item(Variant(" 2 ")), t.tabs->at(2));
    t.tabs->Remove(Variant("5"));
    EXPECT_EQ(t.tabs->Count(), 4);
    EXPECT_EQ(rt::CStr(t.tabs->at(1)->Key()), "5");
}

TEST(TabsKeys, KeyExistsTrimsAndIgnoresCaseButIndexOfKeyIsExact) {
    Tabs t;
    t.add(2);
    t.tabs->at(2)->SetKey(Variant(" Mixed "));
    EXPECT_TRUE(t.tabs->KeyExists(Variant("mixed")));
    EXPECT_TRUE(t.tabs->KeyExists(Variant("MIXED  ")));
    EXPECT_FALSE(t.tabs->KeyExists(Variant("mix")));
    EXPECT_EQ(t.tabs->IndexOfKey(Variant(" Mixed ")), 2);
    EXPECT_EQ(t.tabs->IndexOfKey(Variant("Mixed")), 0);
}

TEST(TabsKeys, EmptyAndBlankKeysAreNeverTaken) {
    Tabs t;
    t.tabs->Add(std::nullopt, Variant(""));
    t.tabs->Add(std::nullopt, Variant("   "));
    t.tabs->Add(std::nullopt, Variant(""));
    EXPECT_EQ(t.tabs->Count(), 3);
    EXPECT_FALSE(t.tabs->KeyExists(Variant("  ")));
}

// The collection keeps a count of its keys beside the tabs; whatever happens to the tabs, it must
// answer as a look at every tab's key would.
TEST(TabsKeys, KeyExistsAgreesWithEveryTabsKeyThroughAddsRemovesChangesAndClears) {
    Tabs t;
    const std::vector<Variant> keys = {
        Variant("a"),         Variant(" A"),        Variant("b "),       Variant("B"),
        Variant("\xE9t\xE9"), Variant("\xC9T\xC9"), Variant(int32_t(7)), Variant(" 7 "),
        Variant(""),          Variant("   "),       Variant(),           Variant(1.5)};
    auto scan = [&](const Variant& key) {
        const std::string wanted = rt::Trim(rt::CStr(key));
        if (wanted.empty()) return false;
        for (const auto& tab : t.tabs->tabs())
            if (rt::EqualsText(rt::Trim(rt::CStr(tab->Key())), wanted)) return true;
        return false;
    };
    std::vector<std::shared_ptr<VNTab>> removed;
    uint32_t state = 12345;
    auto next = [&](uint32_t n) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    };
    for (int step = 0; step < 2000; ++step) {
        const Variant& key = keys[next(static_cast<uint32_t>(keys.size()))];
        try {
            switch (next(8)) {
            case 0:
            case 1:
            case 2:
                t.tabs->Add(std::nullopt, key);
                break;
            case 3:
                if (t.tabs->Count() > 0) t.tabs->Add(Variant(int32_t(1 + next(t.tabs->Count()))), key);
                break;
            case 4:
                if (t.tabs->Count() > 0) {
                    const int32_t position = static_cast<int32_t>(1 + next(t.tabs->Count()));
                    removed.push_back(t.tabs->at(position));
                    t.tabs->Remove(Variant(position));
                }
                break;
            case 5:
                if (t.tabs->Count() > 0)
                    t.tabs->at(static_cast<int32_t>(1 + next(t.tabs->Count())))->SetKey(key);
                break;
            case 6:
                // A tab taken out of the collection keeps its link to it, but its key is its own.
                if (!removed.empty()) removed[next(static_cast<uint32_t>(removed.size()))]->SetKey(key);
                break;
            default:
                if (next(20) == 0) t.tabs->Clear();
                break;
            }
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number, 50001);
        }
        for (const Variant& k : keys)
            ASSERT_EQ(t.tabs->KeyExists(k), scan(k)) << "step " << step << " key " << rt::CStr(k);
    }
}

TEST(TabsRemove, RemovesRenumbersAndRaisesTabRemoved) {
    Tabs t;
    t.add(3);
    auto second = t.tabs->at(2);
    t.owner->events.clear();
    t.tabs->Remove(Variant(2));
    EXPECT_EQ(t.captions(), (std::vector<std::string>{"Tab &1", "Tab &3"}));
    EXPECT_EQ(t.tabs->at(2)->Index(), 2);
    ASSERT_EQ(t.owner->names(), (std::vector<std::string>{"TabRemoved"}));
    EXPECT_EQ(t.owner->events[0].tab, second);
    // The removed tab keeps its last position; the access-key string is not shortened.
    EXPECT_EQ(second->Index(), 2);
    EXPECT_EQ(t.owner->keys, "123");
}

TEST(TabsRemove, ByKeyAndOutOfRange) {
    Tabs t;
    t.add(2);
    t.tabs->at(1)->SetKey(Variant("first"));
    t.tabs->Remove(Variant("first"));
    EXPECT_EQ(t.captions(), (std::vector<std::string>{"Tab &2"}));
    t.owner->events.clear();
    EXPECT_EQ(error_of([&] { t.tabs->Remove(Variant(2)); }).number, rt::kErrSubscriptOutOfRange);
    EXPECT_EQ(error_of([&] { t.tabs->Remove(Variant("nobody")); }).number, rt::kErrSubscriptOutOfRange);
    EXPECT_EQ(t.tabs->Count(), 1);
    EXPECT_TRUE(t.owner->events.empty());
}

TEST(TabsClear, RaisesOneTabRemovedWithNoTab) {
    Tabs t;
    t.add(3);
    t.owner->events.clear();
    t.tabs->Clear();
    EXPECT_EQ(t.tabs->Count(), 0);
    ASSERT_EQ(t.owner->names(), (std::vector<std::string>{"TabRemoved"}));
    EXPECT_EQ(t.owner->events[0].tab, nullptr);
    EXPECT_EQ(t.owner->keys, "123");
    // Counting starts again from the tabs there are.
    EXPECT_EQ(t.tabs->Add()->Caption(), "Tab &1");
}

TEST(TabsChange, EverySettablePropertyButTagNotifiesOnceByName) {
    Tabs t;
    t.add(1);
    auto tab = t.tabs->at(1);
    t.owner->events.clear();
    tab->SetCaption("x");
    tab->SetBackColor(1);
    tab->SetColor3DDKShadow(2);
    tab->SetColor3DHighlight(3);
    tab->SetColor3DShadow(4);
    tab->SetForeColor(5);
    tab->SetKey(Variant("k"));
    tab->SetPicture(fakes::BitmapPicture());
    tab->SetPicture(nullptr);
    tab->SetTag(Variant("free"));
    std::vector<std::string> props;
    for (const auto& e : t.owner->events) {
        EXPECT_EQ(e.name, "TabChanged");
        EXPECT_EQ(e.tab, tab);
        props.push_back(e.property);
    }
    EXPECT_EQ(props, (std::vector<std::string>{"Caption", "BackColor", "Color3DDKShadow", "Color3DHighlight",
                                               "Color3DShadow", "ForeColor", "Key", "Picture", "Picture"}));
}

TEST(TabsDispatch, MembersByNameWithOptionalArguments) {
    Tabs t;
    rt::Dispatch& d = *t.tabs;
    d.Call("Add");
    d.Call("add", {Variant(1), Variant("k"), Variant("&Front")});
    d.Call("Add", {Variant(), Variant(), Variant("&Back")});
    EXPECT_EQ(rt::CInt(d.Get("Count")), 3);
    EXPECT_EQ(t.captions(), (std::vector<std::string>{"&Front", "Tab &1", "&Back"}));
    auto item = rt::CObj(d.Call("Item", {Variant("k")}));
    EXPECT_EQ(rt::CStr(item->Get("Caption")), "&Front");
    d.Call("Remove", {Variant(1)});
    d.Call("Clear");
    EXPECT_EQ(t.tabs->Count(), 0);
    EXPECT_EQ(d.DispId("Item"), 0);
    EXPECT_THROW(d.Get("Missing"), AutomationError);
}
