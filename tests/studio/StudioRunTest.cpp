#include "StudioFixture.h"

#include "driver/Session.h"
#include "platform/gdi/Png.h"
#include "platform/host/Compositor.h"
#include "platform/host/FormFile.h"
#include "support/Files.h"

#include <sys/wait.h>

#include <cstdlib>

// vntab-studio as a program on a real X display (Xvfb, Mesa rendering in software): a scripted run
// that switches tabs by clicks and keys, saves and reopens, and a person's click sent by xdotool.
namespace fs = std::filesystem;
using namespace studio_test;

namespace {

const fs::path kStudio = fs::path(VNTAB_BINARY_DIR) / "apps" / "studio" / "vntab-studio";
const fs::path kClickScript = fs::path(VNTAB_SOURCE_DIR) / "tests" / "studio" / "click-on-xvfb.sh";

bool installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a command on its own virtual display; returns its exit status. Under AddressSanitizer the
// studio's own leaks are looked for in the tests that run its parts in this process: at the exit of
// the program, LeakSanitizer finds blocks that SDL's D-Bus connection and Mesa's driver (unloaded by
// then, so that its frames have no name to suppress) never give back.
int on_xvfb(const std::string& command) {
    const std::string line = "ASAN_OPTIONS=\"${ASAN_OPTIONS}:detect_leaks=0\" timeout 120 xvfb-run -a -s "
                             "'-screen 0 1280x800x24' " +
                             command;
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// The form's area of a screenshot: its client area stands right under the menu bar.
bool form_area_matches(const gdi::Image& shot, const gdi::SurfaceView& form, std::string& where) {
    for (int32_t y = 0; y < form.height; ++y)
        for (int32_t x = 0; x < form.width; ++x) {
            const uint32_t got = shot.pixels[size_t((y + 19) * shot.width + x)] & 0xFFFFFF;
            const uint32_t want = form.pixels[y * form.stride + x] & 0xFFFFFF;
            if (got != want) {
                where = std::to_string(x) + ", " + std::to_string(y);
                return false;
            }
        }
    return true;
}

class StudioOnXvfb : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override {
        if (!installed("xvfb-run")) GTEST_SKIP() << "xvfb-run is not installed";
    }
    support::TempFolder folder{"studio-xvfb"};
};

} // namespace

TEST_F(StudioOnXvfb, AScriptedRunSwitchesTabsByClicksAndKeysSavesAndReopens) {
    const std::string saved = folder / "saved.frm";
    // Window coordinates: the second header, the right arrow (third tab), Alt+P (&Pictures, the
    // fourth); a caption the file will keep; saving.
    const std::string steps = "key Right\naccess p\ntab 1 Caption \"&Name\"\n";
    const std::string script =
        folder.Write("switch.txt", "click " + std::to_string(HeaderX(2)) + " " + std::to_string(kHeaderY) +
                                       "\n" + steps + "save \"" + saved + "\"\n");
    const std::string nothing = folder.Write("nothing.txt", "");
    ASSERT_EQ(on_xvfb(quoted(kStudio) + " " + quoted(kShowcase) + " --script " + script + " --screenshot " +
                      (folder / "switched.png") + " --log " + (folder / "log.txt")),
              0)
        << support::ReadFile(folder / "log.txt");
    const host::FormDocument file = host::ReadFormFile(saved);
    const host::FormProperty* caption = host::FindProperty(file.root.children.at(0).items, "TabCaption1");
    ASSERT_TRUE(caption);
    EXPECT_EQ(rt::CStr(caption->value), "&Name");
    ASSERT_EQ(on_xvfb(quoted(kStudio) + " " + saved + " --script " + nothing + " --screenshot " +
                      (folder / "reopened.png")),
              0);

    // The form shows exactly what the command line shows for the same steps: the fourth tab after
    // the switches, the first once reopened (the active tab is not saved), the new caption in both.
    struct Expected {
        const char* shot;
        std::string form, steps;
    };
    for (const Expected& e : {Expected{"switched.png", kShowcase.string(), "focus; click 167 34; " + steps},
                              Expected{"reopened.png", saved, "focus"}}) {
        SCOPED_TRACE(e.shot);
        gdi::SetLogicalDpi(96);
        driver::Session session;
        session.Load(e.form, false, "");
        ASSERT_TRUE(session.Run(driver::ParseScript(e.steps, "steps")));
        const gdi::HBITMAP picture = host::CompositeToBitmap(session.form().hwnd());
        std::string error, where;
        auto shot = gdi::ReadPng(folder / e.shot, &error);
        ASSERT_TRUE(shot) << error;
        // The window fits the form, the event log beside it and the bars above and below.
        EXPECT_EQ(shot->width, 480 + 360);
        EXPECT_EQ(shot->height, 19 + 360 + 22);
        EXPECT_TRUE(form_area_matches(*shot, gdi::LockBitmap(picture), where))
            << "the pixels differ first at " << where;
        gdi::DeleteObject(picture);
    }
}

TEST_F(StudioOnXvfb, APersonsClickInTheRealWindowSwitchesTheTab) {
    if (!installed("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    const std::string log = folder / "log.txt";
    const int status =
        on_xvfb("sh " + quoted(kClickScript) + " " + quoted(kStudio) + " " + quoted(kShowcase) + " " + log +
                " " + std::to_string(HeaderX(2)) + " " + std::to_string(kHeaderY));
    const std::string lines = support::ReadFile(log);
    EXPECT_NE(lines.find("event VNTabCtl1 MouseDown Button=1 Shift=0 x=167 y=34"), std::string::npos)
        << lines;
    EXPECT_NE(lines.find("event VNTabCtl1 AfterTabChanged NewTab=2"), std::string::npos) << lines;
    EXPECT_EQ(status, 0) << lines;
}

TEST_F(StudioOnXvfb, ADesignedTextBoxOnTab2AndATabsPageChangeAreSavedAndReopened) {
    const std::string saved = folder / "designed.frm";
    const std::string header2 = std::to_string(HeaderX(2)) + " " + std::to_string(kHeaderY);
    // Run mode: a click and a key switch tabs; design mode: a click on the second header reaches the
    // control through its message hook, a text box drawn on its panel, the Tabs page renames the
    // tab, OK, save.
    const std::string script = folder.Write(
        "design.txt", "click " + header2 + "\nkey Right\nmode design\nclick " + header2 +
                          "\ntool TextBox\ndrag 80 200 240 224\npages\npage Tabs\nfield cboTab 1\n"
                          "field txtCaption \"&Shapes\"\nok\nsave \"" +
                          saved + "\"\n");
    ASSERT_EQ(on_xvfb(quoted(kStudio) + " " + quoted(kShowcase) + " --script " + script + " --screenshot " +
                      (folder / "designed.png") + " --log " + (folder / "log.txt")),
              0)
        << support::ReadFile(folder / "log.txt");
    const std::string log = support::ReadFile(folder / "log.txt");
    EXPECT_NE(log.find("AfterTabChanged NewTab=3"), std::string::npos) << log; // the key, in run mode

    // The file: the new text box among tab 2's records, the new caption.
    const host::FormDocument file = host::ReadFormFile(saved);
    const auto& control = file.root.children.at(0);
    auto text = [&](const char* key) {
        const host::FormProperty* p = host::FindProperty(control.items, key);
        return p ? rt::CStr(p->value) : std::string("(none)");
    };
    EXPECT_EQ(text("TabCaption2"), "&Shapes");
    EXPECT_EQ(text("Tab2CtlCount"), "2");
    EXPECT_EQ(text("Tab2Control2Name"), "TextBox1");
    bool found = false;
    for (const auto& child : control.children)
        found |= child.type == "TextBox" && child.name == "TextBox1";
    EXPECT_TRUE(found);

    const std::string nothing = folder.Write("reopen.txt", "click " + header2 + "\n");
    ASSERT_EQ(on_xvfb(quoted(kStudio) + " " + saved + " --script " + nothing + " --screenshot " +
                      (folder / "reopened.png")),
              0);

    // What the screenshots show is what the command line draws for the saved form: in design mode
    // on tab 2 (the selection's outline and grips aside, which are the designer's), and run again,
    // on tab 2 after a click.
    struct Expected {
        const char* shot;
        bool design;
        std::string steps;
    };
    for (const Expected& e : {Expected{"designed.png", true, "click 167 34"},
                              Expected{"reopened.png", false, "focus; click 167 34"}}) {
        SCOPED_TRACE(e.shot);
        gdi::SetLogicalDpi(96);
        driver::Session session;
        session.Load(saved, e.design, "");
        ASSERT_TRUE(session.Run(driver::ParseScript(e.steps, "steps")));
        ASSERT_EQ(rt::CInt(session.holder()->Get("TabActive")), 2);
        const gdi::HBITMAP picture = host::CompositeToBitmap(session.form().hwnd());
        const gdi::SurfaceView form = gdi::LockBitmap(picture);
        std::string error;
        auto shot = gdi::ReadPng(folder / e.shot, &error);
        ASSERT_TRUE(shot) << error;
        int differ = 0, navy = 0;
        for (int32_t y = 0; y < form.height; ++y)
            for (int32_t x = 0; x < form.width; ++x) {
                const uint32_t got = shot->pixels[size_t((y + 19) * shot->width + x)] & 0xFFFFFF;
                // The text box was drawn from (80, 181) to (240, 205) of the form; its grips reach 4 pixels
                // in and out.
                const bool outline = x >= 76 && x <= 244 && y >= 177 && y <= 209 &&
                                     !(x >= 84 && x <= 235 && y >= 185 && y <= 200);
                if (outline) {
                    navy += got == 0x000080;
                    continue;
                }
                differ += got != (form.pixels[y * form.stride + x] & 0xFFFFFF);
            }
        EXPECT_EQ(differ, 0);
        if (e.design)
            EXPECT_GT(navy, 300); // the outline and the eight grips
        else
            EXPECT_EQ(navy, 0);
        gdi::DeleteObject(picture);
    }
}

// Without a display the studio says so and stops, instead of running unseen in SDL's windowless
// driver until someone kills it.
TEST(StudioWithoutDisplay, SaysThereIsNoDisplayAndStops) {
    support::TempFolder folder{"studio-no-display"};
    const fs::path errors = folder / "stderr.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "
                                "ASAN_OPTIONS=\"${ASAN_OPTIONS}:detect_leaks=0\" timeout 60 " +
                                quoted(kStudio) + " " + quoted(kShowcase) + " 2>" + quoted(errors);
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(support::ReadFile(errors).find("vntab-studio: no display to open a window on"),
              std::string::npos)
        << support::ReadFile(errors);
}
