#include "text/CRenderText.h"

#include "platform/automation/Arithmetic.h"
#include "text/TextFrame.h"

#include <optional>

namespace text {

namespace {

// How one screen axis reads the text alignment: through the group along the reading direction or
// the one across it, and whether the first position of that group lies at the axis's high end
// (right or bottom) instead of its low end.
struct AxisRule {
    bool along;
    bool firstIsHigh;
};

// x: orientation 0 reads left to right, 1 puts the glyph tops to the right, 2 reads right to left,
// 3 puts the tops to the left.
constexpr AxisRule kXRules[4] = {{true, false}, {false, true}, {true, true}, {false, false}};
// y: orientation 0 puts the tops up, 1 reads downwards, 2 puts the tops down, 3 reads upwards.
constexpr AxisRule kYRules[4] = {{false, false}, {true, false}, {false, true}, {true, true}};

enum class Place { Low, High, Centre };

Place PlaceOf(const AxisRule& rule, int32_t alignment) {
    const Group group = rule.along ? AlongGroup(alignment) : AcrossGroup(alignment);
    if (group == Group::Centre) return Place::Centre;
    return (group == Group::First) != rule.firstIsHigh ? Place::Low : Place::High;
}

// The offset of a block of `length` on an axis of `extent`. `picture` is the picture's size on
// this axis when a picture beside the text lies at the low (`pictureLow`) or high end of the block
// and pushes it away from that end: fully at that end, by half when centred (rounded again).
int32_t AxisOffset(Place place, int32_t extent, int32_t length, int32_t picture,
                   std::optional<bool> pictureLow) {
    const int32_t room = rt::sub32(extent, length);
    switch (place) {
    case Place::Low:
        return pictureLow == true ? picture : 0;
    case Place::High:
        return pictureLow == false ? rt::sub32(room, picture) : room;
    case Place::Centre:
        break;
    }
    const int32_t centred = rt::clng(room / 2.0);
    if (!pictureLow) return centred;
    return rt::clng(*pictureLow ? centred + picture / 2.0 : centred - picture / 2.0);
}

} // namespace

int32_t CRenderText::GetTextOffsetX(const gfx::CRect& block, const gfx::CRect& area, int32_t alignment,
                                    bool withPicture) {
    const AxisRule& rule = kXRules[m_orientation];
    const int32_t length = rule.along ? block.Width() : block.Height();
    std::optional<bool> pictureLow;
    int32_t picture = 0;
    if (withPicture && IsBesideText(m_picture_alignment)) {
        const ScreenSide side = SideOfText(m_picture_alignment, m_orientation);
        if (IsVerticalSide(side)) {
            pictureLow = side == ScreenSide::Left;
            picture = GetPictureSizeRect().Width();
        }
    }
    return AxisOffset(PlaceOf(rule, alignment), area.Width(), length, picture, pictureLow);
}

int32_t CRenderText::GetTextOffsetY(const gfx::CRect& block, const gfx::CRect& area, int32_t alignment,
                                    bool withPicture) {
    const AxisRule& rule = kYRules[m_orientation];
    const int32_t length = rule.along ? block.Width() : block.Height();
    std::optional<bool> pictureLow;
    int32_t picture = 0;
    if (withPicture && IsBesideText(m_picture_alignment)) {
        const ScreenSide side = SideOfText(m_picture_alignment, m_orientation);
        if (!IsVerticalSide(side)) {
            pictureLow = side == ScreenSide::Top;
            picture = GetPictureSizeRect().Height();
        }
    }
    return AxisOffset(PlaceOf(rule, alignment), area.Height(), length, picture, pictureLow);
}

void CRenderText::GetAlignOffsets(int32_t& dx, int32_t& dy, const gfx::CRect& block,
                                  const gfx::CSize& line) const {
    const int32_t w = block.Width();
    int32_t along = 0;
    switch (AlongGroup(m_text_alignment)) {
    case Group::First:
        break;
    case Group::Last:
        along = rt::sub32(w, line.CX);
        break;
    case Group::Centre:
        along = rt::clng(rt::sub32(w, line.CX) / 2.0);
        break;
    }
    dx = 0;
    dy = 0;
    switch (m_orientation) {
    case 0:
        dx = along;
        break;
    case 1:
        dy = along;
        break;
    case 2:
        dx = -along;
        break;
    default:
        dy = -along;
        break;
    }
}

gfx::CRect CRenderText::GetPictureRect() {
    gfx::CRect strip = m_target_rect;
    if (!IsBesideText(m_picture_alignment)) return strip;
    const gfx::CRect picture = GetPictureSizeRect();
    switch (SideOfText(m_picture_alignment, m_orientation)) {
    case ScreenSide::Left:
        strip.Right = rt::add32(strip.Left, picture.Width());
        break;
    case ScreenSide::Right:
        strip.Left = rt::sub32(strip.Right, picture.Width());
        break;
    case ScreenSide::Top:
        strip.Bottom = rt::add32(strip.Top, picture.Height());
        break;
    case ScreenSide::Bottom:
        strip.Top = rt::sub32(strip.Bottom, picture.Height());
        break;
    }
    return strip;
}

gfx::CRect CRenderText::GetTextRect() {
    gfx::CRect rest = m_target_rect;
    if (!IsBesideText(m_picture_alignment)) return rest;
    const gfx::CRect picture = GetPictureSizeRect();
    switch (SideOfText(m_picture_alignment, m_orientation)) {
    case ScreenSide::Left:
        rest.Left = rt::add32(rest.Left, picture.Width());
        break;
    case ScreenSide::Right:
        rest.Right = rt::sub32(rest.Right, picture.Width());
        break;
    case ScreenSide::Top:
        rest.Top = rt::add32(rest.Top, picture.Height());
        break;
    case ScreenSide::Bottom:
        rest.Bottom = rt::sub32(rest.Bottom, picture.Height());
        break;
    }
    return rest;
}

} // namespace text
