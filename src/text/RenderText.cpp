#include "text/CRenderText.h"

#include "platform/automation/Arithmetic.h"
#include "text/TextFrame.h"

namespace text {

bool CRenderText::RenderText(const gfx::CRect& area) {
    SelectedObject font(m_render_dc, m_font_holder.GetFontHandle());
    const gfx::CRect size = m_word_wrap ? GetWordWrapRect() : GetTextSize();
    const int32_t w = size.Width();
    const int32_t h = size.Height();
    m_text_rect = {0, 0, w, h};
    int32_t offY = GetTextOffsetY(m_text_rect, area, m_text_alignment, true);
    int32_t offX = GetTextOffsetX(m_text_rect, area, m_text_alignment, true);

    // The block on the surface: turned text stands w high and h wide.
    const int32_t left = rt::add32(area.Left, offX);
    const int32_t top = rt::add32(area.Top, offY);
    const bool alongX = ReadsAlongX(m_orientation);
    const gfx::CRect block(left, top, rt::add32(left, alongX ? w : h), rt::add32(top, alongX ? h : w));

    // The reference point is the block corner where the top-left of the text's frame lies: the
    // top-right corner for text reading downwards, the bottom-right for upside-down text, the
    // bottom-left for text reading upwards. The font's escapement turns the glyphs from there into
    // the block.
    switch (m_orientation) {
    case 1:
        offX = rt::add32(offX, h);
        break;
    case 2:
        offX = rt::add32(offX, w);
        offY = rt::add32(offY, h);
        break;
    case 3:
        offY = rt::add32(offY, w);
        break;
    default:
        break;
    }
    m_text_rect.OffsetRect(rt::add32(area.Left, offX), rt::add32(area.Top, offY));

    const std::string stripped = StripMnemonics(m_text);
    if (m_word_wrap)
        DrawLines(stripped, w, GetRawTextExtent(m_text).CY);
    else
        TextOut3D(m_text_rect.Left, m_text_rect.Top, stripped, m_mnemonic_pos);
    if (IsBesideText(m_picture_alignment)) PlaceAdjacentPicture(block);
    return true;
}

// Draws the stripped text wrapped to the block's line length, each line aligned in the block and
// the reference point moving one line toward the next line (down the text's frame).
void CRenderText::DrawLines(const std::string& stripped, int32_t blockLength, int32_t lineHeight) {
    std::string_view remaining = stripped;
    while (!remaining.empty() && MeasuredExtent(remaining).CX > blockLength) {
        const LineBreak next = BreakLine(remaining, blockLength);
        DrawLine(next.line, next.consumed, lineHeight);
        remaining.remove_prefix(next.consumed);
    }
    if (!remaining.empty()) DrawLine(remaining, remaining.size(), lineHeight);
}

void CRenderText::DrawLine(std::string_view line, size_t consumed, int32_t lineHeight) {
    int32_t dx = 0;
    int32_t dy = 0;
    GetAlignOffsets(dx, dy, m_text_rect, MeasuredExtent(line));
    // The access key is underlined on the line that holds it; on the lines before, its position
    // follows the characters they used up.
    int32_t accessKey = 0;
    const int32_t length = static_cast<int32_t>(line.size());
    if (m_mnemonic_pos > 0 && m_mnemonic_pos <= length) {
        accessKey = m_mnemonic_pos;
        m_mnemonic_pos = 0;
    } else if (m_mnemonic_pos > 0) {
        m_mnemonic_pos = rt::sub32(m_mnemonic_pos, static_cast<int64_t>(consumed));
    }
    TextOut3D(rt::add32(m_text_rect.Left, dx), rt::add32(m_text_rect.Top, dy), line, accessKey);
    switch (m_orientation) {
    case 0:
        m_text_rect.OffsetRect(0, lineHeight);
        break;
    case 1:
        m_text_rect.OffsetRect(rt::sub32(0, lineHeight), 0);
        break;
    case 2:
        m_text_rect.OffsetRect(0, rt::sub32(0, lineHeight));
        break;
    default:
        m_text_rect.OffsetRect(lineHeight, 0);
        break;
    }
}

// Where a picture beside the text goes: against the block on the side of its alignment, aligned
// along the block's other axis like the text, with a one-pixel nudge where turned text's cell
// leaves a pixel of margin.
void CRenderText::PlaceAdjacentPicture(const gfx::CRect& block) {
    const gfx::CRect picture = GetPictureSizeRect();
    const int32_t pw = picture.Width();
    const int32_t ph = picture.Height();
    gfx::CRect r(block.Left, block.Top, rt::add32(block.Left, pw), rt::add32(block.Top, ph));
    const ScreenSide side = SideOfText(m_picture_alignment, m_orientation);
    switch (side) {
    case ScreenSide::Left:
        r.OffsetRect(-pw, 0);
        break;
    case ScreenSide::Top:
        r.OffsetRect(0, -ph);
        break;
    case ScreenSide::Right:
        r.OffsetRect(block.Width(), 0);
        break;
    case ScreenSide::Bottom:
        r.OffsetRect(0, block.Height());
        break;
    }
    if (IsVerticalSide(side))
        r.Top = rt::add32(block.Top, GetTextOffsetY(picture, block, m_text_alignment, false));
    else
        r.Left = rt::add32(r.Left, GetTextOffsetX(picture, block, m_text_alignment, false));

    const bool besideStartOrEnd =
        m_picture_alignment == kPictLeftOfText || m_picture_alignment == kPictRightOfText;
    if (m_orientation == 1) {
        if (besideStartOrEnd && AcrossGroup(m_text_alignment) == Group::First) r.Left = rt::sub32(r.Left, 1);
        if (!besideStartOrEnd && AlongGroup(m_text_alignment) == Group::Last) r.Top = rt::add32(r.Top, 1);
    } else if (m_orientation == 3) {
        if (besideStartOrEnd && AcrossGroup(m_text_alignment) == Group::Last) r.Left = rt::sub32(r.Left, 1);
        if (!besideStartOrEnd && AlongGroup(m_text_alignment) == Group::First) r.Top = rt::add32(r.Top, 1);
    }
    r.Right = rt::add32(r.Left, pw);
    r.Bottom = rt::add32(r.Top, ph);
    m_adjacent_picture_rect = r;
}

} // namespace text
