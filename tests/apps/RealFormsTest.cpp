#include "Commands.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Png.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

// Forms as people keep them: Windows-1252 files from older tools and UTF-8 files, with CRLF or LF
// line ends, go through `vntab roundtrip` unchanged; text the control cannot hold is reported.
namespace fs = std::filesystem;
using support::ReadFile;
using vntab_cli::RenderCommand;
using vntab_cli::RoundtripCommand;

namespace {

const fs::path kForms = fs::path(VNTAB_SOURCE_DIR) / "tests" / "host" / "forms";

std::vector<std::string> form_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kForms))
        if (entry.path().extension() == ".frm") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RealForms : public ::testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override { gdi::SetLogicalDpi(96); }
    support::TempFolder m_dir{"real-forms"};
};

} // namespace

TEST_P(RealForms, RoundtripGivesBackTheSameBytes) {
    const fs::path original = kForms / GetParam();
    const fs::path once = m_dir / "once.frm", twice = m_dir / "twice.frm";
    testing::internal::CaptureStderr();
    ASSERT_EQ(RoundtripCommand({original.string(), "-o", once.string()}), 0);
    ASSERT_EQ(RoundtripCommand({once.string(), "-o", twice.string()}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ReadFile(once), ReadFile(original));
    EXPECT_EQ(ReadFile(twice), ReadFile(original));
}

INSTANTIATE_TEST_SUITE_P(Forms, RealForms, ::testing::ValuesIn(form_names()), [](const auto& param_info) {
    std::string name = param_info.param.substr(0, param_info.param.size() - 4);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST_F(RealForms, TheSetCoversBothCharacterSetsAndBothLineEnds) {
    // What the round trip above proves depends on these files staying what they are.
    const std::string legacy = ReadFile(kForms / "cp1252-crlf.frm");
    EXPECT_NE(legacy.find("\"&G\xE9n\xE9ral\"\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(kForms / "cp1252-lf.frm").find("\x81\x8D\x8F\x90\x9D"), std::string::npos);
    const std::string marked = ReadFile(kForms / "utf8-bom-crlf.frm");
    EXPECT_TRUE(marked.starts_with("\xEF\xBB\xBFVERSION 5.00\r\n"));
    EXPECT_NE(ReadFile(kForms / "utf8-lf.frm")
                  .find("Espa\xC3\xB1"
                        "a"),
              std::string::npos);
}

TEST_F(RealForms, TextOutsideWindows1252IsReportedWithFileAndLine) {
    const fs::path form = m_dir / "greek.frm", out = m_dir / "out.frm";
    std::ofstream(form, std::ios::binary)
        << "VERSION 1.0\n"
           "Begin Form Form1\n"
           "   Begin VNTabCtl VNTabCtl1\n"
           "      NumTabs         =   2\n"
           "      TabCaption1     =   \"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1\"\n"
           "      TabCaption2     =   \"Caf\xC3\xA9 \xE2\x98\x95\"\n"
           "   End\n"
           "End\n";
    testing::internal::CaptureStderr();
    EXPECT_EQ(RoundtripCommand({form.string(), "-o", out.string()}), 0);
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "vntab: warning: " + form.string() +
            ":5: TabCaption1 = \"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1\": \xCE\x91 (U+0391), \xCE\xB8 "
            "(U+03B8), \xCE\xAE (U+03AE), \xCE\xBD (U+03BD) and \xCE\xB1 (U+03B1) are not in Windows-1252, "
            "the character set of the control's strings; each becomes ?, and saving writes ?\n"
            "vntab: warning: " +
            form.string() +
            ":6: TabCaption2 = \"Caf\xC3\xA9 \xE2\x98\x95\": \xE2\x98\x95 (U+2615) is not in Windows-1252, "
            "the character set of the control's strings; it becomes ?, and saving writes ?\n");
    const std::string saved = ReadFile(out);
    EXPECT_NE(saved.find("TabCaption1     =   \"?????\""), std::string::npos);
    EXPECT_NE(saved.find("TabCaption2     =   \"Caf\xC3\xA9 ?\""), std::string::npos);
}

TEST_F(RealForms, AControlWithNothingToDrawShowsItsBackColorNotBlack) {
    // No tabs: the control draws nothing, and its window was erased in its BackColor (blue).
    const fs::path form = m_dir / "empty.frm", png = m_dir / "empty.png";
    std::ofstream(form, std::ios::binary) << "VERSION 1.0\n"
                                             "Begin Form Form1\n"
                                             "   ScaleMode       =   3\n"
                                             "   Begin VNTabCtl VNTabCtl1\n"
                                             "      Left            =   10\n"
                                             "      Top             =   10\n"
                                             "      Width           =   100\n"
                                             "      Height          =   60\n"
                                             "      BackColor       =   &H00FF0000&\n"
                                             "   End\n"
                                             "End\n";
    ASSERT_EQ(RenderCommand({form.string(), "-o", png.string()}), 0);
    const std::optional<gdi::Image> image = gdi::ReadPng(png.string(), nullptr);
    ASSERT_TRUE(image);
    const auto at = [&](int x, int y) {
        return image->pixels[size_t(y) * size_t(image->width) + size_t(x)] & 0xFFFFFF;
    };
    EXPECT_EQ(at(5, 5), 0xC0C0C0u);    // the form's button face
    EXPECT_EQ(at(10, 10), 0x0000FFu);  // the control's corner, in blue (0xRRGGBB)
    EXPECT_EQ(at(109, 69), 0x0000FFu); // and its far corner
    EXPECT_EQ(at(110, 70), 0xC0C0C0u);
}
