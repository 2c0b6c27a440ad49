#include "text/CRenderText.h"

#include "platform/automation/Arithmetic.h"
#include "text/CaptionFont.h"
#include "text/TextFrame.h"

namespace text {

gfx::CFont& CRenderText::Font() {
    // The renderer's holder always holds a CFont: InitializeFont replaces it with a new one, and
    // only the holder's destruction drops it.
    return *m_font_holder.Font();
}

void CRenderText::SetFont(const rt::StdFont* font) {
    // InitializeFont releases the old font first and starts from a fresh CFont, which is why the
    // escapement is back to 0 afterwards.
    m_font_holder.InitializeFont(font);
}

void CRenderText::SetCaptionFont(const rt::StdFont* font, bool bold, int32_t orientation) {
    // An orientation out of range is ignored, as SetOrientation ignores it: the new font is not
    // turned.
    const bool turned = orientation >= 0 && orientation <= 3;
    gdi::LOGFONTA wanted = HostLogFont(font, 0, turned ? -900 * orientation : 0);
    // SetBold(true) on a font without a host font gives weight 700 to a description that had none.
    if (bold) wanted.lfWeight = gdi::FW_BOLD;
    if (turned) m_orientation = orientation;
    const gfx::CFont* held = m_font_holder.Font();
    const gdi::LOGFONTA current = held->GetLogFont();
    wanted.lfHeight = current.lfHeight;
    if (held->Handle() && held->PixelsY() == gdi::LogicalDpi() && SameLogFont(current, wanted)) return;
    m_font_holder.InitializeFont(nullptr);
    wanted.lfHeight = 0;
    Font().SetLogFont(wanted);
}

void CRenderText::SetFont3D(int32_t effect) {
    if (effect < 0 || effect > 4) return;
    m_font_3d = effect;
}

void CRenderText::SetOrientation(int32_t orientation) {
    if (orientation < 0 || orientation > 3) return;
    m_orientation = orientation;
    // Escapement is counter-clockwise; each step of the orientation turns a quarter clockwise.
    Font().SetEscapement(-900 * orientation);
}

void CRenderText::SetPictureAlignment(int32_t alignment) {
    if (alignment < 0 || alignment > kPictBelowText) return;
    m_picture_alignment = alignment;
}

void CRenderText::SetTextAlignment(int32_t alignment) {
    if (alignment < 0 || alignment > 8) return;
    m_text_alignment = alignment;
}

gfx::CSize CRenderText::AdjustFor3DFont(gfx::CSize size) const {
    int32_t growth = 0;
    if (m_font_3d == 1 || m_font_3d == 3) growth = 1;
    if (m_font_3d == 2 || m_font_3d == 4) growth = 2;
    return {rt::add32(size.CX, growth), rt::add32(size.CY, growth)};
}

gfx::CSize CRenderText::MeasuredExtent(std::string_view s) {
    // An empty text is an empty block, not a line of the font's height.
    if (s.empty()) return AdjustFor3DFont({});
    return AdjustFor3DFont(m_render_dc.GetTextExtent(s));
}

gfx::CRect CRenderText::GetTextSize(gfx::CDC* dc, const CFontHolder* holder) {
    gfx::CDC& target = dc ? *dc : m_render_dc;
    const CFontHolder& fonts = holder ? *holder : m_font_holder;
    const std::string stripped = StripMnemonics(m_text);
    gfx::CSize size;
    if (!stripped.empty()) {
        // Without a GDI font the DC measures with the font it has.
        SelectedObject font(target, fonts.GetFontHandle());
        size = target.GetTextExtent(stripped);
    }
    size = AdjustFor3DFont(size);
    return {0, 0, size.CX, size.CY};
}

gfx::CSize CRenderText::GetRawTextExtent(std::string_view s) {
    SelectedObject font(m_render_dc, m_font_holder.GetFontHandle());
    return MeasuredExtent(s);
}

gfx::CRect CRenderText::GetPictureSizeRect() {
    if (!Picture()) return {};
    gfx::CSize size(m_picture.Width(), m_picture.Height());
    CPictureHolder::H2P(m_render_dc, size);
    return {0, 0, size.CX, size.CY};
}

} // namespace text
