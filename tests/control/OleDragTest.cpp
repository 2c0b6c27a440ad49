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

TEST(OleDrag, DragEventsReachTheProgramAndWhatItsHandlersLeaveGoesBack) {
    NewControl c;
    c.ctl->SetTabCount(2);
    c.site.events.clear();
    auto replacement = std::make_shared<DataObject>();
    c.site.handlers["OLEDragOver"] = [&](std::span<host::EventArg> args) {
        args[0].value = Variant(replacement);
        args[1].value = Variant(int32_t{0}); // no drop here
    };
    c.site.handlers["OLEGiveFeedback"] = [](std::span<host::EventArg> args) {
        args[1].value = Variant(false);
    };
    host::ActiveXControl::DataObject data = std::make_shared<DataObject>();
    int32_t effect = 3;
    int16_t button = 1, shift = 2, state = 2, format = 1;
    float x = 70, y = 12; // over the second header: a drag selects nothing
    bool default_cursors = true;
    c.ctl->OLEStartDrag(data, effect);
    c.ctl->OLEDragOver(data, effect, button, shift, x, y, state);
    c.ctl->OLEGiveFeedback(effect, default_cursors);
    c.ctl->OLEDragDrop(data, effect, button, shift, x, y);
    c.ctl->OLESetData(data, format);
    c.ctl->OLECompleteDrag(effect);
    EXPECT_EQ(c.site.EventNames(), (Names{"OLEStartDrag", "OLEDragOver", "OLEGiveFeedback", "OLEDragDrop",
                                          "OLESetData", "OLECompleteDrag"}));
    Names over;
    for (const auto& [name, value] : c.site.events[1].args)
        over.push_back(name);
    EXPECT_EQ(over, (Names{"Data", "Effect", "Button", "Shift", "x", "y", "State"}));
    EXPECT_EQ(c.site.Arg(0, "AllowedEffects"), Variant(int32_t{3}));
    EXPECT_EQ(c.site.Arg(1, "State"), Variant(int16_t{2}));
    EXPECT_EQ(c.site.Arg(4, "DataFormat"), Variant(int16_t{1}));
    // The container's variables hold what the handlers left.
    EXPECT_EQ(data, replacement);
    EXPECT_EQ(effect, 0);
    EXPECT_FALSE(default_cursors);
    EXPECT_EQ(c.site.Arg(3, "Data"), Variant(replacement));
    EXPECT_EQ(c.ctl->TabActive(), 1);
}
