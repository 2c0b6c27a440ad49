#include "text/CRenderText.h"

#include "gfx/CBitmap.h"
#include "gfx/Module.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/StdPicture.h"
#include "platform/user/OleColor.h"
#include "text/TextFrame.h"

#include <algorithm>
#include <cstdlib>

namespace text {

namespace {

// The system colour of disabled text, as an OLE colour.

// The off-screen surface of one render: the renderer's DC made compatible with the destination and
// a bitmap of the target's size selected into it. Its end restores the DC's colours, selects the
// previous bitmap back and deletes the bitmap and the DC, also when a step raised.
class OffscreenSurface {
public:
    OffscreenSurface(gfx::CDC& renderDC, gfx::CDC& destination) : m_dc(renderDC) {
        m_dc.CreateCompatibleDC(destination.m_hdc);
        m_text = gdi::GetTextColor(m_dc.m_hdc);
        m_back = gdi::GetBkColor(m_dc.m_hdc);
    }
    ~OffscreenSurface() {
        m_dc.SetBkColor(m_back);
        m_dc.SetTextColor(m_text);
        if (m_selected) m_dc.SelectObject(m_previous);
        if (m_bitmap.Handle()) m_bitmap.DeleteObject();
        m_dc.DeleteDC();
        // Measuring after the render must not reach a deleted DC.
        m_dc.Detach();
    }
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    // False when the platform cannot make a surface that large (or of a negative size).
    bool SelectBitmap(gfx::CDC& destination, int32_t width, int32_t height) {
        m_bitmap.CreateCompatibleBitmap(destination, width, height);
        if (!m_bitmap.Handle()) return false;
        m_previous = m_dc.SelectObject(m_bitmap.Handle());
        m_selected = static_cast<bool>(m_previous);
        return m_selected;
    }

private:
    gfx::CDC& m_dc;
    gfx::CBitmap m_bitmap;
    gdi::HGDIOBJ m_previous;
    bool m_selected = false;
    gdi::COLORREF m_text = 0;
    gdi::COLORREF m_back = 0;
};

// Holds the destination DC for the drawing steps of one render, and forgets it at its end.
class DestinationDuringRender {
public:
    DestinationDuringRender(gdi::HDC& slot, gdi::HDC destination) : m_slot(slot) { m_slot = destination; }
    ~DestinationDuringRender() { m_slot = {}; }
    DestinationDuringRender(const DestinationDuringRender&) = delete;
    DestinationDuringRender& operator=(const DestinationDuringRender&) = delete;

private:
    gdi::HDC& m_slot;
};

// Gives a member its value back at the end of a scope.
class RestoreOnExit {
public:
    explicit RestoreOnExit(int32_t& value) : m_value(value), m_saved(value) {}
    ~RestoreOnExit() { m_value = m_saved; }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

private:
    int32_t& m_value;
    int32_t m_saved;
};

} // namespace

bool CRenderText::Render(gfx::CDC& dc, float fontSize) {
    if (!DrawsInPlace(dc)) return RenderThroughSurface(dc, fontSize);
    RenderInPlace(dc, fontSize);
    return true;
}

bool CRenderText::RenderThroughSurface(gfx::CDC& dc, float fontSize) {
    if (!dc.m_hdc) return false;
    const int32_t width = m_target_rect.Width();
    const int32_t height = m_target_rect.Height();

    OffscreenSurface surface(m_render_dc, dc);
    DestinationDuringRender destination(m_destination, dc.m_hdc);
    SetFontHeight(fontSize);
    // Without a surface nothing can reach the destination in one piece, so nothing is drawn.
    if (!surface.SelectBitmap(dc, width, height)) return false;
    m_render_dc.SetBkColor(gfx::TranslateColor(m_back_color));
    PaintBackground(dc, width, height);
    RenderLayers(gfx::CRect(0, 0, width, height));

    // The destination gets the finished caption in one copy, never a partly drawn one.
    dc.BitBlt(m_target_rect.Left, m_target_rect.Top, width, height, m_render_dc.m_hdc, 0, 0, gdi::SRCCOPY);
    return true;
}

// A negative height asks for the character height: the point size at the surface's resolution. A
// font of that height already made is the font a new one would be.
void CRenderText::SetFontHeight(float fontSize) {
    const double pixelsPerInch = m_render_dc.GetDeviceCaps(gdi::LOGPIXELSY);
    const int32_t font_height = rt::clng(-(double(fontSize) * pixelsPerInch / 72.0));
    if (Font().Height() != font_height || !Font().Handle()) Font().SetHeight(font_height);
}

// Pictures in the area lie under the text; pictures beside it are placed once the text is.
void CRenderText::RenderLayers(const gfx::CRect& area) {
    if (!IsBesideText(m_picture_alignment)) RenderPicture(area);
    if (m_enabled) {
        RenderText(area);
    } else {
        RestoreOnExit keep(m_fore_color);
        m_fore_color = static_cast<int32_t>(gfx::TranslateColor(user::kOleGrayText));
        RenderText(area);
    }
    if (IsBesideText(m_picture_alignment)) RenderPicture(area, true);
}

// The off-screen surface holds a copy of what lies under the target, gets the text drawn over it
// and is copied back whole: the pixels the text does not touch go back unchanged, and the
// destination's clip region applies to the copy. Drawing the text straight onto the destination,
// clipped to the target, changes the same pixels to the same values when nothing else differs:
// the destination maps one to one from the origin, as the surface does (the drawing is moved by the
// target's corner through the viewport origin), its drawing state is the new surface's where the
// text reads it (alignment, raster operation; colours and background mode are set by the drawing
// itself), and the target is a size the platform makes a surface of, so that the surface path would
// not have given up. A picture is drawn through the surface: its ways of drawing are many.
bool CRenderText::DrawsInPlace(const gfx::CDC& dc) const {
    constexpr int32_t kMaxSide = 1 << 15;
    constexpr int64_t kMaxPixels = int64_t(1) << 26;
    constexpr int32_t kMaxCorner = 1 << 24;
    if (!dc.m_hdc || !m_back_transparent || Picture()) return false;
    const gfx::CRect& t = m_target_rect;
    const int64_t width = int64_t(t.Right) - t.Left, height = int64_t(t.Bottom) - t.Top;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        return false;
    if (std::abs(int64_t(t.Left)) > kMaxCorner || std::abs(int64_t(t.Top)) > kMaxCorner) return false;
    if (gdi::GetMapMode(dc.m_hdc) != gdi::MM_TEXT) return false;
    gdi::POINT viewport, window;
    if (!gdi::GetViewportOrgEx(dc.m_hdc, &viewport) || !gdi::GetWindowOrgEx(dc.m_hdc, &window)) return false;
    return viewport.x == 0 && viewport.y == 0 && window.x == 0 && window.y == 0;
}

namespace {

// The destination as the renderer's DC for one render: its state saved, the viewport moved to the
// target's corner, drawing clipped to the target and the state a new DC starts with where text
// drawing reads it. The end restores the destination and lets the renderer's DC go.
class InPlaceDestination {
public:
    InPlaceDestination(gfx::CDC& renderDC, gfx::CDC& destination, const gfx::CRect& target) : m_dc(renderDC) {
        m_dc.Attach(destination.m_hdc);
        m_saved = gdi::SaveDC(m_dc.m_hdc);
        gdi::SetViewportOrgEx(m_dc.m_hdc, target.Left, target.Top, nullptr);
        gdi::IntersectClipRect(m_dc.m_hdc, 0, 0, target.Width(), target.Height());
        gdi::SetTextAlign(m_dc.m_hdc, gdi::TA_TOP | gdi::TA_LEFT);
        gdi::SetROP2(m_dc.m_hdc, gdi::R2_COPYPEN);
    }
    ~InPlaceDestination() {
        if (m_saved) gdi::RestoreDC(m_dc.m_hdc, m_saved);
        m_dc.Detach();
    }
    InPlaceDestination(const InPlaceDestination&) = delete;
    InPlaceDestination& operator=(const InPlaceDestination&) = delete;

private:
    gfx::CDC& m_dc;
    int m_saved = 0;
};

} // namespace

void CRenderText::RenderInPlace(gfx::CDC& dc, float fontSize) {
    InPlaceDestination in_place(m_render_dc, dc, m_target_rect);
    DestinationDuringRender destination(m_destination, dc.m_hdc);
    SetFontHeight(fontSize);
    m_render_dc.SetBkColor(gfx::TranslateColor(m_back_color));
    RenderLayers(gfx::CRect(0, 0, m_target_rect.Width(), m_target_rect.Height()));
}

void CRenderText::PaintBackground(gfx::CDC& dc, int32_t width, int32_t height) {
    if (m_back_transparent) {
        // What the destination shows under the target becomes the surface's background.
        m_render_dc.BitBlt(0, 0, width, height, dc.m_hdc, m_target_rect.Left, m_target_rect.Top,
                           gdi::SRCCOPY);
        return;
    }
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(gfx::TranslateColor(m_back_color));
    m_render_dc.FillRect(gfx::CRect(0, 0, width, height), brush);
    gdi::DeleteObject(brush);
}

bool CRenderText::RenderPicture(const gfx::CRect& area, bool adjacent) {
    if (!Picture()) return true;
    const gfx::CRect size = GetPictureSizeRect();
    const int32_t pw = size.Width();
    const int32_t ph = size.Height();
    if (adjacent) {
        DrawPictureInto(m_adjacent_picture_rect);
    } else if (m_picture_alignment <= 8) {
        // Placed like a text block of the picture's size, by the same offset rules.
        const int32_t left = rt::add32(area.Left, GetTextOffsetX(size, area, m_picture_alignment, false));
        const int32_t top = rt::add32(area.Top, GetTextOffsetY(size, area, m_picture_alignment, false));
        DrawPictureInto({left, top, rt::add32(left, pw), rt::add32(top, ph)});
    } else if (m_picture_alignment == kPictStretch) {
        if (m_picture.PicType() == rt::kPicTypeBitmap)
            BlitPicture(area, true);
        else
            m_picture.Render(m_render_dc, area);
    } else if (m_picture_alignment == kPictTile) {
        DrawTiles(area, pw, ph);
    }
    return true;
}

// Tiles from the area's top-left corner, column by column; the tiles at the right and bottom run
// past the area and the surface cuts them. Tiles that cannot reach the destination's visible part
// change no pixel anyone sees and are skipped, so a tiny picture tiled over a huge caption area
// costs only what shows.
void CRenderText::DrawTiles(const gfx::CRect& area, int32_t pw, int32_t ph) {
    if (pw < 1 || ph < 1) return;
    const gfx::CRect shown = ShownPart(area);
    const int64_t firstX = area.Left + std::max<int64_t>(0, (int64_t(shown.Left) - area.Left) / pw) * pw;
    const int64_t firstY = area.Top + std::max<int64_t>(0, (int64_t(shown.Top) - area.Top) / ph) * ph;
    const int64_t endX = std::min(area.Right, shown.Right);
    const int64_t endY = std::min(area.Bottom, shown.Bottom);
    for (int64_t x = firstX; x < endX; x += pw)
        for (int64_t y = firstY; y < endY; y += ph)
            DrawPictureInto({rt::to32(x), rt::to32(y), rt::add32(x, pw), rt::add32(y, ph)});
}

// The part of `area` (surface coordinates) that lands inside the destination's clip box; the whole
// area outside a render.
gfx::CRect CRenderText::ShownPart(const gfx::CRect& area) const {
    gdi::RECT clip;
    if (!m_destination || gdi::GetClipBox(m_destination, &clip) == gdi::ERROR) return area;
    const int64_t left = int64_t(clip.left) - m_target_rect.Left, top = int64_t(clip.top) - m_target_rect.Top;
    const int64_t right = int64_t(clip.right) - m_target_rect.Left,
                  bottom = int64_t(clip.bottom) - m_target_rect.Top;
    auto inside = [](int64_t v, int32_t low, int32_t high) {
        return int32_t(std::clamp<int64_t>(v, low, high));
    };
    return {inside(left, area.Left, area.Right), inside(top, area.Top, area.Bottom),
            inside(right, area.Left, area.Right), inside(bottom, area.Top, area.Bottom)};
}

// A bitmap with MaskColorEnabled is copied straight; everything else goes through the picture
// holder, whose drawing errors stop only that picture.
void CRenderText::DrawPictureInto(const gfx::CRect& r) {
    if (m_mask_color_enabled && m_picture.PicType() == rt::kPicTypeBitmap) {
        BlitPicture(r, false);
        return;
    }
    m_picture.Render(m_render_dc, r);
}

void CRenderText::BlitPicture(const gfx::CRect& r, bool stretch) {
    const gdi::HBITMAP bitmap{m_picture.Handle()};
    gfx::CSize natural(m_picture.Width(), m_picture.Height());
    if (stretch) CPictureHolder::H2P(m_render_dc, natural);
    const int32_t width = r.Width();
    const int32_t height = r.Height();
    // No colour is transparent: MaskColor has no effect on the copy.
    gfx::CDC source;
    source.CreateCompatibleDC(m_render_dc.m_hdc);
    const gdi::HGDIOBJ previous = source.SelectObject(bitmap);
    if (stretch)
        m_render_dc.StretchBlt(r.Left, r.Top, width, height, source.m_hdc, 0, 0, natural.CX, natural.CY,
                               gdi::SRCCOPY);
    else
        m_render_dc.BitBlt(r.Left, r.Top, width, height, source.m_hdc, 0, 0, gdi::SRCCOPY);
    if (previous) source.SelectObject(previous);
    source.DeleteDC();
}

} // namespace text
