#include "text/CRenderText.h"

#include "platform/automation/Arithmetic.h"
#include "text/TextFrame.h"

#include <algorithm>

namespace text {

// Breaks the first line off a text wider than `length`. The line takes as many whole words as stay
// narrower than the wrap length, so a line exactly as wide as it is broken one word earlier. When
// not even the first word fits, the word is cut between characters, keeping at least one. The
// word search also stops when the words run out: trailing spaces can make a text wider than the
// wrap length although all of its words fit.
CRenderText::LineBreak CRenderText::BreakLine(std::string_view remaining, int32_t length) {
    int32_t words = 0;
    std::string part;
    do {
        words = rt::add32(words, 1);
        part = GetLeftWords(remaining, words);
    } while (!part.empty() && MeasuredExtent(part).CX < length);
    words -= 1;
    if (words >= 1) {
        std::string line = GetLeftWords(remaining, words);
        const size_t consumed = std::min(line.size() + 1, remaining.size());
        return {std::move(line), consumed};
    }
    size_t count = 0;
    do {
        ++count;
    } while (count < remaining.size() && MeasuredExtent(remaining.substr(0, count)).CX < length);
    count = std::max<size_t>(count - 1, 1);
    return {std::string(remaining.substr(0, count)), count};
}

gfx::CRect CRenderText::GetWordWrapRect() {
    SelectedObject font(m_render_dc, m_font_holder.GetFontHandle());
    const gfx::CRect area = GetTextRect();
    const int32_t length = ReadsAlongX(m_orientation) ? area.Width() : area.Height();
    // The text as stored, markers included, is what gets measured.
    std::string_view remaining = m_text;
    const int32_t lineHeight = MeasuredExtent(m_text).CY;
    int32_t lines = 0;
    int32_t widest = 0;
    while (!remaining.empty() && MeasuredExtent(remaining).CX > length) {
        const LineBreak next = BreakLine(remaining, length);
        widest = std::max(widest, MeasuredExtent(next.line).CX);
        lines = rt::add32(lines, 1);
        remaining.remove_prefix(next.consumed);
    }
    if (!remaining.empty()) {
        widest = std::max(widest, MeasuredExtent(remaining).CX);
        lines = rt::add32(lines, 1);
    }
    return {0, 0, widest, rt::mul32(lines, lineHeight)};
}

} // namespace text
