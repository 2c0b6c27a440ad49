#include "gfx/CBitmap.h"
#include "gfx/Module.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/StdPicture.h"
#include "text/CRenderText.h"
#include "text/TextFrame.h"

namespace text {

namespace {

// The system colour of disabled text, as an OLE colour.
constexpr int32_t kGrayText = static_cast<int32_t>(0x80000011);

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

    void SelectBitmap(gfx::CDC& destination, int32_t width, int32_t height) {
        m_bitmap.CreateCompatibleBitmap(destination, width, height);
        m_previous = m_dc.SelectObject(m_bitmap.Handle());
        m_selected = static_cast<bool>(m_previous);
    }

private:
    gfx::CDC& m_dc;
    gfx::CBitmap m_bitmap;
    gdi::HGDIOBJ m_previous;
    bool m_selected = false;
    gdi::COLORREF m_text = 0;
    gdi::COLORREF m_back = 0;
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
    if (!dc.m_hdc) return false;
    const int32_t width = m_targetRect.Width();
    const int32_t height = m_targetRect.Height();
    const gfx::CRect area(0, 0, width, height);

    OffscreenSurface surface(m_renderDC, dc);
    // A negative height asks for the character height: the point size at the surface's resolution.
    const double pixelsPerInch = m_renderDC.GetDeviceCaps(gdi::LOGPIXELSY);
    Font().SetHeight(rt::clng(-(double(fontSize) * pixelsPerInch / 72.0)));
    surface.SelectBitmap(dc, width, height);
    m_renderDC.SetBkColor(gfx::TranslateColor(m_backColor));
    PaintBackground(dc, width, height);

    // Pictures in the area lie under the text; pictures beside it are placed once the text is.
    if (!IsBesideText(m_pictureAlignment)) RenderPicture(area);
    if (m_enabled) {
        RenderText(area);
    } else {
        RestoreOnExit keep(m_foreColor);
        m_foreColor = static_cast<int32_t>(gfx::TranslateColor(kGrayText));
        RenderText(area);
    }
    if (IsBesideText(m_pictureAlignment)) RenderPicture(area, true);

    // The destination gets the finished caption in one copy, never a partly drawn one.
    dc.BitBlt(m_targetRect.Left, m_targetRect.Top, width, height, m_renderDC.m_hdc, 0, 0, gdi::SRCCOPY);
    return true;
}

void CRenderText::PaintBackground(gfx::CDC& dc, int32_t width, int32_t height) {
    if (m_backTransparent) {
        // What the destination shows under the target becomes the surface's background.
        m_renderDC.BitBlt(0, 0, width, height, dc.m_hdc, m_targetRect.Left, m_targetRect.Top, gdi::SRCCOPY);
        return;
    }
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(gfx::TranslateColor(m_backColor));
    m_renderDC.FillRect(gfx::CRect(0, 0, width, height), brush);
    gdi::DeleteObject(brush);
}

bool CRenderText::RenderPicture(const gfx::CRect& area, bool adjacent) {
    if (!Picture()) return true;
    const gfx::CRect size = GetPictureSizeRect();
    const int32_t pw = size.Width();
    const int32_t ph = size.Height();
    if (adjacent) {
        DrawPictureInto(m_adjacentPictureRect);
    } else if (m_pictureAlignment <= 8) {
        // Placed like a text block of the picture's size, by the same offset rules.
        const int32_t left = rt::add32(area.Left, GetTextOffsetX(size, area, m_pictureAlignment, false));
        const int32_t top = rt::add32(area.Top, GetTextOffsetY(size, area, m_pictureAlignment, false));
        DrawPictureInto({left, top, rt::add32(left, pw), rt::add32(top, ph)});
    } else if (m_pictureAlignment == kPictStretch) {
        if (m_picture.PicType() == rt::kPicTypeBitmap)
            BlitPicture(area, true);
        else
            m_picture.Render(m_renderDC, area);
    } else if (m_pictureAlignment == kPictTile) {
        DrawTiles(area, pw, ph);
    }
    return true;
}

// Tiles from the area's top-left corner, column by column; the tiles at the right and bottom run
// past the area and the surface cuts them.
void CRenderText::DrawTiles(const gfx::CRect& area, int32_t pw, int32_t ph) {
    if (pw < 1 || ph < 1) return;
    for (int64_t x = area.Left; x < area.Right; x += pw)
        for (int64_t y = area.Top; y < area.Bottom; y += ph)
            DrawPictureInto({rt::to32(x), rt::to32(y), rt::add32(x, pw), rt::add32(y, ph)});
}

// A bitmap with MaskColorEnabled is copied straight; everything else goes through the picture
// holder, whose drawing errors stop only that picture.
void CRenderText::DrawPictureInto(const gfx::CRect& r) {
    if (m_maskColorEnabled && m_picture.PicType() == rt::kPicTypeBitmap) {
        BlitPicture(r, false);
        return;
    }
    m_picture.Render(m_renderDC, r);
}

void CRenderText::BlitPicture(const gfx::CRect& r, bool stretch) {
    const gdi::HBITMAP bitmap{m_picture.Handle()};
    gfx::CSize natural(m_picture.Width(), m_picture.Height());
    if (stretch) CPictureHolder::H2P(m_renderDC, natural);
    const int32_t width = r.Width();
    const int32_t height = r.Height();
    // No colour is transparent: MaskColor has no effect on the copy.
    gfx::CDC source;
    source.CreateCompatibleDC(m_renderDC.m_hdc);
    const gdi::HGDIOBJ previous = source.SelectObject(bitmap);
    if (stretch)
        m_renderDC.StretchBlt(r.Left, r.Top, width, height, source.m_hdc, 0, 0, natural.CX, natural.CY,
                              gdi::SRCCOPY);
    else
        m_renderDC.BitBlt(r.Left, r.Top, width, height, source.m_hdc, 0, 0, gdi::SRCCOPY);
    if (previous) source.SelectObject(previous);
    source.DeleteDC();
}

} // namespace text
