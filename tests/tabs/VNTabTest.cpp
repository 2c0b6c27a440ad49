#include "tabs/VNTab.h"
#include "support/FakeOwner.h"
#include "support/TestSite.h"
#include "tabs/VNTabs.h"

#include "contained/VNControls.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace vntab;
using fakes::FakePicture;
using rt::Variant;

namespace {

struct OneTab {
    std::shared_ptr<fakes::FakeOwner> owner = std::make_shared<fakes::FakeOwner>();
    std::shared_ptr<VNTabs> tabs = VNTabs::Create();
    std::shared_ptr<VNTab> tab;
    OneTab() {
        tabs->SetParentControl(owner);
        tab = tabs->Add();
        owner->events.clear();
    }
};

} // namespace

TEST(Tab, StartsWithTheSystemColoursAndNoKeyTagOrPicture) {
    OneTab t;
    EXPECT_EQ(t.tab->BackColor(), static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(t.tab->Color3DDKShadow(), static_cast<int32_t>(0x80000015));
    EXPECT_EQ(t.tab->Color3DHighlight(), static_cast<int32_t>(0x80000014));
    EXPECT_EQ(t.tab->Color3DShadow(), static_cast<int32_t>(0x80000010));
    EXPECT_EQ(t.tab->ForeColor(), static_cast<int32_t>(0x80000012));
    EXPECT_TRUE(t.tab->Key().is_empty());
    EXPECT_TRUE(t.tab->Tag().is_empty());
    EXPECT_EQ(t.tab->Picture(), nullptr);
    EXPECT_EQ(t.tab->TabRect(), gdi::RECT{});
    EXPECT_EQ(t.tab->Controls()->Parent(), t.tab);
}

TEST(Tab, CaptionRecomputesTheAccessKey) {
    OneTab t;
    t.tab->SetCaption("&Options");
    EXPECT_EQ(t.tab->AccessKey(), 'O');
    t.tab->SetCaption("No key");
    EXPECT_EQ(t.tab->AccessKey(), kNoAccessKey);
}

TEST(Tab, ColoursAreNotValidatedHere) {
    OneTab t;
    t.tab->SetBackColor(0x7F000000);
    EXPECT_EQ(t.tab->BackColor(), 0x7F000000);
    t.tab->Let("Color3DHighlight", Variant("255"));
    EXPECT_EQ(t.tab->Get("Color3DHighlight"), Variant(int32_t(255)));
}

TEST(Tab, KeyAlreadyUsedByAnyTabIsRefusedAndKept) {
    OneTab t;
    auto other = t.tabs->Add(std::nullopt, Variant("Other"));
    t.tab->SetKey(Variant("Mine"));
    t.owner->events.clear();
    for (const char* taken : {"OTHER", " other", "Mine"}) {
        try {
            t.tab->SetKey(Variant(taken));
            FAIL() << taken;
        } catch (const rt::AutomationError& e) {
            EXPECT_EQ(e.number, 50001);
            EXPECT_EQ(e.description, "Key already exists.");
        }
    }
    EXPECT_EQ(rt::CStr(t.tab->Key()), "Mine");
    EXPECT_TRUE(t.owner->events.empty());
    t.tab->SetKey(Variant(""));
    EXPECT_EQ(rt::CStr(t.tab->Key()), "");
}

TEST(Tab, BitmapsAndIconsAreKeptOtherPicturesIgnored) {
    OneTab t;
    auto bitmap = fakes::BitmapPicture();
    t.tab->SetPicture(bitmap);
    EXPECT_EQ(t.tab->Picture(), bitmap);
    t.owner->events.clear();
    t.tab->SetPicture(std::make_shared<FakePicture>(2)); // metafile
    t.tab->SetPicture(std::make_shared<FakePicture>(0)); // none
    EXPECT_EQ(t.tab->Picture(), bitmap);
    EXPECT_TRUE(t.owner->events.empty());
    auto icon = fakes::IconPicture();
    t.tab->Set("Picture", icon);
    EXPECT_EQ(t.tab->Picture(), icon);
    t.tab->SetPicture(nullptr);
    EXPECT_EQ(t.tab->Picture(), nullptr);
    EXPECT_EQ(t.owner->events.size(), 2u);
}

TEST(Tab, IndexAndControlsAreReadOnlyAndTagIsSilent) {
    OneTab t;
    EXPECT_EQ(t.tab->Get("Index"), Variant(int32_t(1)));
    EXPECT_THROW(t.tab->Let("Index", Variant(3)), rt::AutomationError);
    EXPECT_TRUE(t.tab->Get("Controls").is_object());
    // Tag is kept by name and never notifies.
    t.tab->Let("Tag", Variant("data"));
    EXPECT_EQ(rt::CStr(t.tab->Get("Tag")), "data");
    EXPECT_TRUE(t.owner->events.empty());
}

TEST(Tab, ATabOutlivingItsCollectionStillWorksAlone) {
    OneTab t;
    t.tabs.reset();
    t.tab->SetCaption("&Alone");
    t.tab->SetKey(Variant("any"));
    EXPECT_EQ(t.tab->Parent(), nullptr);
    EXPECT_TRUE(t.owner->events.empty());
}
