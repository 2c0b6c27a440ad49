#include "EventLog.h"
#include "FileDialog.h"
#include "KeyMap.h"
#include "Options.h"
#include "ScriptReplay.h"

#include "platform/automation/AutomationError.h"
#include "support/ErrorNumber.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cstring>

// The pieces of the studio that need no window: the script's input as SDL events, the command line,
// the event log's lines and filter, and the file dialog's filters and names.
using studio::InputFrames;

namespace {

std::vector<std::vector<SDL_Event>> frames_of(const std::string& text) {
    return InputFrames(driver::ParseScript(text, "test").at(0), 7);
}

} // namespace

TEST(ScriptInput, AClickMovesThereThenPressesAndReleases_ADoubleClickTwice) {
    auto click = frames_of("click 10 20");
    ASSERT_EQ(click.size(), 3u);
    ASSERT_EQ(click[0].size(), 1u);
    EXPECT_EQ(click[0][0].type, SDL_MOUSEMOTION);
    EXPECT_EQ(click[0][0].motion.which, studio::kScriptedMouse);
    EXPECT_EQ(click[1][0].type, SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(click[1][0].button.x, 10);
    EXPECT_EQ(click[1][0].button.y, 20);
    EXPECT_EQ(click[1][0].button.windowID, 7u);
    EXPECT_EQ(click[2][0].type, SDL_MOUSEBUTTONUP);
    auto twice = frames_of("dblclick 10 20");
    ASSERT_EQ(twice.size(), 5u);
    EXPECT_EQ(twice[3][0].button.clicks, 2);
    EXPECT_EQ(twice[4][0].type, SDL_MOUSEBUTTONUP);
}

TEST(ScriptInput, ButtonsAndModifiersOfMouseSteps) {
    auto down = frames_of("down 5 6 2 3");
    ASSERT_EQ(down.size(), 3u);
    ASSERT_EQ(down[0].size(), 3u);
    EXPECT_EQ(down[0][0].key.keysym.sym, SDLK_LSHIFT);
    EXPECT_EQ(down[0][1].key.keysym.sym, SDLK_LCTRL);
    EXPECT_EQ(down[0][1].key.keysym.mod, KMOD_LSHIFT | KMOD_LCTRL);
    EXPECT_EQ(down[1][0].button.button, SDL_BUTTON_RIGHT);
    EXPECT_EQ(down[2][0].type, SDL_KEYUP);
    EXPECT_EQ(down[2][0].key.keysym.sym, SDLK_LCTRL); // let go in the other order
    EXPECT_EQ(frames_of("move 1 2").size(), 1u);
    EXPECT_EQ(error_number([] { frames_of("down 5 6 3"); }), rt::kErrInvalidProcedureCall);
}

TEST(ScriptInput, KeysTypeTheirTextAccessKeysHoldAlt) {
    auto key = frames_of("key a 1");
    ASSERT_EQ(key[0].size(), 3u);
    EXPECT_EQ(key[0][1].key.keysym.sym, SDLK_a);
    EXPECT_EQ(key[0][1].key.keysym.mod, KMOD_LSHIFT);
    EXPECT_EQ(key[1][1].key.keysym.mod, KMOD_NONE); // Shift let go
    EXPECT_STREQ(key[0][2].text.text, "A");
    EXPECT_EQ(key[1][1].key.keysym.sym, SDLK_LSHIFT);
    EXPECT_EQ(frames_of("key Enter")[0].size(), 1u); // no text for Enter
    EXPECT_STREQ(frames_of("key 190")[0][1].text.text, ".");
    auto access = frames_of("access f");
    ASSERT_EQ(access[0].size(), 2u);
    EXPECT_EQ(access[0][0].key.keysym.sym, SDLK_LALT);
    EXPECT_EQ(access[0][1].key.keysym.sym, SDLK_f);
    EXPECT_EQ(error_number([] { frames_of("key Banana"); }), rt::kErrInvalidProcedureCall);
    EXPECT_EQ(error_number([] { frames_of("access &"); }), rt::kErrInvalidProcedureCall);
}

TEST(ScriptInput, TheProgramsStepsWaitWhileAWindowWaitsForInput) {
    studio::ScriptReplay replay(driver::ParseScript("set TabActive 2; key Enter; call Refresh", "test"));
    auto first = replay.Next(false, 1);
    ASSERT_TRUE(first && first->step);
    EXPECT_EQ(first->step->verb, "set");
    auto press = replay.Next(true, 1);
    ASSERT_TRUE(press && !press->step);
    EXPECT_EQ(press->events.at(0).type, SDL_KEYDOWN);
    EXPECT_EQ(replay.Next(true, 1)->events.at(0).type, SDL_KEYUP);
    EXPECT_FALSE(replay.Next(true, 1)); // `call` waits for the window to close
    EXPECT_EQ(replay.Next(false, 1)->step->verb, "call");
    EXPECT_TRUE(replay.finished());
}

TEST(StudioOptions, CommandLines) {
    std::string error;
    auto o = studio::ParseOptions({"form.frm", "--script", "s.txt", "--screenshot", "o.png", "--size",
                                   "1280x800", "--zoom", "2", "--dpi", "144", "--log", "-"},
                                  error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->form, "form.frm");
    EXPECT_EQ(o->width, 1280);
    EXPECT_EQ(o->height, 800);
    EXPECT_EQ(o->zoom, 2);
    EXPECT_EQ(o->dpi, 144);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--zoom", "4"},
                                                {"--dpi", "100"},
                                                {"--size", "12x"},
                                                {"--script"},
                                                {"--screenshot", "x.png", "f.frm"},
                                                {"--script", "s.txt"},
                                                {"a.frm", "b.frm"},
                                                {"--measure-resize", "0"}}) {
        error.clear();
        EXPECT_FALSE(studio::ParseOptions(bad, error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(EventLogLines, NumberedFilteredAndEchoed) {
    support::TempFolder folder("studio-log");
    studio::EventLog log;
    ASSERT_TRUE(log.Echo(folder / "log.txt"));
    driver::Session::RecordedEvent after{"AfterTabChanged", {{"NewTab", rt::Variant(int16_t{2})}}};
    driver::Session::RecordedEvent move{"MouseMove", {{"Button", rt::Variant(int16_t{0})}}};
    driver::Session::RecordedEvent key{"KeyPress", {{"KeyAscii", rt::Variant(int16_t{233})}}};
    log.AddEvent("VNTabCtl1", move);
    log.AddEvent("VNTabCtl1", after);
    log.Add(studio::EventLog::Kind::Dialog, "message box \"Sure?\"");
    EXPECT_EQ(studio::EventLog::Line(log.entries()[1]), "2 event VNTabCtl1 AfterTabChanged NewTab=2");
    EXPECT_EQ(support::ReadFile(folder / "log.txt"),
              "1 event VNTabCtl1 MouseMove Button=0\n2 event VNTabCtl1 AfterTabChanged NewTab=2\n"
              "3 dialog message box \"Sure?\"\n");
    std::strcpy(log.filter().InputBuf, "-MouseMove");
    log.filter().Build();
    EXPECT_EQ(log.Shown().size(), 2u);
    std::strcpy(log.filter().InputBuf, "tabchanged,dialog");
    log.filter().Build();
    EXPECT_EQ(log.Shown().size(), 2u);
    log.Clear();
    log.AddEvent("VNTabCtl1", key);
    EXPECT_EQ(studio::EventLog::Line(log.entries()[0]), "4 event VNTabCtl1 KeyPress KeyAscii=233");
    EXPECT_EQ(studio::FormatValue(rt::Variant("a\"b")), "\"a\"b\"");
    EXPECT_EQ(studio::FormatValue(rt::Variant(true)), "True");
}

TEST(FileDialogNames, FiltersPatternsAndExtensions) {
    auto filters =
        studio::FileDialog::ParseFilter("Forms (*.frm)|*.frm|Pictures|*.bmp;*.ICO|All files (*.*)|*.*");
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.bmp", "*.ICO"}));
    EXPECT_EQ(filters[2].patterns, (std::vector<std::string>{"*"}));
    EXPECT_TRUE(studio::FileDialog::Matches("Open.ICO", "*.ico"));
    EXPECT_TRUE(studio::FileDialog::Matches("a.b.frm", "*.frm"));
    EXPECT_FALSE(studio::FileDialog::Matches("frm", "*.frm"));
    EXPECT_TRUE(studio::FileDialog::Matches("tab1.frm", "tab?.frm"));
    support::TempFolder folder("studio-files");
    studio::FileDialog save(studio::FileDialog::Mode::Save, "Save", "Forms (*.frm)|*.frm", folder / "");
    EXPECT_EQ(save.Resolve("copy").filename(), "copy.frm");
    EXPECT_EQ(save.Resolve("copy.txt").filename(), "copy.txt");
    studio::FileDialog open(studio::FileDialog::Mode::Open, "Open", "Forms (*.frm)|*.frm", folder / "");
    EXPECT_EQ(open.Resolve("copy").filename(), "copy");
}

TEST(ScriptInput, TheDesignersStepsParseOnlyInTheStudioAndADragHoldsTheButtonBetweenItsEnds) {
    const std::string text =
        "mode design\nselect txtName\ntool TextBox\ndrag 1 2 30 40\nproperty Text \"a b\"\n"
        "pages\npage Font\nok\ncancel";
    EXPECT_THROW(driver::ParseScript(text, "test"), driver::ScriptError);
    EXPECT_THROW(driver::ParseScript("drag 1 2 3", "test", studio::kDesignVerbs), driver::ScriptError);
    const auto steps = driver::ParseScript(text, "test", studio::kDesignVerbs);
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps[4].words, (std::vector<std::string>{"Text", "a b"}));
    EXPECT_TRUE(studio::IsInputStep(steps[3]));
    EXPECT_FALSE(studio::IsInputStep(steps[2]));
    const auto drag = InputFrames(steps[3], 7);
    ASSERT_EQ(drag.size(), 5u);
    EXPECT_EQ(drag[1][0].type, SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(drag[1][0].button.x, 1);
    EXPECT_EQ(drag[2][0].type, SDL_MOUSEMOTION);
    EXPECT_EQ(drag[2][0].motion.x, 15);
    EXPECT_EQ(drag[4][0].type, SDL_MOUSEBUTTONUP);
    EXPECT_EQ(drag[4][0].button.x, 30);
    EXPECT_EQ(drag[4][0].button.y, 40);
}
