#include "Commands.h"
#include "TabForm.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"
#include "support/Files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

// What the tool says, word for word, when something is wrong: the file and line for anything in a
// form, the path and the reason for a picture or an output, the argument and what it accepts for
// bad usage; each thing once, with the exit status shared/DESIGN.md section 6 pins (2: the command
// or the form cannot be read, 1: the form loaded, or loaded as far as it could, and something
// raised or could not be written).
namespace fs = std::filesystem;
using nlohmann::json;
using support::ReadFile;

namespace {

const std::string kRenderUsage =
    "vntab: usage: vntab render FORM.frm -o OUT.png [--control NAME] [--design] [--dpi N] [--events FILE | "
    "--steps \"STEPS\"] [--dump OUT.json]\n";

using apps_tests::TabForm;

class Messages : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override { gdi::SetLogicalDpi(96); }

    // Runs a command; keeps what it said on stderr.
    int Run(int (*command)(const std::vector<std::string>&), const std::vector<std::string>& args) {
        testing::internal::CaptureStderr();
        const int status = command(args);
        said = testing::internal::GetCapturedStderr();
        return status;
    }
    int Render(const std::vector<std::string>& args) { return Run(vntab_cli::RenderCommand, args); }
    int Render(const std::string& form_text) {
        return Render({form(form_text), "-o", png(), "--dump", dump()});
    }
    std::string form(const std::string& text) { return m_dir.Write("f.frm", text); }
    std::string path() const { return m_dir / "f.frm"; }
    std::string png() const { return m_dir / "f.png"; }
    std::string dump() const { return m_dir / "f.json"; }

    support::TempFolder m_dir{"messages"};
    std::string said;
};

} // namespace

TEST_F(Messages, BadUsageNamesTheArgumentAndWhatItAccepts) {
    const std::string f = form(TabForm(""));
    const struct {
        std::vector<std::string> args;
        std::string said;
    } cases[] = {
        {{f, "-o", png(), "--dpi", "1000"},
         "vntab: --dpi takes a whole number from 24 to 960 (pixels per inch), not 1000\n"},
        {{f, "-o", png(), "--dpi", "96.5"},
         "vntab: --dpi takes a whole number from 24 to 960 (pixels per inch), not 96.5\n"},
        {{f, "-o", png(), "--dpi"},
         "vntab: --dpi needs a value: a whole number from 24 to 960, pixels per inch\n"},
        {{f, "-o", png(), "--frob"}, "vntab: unknown option --frob\n"},
        {{f}, "vntab: no picture to write: give -o OUT.png\n"},
        {{f, "-o"}, "vntab: -o needs a value: the PNG file to write\n"},
        {{"-o", png()}, "vntab: no form given: name the .frm file to render\n"},
        {{f, "g.frm", "-o", png()}, "vntab: one form at a time: " + f + " and then g.frm\n"},
        {{f, "-o", png(), "--steps", "focus", "--events", "s.txt"},
         "vntab: --events and --steps each give the whole script: give one of them\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        EXPECT_EQ(Render(c.args), 2);
        EXPECT_EQ(said, c.said + kRenderUsage);
    }
    EXPECT_FALSE(fs::exists(png()));

    EXPECT_EQ(Run(vntab_cli::RoundtripCommand, {f}), 2);
    EXPECT_EQ(said, "vntab: no form to write: give -o OUT.frm\n"
                    "vntab: usage: vntab roundtrip FORM.frm -o OUT.frm\n");
    EXPECT_EQ(Run(vntab_cli::InfoCommand, {f, f}), 2);
    EXPECT_EQ(said, "vntab: one form at a time: " + f + " and then " + f +
                        "\n"
                        "vntab: usage: vntab info FORM.frm\n");
}

TEST_F(Messages, AFileThatIsNoFormIsRefusedWithItsPlaceByEveryCommand) {
    const std::string folder = m_dir / "";
    const std::string out = m_dir / "out.frm";
    const struct {
        std::string text, said;
    } cases[] = {
        {"", ":1: expected VERSION and a version number on the first line, not an empty file"},
        {std::string("\x7F"
                     "ELF\x02\x01\x01\x00",
                     8),
         ":1: expected a form text file, not binary data (a zero byte)"},
        {"VERSION 1.0\nBegin Form F\n", ":2: expected End for Begin Form F (line 2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        const std::string f = form(c.text);
        EXPECT_EQ(Render({f, "-o", png()}), 2);
        EXPECT_EQ(said, "vntab: " + f + c.said + "\n");
        EXPECT_EQ(Run(vntab_cli::InfoCommand, {f}), 2);
        EXPECT_EQ(said, "vntab: " + f + c.said + "\n");
        EXPECT_EQ(Run(vntab_cli::RoundtripCommand, {f, "-o", out}), 2);
        EXPECT_EQ(said, "vntab: " + f + c.said + "\n");
    }
    EXPECT_FALSE(fs::exists(png()));
    EXPECT_FALSE(fs::exists(out));
    const std::string dir = m_dir / "forms";
    fs::create_directories(dir);
    EXPECT_EQ(Run(vntab_cli::InfoCommand, {dir}), 2);
    EXPECT_EQ(said, "vntab: " + dir + ": expected a form file, not a folder\n");
}

TEST_F(Messages, AValueThatRaisesStopsTheLoadAndTheFormIsShownAsFarAsItGot) {
    // The picture of tab 2 is a TIFF file; the caption before it is read, the tab after it is not.
    m_dir.Write("scan.tif", std::string("II*\0\x08\0\0\0\0\0", 10));
    const std::string text = TabForm("      TabCaption1     =   \"One\"\n"
                                     "      TabPicture2     =   \"scan.tif\"\n"
                                     "      TabCaption3     =   \"Three\"\n");
    EXPECT_EQ(Render(text), 1);
    const std::string error =
        "error 481: Invalid picture: " + (m_dir / "scan.tif") + ": unsupported picture format (TIFF)";
    EXPECT_EQ(said, "vntab: " + path() + ":13: VNTabCtl1.TabPicture2: " + error + "\n");
    ASSERT_TRUE(fs::exists(png()));
    const json j = json::parse(ReadFile(dump()));
    // Tabs are made as they are read: the second stands without its picture, the third is not made.
    ASSERT_EQ(j["layout"]["tabs"].size(), 2u);
    EXPECT_EQ(j["layout"]["tabs"][0]["Caption"], "One");
    EXPECT_EQ(
        j["errors"],
        (json::array({json{
            {"step", 0}, {"number", 481}, {"source", "TabPicture2"}, {"description", error.substr(11)}}})));

    // A script is not run on a form that is not all there; a control after the error is not there.
    EXPECT_EQ(Render({path(), "-o", png(), "--control", "VNTabCtl9", "--steps", "focus"}), 1);
    EXPECT_EQ(said, "vntab: " + path() + ":13: VNTabCtl1.TabPicture2: " + error +
                        "\n"
                        "vntab: --control VNTabCtl9: the form stopped loading before such a control; " +
                        png() +
                        " shows the whole form as far as it got\n"
                        "vntab: the script is not run: the form did not load completely\n");

    // info shows what was read; roundtrip writes nothing rather than a form without its end.
    testing::internal::CaptureStdout();
    EXPECT_EQ(Run(vntab_cli::InfoCommand, {path()}), 1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("tab 1 \"One\""), std::string::npos);
    EXPECT_EQ(said, "vntab: " + path() + ":13: VNTabCtl1.TabPicture2: " + error + "\n");
    const std::string out = m_dir / "out.frm";
    EXPECT_EQ(Run(vntab_cli::RoundtripCommand, {path(), "-o", out}), 1);
    EXPECT_EQ(said,
              "vntab: " + path() + ":13: VNTabCtl1.TabPicture2: " + error + "\nvntab: " + out +
                  " is not written: the form stopped loading at line 13, and what follows would be lost\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(Messages, AMissingPictureNamesItsPathAndTheReason) {
    EXPECT_EQ(Render(TabForm("      TabPicture1     =   \"pictures/none.png\"\n")), 1);
    EXPECT_EQ(said, "vntab: " + path() + ":12: VNTabCtl1.TabPicture1: error 53: cannot open " +
                        (m_dir / "pictures/none.png") + ": No such file or directory\n");
    EXPECT_TRUE(fs::exists(png()));
}

TEST_F(Messages, MoreRecordsCountedThanNamedAreReportedAtTheCountWithWhatToDo) {
    EXPECT_EQ(Render(TabForm("      Tab1Control1Name =  \"Label1\"\n"
                             "      Tab1CtlCount    =   50\n")),
              1);
    EXPECT_EQ(said, "vntab: " + path() +
                        ":13: VNTabCtl1.Tab1CtlCount: error 50001: Key already exists. (Tab1CtlCount is 50, "
                        "but only 1 of those records has a name, and records without one share the empty "
                        "key: set Tab1CtlCount to 1)\n");
    EXPECT_TRUE(fs::exists(png()));
    EXPECT_EQ(json::parse(ReadFile(dump()))["errors"][0]["number"], 50001);
}

TEST_F(Messages, ValuesOutOfRangeAndRecordsWithoutTheirControlAreWarnedAboutAtTheirLine) {
    EXPECT_EQ(Render(TabForm("      TabStyle        =   99\n"
                             "      Tab1Control1Name =  \"Nobody\"\n"
                             "      Tab1CtlCount    =   1\n")),
              0);
    EXPECT_EQ(said, "vntab: warning: " + path() +
                        ":12: VNTabCtl1.TabStyle: 99 is out of range (0 to 4); it is kept as it is\n"
                        "vntab: warning: " +
                        path() +
                        ":13: VNTabCtl1.Tab1Control1Name: no control on it is named Nobody; the record is "
                        "kept, with no control to show\n");
}

TEST_F(Messages, AFormWithNoPictureToMakeSaysWhyOnceAfterTheWarningThatLocatesIt) {
    const struct {
        std::string client_width, warning, why;
    } cases[] = {
        {"0", "0 is out of range: the form would be 0 pixels wide",
         "the form is 0 x 240 pixels, which leaves nothing to draw"},
        {"-100", "-100 is out of range: the form would be -7 pixels wide",
         "the form is -7 x 240 pixels, which leaves nothing to draw"},
        {"99999999", "99999999 is out of range: the form would be 6666667 pixels wide",
         "the form is 6666667 x 240 pixels, and a picture is at most 32768 pixels a side and 67108864 "
         "pixels in all"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.client_width);
        EXPECT_EQ(Render(TabForm("", c.client_width)), 1);
        EXPECT_EQ(said, "vntab: warning: " + path() + ":4: ClientWidth: " + c.warning +
                            " at 96 DPI, and a form is 1 to 32768 pixels a side; it is kept as it is\n"
                            "vntab: cannot write " +
                            png() + ": " + c.why + "\n");
    }
}

TEST_F(Messages, AFileThatCannotBeWrittenIsNamedOnceWithTheSystemsReason) {
    const std::string f = form(TabForm(""));
    const std::string nowhere = m_dir / "none/f.png";
    EXPECT_EQ(Render({f, "-o", nowhere}), 1);
    EXPECT_EQ(said, "vntab: cannot write " + nowhere + ": No such file or directory\n");
    EXPECT_EQ(Render({f, "-o", png(), "--dump", m_dir / "none/f.json"}), 1);
    EXPECT_EQ(said, "vntab: cannot write " + (m_dir / "none/f.json") + ": No such file or directory\n");
    EXPECT_EQ(Render({f, "-o", png(), "--events", m_dir / "none.txt"}), 2);
    EXPECT_EQ(said,
              "vntab: cannot read the script " + (m_dir / "none.txt") + ": No such file or directory\n");
}
