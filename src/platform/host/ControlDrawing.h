#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/host/FormControl.h"

#include <cstdint>
#include <string_view>

// The drawing steps the built-in painters share, in the classic look: fills, lines, 3D edges and
// captions in the control's font. Each step releases every object it creates before it returns.
namespace host::paint {

gdi::COLORREF sys(int index);
// An OLE colour property of the control (a system colour or an RGB value) as a COLORREF.
gdi::COLORREF color_of(const HostControl& c, std::string_view property);
// The control's ForeColor, or the gray-text colour while the control is disabled.
gdi::COLORREF text_color(const HostControl& c);

void fill(gdi::HDC dc, const gdi::RECT& r, gdi::COLORREF color);
// A solid line from (x0, y0) up to, not including, (x1, y1).
void line(gdi::HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1, gdi::COLORREF color, int width = 1);
// Two-pixel 3D edges just inside the rectangle: sunken like an edit field, raised like a button.
void sunken(gdi::HDC dc, const gdi::RECT& r);
void raised(gdi::HDC dc, const gdi::RECT& r);

// The control's font, selected into a DC for as long as this lives.
class ControlFont {
public:
    ControlFont(gdi::HDC dc, const HostControl& c);
    ~ControlFont();
    ControlFont(const ControlFont&) = delete;
    ControlFont& operator=(const ControlFont&) = delete;

    gdi::SIZE extent(std::string_view text) const;
    gdi::TEXTMETRICA metrics() const;

private:
    gdi::HDC m_dc;
    gdi::HFONT m_font;
    gdi::HGDIOBJ m_previous;
};

int32_t text_height(gdi::HDC dc, const HostControl& c);
// The size of a caption as it shows, without its access-key markers.
gdi::SIZE caption_extent(gdi::HDC dc, const HostControl& c, std::string_view caption);

// Writes text in the control's font, over what is there, with its top-left corner at (x, y). A
// caption (`mnemonics`) shows without its access-key markers and underlines the last character
// marked, one pixel below the baseline; other text shows as it is.
void write(gdi::HDC dc, const HostControl& c, std::string_view text, int32_t x, int32_t y,
           gdi::COLORREF color, bool mnemonics);

} // namespace host::paint
