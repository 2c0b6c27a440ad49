#include "Commands.h"
#include "TabForm.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"
#include "support/Files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace fs = std::filesystem;
using vntab_cli::RenderCommand;
using vntab_cli::RoundtripCommand;

namespace {

using apps_tests::TabForm;
using support::ReadFile;

class Commands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override { gdi::SetLogicalDpi(96); }
    std::string write(const std::string& name, const std::string& text) { return m_dir.Write(name, text); }
    support::TempFolder m_dir{"commands"};
};

const fs::path kShowcase = fs::path(VNTAB_SOURCE_DIR) / "examples" / "showcase.frm";
} // namespace

TEST_F(Commands, RoundtripWritesTheShowcaseBackByteForByte) {
    const std::string out = m_dir / "again.frm";
    ASSERT_EQ(RoundtripCommand({kShowcase.string(), "-o", out}), 0);
    EXPECT_EQ(ReadFile(out), ReadFile(kShowcase));
}

TEST_F(Commands, RoundtripRefusesBadFormsAndBadUsage) {
    EXPECT_EQ(RoundtripCommand({"missing.frm", "-o", m_dir / "x.frm"}), 2);
    EXPECT_EQ(RoundtripCommand({kShowcase.string()}), 2);
    std::string bad = write("bad.frm", "VERSION 1.0\nBegin Form F\n");
    EXPECT_EQ(RoundtripCommand({bad, "-o", m_dir / "x.frm"}), 2);
    EXPECT_FALSE(fs::exists(m_dir / "x.frm"));
}

TEST_F(Commands, RenderDumpsTheStateTheScriptLeft) {
    std::string form = write("f.frm", TabForm(""));
    std::string script =
        write("s.txt", "handle BeforeTabChanged Cancel True\n"
                       "set TabCount 5; tab 2 Caption \"Second\"; answer cancel; set TabCount 4\n"
                       "set TabStyle 9");
    std::string png = m_dir / "f.png", dump = m_dir / "f.json";
    EXPECT_EQ(RenderCommand({form, "-o", png, "--events", script, "--dump", dump}), 1);
    ASSERT_TRUE(fs::exists(png));
    auto j = nlohmann::json::parse(ReadFile(dump));
    EXPECT_EQ(j["properties"]["TabCount"], 4);
    EXPECT_EQ(j["layout"]["tabs"][1]["Caption"], "Second");
    ASSERT_EQ(j["errors"].size(), 1u);
    EXPECT_EQ(j["errors"][0]["step"], 6);
    EXPECT_EQ(j["errors"][0]["number"], 380);
    EXPECT_EQ(j["size"]["width"], 300);
    // What stays alive is the caption font the control's renderer holds.
    EXPECT_EQ(j["gdi"]["live"], 1);
    // Shrinking asked nothing (no tab holds controls); the queued answer stays unused.
    EXPECT_TRUE(j["messageBoxes"].empty());
    auto changed = j["propertyChanged"];
    EXPECT_NE(std::find(changed.begin(), changed.end(), "TabCount"), changed.end());
}

TEST_F(Commands, RenderReportsArithmeticErrorsOfStoredValues) {
    // Out-of-range values are stored as they are; drawing them overflows the 16-bit row arithmetic.
    std::string form = write("o.frm", TabForm("      TabRows         =   3\n"
                                              "      TabRowSeparation =   30000\n"
                                              "      DrawTabRowSeparation =   30000\n"));
    std::string dump = m_dir / "o.json";
    EXPECT_EQ(RenderCommand({form, "-o", m_dir / "o.png", "--dump", dump}), 1);
    EXPECT_TRUE(fs::exists(m_dir / "o.png"));
    EXPECT_EQ(RenderCommand({form, "-o", m_dir / "o.png", "--dpi", "many"}), 2);
}

TEST_F(Commands, VersionAndHelpTellWhatTheToolIsAndHowToUseIt) {
    using testing::HasSubstr;
    auto run = [](std::vector<std::string> args, std::string* out, std::string* err) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = vntab_cli::RunCommandLine(std::move(args));
        *out = testing::internal::GetCapturedStdout();
        *err = testing::internal::GetCapturedStderr();
        return status;
    };
    std::string out, err;
    EXPECT_EQ(run({"--version"}, &out, &err), 0);
    EXPECT_THAT(out, testing::MatchesRegex("vntab [0-9]+\\.[0-9]+\\.[0-9]+\n"));

    EXPECT_EQ(run({"help"}, &out, &err), 0);
    for (const char* synopsis : {"vntab render FORM.frm -o OUT.png", "vntab roundtrip FORM.frm -o OUT.frm",
                                 "vntab info FORM.frm", "vntab help [COMMAND]", "Exit status"})
        EXPECT_THAT(out, HasSubstr(synopsis));
    EXPECT_EQ(run({"help", "render"}, &out, &err), 0);
    EXPECT_THAT(out, HasSubstr("usage: vntab render"));
    EXPECT_THAT(out, HasSubstr("--steps \"STEPS\""));
    EXPECT_THAT(out, HasSubstr("handle EVENT ARG VALUE [COUNT]"));

    EXPECT_EQ(run({"help", "paint"}, &out, &err), 2);
    EXPECT_EQ(err, "vntab: no command 'paint'\n");
    EXPECT_EQ(run({"draw", "x.frm"}, &out, &err), 2);
    EXPECT_THAT(err, HasSubstr("unknown command 'draw'"));
    EXPECT_EQ(run({}, &out, &err), 2);
    EXPECT_THAT(err, HasSubstr("usage:"));
    // A usage error says what is wrong, then the command's synopsis.
    EXPECT_EQ(run({"render", kShowcase.string()}, &out, &err), 2);
    EXPECT_THAT(
        err, testing::EndsWith("\nvntab: usage: vntab render FORM.frm -o OUT.png [--control NAME] [--design] "
                               "[--dpi N] [--events FILE | --steps \"STEPS\"] [--dump OUT.json]\n"));
}
