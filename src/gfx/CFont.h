#pragma once

#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace gfx {

// A font description (LOGFONT) and the font made from it. Every property write deletes the
// current font and creates a new one with CreateFontIndirect, so the object holds at most one live
// font; DeleteObject (or the destructor) lets it go.
class CFont {
public:
    // PixelsY starts as the display's logical pixels per inch.
    CFont();
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    bool Bold() const { return m_logfont.lfWeight >= gdi::FW_BOLD; } // weight 700 or more
    void SetBold(bool bold);                                         // weight 700 or 400
    bool Italic() const { return m_logfont.lfItalic != 0; }
    void SetItalic(bool italic);
    bool Underline() const { return m_logfont.lfUnderline != 0; }
    void SetUnderline(bool underline);
    bool StrikeOut() const { return m_logfont.lfStrikeOut != 0; }
    void SetStrikeOut(bool strikeOut);
    // Tenths of a degree, counter-clockwise; writing sets the escapement only (not the orientation).
    int32_t Escapement() const { return m_logfont.lfEscapement; }
    void SetEscapement(int32_t escapement);
    // The LOGFONT height: negative for a character height in pixels.
    int32_t Height() const { return m_logfont.lfHeight; }
    void SetHeight(int32_t height);
    // The face name up to its first zero byte; writing keeps the first 32 characters (ANSI) and
    // zeroes the rest.
    std::string Name() const;
    void SetName(std::string_view name);
    // Points: Height x -72 / PixelsY as a Single (error 11 when PixelsY is 0); writing sets Height to
    // -(PixelsY x size / 72) rounded half to even.
    float Size() const;
    void SetSize(float size);
    int32_t PixelsY() const { return m_pixels_y; }
    void SetPixelsY(int32_t pixelsY);
    gdi::HFONT Handle() const { return m_hfont; }

    // Deletes the font, sets the handle to 0 and resets the character set and clip precision to 0.
    bool DeleteObject();
    gdi::LOGFONTA GetLogFont() const { return m_logfont; }
    // Copies the description and recreates the font.
    void SetLogFont(const gdi::LOGFONTA& logfont);
    void CreateFontIndirect(const gdi::LOGFONTA& logfont);

private:
    void recreate();

    gdi::LOGFONTA m_logfont;
    gdi::HFONT m_hfont;
    int32_t m_pixels_y;
};

} // namespace gfx
