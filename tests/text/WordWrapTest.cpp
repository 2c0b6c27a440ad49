#include "TextFixture.h"

#include "platform/gdi/Trace.h"

#include <gtest/gtest.h>

namespace {

using text_test::RendererTest;
using text_test::Surface;

// A renderer measuring in 10-point Arial on a live off-screen DC, as it does during a render.
class WordWrap : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        Configure(r, gfx::CRect(), "");
        r.Font().SetHeight(-13);
        r.SetWordWrap(true);
        r.RenderDC().CreateCompatibleDC(gdi::HDC{});
    }
    void TearDown() override {
        r.RenderDC().DeleteDC();
        m_owned.reset();
        RendererTest::TearDown();
    }
    int32_t Width(const std::string& s) { return r.GetRawTextExtent(s).CX; }
    int32_t LineHeight() { return r.GetRawTextExtent("X").CY; }
    gfx::CRect Wrapped(const std::string& s, int32_t length) {
        r.SetText(s);
        r.TargetRect() = gfx::CRect(0, 0, length, 200);
        return r.GetWordWrapRect();
    }

    std::unique_ptr<text::CRenderText> m_owned = std::make_unique<text::CRenderText>();
    text::CRenderText& r = *m_owned;
};

TEST_F(WordWrap, ATextThatFitsIsOneLine) {
    EXPECT_EQ(Wrapped("ab ab", Width("ab ab")), gfx::CRect(0, 0, Width("ab ab"), LineHeight()));
    EXPECT_EQ(Wrapped("ab ab", 500), gfx::CRect(0, 0, Width("ab ab"), LineHeight()));
}

TEST_F(WordWrap, ALineExactlyAsWideAsTheWrapLengthIsBrokenOneWordEarlier) {
    const int32_t length = Width("ab ab");
    // "ab" | "ab" | "ab ab": the second line would reach the length exactly, so it stops a word early.
    EXPECT_EQ(Wrapped("ab ab ab ab", length), gfx::CRect(0, 0, length, 3 * LineHeight()));
    // One pixel more and the pairs fit.
    EXPECT_EQ(Wrapped("ab ab ab ab", length + 1), gfx::CRect(0, 0, length, 2 * LineHeight()));
}

TEST_F(WordWrap, AOnePixelAreaGetsOneCharacterPerLine) {
    const gfx::CRect block = Wrapped("abc", 1);
    EXPECT_EQ(block.Height(), 3 * LineHeight());
    EXPECT_EQ(block.Width(), std::max({Width("a"), Width("b"), Width("c")}));
}

TEST_F(WordWrap, AWordLongerThanTheLineIsCutBetweenCharacters) {
    // "abcdef" is cut where it reaches the length; "xy" goes on a line of its own.
    const int32_t length = Width("abcd");
    const gfx::CRect block = Wrapped("abcdef xy", length);
    EXPECT_EQ(block.Height(), 3 * LineHeight()) << "abc | def | xy";
    EXPECT_EQ(block.Width(), std::max(Width("abc"), Width("def")));
}

TEST_F(WordWrap, TheStoredTextIsMeasuredMarkersIncluded) {
    EXPECT_EQ(Wrapped("&ab", 500).Width(), Width("&ab"));
}

TEST_F(WordWrap, AnEmptyTextHasNoLines) {
    EXPECT_EQ(Wrapped("", 50), gfx::CRect());
}

TEST_F(WordWrap, TrailingSpacesWiderThanTheLengthStillEndTheSearch) {
    // Every word fits but the spaces after them do not: the words make a line and the spaces the next.
    const int32_t length = Width("ab ab") + 1;
    const gfx::CRect block = Wrapped("ab ab      ", length);
    EXPECT_EQ(block.Height(), 2 * LineHeight());
}

TEST_F(WordWrap, TurnedTextWrapsToTheAreaHeight) {
    r.SetOrientation(1);
    r.SetText("ab ab ab ab");
    r.TargetRect() = gfx::CRect(0, 0, 500, Width("ab ab") + 1);
    EXPECT_EQ(r.GetWordWrapRect().Height(), 2 * LineHeight());
}

TEST_F(WordWrap, APictureBesideTheTextShortensTheLines) {
    const auto picture = text_test::SolidBitmap(20, 20, 0x0000FF);
    r.SetPicture(picture);
    r.SetPictureAlignment(11);
    const int32_t length = Width("ab ab") + 1;
    EXPECT_EQ(Wrapped("ab ab ab ab", length + 20).Height(), 2 * LineHeight());
    EXPECT_EQ(Wrapped("ab ab ab ab", length + 19).Height(), 3 * LineHeight());
    r.SetPicture(nullptr);
}

class WrappedRender : public RendererTest {
protected:
    void TearDown() override {
        m_owned.reset();
        RendererTest::TearDown();
    }
    std::unique_ptr<text::CRenderText> m_owned = std::make_unique<text::CRenderText>();
    text::CRenderText& r = *m_owned;
};

TEST_F(WrappedRender, EachLineIsAlignedInTheBlockAndTheKeyIsUnderlinedOnItsLine) {
    Surface s(200, 120);
    Configure(r, gfx::CRect(0, 0, 40, 120), "one two &three");
    r.SetWordWrap(true);
    r.SetTextAlignment(6); // top centre
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    const std::vector<gdi::TraceRecord> outs = trace.filter("TextOutA");
    ASSERT_EQ(outs.size(), 3u);
    EXPECT_EQ(outs[0].text, "one");
    EXPECT_EQ(outs[1].text, "two");
    EXPECT_EQ(outs[2].text, "three");
    const int64_t lineHeight = outs[1].args[1] - outs[0].args[1];
    EXPECT_GT(lineHeight, 10);
    EXPECT_EQ(outs[2].args[1] - outs[1].args[1], lineHeight);
    // The widest line starts the block; narrower ones are centred in it.
    EXPECT_GT(outs[0].args[0], outs[2].args[0]);
    // The one underline belongs to the last line: after its text and starting at its first character.
    const std::vector<std::string> order = trace.lines({"TextOutA", "MoveToEx"});
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[3].rfind("MoveToEx(" + std::to_string(outs[2].args[0]) + ",", 0), 0u) << order[3];
    EXPECT_EQ(r.MnemonicPos(), 0);
}

} // namespace
