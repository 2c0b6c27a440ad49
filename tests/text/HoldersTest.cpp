#include "TextFixture.h"

#include "gfx/CDC.h"
#include "platform/automation/AutomationError.h"
#include "text/CFontHolder.h"
#include "text/CPictureHolder.h"

#include <gtest/gtest.h>

namespace {

using text_test::RecordedDialogs;
using text_test::RendererTest;
using text_test::Surface;

gdi::LOGFONTA LogFontOf(gdi::HFONT font) {
    gdi::LOGFONTA logfont;
    EXPECT_TRUE(gdi::GetLogFont(font, &logfont));
    return logfont;
}

using FontHolder = RendererTest;

TEST_F(FontHolder, StartsWithAnEmptyFontAndNoHandle) {
    text::CFontHolder holder;
    ASSERT_NE(holder.Font(), nullptr);
    EXPECT_FALSE(holder.GetFontHandle());
    EXPECT_EQ(holder.Font()->Name(), "");
}

TEST_F(FontHolder, CopiesFaceAndStyleButNotTheSize) {
    text::CFontHolder holder;
    rt::StdFont font("Arial", 24, true, true);
    font.SetUnderline(true);
    font.SetStrikethrough(true);
    holder.InitializeFont(&font);
    ASSERT_TRUE(holder.GetFontHandle());
    const gdi::LOGFONTA made = LogFontOf(holder.GetFontHandle());
    EXPECT_STREQ(made.lfFaceName, "Arial");
    EXPECT_EQ(made.lfWeight, 700);
    EXPECT_EQ(made.lfItalic, 1);
    EXPECT_EQ(made.lfUnderline, 1);
    EXPECT_EQ(made.lfStrikeOut, 1);
    EXPECT_EQ(made.lfHeight, 0) << "the renderer sets the height from the point size at each render";
    EXPECT_EQ(made.lfEscapement, 0);
}

TEST_F(FontHolder, APlainFontHasNormalWeight) {
    text::CFontHolder holder;
    rt::StdFont font("Arial", 8);
    holder.InitializeFont(&font);
    EXPECT_EQ(LogFontOf(holder.GetFontHandle()).lfWeight, 400);
    EXPECT_EQ(LogFontOf(holder.GetFontHandle()).lfItalic, 0);
}

TEST_F(FontHolder, ReplacingOrReleasingTheFontLeavesNoHandleBehind) {
    const int fonts = gdi::live_objects().fonts;
    text::CFontHolder holder;
    rt::StdFont a("Arial", 8), b("Times New Roman", 10, true);
    holder.InitializeFont(&a);
    const gdi::HFONT first = holder.GetFontHandle();
    holder.InitializeFont(&b);
    EXPECT_EQ(gdi::GetObjectType(first), 0u) << "the previous font was deleted";
    EXPECT_EQ(gdi::live_objects().fonts, fonts + 1);
    holder.ReleaseFont();
    EXPECT_EQ(holder.Font(), nullptr);
    EXPECT_FALSE(holder.GetFontHandle());
    EXPECT_EQ(gdi::live_objects().fonts, fonts);
}

using PictureHolder = RendererTest;

TEST_F(PictureHolder, ConvertsHimetricToPixelsAtTheLogicalResolution) {
    Surface s(4, 4);
    gfx::CSize size(847, 847);
    text::CPictureHolder::H2P(s.dc(), size);
    EXPECT_EQ(size, gfx::CSize(32, 32)) << "847 x 96 / 2540 = 32.01";
    EXPECT_EQ(gdi::GetMapMode(s.dc().m_hdc), gdi::MM_TEXT) << "the previous map mode is back";
    gdi::SetLogicalDpi(120);
    gfx::CSize larger(847, 2540);
    text::CPictureHolder::H2P(s.dc(), larger);
    gdi::SetLogicalDpi(96);
    EXPECT_EQ(larger, gfx::CSize(40, 120));
}

TEST_F(PictureHolder, ReportsThePicturesTypeAndHimetricSize) {
    text::CPictureHolder holder;
    const auto icon = text_test::SolidIcon(32, 32, 0x00FF00);
    holder.SetPicture(icon);
    EXPECT_EQ(holder.PicType(), 3);
    EXPECT_EQ(holder.Width(), 847);
    EXPECT_EQ(holder.Height(), 847);
    EXPECT_EQ(holder.Handle(), uint32_t(icon->Handle()));
}

TEST_F(PictureHolder, ReadingAMissingPictureIsAnError) {
    text::CPictureHolder holder;
    try {
        holder.Width();
        FAIL() << "no error";
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, 91);
    }
}

TEST_F(PictureHolder, DrawsABitmapUnscaledFromItsCornerAndCroppedByTheRectangle) {
    Surface s(40, 40);
    std::vector<uint32_t> pixels(20 * 20, 0x0000FF);
    pixels[0] = 0xFF0000; // a red corner marks the bitmap's origin
    const auto bitmap = rt::StdPicture::FromPixels(20, 20, pixels);
    text::CPictureHolder holder;
    holder.SetPicture(bitmap);
    EXPECT_FALSE(holder.Render(s.dc(), gfx::CRect(5, 6, 15, 36)).has_value());
    EXPECT_EQ(s.at(5, 6), gdi::RGB(255, 0, 0));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)), (gdi::RECT{5, 6, 15, 26}))
        << "10 wide by the rectangle, 20 high by the bitmap";
}

TEST_F(PictureHolder, DrawsAnIconAtItsNaturalSizeWhateverTheRectangle) {
    Surface s(40, 40);
    const auto icon = text_test::SolidIcon(16, 16, 0x00FF00);
    text::CPictureHolder holder;
    holder.SetPicture(icon);
    holder.Render(s.dc(), gfx::CRect(3, 4, 6, 7));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 255, 0)), (gdi::RECT{3, 4, 19, 20}));
}

// A picture object of another type: a metafile has no drawing here.
class Metafile final : public rt::Dispatch {
public:
    std::string TypeName() const override { return "Picture"; }
    rt::Variant Get(std::string_view name) override {
        if (name == "Type") return rt::Variant(int16_t{2});
        if (name == "Handle") return rt::Variant(int32_t{0});
        return rt::Variant(int32_t{847});
    }
};

TEST_F(PictureHolder, AMetafileLeavesTheDestinationUnchanged) {
    Surface s(20, 20);
    text::CPictureHolder holder;
    holder.SetPicture(std::make_shared<Metafile>());
    EXPECT_FALSE(holder.Render(s.dc(), gfx::CRect(0, 0, 20, 20)).has_value());
    EXPECT_EQ(s.count(text_test::kWhite), 400);
}

TEST_F(PictureHolder, RenderingNothingSaysPictureNotSet) {
    Surface s(20, 20);
    RecordedDialogs dialogs;
    text::CPictureHolder holder;
    holder.Render(s.dc(), gfx::CRect(0, 0, 20, 20));
    EXPECT_EQ(dialogs.texts, std::vector<std::string>{"Picture not set"});
    EXPECT_EQ(s.count(text_test::kWhite), 400);
}

TEST_F(PictureHolder, ADrawingErrorIsReturnedNotRaised) {
    Surface s(20, 20);
    text::CPictureHolder holder;
    holder.SetPicture(text_test::SolidBitmap(4, 4, 0xFF0000));
    // A rectangle whose width overflows a Long cannot be drawn.
    const auto error = holder.Render(s.dc(), gfx::CRect(-2147483647, 0, 2147483647, 4));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number, rt::kErrOverflow);
}

} // namespace
