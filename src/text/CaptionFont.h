#pragma once

#include "gfx/CDC.h"
#include "platform/automation/StdFont.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// The LOGFONT a host font turns into, as CFontHolder builds it: a new CFont's description with the
// font's face (its first 32 characters), italic, weight (700 bold, 400 otherwise), strikeout and
// underline. Without a host font it is a new CFont's description. `height` and `escapement` are set
// as given.
gdi::LOGFONTA HostLogFont(const rt::StdFont* font, int32_t height = 0, int32_t escapement = 0);

// Whether two descriptions ask for the same font.
bool SameLogFont(const gdi::LOGFONTA& a, const gdi::LOGFONTA& b);

// `s` without access-key markers ("&" marks the next character, "&&" is a literal "&") into `out`,
// whose storage is reused. Returns the 1-based position of the last marked character in the result
// (one past the end for a trailing "&"), 0 for none.
int32_t StripMnemonicsInto(std::string_view s, std::string& out);

// Measures many captions in one font: the font is made once, from the host font at `dc`'s
// resolution, and stays selected in `dc` until the measurer goes, which selects the DC's own font
// back and deletes it. Each width is that of the caption without its access-key markers, grown by
// `growth_3d` as the renderer grows text with a 3D effect (an empty caption measures the growth
// alone). Without a host font the DC's own font measures. Measuring allocates nothing once the longest
// caption has been seen, and makes no GDI object.
class CaptionMeasurer {
public:
    CaptionMeasurer(gdi::HDC dc, const rt::StdFont* font, int32_t growth_3d);
    ~CaptionMeasurer();
    CaptionMeasurer(const CaptionMeasurer&) = delete;
    CaptionMeasurer& operator=(const CaptionMeasurer&) = delete;

    int32_t Width(std::string_view caption);

private:
    gfx::CDC m_dc;
    gdi::HFONT m_font;
    gdi::HGDIOBJ m_previous;
    int32_t m_growth;
    std::string m_stripped;
};

} // namespace text
