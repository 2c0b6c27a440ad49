#include "TextFixture.h"

#include "platform/gdi/Trace.h"

#include <gtest/gtest.h>

namespace {

// Measuring in 10-point Arial on a live off-screen DC, as during a render.
class WordWrap : public text_test::RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        Configure(gfx::CRect(), "");
        r.Font().SetHeight(-13);
        r.SetWordWrap(true);
        r.RenderDC().CreateCompatibleDC(gdi::HDC{});
        m_line = Width("X", true);
    }
    void TearDown() override {
        r.RenderDC().DeleteDC();
        RendererTest::TearDown();
    }
    int32_t Width(const std::string& s, bool height = false) {
        const gfx::CSize size = r.GetRawTextExtent(s);
        return height ? size.CY : size.CX;
    }
    // The wrapped block's size in lines and its widest line.
    std::pair<int32_t, int32_t> Wrapped(const std::string& s, int32_t length) {
        r.SetText(s);
        r.TargetRect() = gfx::CRect(0, 0, length, 200);
        const gfx::CRect block = r.GetWordWrapRect();
        return {block.Height() / m_line, block.Width()};
    }
    int32_t m_line = 0;
};

TEST_F(WordWrap, ALineExactlyAsWideAsTheWrapLengthIsBrokenOneWordEarlier) {
    const int32_t length = Width("ab ab");
    EXPECT_EQ(Wrapped("ab ab ab ab", length), std::pair(3, length)) << "ab | ab | ab ab";
    EXPECT_EQ(Wrapped("ab ab ab ab", length + 1), std::pair(2, length)) << "ab ab | ab ab";
}

TEST_F(WordWrap, AOnePixelAreaGetsOneCharacterPerLine) {
    EXPECT_EQ(Wrapped("abc", 1), std::pair(3, std::max({Width("a"), Width("b"), Width("c")})));
    EXPECT_EQ(Wrapped("", 1), std::pair(0, 0)) << "an empty text has no lines";
}

TEST_F(WordWrap, TrailingSpacesWiderThanTheLengthStillEndTheSearch) {
    EXPECT_EQ(Wrapped("ab ab      ", Width("ab ab") + 1).first, 2) << "the words, then the spaces";
}

using WrappedRender = text_test::RendererTest;

TEST_F(WrappedRender, EachLineIsAlignedInTheBlockAndTheKeyIsUnderlinedOnItsLine) {
    text_test::Surface s(200, 120);
    Configure(gfx::CRect(0, 0, 40, 120), "one two &three");
    r.SetWordWrap(true);
    r.SetTextAlignment(6); // top centre
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    const std::vector<gdi::TraceRecord> outs = trace.filter("TextOutA");
    ASSERT_EQ(outs.size(), 3u);
    EXPECT_EQ(outs[0].text + "|" + outs[1].text + "|" + outs[2].text, "one|two|three");
    EXPECT_EQ(outs[2].args[1] - outs[1].args[1], outs[1].args[1] - outs[0].args[1])
        << "one line height apart";
    EXPECT_GT(outs[0].args[0], outs[2].args[0]) << "the narrower line is centred in the block";
    const std::vector<std::string> order = trace.lines({"TextOutA", "MoveToEx"});
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[3].rfind("MoveToEx(" + std::to_string(outs[2].args[0]) + ",", 0), 0u)
        << "under the first character of the last line: " << order[3];
}

} // namespace
