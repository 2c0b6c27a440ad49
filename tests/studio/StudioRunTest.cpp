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

// Runs a command on its own virtual display; returns its exit status.
int on_xvfb(const std::string& command) {
    const std::string line = "timeout 120 xvfb-run -a -s '-screen 0 1280x800x24' " + command;
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
