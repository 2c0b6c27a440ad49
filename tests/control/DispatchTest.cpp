#include "support/ControlFixture.h"

#include "platform/host/ScriptedDialogs.h"

#include <cctype>

using namespace vntab;
using fakes::ErrorOf;
using fakes::NewControl;
using rt::Variant;

TEST(ControlDispatch, PropertiesAndMethodsInInterfaceOrderWithTheTypeLibrarysIdentifiers) {
    NewControl c;
    struct Id {
        const char* name;
        int32_t dispid;
    };
    const Id properties[] = {
        {"BackColor", 0x68030021},
        {"Enabled", 0x68030020},
        {"FocusRectStyle", 0x6803001F},
        {"hwnd", 0x6803001E},
        {"Orientation", 0x6803001D},
        {"TabPictureAlign", 0x6803001C},
        {"TabRows", 0x6803001B},
        {"Tab3DAppearance", -504},
        {"TabActive", 0x6803001A},
        {"TabActiveBevel", 0x68030019},
        {"TabActiveBold", 0x68030018},
        {"TabActiveInflate", 0x68030017},
        {"TabBackColor", -501},
        {"TabCaption", -518},
        {"TabCaptionAlign", 0x68030016},
        {"TabCaptionFont", 0x68030015},
        {"TabColor3DDKShadow", 0x68030014},
        {"TabColor3DHighlight", 0x68030013},
        {"TabColor3DShadow", 0x68030012},
        {"TabCount", 0x68030011},
        {"TabForeColor", 0x68030010},
        {"TabPicture", 0x6803000F},
        {"TabStyleHeight", 0x6803000E},
        {"TabStyleWidth", 0x6803000D},
        {"TabHeight", 0x6803000C},
        {"TabJustification", 0x6803000B},
        {"TabRowOffset", 0x6803000A},
        {"TabRowSeparation", 0x68030009},
        {"Tabs", 0x68030008},
        {"TabSeparation", 0x68030007},
        {"TabsPerRow", 0x68030006},
        {"TabStyle", 0x68030005},
        {"TabWidth", 0x68030004},
        {"Tag", 0x68030003},
        {"OLEDropMode", 0x6803FE0C},
    };
    std::vector<std::string_view> names;
    for (Id id : properties) {
        names.push_back(id.name);
        EXPECT_EQ(c.ctl->DispId(id.name), id.dispid) << id.name;
    }
    EXPECT_EQ(VNTabCtl::PropertyNames(), names);
    for (Id id : {Id{"RepaintControl", 0x60030071}, Id{"Refresh", 0x60030075}, Id{"OleDrag", 0x6003FE67},
                  Id{"ShowAboutBox", -552}})
        EXPECT_EQ(c.ctl->DispId(id.name), id.dispid) << id.name;
    EXPECT_EQ(c.ctl->DispId("tabcount"), 0x68030011);
    // The saved row distance is no member of the interface.
    EXPECT_EQ(c.ctl->DispId("DrawTabRowSeparation"), std::nullopt);
    EXPECT_EQ(c.ctl->DispId("NoSuchThing"), std::nullopt);
}

TEST(ControlDispatch, ValuesAreCoercedToThePropertyType) {
    NewControl c;
    c.ctl->Let("TabWidth", Variant("64"));
    EXPECT_EQ(c.ctl->Get("TabWidth"), Variant(int32_t(64)));
    c.ctl->Let("TabActiveBold", Variant(int16_t(-1)));
    EXPECT_EQ(c.ctl->Get("TabActiveBold"), Variant(true));
    c.ctl->Let("TabCaption", Variant(int16_t(7)));
    EXPECT_EQ(c.ctl->Get("TabCaption"), Variant("7"));
    EXPECT_EQ(ErrorOf([&] { c.ctl->Let("TabWidth", Variant("wide")); }).number, 13);
    EXPECT_EQ(ErrorOf([&] { c.ctl->Let("TabRows", Variant(40000)); }).number, 6);
}

TEST(ControlDispatch, ObjectsAreSetByReference) {
    NewControl c;
    auto font = std::make_shared<rt::StdFont>("Courier New", 10);
    c.ctl->Set("TabCaptionFont", font);
    EXPECT_EQ(c.ctl->TabCaptionFont(), font);
    EXPECT_EQ(rt::CObj(c.ctl->Get("TabCaptionFont")), font);
    EXPECT_EQ(ErrorOf([&] { c.ctl->Set("TabCaptionFont", std::make_shared<fakes::FakePicture>(1)); }).number,
              13);
    auto icon = fakes::IconPicture();
    c.ctl->Set("TabPicture", icon);
    EXPECT_EQ(rt::CObj(c.ctl->Get("TabPicture")), icon);
    auto tabs = rt::CObj(c.ctl->Get("Tabs"));
    EXPECT_EQ(tabs->TypeName(), "VNTabs");
}

TEST(ControlDispatch, ReadOnlyAndMissingMembersRaise438) {
    NewControl c;
    EXPECT_EQ(ErrorOf([&] { c.ctl->Let("hwnd", Variant(5)); }).number, 438);
    EXPECT_EQ(ErrorOf([&] { c.ctl->Get("Colour"); }).number, 438);
    EXPECT_EQ(ErrorOf([&] { c.ctl->Call("Explode"); }).number, 438);
}

TEST(ControlDispatch, MethodsRun) {
    NewControl c;
    int32_t repaints = c.repaints();
    c.ctl->Call("RepaintControl");
    c.ctl->Call("Refresh");
    c.ctl->Call("OleDrag");
    EXPECT_EQ(c.repaints(), repaints + 2);
    EXPECT_EQ(c.site.ole_drags, 1);
}

TEST(ControlDispatch, TheTabsCollectionIsReachableByName) {
    NewControl c;
    auto tabs = rt::CObj(c.ctl->Get("Tabs"));
    tabs->Call("Add", {Variant(), Variant("k"), Variant("&Keyed")});
    auto tab = rt::CObj(tabs->Call("Item", {Variant("k")}));
    tab->Let("Caption", Variant("&Renamed"));
    EXPECT_EQ(c.site.access_keys, "1R");
    EXPECT_EQ(c.ctl->TypeName(), "VNTabCtl");
    EXPECT_EQ(c.ctl->Object(), c.ctl);
}

TEST(ControlDispatch, ShowAboutBoxShowsTheProductAndItsVersionModally) {
    NewControl c;
    host::ScriptedDialogs dialogs;
    host::ScopedDialogProvider provider(dialogs);
    c.ctl->Call("ShowAboutBox");
    ASSERT_EQ(dialogs.dialogs().size(), 1u);
    const auto& about = dialogs.dialogs()[0];
    EXPECT_EQ(about.kind, "about");
    EXPECT_EQ(about.title, "About...");
    EXPECT_EQ(about.answer, Variant(int16_t{1}));
    const std::string product = "Varnel Kelmora\n";
    ASSERT_EQ(about.text.substr(0, product.size()), product);
    const std::string version = about.text.substr(product.size());
    EXPECT_EQ(version.rfind("Version 1.0  (", 0), 0u) << version;
    const size_t build = version.find(" - Build ");
    ASSERT_NE(build, std::string::npos) << version;
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(version[build + 9]))) << version;
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(c.site.events.empty());
}
