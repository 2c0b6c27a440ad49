#include "hook/VNMessages.h"
#include "hook/VNWindows.h"

#include "platform/host/PropertyBag.h"

#include <gtest/gtest.h>

// A hook's lists written to a property bag and read back.
using namespace hook;
using rt::Variant;

namespace {

std::vector<std::string> names_in(const host::PropertyBag& bag) {
    std::vector<std::string> names;
    for (const auto& e : bag.entries())
        names.push_back(e.name);
    return names;
}

} // namespace

TEST(HookBag, AWindowAndItsMessagesGoUnderNumberedNames) {
    auto windows = VNWindows::Create();
    auto w = windows->Add(std::nullopt, Variant("main"), Variant("Main window"), Variant(1234));
    w->SetTag(Variant("tag"));
    w->Messages()->Add(std::nullopt, Variant("pn"), Variant(528), Variant("WM_PARENTNOTIFY"));
    auto down = w->Messages()->Add(std::nullopt, std::nullopt, Variant(513), Variant("WM_LBUTTONDOWN"));
    down->SetTag(Variant(7));

    host::PropertyBag bag;
    windows->WriteProperties(bag);
    EXPECT_EQ(names_in(bag),
              (std::vector<std::string>{"NumWindows", "WindowTag1", "WindowKey1", "WindowText1",
                                        "WindowSubClassHwnd1", "NumMessages", "Window1MessageKey1",
                                        "Window1MessageText1", "Window1MessageValue1", "Window1MessageTag2",
                                        "Window1MessageText2", "Window1MessageValue2"}))
        << "values equal to their defaults are left out";
    EXPECT_EQ(bag.Find("Window1MessageValue2")->value, Variant(513));

    auto read = VNWindows::Create();
    read->ReadProperties(bag);
    ASSERT_EQ(read->Count(), 1);
    auto r = read->Item(Variant("main"));
    EXPECT_EQ(r->Name(), "Main window");
    EXPECT_EQ(r->SubClassHwnd(), 1234);
    EXPECT_EQ(r->Tag(), Variant("tag"));
    ASSERT_EQ(r->Messages()->Count(), 2);
    EXPECT_EQ(r->Messages()->Item(Variant("pn"))->Value(), 528);
    EXPECT_EQ(r->Messages()->Item(Variant(2))->Text(), "WM_LBUTTONDOWN");
    EXPECT_EQ(r->Messages()->Item(Variant(2))->Tag(), Variant(7));
}

TEST(HookBag, TheMessageCountIsOneNameForEveryWindow) {
    auto windows = VNWindows::Create();
    auto first = windows->Add();
    first->Messages()->Add(std::nullopt, std::nullopt, Variant(1));
    first->Messages()->Add(std::nullopt, std::nullopt, Variant(2));
    windows->Add()->Messages()->Add(std::nullopt, std::nullopt, Variant(3));
    host::PropertyBag bag;
    windows->WriteProperties(bag);
    EXPECT_EQ(bag.Find("NumMessages")->value, Variant(1)) << "the last window's count";
    EXPECT_EQ(bag.Find("Window2MessageValue1")->value, Variant(3));
}

TEST(HookBag, AnEmptyBagReadsAsNoWindows) {
    host::PropertyBag bag;
    auto windows = VNWindows::Create();
    windows->ReadProperties(bag);
    EXPECT_EQ(windows->Count(), 0);
    windows->WriteProperties(bag);
    EXPECT_TRUE(bag.entries().empty());
}
