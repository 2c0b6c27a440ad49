#include "Shrink.h"
#include "Model.h"
#include "Rules.h"
#include "Run.h"

#include "control/Registration.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace soak {
namespace {

Step resize(int w) {
    Step s;
    s.kind = Step::Kind::Resize;
    s.x = w;
    s.y = 100;
    return s;
}

bool has_in_order(const Steps& steps, int first, int second) {
    auto a = std::find_if(steps.begin(), steps.end(), [&](const Step& s) { return s.x == first; });
    return a != steps.end() && std::any_of(a, steps.end(), [&](const Step& s) { return s.x == second; });
}

TEST(Shrink, KeepsOnlyTheStepsTheFailureNeedsInTheirOrder) {
    Steps steps;
    for (int i = 0; i < 200; ++i)
        steps.push_back(resize(1000 + i));
    steps[37] = resize(1);
    steps[150] = resize(2);
    const auto fails = [](const Steps& s) { return has_in_order(s, 1, 2); };
    const ShrinkResult r = Shrink(steps, fails, std::chrono::seconds(60));
    ASSERT_EQ(r.steps.size(), 2u);
    EXPECT_EQ(r.steps[0].x, 1);
    EXPECT_EQ(r.steps[1].x, 2);
    EXPECT_TRUE(r.finished);
    // Delta debugging needs far fewer runs than trying every sublist.
    EXPECT_LT(r.tries, 100u);
}

TEST(Shrink, StopsWhenTheTimeIsUpWithAListThatStillFails) {
    Steps steps(50, resize(5));
    const ShrinkResult r = Shrink(
        steps, [](const Steps& s) { return !s.empty(); }, std::chrono::seconds(0));
    EXPECT_FALSE(r.finished);
    EXPECT_FALSE(r.steps.empty());
}

// A rule planted in a real run (no more than three tabs) breaks after some random steps; shrinking
// from a fresh form each time leaves a list that fails the same way and cannot lose a single step.
TEST(Shrink, APlantedRuleInARealRunShrinksToAOneMinimalList) {
    vntab::RegisterVNTabCtl();
    support::TempFolder folder("soak-shrink");
    RunOptions options{folder / "", [](const Snapshot& s) {
                           return s.tabs.size() > 3 ? std::string("planted: more than three tabs")
                                                    : std::string();
                       }};
    Steps ran;
    const auto failure = RunRandom(7, 2000, options, ran);
    ASSERT_TRUE(failure.has_value());
    ASSERT_EQ(failure->rule(), "planted") << failure->message;
    const auto fails = [&](const Steps& s) {
        const auto f = RunSteps(s, options);
        return f && f->rule() == "planted";
    };
    const ShrinkResult r = Shrink(ran, fails, std::chrono::seconds(120));
    ASSERT_TRUE(r.finished);
    ASSERT_TRUE(fails(r.steps));
    EXPECT_LE(r.steps.size(), 3u); // a new form has one tab: three adds, or one count set
    for (size_t i = 0; i < r.steps.size(); ++i) {
        Steps fewer = r.steps;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_FALSE(fails(fewer)) << "step " << i + 1 << " could go: " << r.steps[i].Describe();
    }
}

Snapshot three_tabs() {
    Snapshot s;
    s.active = "2";
    for (int i = 1; i <= 3; ++i)
        s.tabs.push_back({std::to_string(i), "Tab &" + std::to_string(i), "", "", {}});
    return s;
}

TEST(Rules, AnIndexOutOfStepWithItsPositionIsReported) {
    Snapshot s = three_tabs();
    EXPECT_EQ(CheckIndexes(s), "");
    s.tabs[2].index = "2";
    EXPECT_EQ(CheckIndexes(s), "index: the tab at position 3 has Index 2");
}

TEST(Rules, KeysCollideAfterTrimmingAndIgnoringCaseButEmptyKeysNever) {
    Snapshot s = three_tabs();
    s.tabs[0].key = " ";
    s.tabs[1].key = "";
    EXPECT_EQ(CheckKeys(s), "");
    s.tabs[0].key = "Key ";
    s.tabs[2].key = " kEY";
    EXPECT_EQ(CheckKeys(s), "keys: tabs 1 and 3 share the key \" kEY\"");
}

TEST(Rules, OnlyTheActiveTabsControlsStandInView) {
    Model model;
    model.Reset();
    Snapshot s = three_tabs();
    s.tabs[0].records.push_back({"Text1", "-1", "True"});
    s.tabs[1].records.push_back({"Check1", "2", "True"});
    s.placed = {{"Text1", 300 - 75000, 600}, {"Check1(2)", 300, 600}};
    EXPECT_EQ(CheckView(s, model), "");
    s.placed[0].left = 300;
    EXPECT_NE(CheckView(s, model).find("view: Text1 of tab 1 is in view"), std::string::npos);
    s.placed[0].left = 300 - 75000;
    s.placed[1].left = 300 - 75000;
    EXPECT_NE(CheckView(s, model).find("view: Check1(2) of tab 2 is out of view"), std::string::npos);
    s.placed[1].left = 300;
    s.tabs[2].records.push_back({"Text1", "-1", "True"});
    EXPECT_EQ(CheckView(s, model), "view: Text1 is recorded on tabs 1 and 3");
}

TEST(Model, AccessKeysFollowTheFirstSingleAmpersand) {
    EXPECT_EQ(Model::AccessKeyOf("Tab &1"), '1');
    EXPECT_EQ(Model::AccessKeyOf("A&&B"), '&');
    EXPECT_EQ(Model::AccessKeyOf("A&&&B"), 'B');
    EXPECT_EQ(Model::AccessKeyOf("x&"), '&');
    EXPECT_EQ(Model::AccessKeyOf(""), '&');
}

} // namespace
} // namespace soak
