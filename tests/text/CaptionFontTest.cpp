#include "TextFixture.h"

#include "platform/automation/Arithmetic.h"
#include "platform/gdi/Trace.h"
#include "text/CFontHolder.h"
#include "text/CaptionFont.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// The caption font is built from its description in one step, kept from caption to caption and
// measured with once for many captions. Each shortcut is checked against the long way the
// renderer took before: a font rebuilt at every property write, and a font made for every
// measurement.
namespace {

using text_test::Surface;
using CaptionFont = text_test::RendererTest;

// The host fonts the tests go through: styles, a face name longer than a LOGFONT holds, an empty
// one, a bitmap face.
std::vector<rt::StdFont> HostFonts() {
    std::vector<rt::StdFont> fonts;
    fonts.emplace_back("Arial", 8);
    fonts.emplace_back("Arial", 12, true, false);
    fonts.emplace_back("Times New Roman", 9.75, false, true);
    fonts.emplace_back("A face name much longer than thirty-two characters", 10, true, true);
    fonts.emplace_back("", 10);
    fonts.emplace_back("MS Sans Serif", 8.25);
    rt::StdFont marked("Courier New", 11);
    marked.SetUnderline(true);
    marked.SetStrikethrough(true);
    fonts.push_back(marked);
    return fonts;
}

// The font holder used to build its font with every property copied through a CFont setter.
void BuildOneByOne(gfx::CFont& built, const rt::StdFont& font) {
    built.SetName(font.Name());
    built.SetItalic(font.Italic());
    built.SetBold(font.Bold());
    built.SetStrikeOut(font.Strikethrough());
    built.SetUnderline(font.Underline());
}

gdi::LOGFONTA SetterByLogFont(const rt::StdFont& font) {
    gfx::CFont built;
    BuildOneByOne(built, font);
    return built.GetLogFont();
}

TEST_F(CaptionFont, AHostFontsDescriptionIsWhatItsPropertiesCopiedOneByOneGive) {
    for (const rt::StdFont& font : HostFonts()) {
        EXPECT_TRUE(text::SameLogFont(text::HostLogFont(&font), SetterByLogFont(font))) << font.Name();
        text::CFontHolder holder;
        holder.InitializeFont(&font);
        ASSERT_TRUE(holder.GetFontHandle()) << font.Name();
        EXPECT_TRUE(text::SameLogFont(holder.Font()->GetLogFont(), SetterByLogFont(font))) << font.Name();
        // The platform's font is the one the setters left.
        gfx::CFont built;
        BuildOneByOne(built, font);
        gdi::LOGFONTA made, one_by_one;
        ASSERT_TRUE(gdi::GetLogFont(holder.GetFontHandle(), &made));
        ASSERT_TRUE(gdi::GetLogFont(built.Handle(), &one_by_one));
        EXPECT_TRUE(text::SameLogFont(made, one_by_one)) << font.Name();
    }
    EXPECT_TRUE(text::SameLogFont(text::HostLogFont(nullptr), gfx::CFont().GetLogFont()));
    gdi::LOGFONTA other = text::HostLogFont(nullptr);
    other.lfFaceName[31] = 'x';
    EXPECT_FALSE(text::SameLogFont(other, text::HostLogFont(nullptr)));
}

TEST_F(CaptionFont, StrippingIntoAKeptStringGivesTheRenderersTextAndAccessKey) {
    std::mt19937 random(11);
    const char letters[] = {'&', '&', 'a', 'b', ' '};
    std::string stripped = "left over";
    for (int round = 0; round < 2000; ++round) {
        std::string caption(random() % 9, ' ');
        for (char& c : caption)
            c = letters[random() % 5];
        const int32_t position = text::StripMnemonicsInto(caption, stripped);
        EXPECT_EQ(stripped, r.StripMnemonics(caption)) << caption;
        EXPECT_EQ(position, r.MnemonicPos()) << caption;
    }
}

// What RenderCaption did before: a new font for every caption, then bold, then the turn.
gdi::LOGFONTA LongWay(text::CRenderText& renderer, const rt::StdFont* font, bool bold, int32_t orientation) {
    renderer.SetFont(font);
    if (bold) renderer.Font().SetBold(true);
    renderer.SetOrientation(orientation);
    return renderer.Font().GetLogFont();
}

TEST_F(CaptionFont, ACaptionsFontIsTheFontTheLongWayMakesAndIsKeptWhileItStaysTheSame) {
    text::CRenderText long_way;
    std::vector<rt::StdFont> fonts = HostFonts();
    std::mt19937 random(5);
    gdi::HFONT kept{};
    gdi::LOGFONTA last{};
    for (int round = 0; round < 300; ++round) {
        const rt::StdFont* font = random() % 5 == 0 ? nullptr : &fonts[random() % fonts.size()];
        const bool bold = random() % 2;
        const int32_t orientation = static_cast<int32_t>(random() % 6) - 1; // -1 and 4 are ignored
        const gdi::LOGFONTA expected = LongWay(long_way, font, bold, orientation);
        r.SetCaptionFont(font, bold, orientation);
        gdi::LOGFONTA got = r.Font().GetLogFont();
        ASSERT_TRUE(r.Font().Handle());
        EXPECT_EQ(r.Orientation(), long_way.Orientation()) << round;
        // The height is the last render's until the next render sets it.
        const bool same_as_last = kept && text::SameLogFont(got, last);
        if (same_as_last)
            EXPECT_EQ(r.Font().Handle(), kept) << "the same font is kept, round " << round;
        else
            EXPECT_EQ(got.lfHeight, 0) << round;
        got.lfHeight = expected.lfHeight;
        ASSERT_TRUE(text::SameLogFont(got, expected)) << "round " << round;
        // A render sets the height; the long way's font gets the same one.
        Surface s(40, 20);
        r.TargetRect() = gfx::CRect(0, 0, 40, 20);
        r.SetText("Tab");
        r.Render(s.dc(), 9.0f);
        long_way.Font().SetHeight(r.Font().Height());
        EXPECT_EQ(r.Font().Height(), -12) << "9 points at 96 pixels per inch";
        ASSERT_TRUE(text::SameLogFont(r.Font().GetLogFont(), long_way.Font().GetLogFont())) << round;
        kept = r.Font().Handle();
        last = r.Font().GetLogFont();
    }
}

TEST_F(CaptionFont, ChangingTheHostFontOrTheResolutionMakesANewFont) {
    Surface s(40, 20);
    rt::StdFont font("Arial", 10);
    r.TargetRect() = gfx::CRect(0, 0, 40, 20);
    r.SetText("Tab");
    r.SetCaptionFont(&font, false, 0);
    r.Render(s.dc(), 10.0f);
    const gdi::LOGFONTA before = r.Font().GetLogFont();
    {
        gdi::Trace trace;
        r.SetCaptionFont(&font, false, 0);
        r.Render(s.dc(), 10.0f);
        EXPECT_TRUE(trace.filter("CreateFontIndirectA").empty()) << "the same caption font again";
    }
    font.SetBold(true);
    r.SetCaptionFont(&font, false, 0);
    EXPECT_EQ(r.Font().GetLogFont().lfWeight, 700);
    font.SetName("Courier New");
    r.SetCaptionFont(&font, false, 0);
    EXPECT_STREQ(r.Font().GetLogFont().lfFaceName, "Courier New");
    font.SetBold(false);
    font.SetName("Arial");
    r.SetCaptionFont(&font, false, 0);
    r.Render(s.dc(), 10.0f);
    EXPECT_TRUE(text::SameLogFont(r.Font().GetLogFont(), before));
    // At another resolution the font is made again, for a CFont that counts in its pixels.
    gdi::SetLogicalDpi(120);
    {
        gdi::Trace trace;
        r.SetCaptionFont(&font, false, 0);
        r.Render(s.dc(), 10.0f);
        EXPECT_FALSE(trace.filter("CreateFontIndirectA").empty());
    }
    EXPECT_EQ(r.Font().PixelsY(), 120);
    EXPECT_EQ(r.Font().Height(), -17) << "10 points at 120 pixels per inch";
    gdi::SetLogicalDpi(96);
}

// The width the layout measured a caption with before: a font holder made for the one caption, its
// height set from the point size at the DC's resolution, and the renderer's text size.
int32_t MeasuredTheLongWay(text::CRenderText& renderer, gfx::CDC& dc, const rt::StdFont* font,
                           const std::string& caption) {
    text::CFontHolder holder;
    holder.InitializeFont(font);
    if (font) holder.Font()->SetHeight(rt::clng(-(font->Size() * dc.GetDeviceCaps(gdi::LOGPIXELSY) / 72.0)));
    renderer.SetText(caption);
    return renderer.GetTextSize(&dc, &holder).Width();
}

TEST_F(CaptionFont, AMeasurerMeasuresEveryCaptionAsAFontMadeForItDidAndMakesNothingPerCaption) {
    const std::vector<std::string> captions = {
        "&General", "A&&B", "", "&", "Trailing&", "  spaced  ", "Tab &17", "A much longer caption than most"};
    std::vector<rt::StdFont> fonts = HostFonts();
    for (int dpi : {96, 120, 144}) {
        gdi::SetLogicalDpi(dpi);
        for (int32_t effect = 0; effect <= 4; effect += 2) {
            r.SetFont3D(effect);
            for (size_t f = 0; f <= fonts.size(); ++f) {
                const rt::StdFont* font = f < fonts.size() ? &fonts[f] : nullptr;
                Surface s(10, 10);
                const gdi::HGDIOBJ dc_font = gdi::GetCurrentObject(s.dc().m_hdc, gdi::ObjectKind::Font);
                std::vector<int32_t> expected;
                for (const std::string& caption : captions)
                    expected.push_back(MeasuredTheLongWay(r, s.dc(), font, caption));
                const gdi::LiveObjects before = gdi::live_objects();
                {
                    text::CaptionMeasurer measurer(s.dc().m_hdc, font, r.AdjustFor3DFont({}).CX);
                    gdi::Trace trace;
                    for (size_t i = 0; i < captions.size(); ++i)
                        EXPECT_EQ(measurer.Width(captions[i]), expected[i])
                            << captions[i] << " at " << dpi << " dpi, effect " << effect << ", font " << f;
                    EXPECT_EQ(trace.lines({"CreateFontIndirectA", "DeleteObject", "SelectObject"}),
                              std::vector<std::string>{});
                }
                EXPECT_EQ(gdi::live_objects(), before);
                EXPECT_EQ(gdi::GetCurrentObject(s.dc().m_hdc, gdi::ObjectKind::Font), dc_font);
            }
        }
    }
    gdi::SetLogicalDpi(96);
}

} // namespace
