#include "driver/Script.h"

#include <gtest/gtest.h>

using namespace driver;

static std::string error_of(std::string_view text) {
    try {
        ParseScript(text, "s");
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "";
}

TEST(Script, StepsSplitOnSemicolonsAndLinesWithCaseInsensitiveWords) {
    auto steps = ParseScript("Set TabCount 5; tabs ADD 1 \"k;1\" \"A \"\"b\"\"\"\n\nclick 10 20\nhandle "
                             "BeforeTabChanged Cancel True 2",
                             "s");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].verb, "set");
    EXPECT_EQ(steps[0].value->value, rt::Variant(5));
    EXPECT_EQ(steps[1].verb, "tabs add");
    EXPECT_EQ(steps[1].words, (std::vector<std::string>{"1", "k;1", "A \"b\""}));
    EXPECT_EQ(steps[2].verb, "click");
    EXPECT_EQ(steps[2].line, 3);
    EXPECT_EQ(steps[2].number, 3);
    EXPECT_EQ(steps[3].value->value, rt::Variant(true));
    EXPECT_EQ(steps[3].words.back(), "2");
}

TEST(Script, ValuesTakeEveryWrittenForm) {
    auto steps =
        ParseScript("set BackColor &H80000005&; set TabRowOffset 7.5; set TabCaption \"&Caf\xC3\xA9\"; "
                    "set TabPicture picture \"p.ico\"; set TabCaptionFont font \"Arial\" 12 bold italic",
                    "s");
    EXPECT_EQ(steps[0].value->value, rt::Variant(static_cast<int32_t>(0x80000005)));
    EXPECT_EQ(steps[1].value->value, rt::Variant(7.5));
    EXPECT_EQ(steps[2].value->value, rt::Variant("&Caf\xE9")); // ANSI inside
    EXPECT_EQ(steps[3].value->kind, ScriptValue::Kind::Picture);
    EXPECT_EQ(steps[3].value->path, "p.ico");
    EXPECT_EQ(steps[4].value->kind, ScriptValue::Kind::Font);
    EXPECT_DOUBLE_EQ(steps[4].value->font_size, 12.0);
    EXPECT_TRUE(steps[4].value->bold && steps[4].value->italic);
}

TEST(Script, PlainValuesAreReadAsFormFilesReadThem) {
    auto value = [](const std::string& word) { return ParseScript("set X " + word, "s").at(0).value->value; };
    // Whole numbers go to the control as Long values, whatever their size.
    EXPECT_EQ(value("-1"), rt::Variant(int32_t{-1}));
    EXPECT_EQ(value("+32768"), rt::Variant(int32_t{32768}));
    EXPECT_EQ(value("99999999999"), rt::Variant(99999999999.0));
    EXPECT_EQ(value("1E3"), rt::Variant(1000.0));
    EXPECT_EQ(value("FALSE"), rt::Variant(false));
    // Hexadecimal as in a form file: four digits without the suffix are an Integer.
    EXPECT_EQ(value("&HFFFF"), rt::Variant(int16_t{-1}));
    EXPECT_EQ(value("&hFFFF&"), rt::Variant(int32_t{65535}));
    EXPECT_EQ(value("&H0000FFFF"), rt::Variant(int32_t{65535}));
    EXPECT_EQ(value("\"\""), rt::Variant(""));
}

TEST(Script, MalformedScriptsNameTheLine) {
    EXPECT_EQ(error_of("paint\nfly 1 2"), "s:2: expected a command, not fly");
    EXPECT_EQ(error_of("click 1"), "s:1: wrong number of words after click");
    EXPECT_EQ(error_of("set TabCaption \"open"), "s:1: expected a closing quote");
    EXPECT_EQ(error_of("set TabWidth wide"),
              "s:1: expected a number, &H...&, True, False or a quoted string, not wide");
    EXPECT_EQ(error_of("set X &HXYZ&"), "s:1: expected up to 8 hexadecimal digits in &HXYZ&");
    EXPECT_EQ(error_of("set F font Arial 12"), "s:1: expected font \"NAME\" SIZE [bold] [italic]");
    EXPECT_EQ(error_of("set F font \"Arial\" 1D2"), "s:1: expected font \"NAME\" SIZE [bold] [italic]");
    EXPECT_EQ(error_of("set X &H123456789"), "s:1: expected up to 8 hexadecimal digits in &H123456789");
    EXPECT_EQ(error_of("set X &H12&&"), "s:1: expected up to 8 hexadecimal digits in &H12&&");
    for (const char* word : {"1D2", "&O17", "1e999", "12a", "Truex", "1.5E"})
        EXPECT_EQ(error_of(std::string("set X ") + word),
                  std::string("s:1: expected a number, &H...&, True, False or a quoted string, not ") + word);
    EXPECT_EQ(error_of("set X 1 2"), "s:1: expected one value, not 2 words");
    EXPECT_EQ(error_of("handle Click Button 1 x"), "s:1: expected one value, not 2 words");
}

TEST(Script, PageStepsAndDialogAnswers) {
    auto steps =
        ParseScript("page Tabs; field txtCaption \"A b\"; field txtTabCount 12a; field picTabPicture "
                    "picture \"p.ico\"; press cmdAdd; apply; answer file \"a.bmp\"; answer color "
                    "&H336699&; answer Cancel",
                    "s");
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps[1].words, (std::vector<std::string>{"txtCaption", "A b"}));
    // A text is typed as written: it need not be a value of the script's own.
    EXPECT_EQ(steps[2].words[1], "12a");
    EXPECT_FALSE(steps[2].value);
    EXPECT_EQ(steps[3].value->kind, ScriptValue::Kind::Picture);
    EXPECT_EQ(steps[3].value->path, "p.ico");
    EXPECT_EQ(steps[5].verb, "apply");
    EXPECT_EQ(steps[6].words[1], "a.bmp");
    EXPECT_EQ(steps[7].value->value, rt::Variant(0x336699));
    EXPECT_EQ(steps[8].words[0], "Cancel");
}

TEST(Script, MalformedPageStepsAndAnswers) {
    EXPECT_EQ(error_of("answer maybe"), "s:1: expected answer ok, cancel, file \"PATH\" or color &H...&");
    EXPECT_EQ(error_of("answer file a.bmp"),
              "s:1: expected answer ok, cancel, file \"PATH\" or color &H...&");
    EXPECT_EQ(error_of("answer color &H80000005&"),
              "s:1: expected a colour from 0 to &HFFFFFF&, not &H80000005&");
    EXPECT_EQ(error_of("answer color 1.5"), "s:1: expected a colour from 0 to &HFFFFFF&, not 1.5");
    EXPECT_EQ(error_of("answer color red"),
              "s:1: expected a number, &H...&, True, False or a quoted string, not red");
    EXPECT_EQ(error_of("field picTabPicture picture p.ico"),
              "s:1: expected field NAME VALUE or field NAME picture \"PATH\"");
    EXPECT_EQ(error_of("field txtCaption a b"),
              "s:1: expected field NAME VALUE or field NAME picture \"PATH\"");
    EXPECT_EQ(error_of("page"), "s:1: wrong number of words after page");
    EXPECT_EQ(error_of("apply now"), "s:1: wrong number of words after apply");
}
