#include "platform/gdi/Dc.h"
#include "platform/gdi/FontSystem.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Trace.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace gdi {

namespace {

constexpr int32_t kMaxFontHeight = 1 << 20;

// The font of the DC at the DC's scale, its height turned into device pixels with its sign kept.
FontInstance* font_of(const DcObject& dc, const Mapping& mapping) {
    FontObject* font = lookup(dc.state.font);
    if (!font) return nullptr;
    // Heights beyond any face's sizes are held to a range whose absolute value exists.
    const int32_t height = std::clamp(font->log.lfHeight, -kMaxFontHeight, kMaxFontHeight);
    const int32_t device = std::min(std::abs(mapping.y_length(height)), kMaxFontHeight);
    return FontSystem::current().realize_for(*font, height < 0 ? -device : device);
}

// The escapement in tenths of a degree, 0 to 3599. Raster faces cannot turn.
int32_t escapement_of(const DcObject& dc, const FontInstance& font) {
    const FontObject* object = lookup(dc.state.font);
    if (!object || !font.scalable()) return 0;
    return ((object->log.lfEscapement % 3600) + 3600) % 3600;
}

void blend(uint32_t& px, uint8_t coverage, uint32_t color, bool mono) {
    if (coverage == 255 || (mono && coverage >= 128)) {
        px = color;
        return;
    }
    if (coverage == 0 || mono) return;
    const uint32_t a = coverage, b = 255 - coverage;
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t c = (color >> shift) & 0xFF, d = (px >> shift) & 0xFF;
        out |= ((c * a + d * b + 127) / 255) << shift;
    }
    px = out;
}

// One line of text laid out in its own frame: x along the reading direction, y down across it,
// (0, 0) at the reference point; the cell's top-left is at (origin_x, origin_y).
struct Line {
    FontInstance* font = nullptr;
    const uint8_t* text = nullptr;
    int count = 0;
    const int32_t* pen = nullptr; // each character's pen position
    int32_t width = 0;
    int32_t origin_x = 0;
    int32_t origin_y = 0;

    int32_t baseline() const { return origin_y + font->metrics().ascent; }
    RECT cell() const { return {origin_x, origin_y, origin_x + width, origin_y + font->metrics().height()}; }
    RECT underline() const {
        const FontMetrics& m = font->metrics();
        const int32_t top = baseline() + m.underline_offset;
        return {origin_x, top, origin_x + width, top + m.underline_thickness};
    }
    RECT strikeout() const {
        const FontMetrics& m = font->metrics();
        const int32_t top = baseline() - m.strikeout_offset;
        return {origin_x, top, origin_x + width, top + m.strikeout_thickness};
    }
};

Line lay_out(FontInstance& font, const char* text, int count, const int32_t* dx, const Mapping& mapping,
             uint32_t align) {
    Line line;
    line.font = &font;
    line.text = reinterpret_cast<const uint8_t*>(text);
    line.count = count;
    // One line is laid out at a time on a thread; its pen positions reuse one buffer.
    thread_local std::vector<int32_t> pens;
    pens.resize(size_t(count));
    line.pen = pens.data();
    int32_t x = 0;
    for (int i = 0; i < count; ++i) {
        pens[size_t(i)] = x;
        x += dx ? mapping.x_length(dx[i]) : font.advance(line.text[i]);
    }
    line.width = x;
    const int32_t height = font.metrics().height();
    if ((align & TA_CENTER) == TA_CENTER) {
        line.origin_x = -line.width / 2;
    } else if (align & TA_RIGHT) {
        line.origin_x = -line.width;
    }
    if ((align & TA_BASELINE) == TA_BASELINE) {
        line.origin_y = -font.metrics().ascent;
    } else if (align & TA_BOTTOM) {
        line.origin_y = -height;
    }
    return line;
}

struct Ink {
    uint32_t text = 0;
    uint32_t background = 0;
    bool opaque = false;
    bool underline = false;
    bool strikeout = false;
};

void fill_device(const Target& target, RECT r, uint32_t color) {
    Paint paint;
    paint.color = color;
    fill_rect(target, r, paint);
}

// Unturned text: glyphs straight onto the surface.
void draw_straight(const Target& target, const Line& line, POINT ref, const Ink& ink) {
    auto moved = [&](RECT r) {
        return RECT{r.left + ref.x, r.top + ref.y, r.right + ref.x, r.bottom + ref.y};
    };
    if (ink.opaque) fill_device(target, moved(line.cell()), ink.background);
    const int32_t base = ref.y + line.baseline();
    // Captions are clipped to a rectangle: each glyph is cut to it once, not row by row.
    const bool boxed = !target.clip || target.clip->complexity() == SIMPLEREGION;
    RECT box{0, 0, target.width, target.height};
    if (target.clip && boxed) {
        const RECT clip = target.clip->box();
        box = {std::max(box.left, clip.left), std::max(box.top, clip.top), std::min(box.right, clip.right),
               std::min(box.bottom, clip.bottom)};
    }
    for (int i = 0; i < line.count; ++i) {
        const Glyph& g = line.font->glyph(line.text[i]);
        const int32_t gx = ref.x + line.origin_x + line.pen[i] + g.left;
        const int32_t gy = base - g.top;
        if (boxed) {
            // The glyph's columns [c0, c1) and rows [r0, r1) inside the box.
            const auto c0 = static_cast<int32_t>(std::clamp<int64_t>(int64_t(box.left) - gx, 0, g.width));
            const auto c1 = static_cast<int32_t>(std::clamp<int64_t>(int64_t(box.right) - gx, 0, g.width));
            const auto r0 = static_cast<int32_t>(std::clamp<int64_t>(int64_t(box.top) - gy, 0, g.rows));
            const auto r1 = static_cast<int32_t>(std::clamp<int64_t>(int64_t(box.bottom) - gy, 0, g.rows));
            for (int32_t r = r0; r < r1 && c0 < c1; ++r) {
                const uint8_t* coverage = g.coverage.data() + size_t(r) * g.width;
                uint32_t* row = target.row(gy + r);
                for (int32_t c = c0; c < c1; ++c)
                    if (coverage[c]) blend(row[gx + c], coverage[c], ink.text, target.mono);
            }
            continue;
        }
        for (int32_t r = 0; r < g.rows; ++r) {
            const uint8_t* coverage = g.coverage.data() + size_t(r) * g.width;
            for_each_visible(target, gy + r, gx, gx + g.width, [&](int32_t a, int32_t b) {
                uint32_t* row = target.row(gy + r);
                for (int32_t x = a; x < b; ++x)
                    if (coverage[x - gx]) blend(row[x], coverage[x - gx], ink.text, target.mono);
            });
        }
    }
    if (ink.underline) fill_device(target, moved(line.underline()), ink.text);
    if (ink.strikeout) fill_device(target, moved(line.strikeout()), ink.text);
}

// A quarter turn maps the text frame pixel (u, v) to one device pixel exactly.
struct QuarterTurn {
    int turns; // counter-clockwise
    POINT ref;

    POINT map(int32_t u, int32_t v) const {
        switch (turns) {
        case 1:
            return {ref.x + v, ref.y - 1 - u};
        case 2:
            return {ref.x - 1 - u, ref.y - 1 - v};
        case 3:
            return {ref.x - 1 - v, ref.y + u};
        default:
            return {ref.x + u, ref.y + v};
        }
    }
    RECT map(RECT r) const {
        if (r.right <= r.left || r.bottom <= r.top) return {};
        const POINT a = map(r.left, r.top), b = map(r.right - 1, r.bottom - 1);
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
    }
};

// Text turned by a multiple of 90 degrees: the unturned rendering, turned pixel for pixel.
void draw_quarter_turned(const Target& target, const Line& line, QuarterTurn turn, const Ink& ink) {
    RECT bounds = line.cell();
    const int32_t base = line.baseline();
    for (int i = 0; i < line.count; ++i) {
        const Glyph& g = line.font->glyph(line.text[i]);
        if (g.width == 0) continue;
        const int32_t left = line.origin_x + line.pen[i] + g.left;
        bounds.left = std::min(bounds.left, left);
        bounds.right = std::max(bounds.right, left + g.width);
        bounds.top = std::min(bounds.top, base - g.top);
        bounds.bottom = std::max(bounds.bottom, base - g.top + g.rows);
    }
    const int32_t w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    if (w <= 0 || h <= 0) return;
    thread_local std::vector<uint8_t> mask;
    mask.assign(size_t(w) * size_t(h), 0);
    auto put_rect = [&](RECT r) {
        for (int32_t v = r.top; v < r.bottom; ++v)
            for (int32_t u = r.left; u < r.right; ++u)
                mask[size_t(v - bounds.top) * w + (u - bounds.left)] = 255;
    };
    for (int i = 0; i < line.count; ++i) {
        const Glyph& g = line.font->glyph(line.text[i]);
        const int32_t left = line.origin_x + line.pen[i] + g.left - bounds.left;
        const int32_t top = base - g.top - bounds.top;
        for (int32_t r = 0; r < g.rows; ++r)
            for (int32_t c = 0; c < g.width; ++c) {
                uint8_t& m = mask[size_t(top + r) * w + (left + c)];
                m = std::max(m, g.coverage[size_t(r) * g.width + c]);
            }
    }
    if (ink.underline) put_rect(line.underline());
    if (ink.strikeout) put_rect(line.strikeout());
    if (ink.opaque) fill_device(target, turn.map(line.cell()), ink.background);
    for (int32_t v = 0; v < h; ++v)
        for (int32_t u = 0; u < w; ++u) {
            const uint8_t coverage = mask[size_t(v) * w + u];
            if (!coverage) continue;
            const POINT p = turn.map(u + bounds.left, v + bounds.top);
            if (p.x < 0 || p.y < 0 || p.x >= target.width || p.y >= target.height) continue;
            if (target.clip && !target.clip->contains(p.x, p.y)) continue;
            blend(target.row(p.y)[p.x], coverage, ink.text, target.mono);
        }
}

// Any other angle: FreeType turns the outlines, and the cell and lines become polygons.
void draw_turned(const Target& target, const Line& line, POINT ref, double angle, const Ink& ink) {
    const double c = std::cos(angle), s = std::sin(angle);
    auto device = [&](double u, double v) { return std::pair{ref.x + u * c + v * s, ref.y - u * s + v * c}; };
    auto polygon = [&](RECT r) {
        POINT corners[4];
        const double us[4] = {double(r.left), double(r.right), double(r.right), double(r.left)};
        const double vs[4] = {double(r.top), double(r.top), double(r.bottom), double(r.bottom)};
        for (int k = 0; k < 4; ++k) {
            auto [x, y] = device(us[k], vs[k]);
            corners[k] = {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
        }
        return Region::polygon(corners, 4, ALTERNATE);
    };
    Paint paint;
    if (ink.opaque) {
        paint.color = ink.background;
        fill_region(target, polygon(line.cell()), paint);
    }
    for (int i = 0; i < line.count; ++i) {
        auto [x, y] = device(line.origin_x + line.pen[i], line.baseline());
        const double fx = std::floor(x), fy = std::floor(y);
        RotatedGlyph g;
        if (!line.font->render_rotated(line.text[i], angle, static_cast<int32_t>(std::lround((x - fx) * 64)),
                                       static_cast<int32_t>(std::lround((y - fy) * 64)), g))
            continue;
        const int32_t gx = static_cast<int32_t>(fx) + g.left;
        const int32_t gy = static_cast<int32_t>(fy) - g.top;
        for (int32_t r = 0; r < g.rows; ++r) {
            const uint8_t* src = g.buffer + (g.pitch >= 0 ? r : g.rows - 1 - r) * std::abs(g.pitch);
            for_each_visible(target, gy + r, gx, gx + g.width, [&](int32_t a, int32_t b) {
                uint32_t* row = target.row(gy + r);
                for (int32_t xx = a; xx < b; ++xx) {
                    const int32_t col = xx - gx;
                    const uint8_t coverage =
                        g.mono ? (((src[col / 8] >> (7 - col % 8)) & 1) ? 255 : 0) : src[col];
                    if (coverage) blend(row[xx], coverage, ink.text, target.mono);
                }
            });
        }
    }
    paint.color = ink.text;
    if (ink.underline) fill_region(target, polygon(line.underline()), paint);
    if (ink.strikeout) fill_region(target, polygon(line.strikeout()), paint);
}

bool text_out(HDC hdc, int32_t x, int32_t y, uint32_t options, const RECT* rect, const char* text, int count,
              const int32_t* dx) {
    DcObject* dc = dc_of(hdc);
    if (!dc || count < 0 || (count > 0 && !text)) return false;
    const Mapping mapping(dc->state);
    FontInstance* font = font_of(*dc, mapping);
    if (!font) return false;
    // Text writes no pixel outside the clip region, so only the tiles in its box need to be real.
    Target target =
        target_of(*dc, dc->state.clip ? Access::write(dc->state.clip->box()) : Access::anywhere());
    const uint32_t align = dc->state.text_align;
    const bool update_position = align & TA_UPDATECP;
    const POINT ref = mapping.to_device(update_position ? dc->state.position : POINT{x, y});
    const Line line = lay_out(*font, text, count, dx, mapping, align);
    const int32_t escapement = escapement_of(*dc, *font);
    if (update_position) {
        const double angle = escapement * std::numbers::pi / 1800;
        const int32_t advance = mapping.x_length_to_logical(line.width);
        dc->state.position.x += static_cast<int32_t>(std::lround(advance * std::cos(angle)));
        dc->state.position.y -= static_cast<int32_t>(std::lround(advance * std::sin(angle)));
    }
    if (!target) return true;

    const FontObject* object = lookup(dc->state.font);
    Ink ink;
    ink.text = device_color(dc->state.text_color, target.mono);
    ink.background = device_color(dc->state.bk_color, target.mono);
    ink.opaque = dc->state.bk_mode == OPAQUE;
    ink.underline = object->log.lfUnderline != 0;
    ink.strikeout = object->log.lfStrikeOut != 0;

    std::optional<Region> clipped;
    if (rect) {
        const RECT box = mapping.to_device(*rect);
        if (options & ETO_OPAQUE) fill_device(target, box, ink.background);
        if (options & ETO_CLIPPED) {
            clipped = target.clip ? target.clip->intersected(box) : Region::from_rect(box);
            target.clip = &*clipped;
        }
    }
    if (escapement == 0) {
        draw_straight(target, line, ref, ink);
    } else if (escapement % 900 == 0) {
        draw_quarter_turned(target, line, QuarterTurn{escapement / 900, ref}, ink);
    } else {
        draw_turned(target, line, ref, escapement * std::numbers::pi / 1800, ink);
    }
    return true;
}

} // namespace

bool TextOutA(HDC hdc, int32_t x, int32_t y, const char* text, int count) {
    TraceCall trace("TextOutA");
    trace.args({x, y}).text(text && count > 0 ? std::string_view(text, size_t(count)) : std::string_view());
    if (DcObject* dc = dc_of(hdc); dc && trace) trace.color("text", dc->state.text_color);
    return text_out(hdc, x, y, 0, nullptr, text, count, nullptr);
}

bool ExtTextOutA(HDC hdc, int32_t x, int32_t y, uint32_t options, const RECT* rect, const char* text,
                 int count, const int32_t* dx) {
    TraceCall trace("ExtTextOutA");
    trace.args({x, y, options})
        .text(text && count > 0 ? std::string_view(text, size_t(count)) : std::string_view());
    if (DcObject* dc = dc_of(hdc); dc && trace) trace.color("text", dc->state.text_color);
    return text_out(hdc, x, y, options, rect, text, count, dx);
}

bool GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size) {
    TraceCall trace("GetTextExtentPoint32A");
    trace.text(text && count > 0 ? std::string_view(text, size_t(count)) : std::string_view());
    DcObject* dc = dc_of(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text)) return false;
    const Mapping mapping(dc->state);
    FontInstance* font = font_of(*dc, mapping);
    if (!font) return false;
    int32_t width = 0;
    for (int i = 0; i < count; ++i)
        width += font->advance(static_cast<uint8_t>(text[i]));
    size->cx = std::abs(mapping.x_length_to_logical(width));
    size->cy = std::abs(mapping.y_length_to_logical(font->metrics().height()));
    return true;
}

bool GetTextMetricsA(HDC hdc, TEXTMETRICA* tm) {
    TraceCall trace("GetTextMetricsA");
    DcObject* dc = dc_of(hdc);
    if (!dc || !tm) return false;
    const Mapping mapping(dc->state);
    FontInstance* font = font_of(*dc, mapping);
    const FontObject* object = lookup(dc->state.font);
    if (!font || !object) return false;
    const FontMetrics& m = font->metrics();
    auto h = [&](int32_t v) { return std::abs(mapping.y_length_to_logical(v)); };
    auto w = [&](int32_t v) { return std::abs(mapping.x_length_to_logical(v)); };
    *tm = TEXTMETRICA{};
    tm->tmHeight = h(m.height());
    tm->tmAscent = h(m.ascent);
    tm->tmDescent = h(m.descent);
    tm->tmInternalLeading = h(m.internal_leading);
    tm->tmExternalLeading = h(m.external_leading);
    tm->tmAveCharWidth = w(m.ave_width);
    tm->tmMaxCharWidth = w(m.max_width);
    tm->tmWeight = m.weight;
    tm->tmOverhang = w(m.overhang);
    tm->tmDigitizedAspectX = LogicalDpi();
    tm->tmDigitizedAspectY = LogicalDpi();
    // TrueType faces cover from 0x1E with 0x1F as the default character; raster faces from the space.
    tm->tmFirstChar = m.truetype ? 0x1E : 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = m.truetype ? 0x1F : 0x80;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = m.italic ? 255 : 0;
    tm->tmUnderlined = object->log.lfUnderline ? 255 : 0;
    tm->tmStruckOut = object->log.lfStrikeOut ? 255 : 0;
    tm->tmPitchAndFamily = m.pitch_and_family;
    tm->tmCharSet = ANSI_CHARSET;
    return true;
}

int GetTextFaceA(HDC hdc, int n, char* out) {
    TraceCall trace("GetTextFaceA");
    trace.arg(n);
    DcObject* dc = dc_of(hdc);
    const FontObject* object = dc ? lookup(dc->state.font) : nullptr;
    if (!object) return 0;
    std::string name(object->log.lfFaceName, strnlen(object->log.lfFaceName, LF_FACESIZE));
    if (name.empty()) {
        FontInstance* font = font_of(*dc, Mapping(dc->state));
        if (font) name = font->choice().family;
    }
    if (!out) return static_cast<int>(name.size()) + 1;
    if (n <= 0) return 0;
    const size_t copied = std::min(name.size(), size_t(n - 1));
    std::memcpy(out, name.data(), copied);
    out[copied] = '\0';
    return static_cast<int>(copied) + 1;
}

FaceInfo DescribeFont(HFONT font) {
    const FontObject* object = lookup(font);
    if (!object) return {};
    FaceInfo info;
    info.requested = std::string(object->log.lfFaceName, strnlen(object->log.lfFaceName, LF_FACESIZE));
    std::shared_ptr<FontInstance> instance = FontSystem::current().realize(object->log, object->log.lfHeight);
    if (!instance) return info;
    info.family = instance->choice().family;
    info.style = instance->choice().style;
    info.file = instance->choice().file;
    info.truetype = instance->metrics().truetype;
    info.pixel_size = instance->metrics().em;
    return info;
}

void ClearGlyphCache() {
    FontSystem::current().clear_glyphs();
}

std::vector<std::string> ListFaceNames() {
    std::vector<std::string> names = {"Arial",    "Courier",     "Courier New", "MS Sans Serif",
                                      "MS Serif", "Small Fonts", "System",      "Times New Roman"};
    for (std::string& family : FontCatalog::instance().families())
        if (std::find(names.begin(), names.end(), family) == names.end()) names.push_back(std::move(family));
    std::sort(names.begin() + 8, names.end());
    return names;
}

int AddFontResourceExA(const char* path, uint32_t flags, void* reserved) {
    TraceCall trace("AddFontResourceExA");
    trace.text(path ? path : "");
    if (!path || reserved || (flags & ~FR_PRIVATE) != 0) return 0;
    return FontCatalog::instance().add_file(path);
}

} // namespace gdi
