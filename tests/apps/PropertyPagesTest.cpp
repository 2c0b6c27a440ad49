#include "RenderFixture.h"

// `vntab render --design` driving the control's property pages as a developer does: a page opened on
// the control, its fields typed into and chosen from, its buttons pressed, the dialogs it opens
// answered, Apply; the page and the control checked in the dump.
namespace fs = std::filesystem;
using nlohmann::json;
using Names = std::vector<std::string>;

namespace {

// Three tabs ("&General", "&Options", "&Fonts") with controls on each, on a form measured in twips.
const fs::path kPages = fs::path(VNTAB_SOURCE_DIR) / "tests" / "apps" / "forms" / "pages.frm";
const std::string kIcon = (fs::path(VNTAB_SOURCE_DIR) / "examples" / "pictures" / "open.ico").string();
const std::string kMoveQuestion = "Controls on removed tabs will be placed on Tab 1. Hit OK to continue.";
constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);

class PropertyPages : public support::RenderFixture {
protected:
    // Renders pages.frm in design mode; the script must run to its end.
    json Design(const std::string& steps) {
        EXPECT_EQ(Render(kPages, steps, {"--design"}), 0) << stderr_text;
        return Dump();
    }
    // The same for a script that a step stops: its error, by number.
    json DesignFailing(const std::string& steps, int step, int32_t number) {
        EXPECT_EQ(Render(kPages, steps, {"--design"}), 1) << stderr_text;
        json dump = Dump();
        EXPECT_EQ(dump["errors"].size(), 1u);
        EXPECT_EQ(dump["errors"][0]["step"], step);
        EXPECT_EQ(dump["errors"][0]["number"], number);
        return dump;
    }
};

Names captions(const json& dump) {
    Names names;
    for (const json& tab : dump["layout"]["tabs"])
        names.push_back(tab["Caption"]);
    return names;
}

Names message_texts(const json& dump) {
    Names texts;
    for (const json& box : dump["messageBoxes"])
        texts.push_back(box["text"]);
    return texts;
}

} // namespace

TEST_F(PropertyPages, APageShowsTheControlUnchangedAndNoneIsOpenUntilOne) {
    EXPECT_TRUE(Design("")["page"].is_null());
    const json page = Design("page General")["page"];
    EXPECT_EQ(page["name"], "General");
    EXPECT_EQ(page["class"], "GeneralPP");
    EXPECT_EQ(page["changed"], false);
    // Lengths in the form's twips.
    EXPECT_EQ(page["fields"]["txtTabCount"], (json{{"kind", "text"},
                                                   {"text", "3"},
                                                   {"foreColor", 0},
                                                   {"listIndex", nullptr},
                                                   {"value", nullptr},
                                                   {"enabled", true}}));
    EXPECT_EQ(page["fields"].size(), 7u);
}

TEST_F(PropertyPages, ANonNumberTurnsRedAndLeavesThePageUnchangedANumberTurnsBlackAndMarksIt) {
    json page = Design("page General; field txtTabCount 12a")["page"];
    EXPECT_EQ(page["fields"]["txtTabCount"]["text"], "12a");
    EXPECT_EQ(page["fields"]["txtTabCount"]["foreColor"], 0xFF);
    EXPECT_EQ(page["changed"], false);
    const json dump = Design("page General; field txtTabCount 12a; field txtTabCount 12; apply");
    EXPECT_EQ(dump["properties"]["TabCount"], 12);
    EXPECT_EQ(dump["layout"]["tabs"].size(), 12u);
    // Black, and changed until applied.
    page = Design("page General; field txtTabCount 12a; field txtTabCount 12")["page"];
    EXPECT_EQ(page["fields"]["txtTabCount"]["foreColor"], 0);
    EXPECT_EQ(page["changed"], true);
}

TEST_F(PropertyPages, ShrinkingBelowTheActiveTabActivatesTabOneFirst) {
    const json dump = Design("set TabCount 6; set TabActive 5; page General; field txtTabCount 2; apply");
    EXPECT_EQ(dump["properties"]["TabActive"], 1);
    EXPECT_EQ(dump["properties"]["TabCount"], 2);
    EXPECT_EQ(dump["page"]["fields"]["txtTabActive"]["text"], "1");
    EXPECT_EQ(dump["page"]["changed"], false);
    // What the apply wrote, in order: the active tab first, then the count (which asks before moving
    // tab 3's controls to tab 1); the active tab written again at its place changed nothing.
    const Names changes = dump["propertyChanged"];
    ASSERT_GE(changes.size(), 7u);
    EXPECT_EQ(Names(changes.end() - 7, changes.end()),
              (Names{"TabActive", "TabCount", "TabsPerRow", "TabSeparation", "TabRowSeparation",
                     "TabRowOffset", "TabRows"}));
    EXPECT_EQ(message_texts(dump), Names{kMoveQuestion});
    for (const json& c : dump["controls"])
        EXPECT_NE(c["tab"], 3) << c["name"];
}

TEST_F(PropertyPages, MoreRowsThanTabsAreCorrectedToTheCount) {
    const json dump = Design("set TabCount 4; page General; field txtTabRows 9; apply");
    EXPECT_EQ(dump["properties"]["TabRows"], 4);
}

TEST_F(PropertyPages, EachNonNumberStopsTheApplyWithItsMessageAfterTheFieldsBeforeIt) {
    // The fields in the order of the apply, each with a new value the control accepts (lengths in
    // twips).
    const std::vector<std::pair<std::string, int>> general = {
        {"TabCount", 5},      {"TabsPerRow", 2}, {"TabSeparation", 45}, {"TabRowSeparation", 60},
        {"TabRowOffset", 90}, {"TabActive", 2},  {"TabRows", 1},
    };
    for (size_t bad = 0; bad < general.size(); ++bad) {
        std::string steps = "page General";
        for (size_t i = 0; i < general.size(); ++i)
            steps += "; field txt" + general[i].first + " " +
                     (i == bad ? "-1-" : std::to_string(general[i].second));
        const json dump = Design(steps + "; apply");
        SCOPED_TRACE(general[bad].first);
        EXPECT_EQ(dump["messageBoxes"],
                  (json::array({json{{"text", "Property '" + general[bad].first + "' must be a number."},
                                     {"title", "vntab"},
                                     {"style", 0},
                                     {"answer", 1}}})));
        for (size_t i = 0; i < general.size(); ++i)
            EXPECT_EQ(dump["properties"][general[i].first] == general[i].second, i < bad) << general[i].first;
        EXPECT_EQ(dump["page"]["changed"], true);
    }
    for (const char* property :
         {"TabActiveBevel", "TabActiveInflate", "TabHeight", "TabStyleHeight", "TabStyleWidth", "TabWidth"}) {
        const json dump = Design(std::string("page TabAppearance; field txt") + property + " 1.2.3; apply");
        EXPECT_EQ(message_texts(dump), Names{std::string("Property '") + property + "' must be a number."});
    }
    const json active = Design("page General; field txtTabActive 0; apply");
    EXPECT_EQ(message_texts(active), Names{"Property 'TabActive' must be within 1 and TabCount."});
}

TEST_F(PropertyPages, WidthAndStyleWidthRaisedTogetherFailAtTheStyleWidth) {
    // 750 twips (50 pixels) fits half of the new width but not half of the current 80 pixels.
    const json dump = DesignFailing("page TabAppearance; field txtTabWidth 3000; field txtTabStyleWidth 750; "
                                    "field txtTabHeight 450; apply",
                                    5, 380);
    EXPECT_EQ(dump["properties"]["TabHeight"], 450);
    EXPECT_EQ(dump["properties"]["TabStyleWidth"], 0);
    EXPECT_EQ(dump["properties"]["TabWidth"], 1200);
    EXPECT_EQ(dump["page"]["changed"], true);
}

TEST_F(PropertyPages, ListPositionsAreThePropertyValuesAndRoundedWritesStyle2) {
    json page = Design("set TabStyle 3; set TabJustification 2; page TabAppearance")["page"];
    EXPECT_EQ(page["fields"]["cboTabStyle"]["listIndex"], 3);
    EXPECT_EQ(page["fields"]["cboTabStyle"]["text"], "Slanted");
    EXPECT_EQ(page["fields"]["cboTabStyle"]["items"],
              (json::array({"Normal", "Chamfered", "Rounded", "Slanted", "Square"})));
    EXPECT_EQ(page["fields"]["cboTabJustification"]["text"], "VNJustifiedProportional");
    EXPECT_EQ(page["fields"]["cboTabPictureAlignment"]["items"].size(), 15u);
    EXPECT_EQ(page["fields"]["chkTabActiveBold"]["value"], false);
    for (const char* choice : {"2", "rounded"}) {
        const json dump = Design(std::string("page TabAppearance; field cboTabStyle ") + choice + "; apply");
        EXPECT_EQ(dump["properties"]["TabStyle"], 2) << choice;
        EXPECT_EQ(dump["page"]["changed"], false);
    }
}

TEST_F(PropertyPages, RemovingTheMiddleTabMovesTheLastUpAndTheControlAsksBeforeMovingItsControls) {
    const std::string third =
        "tab 3 BackColor &H00FFFF&; tab 3 ForeColor &H0000C0&; tab 3 Picture picture \"" + kIcon + "\"; ";
    const json dump =
        Design(third + "page Tabs; field cboTab 1; press cmdRemove; apply; page Tabs; field cboTab 1");
    EXPECT_EQ(captions(dump), (Names{"&General", "&Fonts"}));
    EXPECT_EQ(dump["layout"]["tabs"][0]["BackColor"], kButtonFace);
    EXPECT_EQ(dump["layout"]["tabs"][1]["BackColor"], 0x00FFFF);
    EXPECT_EQ(message_texts(dump), Names{kMoveQuestion});
    // The controls stay with their tabs: the second tab's keep its place, the removed last tab's go to
    // the first.
    for (const json& c : dump["controls"])
        EXPECT_EQ(c["tab"], c["name"] == "picSwatch" || c["name"] == "chkBold" ? 2 : 1) << c["name"];
    // The page opened again shows the second tab with the former third's colours and picture.
    const json& fields = dump["page"]["fields"];
    EXPECT_EQ(fields["cboTab"]["items"], (json::array({"&General", "&Fonts"})));
    EXPECT_EQ(fields["txtCaption"]["text"], "&Fonts");
    EXPECT_EQ(fields["cboTabBackColor"]["text"], "Custom...");
    EXPECT_EQ(fields["shpTabBackColor"]["value"], 0x00FFFF);
    EXPECT_EQ(fields["cboTabForeColor"]["text"], "Custom...");
    EXPECT_EQ(fields["shpTabForeColor"]["value"], 0x0000C0);
    EXPECT_EQ(fields["picTabPicture"]["value"]["Type"], 3);
}

TEST_F(PropertyPages, RemoveDoesNothingWithOneTab) {
    const json page = Design("set TabCount 1; page Tabs; press cmdRemove")["page"];
    EXPECT_EQ(page["fields"]["cboTab"]["items"], (json::array({"&General"})));
    EXPECT_EQ(page["changed"], false);
}

TEST_F(PropertyPages, AddingTwoTabsToThreeGivesDefaultCaptionsAndColours) {
    const json dump = Design("page Tabs; press cmdAdd; press cmdAdd; apply; page Tabs; field cboTab 3");
    EXPECT_EQ(captions(dump), (Names{"&General", "&Options", "&Fonts", "Tab &4", "Tab &5"}));
    EXPECT_EQ(dump["layout"]["tabs"][3]["BackColor"], kButtonFace);
    EXPECT_EQ(dump["layout"]["tabs"][4]["BackColor"], kButtonFace);
    const json& fields = dump["page"]["fields"];
    EXPECT_EQ(fields["cboTabBackColor"]["text"], "Button Face");
    EXPECT_EQ(fields["cboTabForeColor"]["text"], "Button Text");
    EXPECT_EQ(fields["shpTabForeColor"]["value"], static_cast<int32_t>(0x80000012));
}

TEST_F(PropertyPages, SystemColoursShowTheirNamesAndOwnColoursCustomWithTheColour) {
    json fields = Design("page Tabs")["page"]["fields"];
    EXPECT_EQ(fields["cboTabBackColor"]["text"], "Button Face");
    EXPECT_EQ(fields["cboTabBackColor"]["listIndex"], 15);
    EXPECT_EQ(fields["shpTabBackColor"]["value"], kButtonFace);
    EXPECT_EQ(fields["cboTabBackColor"]["items"].size(), 26u);
    Names kinds;
    for (const char* name :
         {"cboTab", "txtCaption", "shpTabBackColor", "picTabPicture", "cmdAdd", "chkEnabled"})
        kinds.push_back(fields[name]["kind"]);
    EXPECT_EQ(kinds, (Names{"list", "text", "colorBox", "picture", "button", "check"}));
    // Showing a tab with a colour of its own selects "Custom...", which opens the colour dialog; what
    // the dialog brings back is not kept.
    const json dump = Design("tab 2 BackColor &H336699&; page Tabs; answer color &H010203&; field cboTab 1");
    fields = dump["page"]["fields"];
    EXPECT_EQ(fields["cboTabBackColor"]["text"], "Custom...");
    EXPECT_EQ(fields["shpTabBackColor"]["value"], 0x336699);
    EXPECT_EQ(dump["dialogs"], (json::array({json{{"kind", "color"}, {"title", ""}, {"answer", 0x010203}}})));
    EXPECT_EQ(dump["page"]["changed"], false);
}

TEST_F(PropertyPages, ColoursChosenInTheDialogAreWrittenAndACancelledOneChangesNothing) {
    json dump = Design("page Tabs; answer cancel; field cboTabBackColor Custom...");
    EXPECT_EQ(dump["page"]["fields"]["shpTabBackColor"]["value"], kButtonFace);
    EXPECT_EQ(dump["page"]["changed"], false);
    EXPECT_TRUE(dump["dialogs"][0]["answer"].is_null());
    dump =
        Design("page Tabs; answer color &H336699&; field cboTabBackColor 25; field cboTabForeColor 8; apply");
    EXPECT_EQ(dump["layout"]["tabs"][0]["BackColor"], 0x336699);
    EXPECT_EQ(dump["page"]["fields"]["cboTabForeColor"]["text"], "Window Text");
    EXPECT_EQ(dump["page"]["changed"], false);
}

TEST_F(PropertyPages, CancellingThePictureDialogClearsThePictureAndAChosenFileIsLoaded) {
    json dump = Design("tab 1 Picture picture \"" + kIcon +
                       "\"; page Tabs; answer cancel; press cmdChangePicture; apply; page Tabs");
    EXPECT_TRUE(dump["page"]["fields"]["picTabPicture"]["value"].is_null());
    ASSERT_EQ(dump["dialogs"].size(), 1u);
    EXPECT_EQ(dump["dialogs"][0]["kind"], "file");
    EXPECT_TRUE(dump["dialogs"][0]["answer"].is_null());
    dump = Design("page Tabs; answer file \"" + kIcon + "\"; press cmdChangePicture; apply; page Tabs");
    EXPECT_EQ(dump["page"]["fields"]["picTabPicture"]["value"]["Type"], 3);
    EXPECT_EQ(dump["dialogs"][0]["answer"], kIcon);
}

TEST_F(PropertyPages, CaptionsCheckBoxesAndPicturesAreTypedTickedAndPutIn) {
    const json dump = Design("page Tabs; field txtCaption \"&Start here\"; field chkVisible False; field "
                             "picTabPicture picture \"" +
                             kIcon + "\"; apply; page Tabs");
    EXPECT_EQ(captions(dump)[0], "&Start here");
    EXPECT_EQ(dump["page"]["fields"]["picTabPicture"]["value"]["Type"], 3);
    EXPECT_EQ(dump["page"]["fields"]["chkVisible"]["value"], true);
    EXPECT_EQ(Design("page Tabs; field picTabPicture none")["page"]["changed"], false);
}

TEST_F(PropertyPages, PageStepsThatCannotRunStopTheScript) {
    EXPECT_EQ(Render(kPages, "page General"), 1);
    EXPECT_NE(stderr_text.find("step 1: error 5: page works only on a form being designed (--design)"),
              std::string::npos)
        << stderr_text;
    DesignFailing("field txtTabCount 2", 1, 5);
    DesignFailing("page Fonts", 1, 5);
    DesignFailing("page General; field txtNothing 1", 2, 5);
    DesignFailing("page General; press txtTabCount", 2, 5);
    DesignFailing("page Tabs; field cmdAdd 1", 2, 5);
    DesignFailing("page Tabs; field shpTabBackColor 1", 2, 5);
    DesignFailing("page Tabs; field chkVisible maybe", 2, 5);
    DesignFailing("page Tabs; field cboTabBackColor Purple", 2, 5);
    DesignFailing("page Tabs; field txtCaption picture \"" + kIcon + "\"", 2, 5);
    DesignFailing("page TabAppearance; field cboTabStyle 5", 2, 380);
    DesignFailing("apply", 1, 5);
    EXPECT_NE(stderr_text.find("no property page is open"), std::string::npos) << stderr_text;
}
