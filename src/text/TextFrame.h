#pragma once

#include "gfx/CDC.h"
#include "platform/gdi/Handles.h"

#include <cstdint>

// What the renderer's files share about the text's own frame: the picture placements by number,
// the alignment groups and the screen side a picture beside the text takes.
namespace text {

constexpr int32_t kPictStretch = 9;
constexpr int32_t kPictTile = 10;
constexpr int32_t kPictLeftOfText = 11;
constexpr int32_t kPictRightOfText = 12;
constexpr int32_t kPictAboveText = 13;
constexpr int32_t kPictBelowText = 14;

constexpr bool IsBesideText(int32_t pictureAlignment) {
    return pictureAlignment >= kPictLeftOfText;
}

// A text alignment seen along one direction: the first position (start of the reading direction,
// or the side the glyph tops face), the last one, or the centre.
enum class Group { First, Last, Centre };

// Along the reading direction: 0 to 2 start, 3 to 5 end, 6 to 8 centre.
constexpr Group AlongGroup(int32_t alignment) {
    switch (alignment / 3) {
    case 0:
        return Group::First;
    case 1:
        return Group::Last;
    default:
        return Group::Centre;
    }
}

// Across it: 0, 3, 6 top; 1, 4, 7 middle; 2, 5, 8 bottom.
constexpr Group AcrossGroup(int32_t alignment) {
    switch (alignment % 3) {
    case 0:
        return Group::First;
    case 1:
        return Group::Centre;
    default:
        return Group::Last;
    }
}

// Orientations 0 and 2 read along the screen's x axis, 1 and 3 along its y axis.
constexpr bool ReadsAlongX(int32_t orientation) {
    return orientation % 2 == 0;
}

enum class ScreenSide { Left, Top, Right, Bottom };

// The screen side of the text block where a picture beside the text (11 to 14) lies. Each quarter
// turn of the text moves every side one step clockwise: left of the text is the left at
// orientation 0, the top at 1, the right at 2 and the bottom at 3.
constexpr ScreenSide SideOfText(int32_t pictureAlignment, int32_t orientation) {
    int32_t side = 0;
    switch (pictureAlignment) {
    case kPictLeftOfText:
        side = 0;
        break;
    case kPictAboveText:
        side = 1;
        break;
    case kPictRightOfText:
        side = 2;
        break;
    default:
        side = 3;
        break;
    }
    return static_cast<ScreenSide>((side + orientation) % 4);
}

constexpr bool IsVerticalSide(ScreenSide side) {
    return side == ScreenSide::Left || side == ScreenSide::Right;
}

// Selects a GDI object into a DC for one scope and the previous one back at its end. A null object
// selects nothing.
class SelectedObject {
public:
    SelectedObject(gfx::CDC& dc, gdi::HGDIOBJ object)
        : m_dc(dc), m_previous(object ? dc.SelectObject(object) : gdi::HGDIOBJ{}) {}
    ~SelectedObject() {
        if (m_previous) m_dc.SelectObject(m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    gfx::CDC& m_dc;
    gdi::HGDIOBJ m_previous;
};

} // namespace text
