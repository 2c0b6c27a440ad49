#include "platform/gdi/FontInstance.h"

#include "platform/gdi/Cp1252.h"

#include FT_GLYPH_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <algorithm>
#include <cctype>
#include <cmath>

namespace gdi {

namespace {

// Sizes beyond this are refused rather than rendered into huge glyph bitmaps.
constexpr int32_t kMaxPixels = 1000;
// The shear of a synthesised oblique, the slant the platform uses for faces without an italic.
constexpr FT_Fixed kObliqueShear = 0x0366A;

int32_t round_units(double units, double scale) {
    return static_cast<int32_t>(std::lround(units * scale));
}

uint8_t family_bits(const std::string& family, bool fixed_pitch) {
    std::string name = family;
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (fixed_pitch || name.find("mono") != std::string::npos || name.find("courier") != std::string::npos)
        return FF_MODERN;
    const bool serif = (name.find("serif") != std::string::npos && name.find("sans") == std::string::npos) ||
                       name.find("times") != std::string::npos || name.find("charter") != std::string::npos ||
                       name.find("century") != std::string::npos;
    return serif ? FF_ROMAN : FF_SWISS;
}

// The glyph outlines are TrueType quadratic outlines (a 'glyf' table), not CFF.
bool has_truetype_outlines(FT_Face face) {
    FT_ULong length = 0;
    return FT_IS_SFNT(face) && FT_Load_Sfnt_Table(face, TTAG_glyf, 0, nullptr, &length) == 0 && length > 0;
}

void copy_bitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
    glyph.width = static_cast<int32_t>(bitmap.width);
    glyph.rows = static_cast<int32_t>(bitmap.rows);
    glyph.coverage.assign(size_t(glyph.width) * size_t(glyph.rows), 0);
    const int pitch = std::abs(bitmap.pitch);
    const int grays = std::max<int>(bitmap.num_grays, 2) - 1;
    for (int32_t r = 0; r < glyph.rows; ++r) {
        const uint8_t* src = bitmap.buffer + size_t(bitmap.pitch >= 0 ? r : glyph.rows - 1 - r) * pitch;
        uint8_t* dst = glyph.coverage.data() + size_t(r) * glyph.width;
        for (int32_t c = 0; c < glyph.width; ++c) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                dst[c] = ((src[c / 8] >> (7 - c % 8)) & 1) ? 255 : 0;
            } else {
                dst[c] = static_cast<uint8_t>(src[c] * 255 / grays);
            }
        }
    }
}

// The platform emboldens a raster face by drawing every glyph a second time one pixel right.
void overstrike(Glyph& glyph) {
    if (glyph.width == 0) return;
    std::vector<uint8_t> wider(size_t(glyph.width + 1) * size_t(glyph.rows), 0);
    for (int32_t r = 0; r < glyph.rows; ++r)
        for (int32_t c = 0; c <= glyph.width; ++c) {
            const uint8_t here = c < glyph.width ? glyph.coverage[size_t(r) * glyph.width + c] : 0;
            const uint8_t left = c > 0 ? glyph.coverage[size_t(r) * glyph.width + c - 1] : 0;
            wider[size_t(r) * (glyph.width + 1) + c] = std::max(here, left);
        }
    glyph.coverage = std::move(wider);
    ++glyph.width;
}

} // namespace

FreeTypeLibrary open_freetype() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return nullptr;
    return FreeTypeLibrary(library, FT_Done_FreeType);
}

std::unique_ptr<FontInstance> FontInstance::open(const FreeTypeLibrary& library, const FaceChoice& choice,
                                                 FontSize size, bool antialiased, std::string* error) {
    FT_Face face = nullptr;
    const FT_Error code = FT_New_Face(library.get(), choice.file.c_str(), choice.index, &face);
    if (code != 0) {
        if (error) *error = "FreeType error " + std::to_string(code);
        return nullptr;
    }
    std::unique_ptr<FontInstance> instance(
        new FontInstance(library, face, choice, antialiased && choice.scalable));
    if (!instance->set_size(size, error)) return nullptr;
    instance->compute_metrics();
    return instance;
}

FontInstance::FontInstance(FreeTypeLibrary library, FT_Face face, const FaceChoice& choice, bool antialiased)
    : m_library(std::move(library)), m_face(face), m_choice(choice), m_antialiased(antialiased) {}

FontInstance::~FontInstance() {
    FT_Done_Face(m_face);
}

bool FontInstance::set_size(FontSize size, std::string* error) {
    if (!FT_IS_SCALABLE(m_face)) {
        if (m_face->num_fixed_sizes < 1 || FT_Select_Size(m_face, 0) != 0) {
            if (error) *error = "no bitmap strike";
            return false;
        }
        m_choice.scalable = false;
        return true;
    }
    m_choice.scalable = true;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    const double upem = m_face->units_per_EM;
    double cell_units = m_face->ascender - m_face->descender;
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        cell_units = os2->usWinAscent + os2->usWinDescent;
    int32_t ppem = size.em > 0 ? size.em : static_cast<int32_t>(std::lround(size.cell * upem / cell_units));
    ppem = std::clamp(ppem, 1, kMaxPixels);
    int32_t x_ppem = 0;
    if (size.width > 0 && os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        x_ppem = std::clamp(static_cast<int32_t>(std::lround(size.width * upem / os2->xAvgCharWidth)), 1,
                            kMaxPixels);
    if (FT_Set_Pixel_Sizes(m_face, static_cast<FT_UInt>(x_ppem), static_cast<FT_UInt>(ppem)) != 0) {
        if (error) *error = "cannot set the size";
        return false;
    }
    m_metrics.em = ppem;
    return true;
}

void FontInstance::compute_metrics() {
    FontMetrics& m = m_metrics;
    m.italic = m_choice.italic || m_choice.synthetic_italic;
    const bool fixed = FT_IS_FIXED_WIDTH(m_face);
    const uint8_t pitch = fixed ? 0 : TMPF_FIXED_PITCH; // the platform's bit means "variable pitch"
    if (!m_choice.scalable) {
        const FT_Size_Metrics& sm = m_face->size->metrics;
        m.em = static_cast<int32_t>((m_face->available_sizes[0].y_ppem + 32) >> 6);
        m.ascent = static_cast<int32_t>(sm.ascender >> 6);
        m.descent = static_cast<int32_t>(-sm.descender >> 6);
        m.internal_leading = std::max(0, m.height() - m.em);
        m.ave_width = m_face->available_sizes[0].width > 0 ? m_face->available_sizes[0].width : advance('x');
        m.max_width = static_cast<int32_t>(sm.max_advance >> 6);
        m.weight = (m_choice.weight >= FW_SEMIBOLD || m_choice.synthetic_bold) ? FW_BOLD : FW_NORMAL;
        m.overhang = m_choice.synthetic_bold ? 1 : 0;
        m.pitch_and_family = pitch | family_bits(m_choice.family, fixed);
        m.truetype = false;
        m.underline_offset = 1;
        m.underline_thickness = 1;
        m.strikeout_offset = std::max(1, (m.em * 2 + 3) / 7);
        m.strikeout_thickness = 1;
        return;
    }
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    const TT_HoriHeader* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_HHEA));
    const bool has_os2 = os2 && os2->version != 0xFFFF;
    const double y_scale = double(m_face->size->metrics.y_ppem) / m_face->units_per_EM;
    const double x_scale = double(m_face->size->metrics.x_ppem) / m_face->units_per_EM;
    const double win_ascent = has_os2 ? os2->usWinAscent : m_face->ascender;
    const double win_descent = has_os2 ? os2->usWinDescent : -m_face->descender;
    m.ascent = round_units(win_ascent, y_scale);
    m.descent = round_units(win_descent, y_scale);
    m.internal_leading = std::max(0, m.height() - m.em);
    if (hhea) {
        const double gap = hhea->Line_Gap - ((win_ascent + win_descent) - (hhea->Ascender - hhea->Descender));
        m.external_leading = std::max(0, round_units(gap, y_scale));
    }
    m.ave_width = has_os2 && os2->xAvgCharWidth > 0 ? round_units(os2->xAvgCharWidth, x_scale) : advance('x');
    m.max_width = round_units(double(m_face->bbox.xMax) - m_face->bbox.xMin, x_scale);
    m.weight = m_choice.synthetic_bold ? FW_BOLD : (has_os2 ? os2->usWeightClass : m_choice.weight);
    m.overhang = 0;
    m.truetype = has_truetype_outlines(m_face);
    m.pitch_and_family = static_cast<uint8_t>(pitch | TMPF_VECTOR | (m.truetype ? TMPF_TRUETYPE : 0) |
                                              family_bits(m_choice.family, fixed));
    const int32_t thickness = std::max(1, round_units(m_face->underline_thickness, y_scale));
    m.underline_thickness = thickness;
    m.underline_offset = std::max(
        1, static_cast<int32_t>(std::lround(-m_face->underline_position * y_scale - thickness / 2.0)));
    if (has_os2) {
        m.strikeout_offset = std::max(1, round_units(os2->yStrikeoutPosition, y_scale));
        m.strikeout_thickness = std::max(1, round_units(os2->yStrikeoutSize, y_scale));
    } else {
        m.strikeout_offset = std::max(1, m.em / 3);
        m.strikeout_thickness = thickness;
    }
}

int32_t FontInstance::load_flags() const {
    if (!m_choice.scalable) return FT_LOAD_DEFAULT;
    return FT_LOAD_DEFAULT | (m_antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
}

bool FontInstance::load(uint8_t ch) {
    const FT_UInt index = FT_Get_Char_Index(m_face, cp1252_to_unicode(ch));
    if (FT_Load_Glyph(m_face, index, load_flags()) != 0) return false;
    FT_GlyphSlot slot = m_face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (m_choice.synthetic_italic) {
            FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (m_choice.synthetic_bold) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, m_antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
        return false;
    return true;
}

const Glyph& FontInstance::glyph(uint8_t ch) {
    std::optional<Glyph>& cached = m_glyphs[ch];
    if (cached) return *cached;
    Glyph& glyph = cached.emplace();
    if (!load(ch)) return glyph;
    const FT_GlyphSlot slot = m_face->glyph;
    copy_bitmap(slot->bitmap, glyph);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
    if (m_choice.synthetic_bold) {
        // Emboldening widens every character by one pixel, on both kinds of face.
        if (!m_choice.scalable) overstrike(glyph);
        ++glyph.advance;
    }
    return glyph;
}

bool FontInstance::render_rotated(uint8_t ch, double angle, int32_t x_frac, int32_t y_frac,
                                  RotatedGlyph& out) {
    if (!m_choice.scalable) return false;
    const FT_Fixed c = static_cast<FT_Fixed>(std::lround(std::cos(angle) * 0x10000));
    const FT_Fixed s = static_cast<FT_Fixed>(std::lround(std::sin(angle) * 0x10000));
    FT_Matrix matrix{c, -s, s, c};
    if (m_choice.synthetic_italic) {
        FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
        FT_Matrix_Multiply(&matrix, &shear); // shear first, then turn
        matrix = shear;
    }
    FT_Vector delta{x_frac, -y_frac};
    FT_Set_Transform(m_face, &matrix, &delta);
    const FT_UInt index = FT_Get_Char_Index(m_face, cp1252_to_unicode(ch));
    bool ok = FT_Load_Glyph(m_face, index, load_flags() | FT_LOAD_NO_BITMAP) == 0;
    FT_Set_Transform(m_face, nullptr, nullptr);
    if (!ok) return false;
    FT_GlyphSlot slot = m_face->glyph;
    if (m_choice.synthetic_bold && slot->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Outline_Embolden(&slot->outline, 64);
    if (FT_Render_Glyph(slot, m_antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return false;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = static_cast<int32_t>(slot->bitmap.width);
    out.rows = static_cast<int32_t>(slot->bitmap.rows);
    out.pitch = slot->bitmap.pitch;
    out.buffer = slot->bitmap.buffer;
    out.mono = slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    return true;
}

} // namespace gdi
