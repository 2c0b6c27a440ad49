#pragma once

#include "gfx/CFont.h"
#include "platform/automation/StdFont.h"
#include "platform/gdi/Handles.h"

#include <memory>

namespace text {

// Turns a host font object into a GDI font held by a CFont, and lets it go again. The holder starts
// with an empty CFont (no face, height 0, no font handle yet).
class CFontHolder {
public:
    CFontHolder();
    ~CFontHolder();
    CFontHolder(const CFontHolder&) = delete;
    CFontHolder& operator=(const CFontHolder&) = delete;

    // The held CFont, not the host font; null after ReleaseFont.
    gfx::CFont* Font() const { return m_font.get(); }
    // The held CFont's font handle, 0 when there is none.
    gdi::HFONT GetFontHandle() const;
    // Releases the current font and builds a new one from the host font's name, italic, bold,
    // strikethrough and underline, in that order. Size, weight number and character set are not
    // copied: the height stays 0 until the renderer sets it from the point size, and the escapement
    // starts at 0. A missing host font leaves an empty CFont.
    void InitializeFont(const rt::StdFont* font);
    // Deletes the font handle and drops the CFont.
    void ReleaseFont();

private:
    std::unique_ptr<gfx::CFont> m_font;
};

} // namespace text
