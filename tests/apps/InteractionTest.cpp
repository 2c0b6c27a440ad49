#include "RenderFixture.h"

#include "platform/gdi/Png.h"

#include <fstream>
#include <iostream>
#include <sstream>

// `vntab render` driving a form the way a user does: clicks, keys and access keys through the
// windows, the state and the event log in the dump, and the picture of what is on screen.
namespace fs = std::filesystem;
using nlohmann::json;
using support::ReadFile;
using vntab_cli::RenderCommand;

namespace {

const fs::path kPages = fs::path(VNTAB_SOURCE_DIR) / "tests" / "apps" / "forms" / "pages.frm";
const fs::path kShowcase = fs::path(VNTAB_SOURCE_DIR) / "examples" / "showcase.frm";

// pages.frm: three tabs 80 pixels wide along the top; each tab holds a swatch at (40, 60) - (140, 90)
// in its own colour (red, green, blue as the PNG stores them) and one more control.
constexpr uint32_t kSwatch[] = {0xFF0000, 0x00FF00, 0x0000FF};
const std::vector<std::string> kPageOf[] = {
    {"lblName", "txtName"}, {"picSwatch", "chkBold"}, {"lstFonts", "cmdApply"}};

class Interaction : public support::RenderFixture {
protected:
    // The pixel of the last picture, 0xRRGGBB.
    uint32_t Pixel(int32_t x, int32_t y) const {
        auto image = gdi::ReadPng(png(), nullptr);
        return image->pixels[static_cast<size_t>(y * image->width + x)] & 0xFFFFFF;
    }
    // How many pixels of the last picture have exactly this colour.
    int Count(uint32_t rgb) const {
        auto image = gdi::ReadPng(png(), nullptr);
        int n = 0;
        for (uint32_t p : image->pixels)
            if ((p & 0xFFFFFF) == rgb) ++n;
        return n;
    }

    // Exactly the controls of `tab` (1-based) in view, with their tab stops; the others hidden and out
    // of the Tab key's way; the swatch of that tab on screen and nothing of the others'. While the
    // form is designed, tab stops are left alone.
    void ExpectPageShown(int tab, bool running = true) {
        json j = Dump();
        EXPECT_EQ(j["properties"]["TabActive"], tab);
        for (const json& c : j["controls"]) {
            SCOPED_TRACE(c["name"].get<std::string>());
            const bool on_page = c["tab"] == tab;
            EXPECT_EQ(c["visible"], on_page);
            if (running && !c["TabStop"].is_null()) {
                EXPECT_EQ(c["TabStop"], on_page);
            }
        }
        EXPECT_EQ(Pixel(90, 75), kSwatch[tab - 1]);
        for (int other = 1; other <= 3; ++other) {
            if (other != tab) {
                EXPECT_EQ(Count(kSwatch[other - 1]), 0) << "tab " << other << "'s swatch";
            }
        }
    }
};

std::vector<std::string> Names(const json& events) {
    std::vector<std::string> names;
    for (const json& e : events)
        names.push_back(e["name"]);
    return names;
}

} // namespace

TEST_F(Interaction, TheFirstPageIsShownAfterLoading) {
    ASSERT_EQ(Render(kPages, ""), 0) << stderr_text;
    ExpectPageShown(1);
    EXPECT_TRUE(Dump()["events"].empty());
}

TEST_F(Interaction, AClickOnAHeaderShowsItsPage) {
    ASSERT_EQ(Render(kPages, "click 122 12"), 0) << stderr_text;
    ExpectPageShown(2);
    // The control had no focus: the switch waits for the container to give it, after MouseDown.
    EXPECT_EQ(Names(Dump()["events"]), (std::vector<std::string>{"MouseDown", "BeforeTabChanged",
                                                                 "AfterTabChanged", "MouseUp", "Click"}));
    ASSERT_EQ(Render(kPages, "click 202 12"), 0);
    ExpectPageShown(3);
}

TEST_F(Interaction, ArrowKeysAndAccessKeysShowTheirPages) {
    ASSERT_EQ(Render(kPages, "focus; key Right; key Right"), 0) << stderr_text;
    ExpectPageShown(3);
    ASSERT_EQ(Render(kPages, "focus; key Up"), 0);
    ExpectPageShown(3);
    // Typed in lower case, the access key still finds "&Options".
    ASSERT_EQ(Render(kPages, "access o"), 0) << stderr_text;
    ExpectPageShown(2);
    ASSERT_EQ(Render(kPages, "access F; access g"), 0);
    ExpectPageShown(1);
    ASSERT_EQ(Render(kPages, "focus; key O 4"), 0) << stderr_text; // Alt+O, as typed
    ExpectPageShown(2);
}

// The form keeps the Tab key: the control never hears it go down; the release reaches the window the
// focus moved to, which Shift+Tab brings back to the control.
TEST_F(Interaction, TheTabKeyMovesTheFocusAndTheControlHearsOnlyItsRelease) {
    ASSERT_EQ(Render(kPages, "focus; key Tab; key Tab 1"), 0) << stderr_text;
    const json dump = Dump();
    std::vector<json> keys;
    for (const json& e : dump["events"])
        if (e["name"] == "KeyDown" || e["name"] == "KeyUp") keys.push_back(e);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], (json{{"name", "KeyUp"}, {"args", {{"KeyCode", 9}, {"Shift", 1}}}}));
    EXPECT_EQ(keys[1], (json{{"name", "KeyUp"}, {"args", {{"KeyCode", 16}, {"Shift", 0}}}}));
    ExpectPageShown(1);
}

TEST_F(Interaction, ASavedFormLoadsAgainWithItsFirstPageShown) {
    const std::string saved = Path("saved.frm");
    ASSERT_EQ(Render(kPages, "focus; key Right; key Right; save \"" + saved + "\""), 0) << stderr_text;
    // Saving moves every page's controls out of view, so that each is saved in its hidden place; the
    // records say where they belong.
    const json dump = Dump();
    for (const json& c : dump["controls"])
        EXPECT_FALSE(c["visible"]) << c["name"];
    const std::string text = ReadFile(saved);
    EXPECT_NE(text.find("Tab3Control1Name =  \"lstFonts\""), std::string::npos) << text;
    EXPECT_EQ(text.find("Left            =   600"), std::string::npos) << text;
    ASSERT_EQ(Render(saved, ""), 0) << stderr_text;
    ExpectPageShown(1);
    ASSERT_EQ(Render(saved, "click 202 12"), 0);
    ExpectPageShown(3);
}

TEST_F(Interaction, TheShowcaseDrivenByMouseKeysAndAccessKeys) {
    // Tab 4 stands in the back row: the click brings its row to the front; Right goes on to tab 5;
    // Alt+g returns to "&General".
    ASSERT_EQ(Render(kShowcase, "focus; click 80 10; key Right; access g", {"--control", "VNTabCtl1"}), 0)
        << stderr_text;
    json j = Dump();
    EXPECT_EQ(j["properties"]["TabActive"], 1);
    EXPECT_EQ(Names(j["events"]),
              (std::vector<std::string>{"MouseDown", "BeforeTabChanged", "AfterTabChanged", "MouseUp",
                                        "Click", "BeforeTabChanged", "AfterTabChanged", "KeyDown", "KeyUp",
                                        "BeforeTabChanged", "AfterTabChanged"}));
    const json& events = j["events"];
    EXPECT_EQ(events[0]["args"], (json{{"Button", 1}, {"Shift", 0}, {"x", 80.0}, {"y", 10.0}}));
    EXPECT_EQ(events[1]["args"], (json{{"Cancel", false}, {"PreviousTab", 1}}));
    EXPECT_EQ(events[2]["args"], (json{{"NewTab", 4}}));
    EXPECT_EQ(events[6]["args"], (json{{"NewTab", 5}}));
    EXPECT_EQ(events[7]["args"], (json{{"KeyCode", 39}, {"Shift", 0}}));
    EXPECT_EQ(events[9]["args"], (json{{"Cancel", false}, {"PreviousTab", 5}}));
    EXPECT_EQ(events[10]["args"], (json{{"NewTab", 1}}));
    for (const json& c : j["controls"])
        EXPECT_EQ(c["visible"], c["tab"] == 1) << c["name"];
}

TEST_F(Interaction, AStepThatRaisesStopsTheScriptAndIsReported) {
    EXPECT_EQ(Render(kPages, "focus; set TabActive 9; click 122 12"), 1);
    EXPECT_NE(stderr_text.find("step 2: error 380"), std::string::npos) << stderr_text;
    EXPECT_EQ(std::count(stderr_text.begin(), stderr_text.end(), '\n'), 1) << stderr_text;
    json j = Dump();
    ASSERT_EQ(j["errors"].size(), 1u);
    EXPECT_EQ(j["errors"][0]["step"], 2);
    EXPECT_EQ(j["errors"][0]["number"], 380);
    EXPECT_TRUE(j["events"].empty()) << "the click after it did not run";
    ExpectPageShown(1);
}

TEST_F(Interaction, TheAboutBoxIsShownAndListedAmongTheDialogs) {
    ASSERT_EQ(Render(kPages, "call ShowAboutBox"), 0) << stderr_text;
    json j = Dump();
    ASSERT_EQ(j["dialogs"].size(), 1u);
    EXPECT_EQ(j["dialogs"][0]["kind"], "about");
    EXPECT_EQ(j["dialogs"][0]["title"], "About...");
    EXPECT_EQ(j["dialogs"][0]["answer"], 1);
    EXPECT_TRUE(j["messageBoxes"].empty());
}

TEST_F(Interaction, ScriptsComeFromAFileStandardInputOrTheCommandLine) {
    const std::string script = Path("s.txt");
    std::ofstream(script) << "focus\nkey Right\n";
    EXPECT_EQ(RenderCommand({kPages.string(), "-o", png(), "--dump", dump_path(), "--events", script}), 0);
    ExpectPageShown(2);
    std::istringstream in("access f");
    std::streambuf* keyboard = std::cin.rdbuf(in.rdbuf());
    const int status = RenderCommand({kPages.string(), "-o", png(), "--dump", dump_path(), "--events", "-"});
    std::cin.rdbuf(keyboard);
    EXPECT_EQ(status, 0);
    ExpectPageShown(3);
    // One script at a time, and a script that does not parse runs nothing.
    EXPECT_EQ(Render(kPages, "focus", {"--events", script}), 2);
    EXPECT_EQ(Render(kPages, "focus; fly 1 2"), 2);
    EXPECT_NE(stderr_text.find("steps:1: expected a command, not fly"), std::string::npos) << stderr_text;
}

TEST_F(Interaction, FormsThatCannotBeReadAreRefusedWithStatus2) {
    const std::string syntax = Path("syntax.frm"), encoding = Path("encoding.frm"), other = Path("other.frm");
    std::ofstream(syntax) << "VERSION 1.0\nBegin Form F\n";
    // UTF-16 is no form text; Windows-1252 and UTF-8 are (tests/apps/RealFormsTest.cpp).
    std::ofstream(encoding) << std::string("\xFF\xFEV\0E\0R\0", 8);
    std::ofstream(other) << "VERSION 1.0\nBegin Label L\nEnd\n";
    for (const std::string& form : {syntax, encoding, other, Path("missing.frm")}) {
        SCOPED_TRACE(form);
        EXPECT_EQ(Render(form, ""), 2);
        EXPECT_FALSE(fs::exists(png()));
    }
    EXPECT_NE(stderr_text.find("missing.frm"), std::string::npos);
}

// The designer's mouse reaches the control only through the hook on its window: a click on a header
// switches tabs with the tab events but without the mouse events, and controls added or deleted by
// the designer keep the pages in step.
TEST_F(Interaction, TheDesignersClickOnAHeaderShowsItsPage) {
    ASSERT_EQ(Render(kPages, "click 122 12", {"--design"}), 0) << stderr_text;
    ExpectPageShown(2, false);
    json j = Dump();
    EXPECT_EQ(Names(j["events"]), (std::vector<std::string>{"BeforeTabChanged", "AfterTabChanged"}));
    EXPECT_EQ(j["events"][1]["args"], (json{{"NewTab", 2}}));
    ASSERT_EQ(Render(kPages, "dblclick 202 12; click 100 150", {"--design"}), 0) << stderr_text;
    ExpectPageShown(3, false);
}

TEST_F(Interaction, AControlTheDesignerAddsJoinsTheTabShowing) {
    ASSERT_EQ(Render(kPages, "click 122 12; add TextBox txtNew 20 100; add Label lblNew 20 140 60 20",
                     {"--design"}),
              0)
        << stderr_text;
    auto find = [](const json& dump, const std::string& name) {
        for (const json& c : dump["controls"])
            if (c["name"] == name) return c;
        return json();
    };
    json j = Dump();
    // The text box's window tells the control at once; the label has no window and joins the tab
    // showing at the next switch.
    EXPECT_EQ(find(j, "txtNew")["tab"], 2);
    EXPECT_EQ(find(j, "txtNew")["visible"], true);
    EXPECT_EQ(find(j, "txtNew")["Left"], 300.0);
    EXPECT_EQ(find(j, "lblNew")["visible"], true);

    ASSERT_EQ(Render(kPages,
                     "click 122 12; add TextBox txtNew 20 100; add Label lblNew 20 140 60 20; click 42 12",
                     {"--design"}),
              0)
        << stderr_text;
    ExpectPageShown(1, false);
    j = Dump();
    EXPECT_EQ(find(j, "txtNew")["tab"], 2);
    EXPECT_EQ(find(j, "lblNew")["tab"], 2);
}

TEST_F(Interaction, AControlTheDesignerDeletesLeavesTheFormAndItsTab) {
    const std::string saved = Path("deleted.frm");
    ASSERT_EQ(Render(kPages, "delete txtName; save \"" + saved + "\"", {"--design"}), 0) << stderr_text;
    const json dump = Dump();
    for (const json& c : dump["controls"])
        EXPECT_NE(c["name"], "txtName");
    const std::string text = ReadFile(saved);
    EXPECT_EQ(text.find("txtName"), std::string::npos);
    EXPECT_NE(text.find("Tab1CtlCount    =   1"), std::string::npos) << text;
}

TEST_F(Interaction, OnlyTheDesignerAddsAndDeletesControls) {
    EXPECT_EQ(Render(kPages, "add TextBox txtNew 20 100"), 1);
    EXPECT_NE(stderr_text.find("add works only on a form being designed (--design)"), std::string::npos)
        << stderr_text;
    EXPECT_EQ(Render(kPages, "delete txtName"), 1);
    EXPECT_EQ(Render(kPages, "add Gadget g1 20 100", {"--design"}), 1);
    EXPECT_EQ(Render(kPages, "delete nothing", {"--design"}), 1);
}
