#include "hook/MCallBack.h"
#include "hook/VNMessages.h"
#include "hook/VNMsgHook.h"
#include "hook/VNWindows.h"
#include "support/ErrorNumber.h"

#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// The hook's lists: windows and their messages, by position and by key, with their events and
// errors, as a program reaches them directly and late-bound.
using namespace hook;
using rt::Variant;
using Log = std::vector<std::string>;

namespace {

constexpr int32_t kKeyOrMessageExists = static_cast<int32_t>(0x8004041B);
constexpr int32_t kIndexOutOfBounds = static_cast<int32_t>(0x8004041D);

std::vector<int32_t> values_of(const VNMessages& messages) {
    std::vector<int32_t> values;
    for (const auto& m : messages.items())
        values.push_back(m->Value());
    return values;
}

std::vector<int32_t> indexes_of(const VNMessages& messages) {
    std::vector<int32_t> indexes;
    for (const auto& m : messages.items())
        indexes.push_back(m->Index());
    return indexes;
}

// The events of a window list and of its windows' message lists, as "Event:detail" entries.
struct Recorder {
    Log log;
    void Listen(VNWindows& windows) {
        windows.Added = [this](const auto& w) { log.push_back("Added:" + w->Name()); };
        windows.Removed = [this](const auto& w) { log.push_back("Removed:" + (w ? w->Name() : "-")); };
        windows.Changed = [this](const auto& w, const std::string& p) {
            log.push_back("Changed:" + w->Name() + "." + p);
        };
        windows.MessageAdded = [this](const auto& m) { log.push_back("MessageAdded:" + m->Text()); };
        windows.MessageRemoved = [this](const auto& m) {
            log.push_back("MessageRemoved:" + (m ? m->Text() : "-"));
        };
        windows.MessageChanged = [this](const auto& m, const std::string& p) {
            log.push_back("MessageChanged:" + m->Text() + "." + p);
        };
    }
};

} // namespace

TEST(HookLists, MessagesGoLastOrBeforeAPositionOrKeyAndKeepTheirIndexInStep) {
    auto messages = VNMessages::Create();
    messages->Add(std::nullopt, Variant("paint"), Variant(15));
    messages->Add(std::nullopt, std::nullopt, Variant(20));
    EXPECT_EQ(messages->Item(Variant(2))->Index(), 2);
    messages->Add(Variant(1), std::nullopt, Variant(1));
    messages->Add(Variant("PAINT"), std::nullopt, Variant(2)); // keys ignore case
    EXPECT_EQ(values_of(*messages), (std::vector<int32_t>{1, 2, 15, 20}));
    EXPECT_EQ(indexes_of(*messages), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(messages->Item(Variant("Paint"))->Value(), 15);

    messages->Remove(Variant(2));
    messages->Remove(Variant("paint"));
    EXPECT_EQ(values_of(*messages), (std::vector<int32_t>{1, 20}));
    EXPECT_EQ(indexes_of(*messages), (std::vector<int32_t>{1, 2}));
}

TEST(HookLists, ANewMessageHasTheDefaultPolicy) {
    auto messages = VNMessages::Create();
    auto m = messages->Add();
    EXPECT_EQ(m->Value(), 0);
    EXPECT_EQ(m->Text(), "");
    EXPECT_TRUE(m->Key().is_empty());
    EXPECT_TRUE(m->ProcessDefaultProc());
    EXPECT_EQ(m->ProcessType(), 0);
    auto n = messages->Add(std::nullopt, Variant("k"), Variant(513), Variant("WM_LBUTTONDOWN"),
                           Variant(false), Variant(1));
    EXPECT_EQ(n->Text(), "WM_LBUTTONDOWN");
    EXPECT_FALSE(n->ProcessDefaultProc());
    EXPECT_EQ(n->ProcessType(), 1);
}

TEST(HookLists, PositionsOutsideOneToCountAreOutOfBounds) {
    auto messages = VNMessages::Create();
    messages->Add(std::nullopt, std::nullopt, Variant(1));
    messages->Add(std::nullopt, std::nullopt, Variant(2));
    for (int32_t bad : {0, 3, -1}) {
        const auto e = ErrorOf([&] { messages->Item(Variant(bad)); });
        EXPECT_EQ(e.number, kIndexOutOfBounds) << bad;
        EXPECT_EQ(e.description, "Index out of bounds.");
    }
    EXPECT_EQ(ErrorOf([&] { messages->Item(Variant("nokey")); }).number, kIndexOutOfBounds);
    EXPECT_EQ(ErrorOf([&] { messages->Remove(Variant(3)); }).number, kIndexOutOfBounds);
    EXPECT_EQ(ErrorOf([&] { messages->Add(Variant(3), std::nullopt, Variant(9)); }).number,
              kIndexOutOfBounds);
    EXPECT_EQ(messages->Count(), 2);

    auto windows = VNWindows::Create();
    EXPECT_EQ(ErrorOf([&] { windows->Item(Variant(1)); }).number, kIndexOutOfBounds);
}

TEST(HookLists, AMessageNumberIsUniqueInItsListEvenAgainstItself) {
    auto messages = VNMessages::Create();
    auto paint = messages->Add(std::nullopt, std::nullopt, Variant(15), Variant("WM_PAINT"));
    const auto added = ErrorOf([&] { messages->Add(std::nullopt, Variant("again"), Variant(15)); });
    EXPECT_EQ(added.number, kKeyOrMessageExists);
    EXPECT_EQ(added.description, "Message already exists.");
    EXPECT_EQ(messages->Count(), 1) << "a refused message is not added";
    EXPECT_EQ(ErrorOf([&] { messages->Item(Variant("again")); }).number, kIndexOutOfBounds);

    const auto same = ErrorOf([&] { paint->SetValue(15); });
    EXPECT_EQ(same.number, kKeyOrMessageExists);
    EXPECT_EQ(same.description, "Message already exists.");

    auto size = messages->Add(std::nullopt, std::nullopt, Variant(5));
    EXPECT_EQ(ErrorOf([&] { size->SetValue(15); }).description, "Message already exists.");
    EXPECT_EQ(size->Value(), 5) << "the old number stays";
    size->SetValue(6);
    EXPECT_EQ(size->Value(), 6);
    // Another window's list is another list.
    EXPECT_NO_THROW(VNMessages::Create()->Add(std::nullopt, std::nullopt, Variant(15)));
}

TEST(HookLists, KeysAreUniqueAmongTheOtherItemsWithoutRegardToCase) {
    auto windows = VNWindows::Create();
    auto main = windows->Add(std::nullopt, Variant("main"), Variant("Main"));
    auto other = windows->Add(std::nullopt, Variant("other"));
    const auto e = ErrorOf([&] { other->SetKey(Variant("MAIN")); });
    EXPECT_EQ(e.number, kKeyOrMessageExists);
    EXPECT_EQ(e.description, "Key already exists.");
    EXPECT_EQ(other->Key(), Variant("other"));
    EXPECT_EQ(ErrorOf([&] { windows->Add(std::nullopt, Variant("Main")); }).number, kKeyOrMessageExists);
    EXPECT_EQ(windows->Count(), 2);
    EXPECT_NO_THROW(main->SetKey(Variant("main"))) << "an item's own key is not another's";
    // Items without a key never clash.
    windows->Add();
    windows->Add();
    EXPECT_EQ(windows->Count(), 4);
}

TEST(HookLists, ChangesAdditionsAndRemovalsAreReportedAndMessageEventsReachTheWindowList) {
    auto windows = VNWindows::Create();
    Recorder r;
    r.Listen(*windows);
    auto w = windows->Add(std::nullopt, Variant("k"), Variant("Main"), Variant(7));
    auto m = w->Messages()->Add(std::nullopt, std::nullopt, Variant(15), Variant("WM_PAINT"));
    EXPECT_EQ(r.log, (Log{"Added:Main", "MessageAdded:WM_PAINT"})) << "no Changed while an item is added";

    r.log.clear();
    w->SetName("Main");
    w->SetSubClassHwnd(8);
    w->SetKey(Variant("k"));
    w->SetKey(Variant("k2"));
    w->SetTag(Variant(1));
    m->SetText("WM_PAINT");
    m->SetValue(16);
    m->SetKey(Variant("p"));
    m->SetProcessDefaultProc(false);
    m->SetProcessType(1);
    m->SetTag(Variant("t"));
    EXPECT_EQ(r.log, (Log{"Changed:Main.Name", "Changed:Main.SubClassHwnd", "Changed:Main.Key",
                          "MessageChanged:WM_PAINT.Text", "MessageChanged:WM_PAINT.Value",
                          "MessageChanged:WM_PAINT.Key"}));

    r.log.clear();
    w->Messages()->Remove(Variant(1));
    w->Messages()->Clear();
    windows->Remove(Variant("k2"));
    windows->Clear();
    EXPECT_EQ(r.log, (Log{"MessageRemoved:WM_PAINT", "MessageRemoved:-", "Removed:Main", "Removed:-"}));
    // A removed item belongs to no list any more: its changes reach nobody.
    r.log.clear();
    w->SetName("Gone");
    m->SetValue(16);
    EXPECT_TRUE(r.log.empty());
}

TEST(HookLists, TheMessageListsOwnEventsComeBeforeTheWindowListHearsThem) {
    auto windows = VNWindows::Create();
    auto w = windows->Add();
    Log log;
    w->Messages()->Added = [&](const auto&) { log.push_back("Added"); };
    w->Messages()->Changed = [&](const auto&, const std::string& p) { log.push_back("Changed." + p); };
    windows->MessageAdded = [&](const auto&) { log.push_back("MessageAdded"); };
    w->Messages()->Add(std::nullopt, std::nullopt, Variant(1))->SetText("x");
    EXPECT_EQ(log, (Log{"Added", "MessageAdded", "Changed.Text"}));
}

TEST(HookLists, EveryObjectIsReachedLateBound) {
    auto hook_object = VNMsgHook::Create();
    auto windows = rt::CObj(hook_object->Get("Windows"));
    EXPECT_EQ(windows->TypeName(), "VNWindows");
    auto w = rt::CObj(windows->Call("Add", {Variant(), Variant("main"), Variant("Main"), Variant(42)}));
    EXPECT_EQ(w->Get("SubClassHwnd"), Variant(42));
    EXPECT_EQ(w->Get("Index"), Variant(1));
    auto messages = rt::CObj(w->Get("Messages"));
    messages->Call("Add", {Variant(), Variant(), Variant(513), Variant("WM_LBUTTONDOWN")});
    messages->Call("Add", {Variant(1), Variant("first"), Variant(528)});
    EXPECT_EQ(messages->Get("Count"), Variant(2));
    auto first = rt::CObj(messages->Call("Item", {Variant("first")}));
    EXPECT_EQ(first->Get("Value"), Variant(528));
    first->Let("ProcessType", Variant(int16_t{1}));
    first->Let("ProcessDefaultProc", Variant(false));
    EXPECT_EQ(first->Get("ProcessType"), Variant(1));
    EXPECT_EQ(first->Get("ProcessDefaultProc"), Variant(false));
    EXPECT_EQ(ErrorOf([&] { first->Let("Value", Variant(513)); }).description, "Message already exists.");
    EXPECT_EQ(ErrorOf([&] { first->Let("Index", Variant(3)); }).number, rt::kErrObjectDoesNotSupport);

    // For Each walks the list as it was when the walk began.
    auto walk = std::dynamic_pointer_cast<rt::Enumerator>(rt::CObj(messages->Call("NewEnum")));
    ASSERT_TRUE(walk);
    messages->Call("Clear");
    std::vector<int32_t> seen;
    while (auto item = walk->Next())
        seen.push_back(rt::CLng(rt::CObj(*item)->Get("Value")));
    EXPECT_EQ(seen, (std::vector<int32_t>{528, 513}));
    EXPECT_EQ(messages->Get("Count"), Variant(0));

    // Tag holds any value, an object as well.
    auto data = std::make_shared<rt::Enumerator>(std::vector<Variant>{});
    w->Set("Tag", data);
    EXPECT_EQ(rt::CObj(w->Get("Tag")), data);

    hook_object->Let("Subclass", Variant(false));
    EXPECT_EQ(hook_object->Get("Subclass"), Variant(false));
}

TEST(HookLists, WordAndBytePartsTruncateTowardZero) {
    EXPECT_EQ(VNMsgHook::HiWord(-65535), 0);
    EXPECT_EQ(VNMsgHook::HiWord(0x7FFF0000), 0x7FFF);
    EXPECT_EQ(VNMsgHook::HiWord(-65536), 0xFFFF);
    EXPECT_EQ(VNMsgHook::LoWord(-1), 0xFFFF);
    EXPECT_EQ(VNMsgHook::LoWord(0x12345678), 0x5678);
    EXPECT_EQ(VNMsgHook::HiByte(0x1234), 0x12);
    EXPECT_EQ(VNMsgHook::HiByte(-255), 0);
    EXPECT_EQ(VNMsgHook::HiByte(-256), 0xFF);
    EXPECT_EQ(VNMsgHook::LoByte(0x1FF), 0xFF);
    EXPECT_EQ(VNMsgHook::LoByte(0x201), 1);
    auto h = VNMsgHook::Create();
    EXPECT_EQ(h->Call("HiWord", {Variant(-65535)}), Variant(0));
    EXPECT_EQ(h->Call("HiWord", {Variant(0x7FFF0000)}), Variant(0x7FFF));
    EXPECT_EQ(h->Call("LoByte", {Variant(int16_t{0x201})}), Variant(1));
}

TEST(HookLists, AHookListIsRegisteredFromCreationToDestruction) {
    auto first = VNMsgHook::Create();
    auto second = VNMsgHook::Create();
    auto registered = [] {
        std::vector<const VNWindows*> lists;
        for (const auto& l : HookLists())
            lists.push_back(l.get());
        return lists;
    };
    auto lists = registered();
    auto at = [&](const VNMsgHook& h) { return std::find(lists.begin(), lists.end(), h.Windows().get()); };
    ASSERT_NE(at(*first), lists.end());
    ASSERT_NE(at(*second), lists.end());
    EXPECT_LT(at(*first), at(*second)) << "in creation order";
    EXPECT_FALSE(first->Subclass());

    auto list = second->Windows();
    list->Add(std::nullopt, std::nullopt, Variant("w"));
    second.reset();
    lists = registered();
    EXPECT_EQ(std::find(lists.begin(), lists.end(), list.get()), lists.end());
    EXPECT_EQ(list->Count(), 0) << "a destroyed hook's list is emptied";
    EXPECT_TRUE(HookListsExist()) << "the registry stays once made";
}
