#include "platform/automation/Ansi.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormFile.h"
#include "platform/host/FormReader.h"
#include "platform/host/FormWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

// The character sets of form files: Windows-1252 files as older tools saved them, UTF-8 with and
// without a byte-order mark, each written back the way it was read.
using namespace host;
namespace fs = std::filesystem;

namespace {

const fs::path kForms = fs::path(VNTAB_SOURCE_DIR) / "tests" / "host" / "forms";

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

std::string crlf(std::string text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    return text;
}

// A canonical form whose caption is `caption` as the file's bytes spell it.
std::string form_with_caption(const std::string& caption) {
    return "VERSION 5.00\n"
           "Begin Form F\n"
           "   Caption         =   \"" +
           caption +
           "\"\n"
           "End\n";
}

std::string caption_of(const FormDocument& doc) {
    return rt::CStr(FindProperty(doc.root.items, "Caption")->value);
}

} // namespace

TEST(FormEncoding, Windows1252FilesAreReadAsTheirBytesAndWrittenBackByteForByte) {
    // é, €, curly quotes, the ellipsis and the five bytes Windows-1252 leaves undefined.
    const std::string caption = "&G\xE9n\xE9ral \x80 \x93q\x94 \x85 \x81\x8D\x8F\x90\x9D";
    for (const std::string& text : {form_with_caption(caption), crlf(form_with_caption(caption))}) {
        FormDocument doc = ParseForm(text, "legacy.frm");
        EXPECT_EQ(doc.style.encoding, FormEncoding::Windows1252);
        EXPECT_EQ(doc.style.version, "5.00");
        EXPECT_FALSE(doc.style.bom);
        EXPECT_EQ(caption_of(doc), caption);
        EXPECT_TRUE(doc.warnings.empty());
        EXPECT_EQ(FormatForm(doc), text);
    }
}

TEST(FormEncoding, Utf8FilesWithOrWithoutAByteOrderMarkAreReadIntoAnsiAndWrittenBackAsUtf8) {
    const std::string utf8 = "&G\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC2\x81";
    const std::string ansi = "&G\xE9n\xE9ral \x80 \x93q\x94 \x81";
    for (bool bom : {false, true}) {
        for (bool windows_line_ends : {false, true}) {
            std::string text = form_with_caption(utf8);
            if (windows_line_ends) text = crlf(text);
            if (bom) text = "\xEF\xBB\xBF" + text;
            FormDocument doc = ParseForm(text, "utf8.frm");
            EXPECT_EQ(doc.style.encoding, FormEncoding::Utf8);
            EXPECT_EQ(doc.style.bom, bom);
            EXPECT_EQ(doc.style.crlf, windows_line_ends);
            EXPECT_EQ(caption_of(doc), ansi);
            EXPECT_TRUE(doc.warnings.empty());
            EXPECT_EQ(FormatForm(doc), text);
        }
    }
}

TEST(FormEncoding, PlainAsciiIsWindows1252UnlessAByteOrderMarkSaysUtf8) {
    FormDocument plain = ParseForm(form_with_caption("Demo"), "a.frm");
    EXPECT_EQ(plain.style.encoding, FormEncoding::Windows1252);
    plain.root.items.push_back(FormProperty{"Tag", rt::Variant("caf\xE9"), 0});
    EXPECT_NE(FormatForm(plain).find("\"caf\xE9\""), std::string::npos);

    FormDocument marked = ParseForm("\xEF\xBB\xBF" + form_with_caption("Demo"), "a.frm");
    EXPECT_EQ(marked.style.encoding, FormEncoding::Utf8);
    marked.root.items.push_back(FormProperty{"Tag", rt::Variant("caf\xE9"), 0});
    EXPECT_NE(FormatForm(marked).find("\"caf\xC3\xA9\""), std::string::npos);
}

TEST(FormEncoding, TextWindows1252CannotHoldIsWarnedAboutWithFileAndLine) {
    std::string text =
        "VERSION 1.0\n"
        "Begin Form F\n"
        "   Caption         =   \"\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xF0\x9F\x98\x80\"\n"
        "   Tag             =   \"caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xA7"
        "\xE3\x81\x99\xE3\x81\xAD\xE3\x80\x82\"\n"
        "   Name2           =   \"Smile \xF0\x9F\x98\x80\"\n"
        "End\n";
    FormDocument doc = ParseForm(text, "greek.frm");
    EXPECT_EQ(doc.style.encoding, FormEncoding::Utf8);
    ASSERT_EQ(doc.warnings.size(), 3u);
    EXPECT_EQ(
        doc.warnings[0],
        "greek.frm:3: Caption = \"\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xF0\x9F\x98\x80\": "
        "\xCE\xA9 (U+03A9), \xCE\xBC (U+03BC), \xCE\xAD (U+03AD), \xCE\xB3 (U+03B3), \xCE\xB1 (U+03B1) and "
        "\xF0\x9F\x98\x80 (U+1F600) are not in Windows-1252, the character set of the control's strings; "
        "each becomes ?, and saving writes ?");
    EXPECT_EQ(
        doc.warnings[1],
        "greek.frm:4: Tag = \"caf\xC3\xA9 "
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xA7\xE3\x81\x99\xE3\x81"
        "\xAD\xE3\x80\x82\": \xE6\x97\xA5 (U+65E5), \xE6\x9C\xAC (U+672C), \xE8\xAA\x9E (U+8A9E), "
        "\xE3\x81\xA7 "
        "(U+3067), \xE3\x81\x99 (U+3059), \xE3\x81\xAD (U+306D) and 1 more are not in Windows-1252, the "
        "character set of the control's strings; each becomes ?, and saving writes ?");
    EXPECT_EQ(doc.warnings[2],
              "greek.frm:5: Name2 = \"Smile \xF0\x9F\x98\x80\": \xF0\x9F\x98\x80 (U+1F600) is not "
              "in Windows-1252, the character set of the control's strings; it becomes ?, and "
              "saving writes ?");
    EXPECT_EQ(caption_of(doc), "????? ?");
    EXPECT_EQ(rt::CStr(FindProperty(doc.root.items, "Tag")->value), "caf\xE9 ???????");
    EXPECT_NE(FormatForm(doc).find("Caption         =   \"????? ?\""), std::string::npos);
}

TEST(FormEncoding, AFileOfTwoCharacterSetsIsReadAsWindows1252WithAWarning) {
    const std::string mixed = "VERSION 1.0\n"
                              "Begin Form F\n"
                              "   Caption         =   \"\xC3\xA9t\xC3\xA9\"\n"
                              "   Tag             =   \"\xE9t\xE9\"\n"
                              "End\n";
    FormDocument doc = ParseForm(mixed, "mixed.frm");
    EXPECT_EQ(doc.style.encoding, FormEncoding::Windows1252);
    EXPECT_EQ(caption_of(doc), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(doc.warnings,
              (std::vector<std::string>{
                  "mixed.frm:3: this line looks like UTF-8, but line 4 is not UTF-8 (byte 0xE9), so "
                  "the whole file is read as Windows-1252 and this line's text with it"}));
    EXPECT_EQ(FormatForm(doc), mixed);

    FormDocument marked = ParseForm("\xEF\xBB\xBF" + mixed, "marked.frm");
    EXPECT_EQ(marked.style.encoding, FormEncoding::Windows1252);
    EXPECT_EQ(marked.warnings,
              (std::vector<std::string>{
                  "marked.frm:4: the file starts with a UTF-8 byte-order mark, but line 4 is not "
                  "UTF-8 (byte 0xE9), so the whole file is read as Windows-1252"}));
    EXPECT_EQ(FormatForm(marked), "\xEF\xBB\xBF" + mixed);
}

TEST(FormEncoding, Windows1252TextThatWouldReadBackAsUtf8IsSavedAsUtf8) {
    // Only the comment made this file Windows-1252; comments are not kept, so its strings are
    // written as UTF-8 to read back as the same characters.
    FormDocument doc = ParseForm("VERSION 1.0\n"
                                 "Begin Form F\n"
                                 "   ' r\xE9sum\xE9\n"
                                 "   Caption         =   \"\xC3\xA9\"\n"
                                 "End\n",
                                 "f.frm");
    EXPECT_EQ(caption_of(doc), "\xC3\xA9");
    const std::string saved = FormatForm(doc);
    EXPECT_EQ(saved, form_with_caption("\xC3\x83\xC2\xA9").replace(8, 4, "1.0"));
    EXPECT_EQ(caption_of(ParseForm(saved, "saved.frm")), "\xC3\xA9");
}

TEST(FormEncoding, BytesThatAreNotUtf8MakeAWindows1252File) {
    // What a UTF-8 reader refuses: a Windows-1252 letter, an overlong form, a surrogate, a character
    // cut short at the end of the file. Each is text in Windows-1252, and kept as its bytes.
    for (const std::string caption : {"Caf\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82"}) {
        const std::string text = form_with_caption(caption);
        FormDocument doc = ParseForm(text, "f.frm");
        EXPECT_EQ(doc.style.encoding, FormEncoding::Windows1252) << caption;
        EXPECT_EQ(caption_of(doc), caption);
        EXPECT_TRUE(doc.warnings.empty());
        EXPECT_EQ(FormatForm(doc), text);
    }
}

// The forms of built-in controls under tests/host/forms; the tool's tests round-trip the rest.
class SavedForms : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        gdi::SetLogicalDpi(96);
        m_dir = fs::temp_directory_path() / ("vntab-encoding-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

TEST_P(SavedForms, LoadAndSaveGiveBackTheSameBytes) {
    const fs::path original = kForms / GetParam();
    auto form = LoadForm(original.string(), FormOptions{});
    EXPECT_TRUE(form->warnings().empty());
    const fs::path copy = m_dir / GetParam();
    SaveForm(*form, copy.string());
    EXPECT_EQ(read(copy), read(original));
}

INSTANTIATE_TEST_SUITE_P(Forms, SavedForms, ::testing::Values("cp1252-lf.frm", "utf8-lf.frm"));

TEST_F(SavedForms, AnOldFormsCaptionsAreItsWindows1252Bytes) {
    auto form = LoadForm((kForms / "cp1252-lf.frm").string(), FormOptions{});
    EXPECT_EQ(form->properties().Caption(), "Adresse de livraison \x97 \xAB\xA0Soci\xE9t\xE9\xA0\xBB");
    EXPECT_EQ(rt::CStr(form->FindControl("lblCode")->Get("Caption")).substr(0, 6), "\x81\x8D\x8F\x90\x9D ");
    auto utf8 = LoadForm((kForms / "utf8-lf.frm").string(), FormOptions{});
    EXPECT_EQ(rt::CStr(utf8->FindControl("txtRue")->Get("Text")), "Avenida de Espa\xF1"
                                                                  "a, 3\xBA \x95 1\xAA");
}
