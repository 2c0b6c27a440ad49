#include "TextFixture.h"

#include "platform/automation/AutomationError.h"
#include "text/CFontHolder.h"
#include "text/CPictureHolder.h"

#include <gtest/gtest.h>

namespace {

using text_test::Surface;
using Holders = text_test::RendererTest;

gdi::LOGFONTA LogFontOf(const text::CFontHolder& holder) {
    gdi::LOGFONTA logfont;
    EXPECT_TRUE(gdi::GetLogFont(holder.GetFontHandle(), &logfont));
    return logfont;
}

TEST_F(Holders, AFontGetsFaceAndStyleButNeitherSizeNorTurn) {
    text::CFontHolder holder;
    EXPECT_FALSE(holder.GetFontHandle()) << "an empty font until one is given";
    const rt::StdFont bold_italic("Arial", 24, true, true), plain("Arial", 8);
    holder.InitializeFont(&bold_italic);
    const gdi::LOGFONTA made = LogFontOf(holder);
    EXPECT_STREQ(made.lfFaceName, "Arial");
    EXPECT_EQ(made.lfWeight, 700);
    EXPECT_EQ(made.lfItalic, 1);
    EXPECT_EQ(made.lfHeight, 0) << "the renderer sets the height at each render";
    holder.InitializeFont(&plain);
    EXPECT_EQ(LogFontOf(holder).lfWeight, 400);
    holder.ReleaseFont();
    EXPECT_FALSE(holder.GetFontHandle());
}

TEST_F(Holders, HimetricBecomesPixelsAtTheLogicalResolution) {
    Surface s(4, 4);
    gfx::CSize icon(847, 847);
    text::CPictureHolder::H2P(s.dc(), icon);
    EXPECT_EQ(icon, gfx::CSize(32, 32)) << "847 x 96 / 2540 = 32.01";
    EXPECT_EQ(gdi::GetMapMode(s.dc().m_hdc), gdi::MM_TEXT) << "the map mode is back";
}

// A picture object of a type that is not drawn here.
class Metafile final : public rt::Dispatch {
public:
    std::string TypeName() const override { return "Picture"; }
    rt::Variant Get(std::string_view name) override { return rt::Variant(int16_t(name == "Type" ? 2 : 847)); }
};

TEST_F(Holders, NoPictureOrAMetafileDrawsNothing) {
    Surface s(20, 20);
    text_test::RecordedDialogs dialogs;
    text::CPictureHolder holder;
    holder.Render(s.dc(), gfx::CRect(0, 0, 20, 20));
    EXPECT_EQ(dialogs.texts, std::vector<std::string>{"Picture not set"});
    holder.SetPicture(std::make_shared<Metafile>());
    EXPECT_FALSE(holder.Render(s.dc(), gfx::CRect(0, 0, 20, 20)).has_value());
    EXPECT_EQ(s.count(text_test::kWhite), 400);
}

TEST_F(Holders, ADrawingErrorIsReturnedNotRaised) {
    Surface s(20, 20);
    text::CPictureHolder holder;
    holder.SetPicture(text_test::SolidBitmap(4, 4, 0xFF0000));
    const auto error = holder.Render(s.dc(), gfx::CRect(-2147483647, 0, 2147483647, 4)); // width overflows
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number, rt::kErrOverflow);
}

} // namespace
