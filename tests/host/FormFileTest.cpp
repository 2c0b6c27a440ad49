#include "platform/host/FormFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace host;
namespace fs = std::filesystem;

namespace {

const char* kCanonical = "VERSION 1.0\n"
                         "Begin Form Form1\n"
                         "   Caption         =   \"Demo \"\"quoted\"\" \xE2\x82\xAC\"\n"
                         "   ScaleMode       =   1\n"
                         "   ClientWidth     =   7200\n"
                         "   BackColor       =   &H8000000F&\n"
                         "   BeginProperty Font\n"
                         "      Name            =   \"MS Sans Serif\"\n"
                         "      Size            =   8.25\n"
                         "   EndProperty\n"
                         "   Begin VNTabCtl VNTabCtl1\n"
                         "      Enabled         =   0   'False\n"
                         "      TabRowOffset    =   -3\n"
                         "      Tab1Control1Name =  \"Text1\"\n"
                         "      TabCaptionLongerKey = \"&General\"\n"
                         "      Begin TextBox Text1\n"
                         "         Index           =   2\n"
                         "         Left            =   360\n"
                         "      End\n"
                         "      Begin Frame Frame1\n"
                         "         Begin Label Label1\n"
                         "            Caption         =   \"\"\n"
                         "         End\n"
                         "      End\n"
                         "   End\n"
                         "End\n";

std::string error_of(std::string_view text) {
    try {
        ParseForm(text, "f.frm");
    } catch (const FormFileError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(FormFile, CanonicalFileRoundTripsByteForByte) {
    FormDocument doc = ParseForm(kCanonical, "demo.frm");
    EXPECT_EQ(FormatForm(doc), kCanonical);

    std::string crlf;
    for (const char* p = kCanonical; *p; ++p) {
        if (*p == '\n') crlf += '\r';
        crlf += *p;
    }
    EXPECT_EQ(FormatForm(ParseForm(crlf, "demo.frm")), crlf);
}

TEST(FormFile, ValuesAreTypedAndStringsBecomeAnsi) {
    FormDocument doc = ParseForm(kCanonical, "demo.frm");
    const FormNode& tab = doc.root.children.at(0);
    EXPECT_EQ(tab.type, "VNTabCtl");
    EXPECT_EQ(rt::CStr(FindProperty(doc.root.items, "caption")->value), "Demo \"quoted\" \x80");
    EXPECT_EQ(FindProperty(doc.root.items, "BackColor")->value,
              rt::Variant(static_cast<int32_t>(0x8000000F)));
    EXPECT_EQ(FindProperty(tab.items, "Enabled")->value, rt::Variant(false));
    EXPECT_EQ(FindProperty(FindGroup(doc.root.items, "Font")->items, "Size")->value, rt::Variant(8.25));
    EXPECT_EQ(FindProperty(tab.items, "TabRowOffset")->line, 13);
    // A control array member and a container inside the tab control survive.
    ASSERT_EQ(tab.children.size(), 2u);
    EXPECT_EQ(FindProperty(tab.children[0].items, "Index")->value, rt::Variant(int16_t{2}));
    EXPECT_EQ(tab.children[1].children.at(0).name, "Label1");
}

TEST(FormFile, ValuesAreTypedByHowTheyAreWritten) {
    FormDocument doc = ParseForm("VERSION 1.0\nBegin Form F\n"
                                 "  Short = &H8000\n"
                                 "  Long = &H8000&   ' the suffix makes a Long\n"
                                 "  Yes = -1 'true\n"
                                 "  No = 0   'False\n"
                                 "  Minus = -1 ' Trueish\n"
                                 "  Big = 32768\n"
                                 "  Fraction = 5.\n"
                                 "  Text = \"a \"\"b\"\" c\" ' \"not\" the text\n"
                                 "End\n",
                                 "f.frm");
    auto value = [&](std::string_view key) { return FindProperty(doc.root.items, key)->value; };
    EXPECT_EQ(value("Short"), rt::Variant(int16_t{-32768}));
    EXPECT_EQ(value("Long"), rt::Variant(int32_t{32768}));
    EXPECT_EQ(value("Yes"), rt::Variant(true));
    EXPECT_EQ(value("No"), rt::Variant(false));
    EXPECT_EQ(value("Minus"), rt::Variant(int16_t{-1}));
    EXPECT_EQ(value("Big"), rt::Variant(int32_t{32768}));
    EXPECT_EQ(value("Fraction"), rt::Variant(5.0));
    EXPECT_EQ(value("Text"), rt::Variant("a \"b\" c"));
}

TEST(FormFile, MalformedValuesSayWhatWasExpected) {
    auto value_error = [](const std::string& value) {
        return error_of("VERSION 1.0\nBegin Form F\n  A = " + value + "\nEnd\n");
    };
    EXPECT_EQ(value_error("&H123456789"), "f.frm:3: expected at most 8 hexadecimal digits");
    EXPECT_EQ(value_error("&H&"), "f.frm:3: expected hexadecimal digits after &H");
    EXPECT_EQ(value_error("1.5E+"), "f.frm:3: expected digits in the exponent");
    EXPECT_EQ(value_error("1D5"), "f.frm:3: expected the end of the line after the value");
    EXPECT_EQ(value_error("&HFF&&"), "f.frm:3: expected the end of the line after the value");
    EXPECT_EQ(value_error("True False"), "f.frm:3: expected the end of the line after the value");
    EXPECT_EQ(value_error("1e999"), "f.frm:3: expected a finite number");
    EXPECT_EQ(value_error("-2147483649"), "f.frm:3: expected a number within 32 bits");
    for (const char* bad : {"&O17", "Yes", "-", ".", "'comment"})
        EXPECT_EQ(value_error(bad),
                  "f.frm:3: expected a value: a number, &H...&, True, False or a quoted string")
            << bad;
}

TEST(FormFile, AnyValidFileReadsBackAsTheSameForm) {
    const char* loose = "\xEF\xBB\xBF' a comment before everything\r\n"
                        "VERSION 1.0\r\n"
                        "begin VB.Form Form1   ' trailing comment\r\n"
                        "\tCaption=\"x\"   \r\n"
                        "  BackColor = 12632256\r\n"
                        "  Big = 100000\r\n"
                        "  Ratio = 1.5E+3\r\n"
                        "  Flag = true\r\n"
                        "  Hex = &HFFFF\r\n"
                        "  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}\r\n"
                        "    Name = \"Arial\"\r\n"
                        "  EndProperty\r\n"
                        "end\r\n"
                        "\r\n";
    FormDocument first = ParseForm(loose, "loose.frm");
    std::string canonical = FormatForm(first);
    FormDocument second = ParseForm(canonical, "again.frm");
    EXPECT_EQ(FormatForm(second), canonical);
    EXPECT_EQ(second.root.type, "VB.Form");
    EXPECT_EQ(FindProperty(second.root.items, "Big")->value, rt::Variant(100000));
    EXPECT_EQ(FindProperty(second.root.items, "Hex")->value, rt::Variant(int16_t{-1}));
    // A whole Double is written as a plain number; readers convert it to the property's type.
    EXPECT_EQ(rt::CDbl(FindProperty(second.root.items, "Ratio")->value), 1500.0);
    EXPECT_EQ(FindProperty(second.root.items, "Flag")->value, rt::Variant(true));
    EXPECT_NE(canonical.find("BackColor       =   &H00C0C0C0&"), std::string::npos);
}

TEST(FormFile, MalformedInputIsRefusedWithFileLineAndWhatWasExpected) {
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  A = 1\n"),
              "f.frm:3: expected End for Begin Form F (line 2)");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  A = 12x\nEnd\n"),
              "f.frm:3: expected the end of the line after the value");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  A = 99999999999\nEnd\n"),
              "f.frm:3: expected a number within 32 bits");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  A = \"open\nEnd\n"),
              "f.frm:3: expected a closing quote");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  A = \nEnd\n"), "f.frm:3: expected a value after =");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  BeginProperty Font\nEnd\n"),
              "f.frm:4: expected EndProperty before End");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\nEnd\nBegin Form G\nEnd\n"),
              "f.frm:4: expected the end of the file after the form's End");
    EXPECT_EQ(error_of("VERSION 1.0\nEnd\n"), "f.frm:2: expected Begin before End");
    EXPECT_EQ(error_of("VERSION 1.0\nBegin Form F\n  Name Value\nEnd\n"),
              "f.frm:3: expected a property: Key = Value");
}

TEST(FormFile, FilesThatAreNotFormTextAreRefusedWithTheirPlace) {
    EXPECT_EQ(error_of(""),
              "f.frm:1: expected VERSION and a version number on the first line, not an empty file");
    EXPECT_EQ(error_of("' only a comment\n\n"),
              "f.frm:2: expected VERSION and a version number on the first line, not the end of the file");
    const std::string binary("\x7F"
                             "ELF\x02\x01\x01\n\x00\x00\x3E",
                             11);
    EXPECT_EQ(error_of(binary), "f.frm:2: expected a form text file, not binary data (a zero byte)");
    const std::string utf16("\xFF\xFEV\x00"
                            "E\x00R\x00",
                            8);
    EXPECT_EQ(error_of(utf16),
              "f.frm:1: expected UTF-8 or Windows-1252 text, not UTF-16: save the form as UTF-8");
    const std::string folder = fs::temp_directory_path().string();
    try {
        ReadFormFile(folder);
        FAIL() << "a folder was read";
    } catch (const FormFileError& e) {
        EXPECT_EQ(std::string(e.what()), folder + ": expected a form file, not a folder");
    }
}

TEST(FormFile, HostileSizesAreRefusedNotCrashedOn) {
    std::string long_line = "VERSION 1.0\nBegin Form F\n  A = \"" + std::string(1 << 20, 'x') + "\"\nEnd\n";
    EXPECT_EQ(error_of(long_line), "f.frm:3: expected a line of at most 65536 characters");

    std::string deep = "VERSION 1.0\n";
    for (int i = 0; i < 10000; ++i)
        deep += "Begin Frame F" + std::to_string(i) + "\n";
    EXPECT_EQ(error_of(deep), "f.frm:102: expected at most 100 nested Begin blocks");

    std::mt19937 rng(1234);
    for (int round = 0; round < 2000; ++round) {
        std::string junk(rng() % 300, '\0');
        for (char& c : junk)
            c = static_cast<char>(rng() % 256);
        if (round % 2) junk = "VERSION 1.0\nBegin Form F\n" + junk; // reach past the first line
        try {
            ParseForm(junk, "junk.frm");
        } catch (const FormFileError&) {
        }
    }
}

class FormFileSave : public ::testing::Test {
protected:
    void SetUp() override {
        char dir_template[] = "/tmp/vntab-save-XXXXXX";
        ASSERT_NE(::mkdtemp(dir_template), nullptr);
        m_dir = dir_template;
    }
    void TearDown() override {
        ::chmod(m_dir.c_str(), 0700);
        fs::remove_all(m_dir);
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string m_dir;
};

TEST_F(FormFileSave, SaveReplacesTheFileAndLeavesNoTemporary) {
    std::string path = m_dir + "/form.frm";
    WriteFormFile(path, "first");
    WriteFormFile(path, kCanonical);
    EXPECT_EQ(read(path), kCanonical);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(FormFileSave, FailedSaveLeavesTheOldFileAsItWas) {
    std::string path = m_dir + "/form.frm";
    WriteFormFile(path, "old contents");
    ASSERT_EQ(::chmod(m_dir.c_str(), 0555), 0);
    // The save runs in a child without privileges, so a read-only folder stops it even when the
    // tests run as root.
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        try {
            WriteFormFile(path, "new contents");
        } catch (const FormFileError& e) {
            ::_exit(std::string(e.what()).find("cannot save") != std::string::npos ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(read(path), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST(FormFile, LineBreaksInStringsCannotBeSaved) {
    FormDocument doc = ParseForm("VERSION 1.0\nBegin Form F\nEnd\n", "f.frm");
    doc.root.items.push_back(FormProperty{"Caption", rt::Variant("two\nlines"), 0});
    EXPECT_THROW(FormatForm(doc), FormFileError);
}
