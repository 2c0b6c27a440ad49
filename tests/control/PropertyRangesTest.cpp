#include "support/ControlFixture.h"

#include "control/ControlProperty.h"

using namespace vntab;
using fakes::ErrorOf;
using fakes::NewControl;
using rt::Variant;

namespace {

// One property set by name in pixels, with three tabs and TabHeight 20, TabWidth 50: a value
// inside the range, the value at its edge, and the first value beyond it.
struct Walk {
    const char* property;
    Variant valid;
    Variant boundary;
    Variant invalid;
};

const Walk kWalks[] = {
    {"BackColor", Variant(int32_t(0x00ABCDEF)), Variant(static_cast<int32_t>(0x80FFFFFF)),
     Variant(int32_t(0x00FFFFFF) + 1)},
    {"FocusRectStyle", Variant(0), Variant(1), Variant(2)},
    {"Orientation", Variant(2), Variant(3), Variant(4)},
    {"TabPictureAlign", Variant(9), Variant(14), Variant(15)},
    {"TabRows", Variant(2), Variant(3), Variant(4)},
    {"Tab3DAppearance", Variant(1), Variant(2), Variant(-1)},
    {"TabActive", Variant(2), Variant(3), Variant(4)},
    {"TabActiveBevel", Variant(4), Variant(1), Variant(0)},
    {"TabActiveInflate", Variant(3.0f), Variant(0.0f), Variant(-0.25f)},
    {"TabCaptionAlign", Variant(4), Variant(8), Variant(9)},
    {"TabStyleHeight", Variant(5), Variant(20), Variant(21)},
    {"TabStyleWidth", Variant(5), Variant(25), Variant(26)},
    {"TabHeight", Variant(30), Variant(1), Variant(0)},
    {"TabJustification", Variant(1), Variant(3), Variant(4)},
    {"TabRowSeparation", Variant(6), Variant(0), Variant(-1)},
    {"TabSeparation", Variant(6), Variant(0), Variant(-1)},
    {"TabsPerRow", Variant(2), Variant(0), Variant(-1)},
    {"TabStyle", Variant(2), Variant(4), Variant(5)},
    {"TabWidth", Variant(80), Variant(1), Variant(0)},
    {"TabBackColor", Variant(int32_t(0x00112233)), Variant(static_cast<int32_t>(0x80000018)),
     Variant(int32_t(0x10000000))},
    {"TabForeColor", Variant(int32_t(0x00112233)), Variant(int32_t(0x00FFFFFF)),
     Variant(int32_t(0x7F000000))},
    {"TabColor3DDKShadow", Variant(int32_t(1)), Variant(int32_t(0)), Variant(int32_t(0x01000000))},
    {"TabColor3DHighlight", Variant(int32_t(1)), Variant(int32_t(0)), Variant(int32_t(0x04000000))},
    {"TabColor3DShadow", Variant(int32_t(1)), Variant(int32_t(0)), Variant(int32_t(0x20000000))},
};

void PrintTo(const Walk& walk, std::ostream* os) {
    *os << walk.property;
}

struct Prepared : NewControl {
    Prepared() {
        ctl->SetTabCount(3);
        site.property_changes.clear();
    }
};

} // namespace

class PropertyWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(PropertyWalk, ValidAndBoundaryValuesAreStoredAndReadBack) {
    const Walk& w = GetParam();
    for (const Variant& value : {w.valid, w.boundary}) {
        Prepared c;
        c.ctl->Let(w.property, value);
        EXPECT_TRUE(rt::VariantEquals(c.ctl->Get(w.property), value)) << w.property << " " << rt::CStr(value);
    }
}

TEST_P(PropertyWalk, TheFirstValueBeyondTheRangeRaises380AndChangesNothing) {
    const Walk& w = GetParam();
    Prepared c;
    Variant before = c.ctl->Get(w.property);
    int32_t repaints = c.repaints();
    auto e = ErrorOf([&] { c.ctl->Let(w.property, w.invalid); });
    EXPECT_EQ(e.number, 380) << w.property;
    EXPECT_EQ(e.description, "Invalid property value");
    EXPECT_TRUE(rt::VariantEquals(c.ctl->Get(w.property), before)) << w.property;
    EXPECT_TRUE(c.site.property_changes.empty()) << w.property;
    EXPECT_EQ(c.repaints(), repaints) << w.property;
}

INSTANTIATE_TEST_SUITE_P(EveryCheckedProperty, PropertyWalk, ::testing::ValuesIn(kWalks),
                         [](const ::testing::TestParamInfo<Walk>& walk) {
                             return std::string(walk.param.property);
                         });

// A form keeps a stored value its set would refuse, and says so: the check each saved key has for
// this names exactly the values the set refuses, in stored pixels.
TEST_P(PropertyWalk, AStoredValueIsReportedWhenItsSetWouldRefuseIt) {
    const Walk& w = GetParam();
    const ControlProperty* property = nullptr;
    for (const ControlProperty& p : VNTabCtl::Properties())
        if (p.member.name == std::string_view(w.property)) property = &p;
    ASSERT_TRUE(property) << w.property;
    if (!property->saved || !property->saved->refused) {
        // Tab3DAppearance is read through its set; the others are no saved keys of the control.
        EXPECT_TRUE(!property->saved || property->saved->on_read == Apply::Let) << w.property;
        return;
    }
    const auto refused = property->saved->refused;
    Prepared c;
    c.ctl->SetTabHeight(20);
    EXPECT_FALSE(refused(*c.ctl, rt::CLng(w.valid))) << w.property;
    EXPECT_FALSE(refused(*c.ctl, rt::CLng(w.boundary))) << w.property;
    const std::string name = w.property;
    if (name == "TabActiveBevel" || name == "TabHeight" || name == "TabWidth" || name == "TabActiveInflate") {
        // These sets check the value in the container's units: 1 twip is refused by none and stores
        // 0 pixels, so only a negative stored value is one no set could have made.
        EXPECT_FALSE(refused(*c.ctl, 0)) << w.property;
        EXPECT_TRUE(refused(*c.ctl, -1)) << w.property;
        NewControl twips(host::vbTwips);
        twips.ctl->Let(w.property, Variant(1));
        EXPECT_EQ(rt::CLng(twips.ctl->Get(w.property)), 0) << w.property;
    } else {
        EXPECT_TRUE(refused(*c.ctl, rt::CLng(w.invalid))) << w.property;
    }
}
