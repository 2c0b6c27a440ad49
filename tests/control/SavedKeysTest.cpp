#include "support/ControlFixture.h"

#include "platform/host/PropertyBag.h"

#include <algorithm>

// The control's keys in the property bag, one by one: their order, their types and defaults, and
// which of them reach the control through their property's set.
using namespace vntab;
using fakes::ErrorOf;
using fakes::LoadedControl;
using fakes::TestSite;
using rt::Variant;
using Names = std::vector<std::string>;

namespace {

// The keys as they are read; written, the caption font goes before its alignment.
const Names kReadOrder = {
    "BackColor",      "Enabled",       "FocusRectStyle",      "OrientationConstants", "Tab3DAppearance",
    "TabActiveBevel", "TabActiveBold", "TabActiveInflate",    "TabCaptionAlign",      "TabCaptionFont",
    "TabStyleHeight", "TabStyleWidth", "TabHeight",           "TabJustification",     "TabPictureAlign",
    "TabRowOffset",   "TabRows",       "TabRowSeparation",    "TabSeparation",        "TabsPerRow",
    "TabStyle",       "TabWidth",      "DrawTabRowSeparation"};

Names keys_of(const host::PropertyBag& bag) {
    Names names;
    for (const auto& e : bag.entries())
        names.push_back(e.name);
    return names;
}

host::PropertyBag bag_of(const std::vector<std::pair<std::string, Variant>>& values) {
    host::PropertyBag bag;
    for (const auto& [key, value] : values)
        bag.Store(key, value);
    return bag;
}

} // namespace

TEST(SavedKeys, ThePropertiesTableSavesExactlyTheseKeys) {
    Names saved;
    for (const ControlProperty& property : VNTabCtl::Properties())
        if (property.saved) saved.emplace_back(property.Key());
    Names expected = kReadOrder;
    std::sort(saved.begin(), saved.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(saved, expected);
}

// Every key holding a value that cannot be converted: each read stops at the first key it reads,
// and the error names that key. Taking the named key away each time shows the reading order.
TEST(SavedKeys, KeysAreReadInTheirOrder) {
    Names read;
    for (size_t round = 0; round <= kReadOrder.size(); ++round) {
        host::PropertyBag bag;
        for (const std::string& key : kReadOrder)
            if (std::find(read.begin(), read.end(), key) == read.end())
                bag.Store(key, Variant("not a value"));
        TestSite site;
        auto ctl = VNTabCtl::Create(site);
        try {
            ctl->ReadProperties(bag);
            ctl->Terminate();
            break;
        } catch (const rt::AutomationError& e) {
            EXPECT_EQ(e.number, 13) << e.source;
            read.push_back(e.source);
        }
        ctl->Terminate();
    }
    EXPECT_EQ(read, kReadOrder);
}

// One key saved with a value other than its default, read and written again: it comes back with
// its value and its type, and every other key is at its default and left out, except the row
// distance drawn, which is computed again after reading.
struct OneKey {
    const char* key;
    Variant value;
    int16_t row_distance; // DrawTabRowSeparation written after the load
};

void PrintTo(const OneKey& k, std::ostream* os) {
    *os << k.key;
}

class SavedKeyAlone : public testing::TestWithParam<OneKey> {};

TEST_P(SavedKeyAlone, RoundTripsAloneWithItsTypeWhileEveryDefaultIsLeftOut) {
    const OneKey& k = GetParam();
    host::PropertyBag in = bag_of({{k.key, k.value}});
    LoadedControl loaded(in);
    host::PropertyBag out;
    loaded.ctl->WriteProperties(out);
    const Variant expected = std::string(k.key) == "DrawTabRowSeparation" ? Variant(k.row_distance) : k.value;
    Names keys = {k.key};
    if (std::string(k.key) != "DrawTabRowSeparation") keys.push_back("DrawTabRowSeparation");
    std::sort(keys.begin(), keys.end());
    Names written = keys_of(out);
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, keys);
    ASSERT_TRUE(out.Contains(k.key));
    if (k.value.is_object()) {
        auto font = std::dynamic_pointer_cast<rt::StdFont>(rt::CObj(out.Find(k.key)->value));
        ASSERT_NE(font, nullptr);
        EXPECT_TRUE(font->SameAs(*std::dynamic_pointer_cast<rt::StdFont>(rt::CObj(k.value))));
    } else {
        EXPECT_EQ(out.Find(k.key)->value, expected);
    }
    EXPECT_EQ(out.Find("DrawTabRowSeparation")->value, Variant(k.row_distance));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKey, SavedKeyAlone,
    testing::Values(
        OneKey{"BackColor", Variant(int32_t(0x123456)), 18}, OneKey{"Enabled", Variant(false), 18},
        OneKey{"FocusRectStyle", Variant(int32_t(1)), 18},
        OneKey{"OrientationConstants", Variant(int32_t(3)), 18},
        OneKey{"Tab3DAppearance", Variant(int32_t(2)), 18}, OneKey{"TabActiveBevel", Variant(int16_t(3)), 18},
        OneKey{"TabActiveBold", Variant(true), 18}, OneKey{"TabActiveInflate", Variant(int16_t(4)), 18},
        OneKey{"TabCaptionAlign", Variant(int32_t(1)), 18},
        OneKey{"TabCaptionFont", Variant(std::make_shared<rt::StdFont>("Arial", 12)), 18},
        OneKey{"TabStyleHeight", Variant(int16_t(5)), 18}, OneKey{"TabStyleWidth", Variant(int16_t(6)), 18},
        OneKey{"TabHeight", Variant(int16_t(30)), 28}, OneKey{"TabJustification", Variant(int32_t(3)), 18},
        OneKey{"TabPictureAlign", Variant(int32_t(11)), 18}, OneKey{"TabRowOffset", Variant(int16_t(7)), 18},
        OneKey{"TabRows", Variant(int16_t(2)), 18}, OneKey{"TabRowSeparation", Variant(int16_t(8)), 8},
        OneKey{"TabSeparation", Variant(int16_t(9)), 18}, OneKey{"TabsPerRow", Variant(int16_t(2)), 18},
        OneKey{"TabStyle", Variant(int32_t(4)), 18}, OneKey{"TabWidth", Variant(int16_t(60)), 18},
        OneKey{"DrawTabRowSeparation", Variant(int16_t(99)), 18}),
    [](const testing::TestParamInfo<OneKey>& k) { return std::string(k.param.key); });

// A 32-bit length that no longer fits the 16-bit key cannot be saved.
TEST(SavedKeys, ALengthBeyondSixteenBitsIsAnOverflowWhenWritten) {
    fakes::NewControl c;
    c.state().TabWidth = 40000;
    host::PropertyBag bag;
    EXPECT_EQ(ErrorOf([&] { c.ctl->WriteProperties(bag); }).number, 6);
}

// The caption font has three defaults: a new control copies the form's font, a load without the
// key copies the ambient font, and the key is left out while the font has the form font's settings.
TEST(SavedKeys, TheCaptionFontDefaultsComeFromTheContainersFonts) {
    auto form_font = std::make_shared<rt::StdFont>("Courier New", 9);
    auto ambient_font = std::make_shared<rt::StdFont>("Arial", 10);

    TestSite site;
    site.parent_font = form_font;
    site.ambient_font = ambient_font;
    auto placed = VNTabCtl::Create(site);
    placed->InitProperties();
    auto loaded = VNTabCtl::Create(site);
    host::PropertyBag empty;
    loaded->ReadProperties(empty);

    const auto& placed_font = placed->State().TabCaptionFont;
    ASSERT_NE(placed_font, nullptr);
    EXPECT_TRUE(placed_font->SameAs(*form_font));
    EXPECT_NE(placed_font, form_font) << "a copy of the program's own";
    const auto& loaded_font = loaded->State().TabCaptionFont;
    ASSERT_NE(loaded_font, nullptr);
    EXPECT_TRUE(loaded_font->SameAs(*ambient_font));
    EXPECT_NE(loaded_font, ambient_font);

    host::PropertyBag placed_bag, loaded_bag;
    placed->WriteProperties(placed_bag);
    loaded->WriteProperties(loaded_bag);
    EXPECT_FALSE(placed_bag.Contains("TabCaptionFont"));
    EXPECT_TRUE(loaded_bag.Contains("TabCaptionFont"));
    placed->Terminate();
    loaded->Terminate();
}

// A new control takes every default as loading does, except that the 3D look and the row
// separation go through their sets, which report them and compute what is drawn.
TEST(SavedKeys, ANewControlStartsAsALoadWithoutKeysDoes) {
    TestSite site;
    auto placed = VNTabCtl::Create(site);
    placed->InitProperties();
    EXPECT_EQ(site.property_changes, (Names{"Tab3DAppearance", "DrawTab3DAppearance", "TabRowSeparation"}));
    host::PropertyBag empty;
    LoadedControl loaded(empty);

    host::PropertyBag placed_bag, loaded_bag;
    placed->WriteProperties(placed_bag);
    loaded.ctl->WriteProperties(loaded_bag);
    auto control_keys = [](const host::PropertyBag& bag) {
        std::vector<std::pair<std::string, Variant>> values;
        for (const auto& e : bag.entries())
            if (std::find(kReadOrder.begin(), kReadOrder.end(), e.name) != kReadOrder.end())
                values.emplace_back(e.name, e.value);
        return values;
    };
    EXPECT_EQ(control_keys(placed_bag), control_keys(loaded_bag));
    EXPECT_EQ(control_keys(placed_bag),
              (std::vector<std::pair<std::string, Variant>>{{"DrawTabRowSeparation", Variant(int16_t(18))}}));
    EXPECT_EQ(placed->State().TabActive, 1);
    EXPECT_EQ(loaded.ctl->State().TabActive, 1);
    placed->Terminate();
}
