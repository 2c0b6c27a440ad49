#include "support/ControlFixture.h"

using namespace vntab;
using fakes::NewControl;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

// A data object as the container hands it over.
class DataObject final : public rt::Dispatch {
public:
    std::string TypeName() const override { return "DataObject"; }
};

} // namespace

TEST(OleDrag, EveryDragEventReachesTheProgramWithTheContainersArguments) {
    NewControl c;
    c.ctl->SetTabCount(2);
    c.site.events.clear();
    host::ActiveXControl::DataObject data = std::make_shared<DataObject>();
    int32_t effect = 3;
    int16_t button = 1, shift = 2, state = 0, format = 1;
    float x = 70, y = 12; // over the second header: dragging does not select it
    bool default_cursors = true;
    c.ctl->OLEStartDrag(data, effect);
    c.ctl->OLEDragOver(data, effect, button, shift, x, y, state);
    c.ctl->OLEGiveFeedback(effect, default_cursors);
    c.ctl->OLEDragDrop(data, effect, button, shift, x, y);
    c.ctl->OLESetData(data, format);
    c.ctl->OLECompleteDrag(effect);
    EXPECT_EQ(c.site.EventNames(), (Names{"OLEStartDrag", "OLEDragOver", "OLEGiveFeedback", "OLEDragDrop",
                                          "OLESetData", "OLECompleteDrag"}));
    const auto& over = c.site.events[1].args;
    ASSERT_EQ(over.size(), 7u);
    const char* names[] = {"Data", "Effect", "Button", "Shift", "x", "y", "State"};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(over[i].first, names[i]);
    EXPECT_EQ(over[0].second, Variant(data));
    EXPECT_EQ(over[6].second, Variant(int16_t{0}));
    EXPECT_EQ(c.site.Arg(0, "AllowedEffects"), Variant(int32_t{3}));
    EXPECT_EQ(c.site.Arg(2, "DefaultCursors"), Variant(true));
    EXPECT_EQ(c.site.Arg(4, "DataFormat"), Variant(int16_t{1}));
    EXPECT_EQ(c.site.Arg(5, "Effect"), Variant(int32_t{3}));
    EXPECT_EQ(c.ctl->TabActive(), 1);
}

TEST(OleDrag, WhatTheHandlerLeavesGoesBackToTheContainer) {
    NewControl c;
    auto replacement = std::make_shared<DataObject>();
    c.site.handlers["OLEDragOver"] = [&](std::span<host::EventArg> args) {
        args[0].value = Variant(replacement);
        args[1].value = Variant(int32_t{0}); // no drop here
        args[6].value = Variant(int16_t{1});
    };
    c.site.handlers["OLEGiveFeedback"] = [](std::span<host::EventArg> args) {
        args[1].value = Variant(false);
    };
    host::ActiveXControl::DataObject data = std::make_shared<DataObject>();
    int32_t effect = 1;
    int16_t button = 1, shift = 0, state = 2;
    float x = 5, y = 5;
    bool default_cursors = true;
    c.ctl->OLEDragOver(data, effect, button, shift, x, y, state);
    c.ctl->OLEGiveFeedback(effect, default_cursors);
    EXPECT_EQ(data, replacement);
    EXPECT_EQ(effect, 0);
    EXPECT_EQ(state, 1);
    EXPECT_FALSE(default_cursors);
}
