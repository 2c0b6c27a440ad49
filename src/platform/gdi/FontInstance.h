#pragma once

#include "platform/gdi/FontCatalog.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

// One face at one pixel size, realised through FreeType: its cell metrics in the platform's terms
// and a cache of its rendered glyphs, indexed by ANSI byte.
namespace gdi {

struct Glyph {
    int32_t left = 0; // ink origin right of the pen position
    int32_t top = 0;  // ink rows above the baseline
    int32_t width = 0;
    int32_t rows = 0;
    int32_t advance = 0;
    std::vector<uint8_t> coverage; // rows * width, 0 to 255 (0 or 255 when not smoothed)
};

struct FontMetrics {
    int32_t em = 0;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t internal_leading = 0;
    int32_t external_leading = 0;
    int32_t ave_width = 0;
    int32_t max_width = 0;
    int32_t weight = FW_NORMAL;
    int32_t overhang = 0;
    uint8_t pitch_and_family = 0;
    bool truetype = false;
    bool italic = false;
    int32_t underline_offset = 1; // first underline row below the baseline
    int32_t underline_thickness = 1;
    int32_t strikeout_offset = 3; // first strike-out row above the baseline
    int32_t strikeout_thickness = 1;

    int32_t height() const { return ascent + descent; }
};

// A glyph rendered by FreeType with a rotation; the view stays valid until the next glyph is loaded.
struct RotatedGlyph {
    int32_t left = 0; // relative to the whole-pixel pen position
    int32_t top = 0;  // rows above it
    int32_t width = 0;
    int32_t rows = 0;
    int32_t pitch = 0;
    const uint8_t* buffer = nullptr;
    bool mono = true; // 1 bit per pixel, else 8
};

struct FontSize {
    int32_t em = 0;    // > 0: character height in pixels
    int32_t cell = 0;  // > 0: cell height in pixels (when em is 0)
    int32_t width = 0; // > 0: average character width asked for
};

// A FreeType library shared by the faces opened in it: it is done when the last of them is. Font
// objects keep their realised sizes, so a face may outlive the thread's font system at exit.
using FreeTypeLibrary = std::shared_ptr<std::remove_pointer_t<FT_Library>>;
FreeTypeLibrary open_freetype();

class FontInstance {
public:
    // Null when FreeType cannot open the file or size it; error then says why.
    static std::unique_ptr<FontInstance> open(const FreeTypeLibrary& library, const FaceChoice& choice,
                                              FontSize size, bool antialiased, std::string* error);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    const FontMetrics& metrics() const { return m_metrics; }
    const FaceChoice& choice() const { return m_choice; }
    bool scalable() const { return m_choice.scalable; }
    bool antialiased() const { return m_antialiased; }

    const Glyph& glyph(uint8_t ch);
    // Forgets every rendered glyph; each is rendered again when next asked for.
    void clear_glyphs() { m_glyphs = {}; }
    int32_t advance(uint8_t ch) { return glyph(ch).advance; }
    // Renders ch turned counter-clockwise by angle radians, its pen at the fractional offset
    // (x, y) in 1/64 pixel (y down) from a whole pixel. Scalable faces only.
    bool render_rotated(uint8_t ch, double angle, int32_t x_frac, int32_t y_frac, RotatedGlyph& out);

private:
    FontInstance(FreeTypeLibrary library, FT_Face face, const FaceChoice& choice, bool antialiased);
    bool set_size(FontSize size, std::string* error);
    void compute_metrics();
    int32_t load_flags() const;
    bool load(uint8_t ch);

    FreeTypeLibrary m_library; // outlives the face
    FT_Face m_face = nullptr;
    FaceChoice m_choice;
    bool m_antialiased = false;
    FontMetrics m_metrics;
    std::array<std::optional<Glyph>, 256> m_glyphs;
};

} // namespace gdi
