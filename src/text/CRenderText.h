#pragma once

#include "gfx/CDC.h"
#include "gfx/CFont.h"
#include "gfx/CRect.h"
#include "gfx/CSize.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/StdFont.h"
#include "text/CFontHolder.h"
#include "text/CPictureHolder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace text {

// Draws one block of text, optionally with one picture, into a target area of a device context:
// nine text alignments, fifteen picture placements (in the area, stretched, tiled, or beside the
// text in the text's own frame), an access key underlined, word wrap, quarter-turn rotation through
// the font's escapement and a raised or inset 3D look.
//
// The caller sets the members it needs and calls Render; everything goes through an off-screen
// surface of the target's size that reaches the destination in one block copy. Setters of the
// enumerated members ignore a value out of range and keep the old one. Colours are OLE colours.
//
// The text's own frame: the reading direction is left to right for orientation 0, top to bottom
// for 1, right to left for 2 and bottom to top for 3; "above the text" is where the glyph tops
// face (up, right, down, left). Alignments are read in that frame, so they turn with the text.
class CRenderText {
public:
    CRenderText() = default;
    CRenderText(const CRenderText&) = delete;
    CRenderText& operator=(const CRenderText&) = delete;

    int32_t BackColor() const { return m_back_color; }
    void SetBackColor(int32_t color) { m_back_color = color; }
    bool BackTransparent() const { return m_back_transparent; }
    void SetBackTransparent(bool transparent) { m_back_transparent = transparent; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    // The caption font's CFont, so that a caller can make it bold.
    gfx::CFont& Font();
    // Installs a host font: a new GDI font with the font's face and style and escapement 0, so the
    // orientation is set after the font.
    void SetFont(const rt::StdFont* font);
    // The font and orientation of one caption among many: what SetFont(font), a bold font when
    // `bold` asks for it and SetOrientation(orientation) leave, except that the font the renderer
    // holds is kept, with the height of its last render, when it already is that font at the
    // display's resolution. Render sets the height.
    void SetCaptionFont(const rt::StdFont* font, bool bold, int32_t orientation);
    int32_t Font3D() const { return m_font_3d; }
    void SetFont3D(int32_t effect); // 0 to 4
    int32_t ForeColor() const { return m_fore_color; }
    void SetForeColor(int32_t color) { m_fore_color = color; }
    int32_t HighlightColor() const { return m_highlight_color; }
    void SetHighlightColor(int32_t color) { m_highlight_color = color; }
    int32_t ShadowColor() const { return m_shadow_color; }
    void SetShadowColor(int32_t color) { m_shadow_color = color; }
    int32_t MaskColor() const { return m_mask_color; }
    void SetMaskColor(int32_t color) { m_mask_color = color; }
    bool MaskColorEnabled() const { return m_mask_color_enabled; }
    void SetMaskColorEnabled(bool enabled) { m_mask_color_enabled = enabled; }
    int32_t Orientation() const { return m_orientation; }
    // 0 to 3; turns the held font at once: escapement -900 x orientation.
    void SetOrientation(int32_t orientation);
    const std::shared_ptr<rt::Dispatch>& Picture() const { return m_picture.Picture(); }
    void SetPicture(std::shared_ptr<rt::Dispatch> picture) { m_picture.SetPicture(std::move(picture)); }
    int32_t PictureAlignment() const { return m_picture_alignment; }
    void SetPictureAlignment(int32_t alignment); // 0 to 14
    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    int32_t TextAlignment() const { return m_text_alignment; }
    void SetTextAlignment(int32_t alignment); // 0 to 8
    bool WordWrap() const { return m_word_wrap; }
    void SetWordWrap(bool wrap) { m_word_wrap = wrap; }

    // The last layout: the top-left is the reference point the text was output at, the size the
    // unturned block (w along the reading direction, h across it).
    const gfx::CRect& TextRect() const { return m_text_rect; }
    // Where a picture beside the text went in the last render.
    const gfx::CRect& AdjacentPictureRect() const { return m_adjacent_picture_rect; }
    // 1-based position of the access key in the stripped text; 0 for none.
    int32_t MnemonicPos() const { return m_mnemonic_pos; }
    // The target area in the destination's coordinates; the caller sets it before Render.
    gfx::CRect& TargetRect() { return m_target_rect; }
    // The off-screen DC, live only during Render; measuring goes through it.
    gfx::CDC& RenderDC() { return m_render_dc; }

    // Draws into `dc` at TargetRect with the font `fontSize` points high at the off-screen surface's
    // resolution. False, with nothing drawn, when dc has no handle or the platform cannot make a
    // surface of the target's size. Every GDI object made on the way is released, also when a step
    // raises.
    //
    // Text alone over a transparent background is drawn straight onto `dc`, clipped to the target,
    // where that gives the pixels the off-screen surface would: `dc` maps logical units to pixels
    // one to one from the origin, and the target is a size the platform makes surfaces of.
    // Everything else goes through the off-screen surface (RenderThroughSurface).
    bool Render(gfx::CDC& dc, float fontSize);
    bool RenderThroughSurface(gfx::CDC& dc, float fontSize);

    // (0, 0, cx, cy): the extent of the stripped text in `holder`'s font (default: the renderer's) on
    // `dc` (default: RenderDC), grown for the 3D effect. Sets MnemonicPos.
    gfx::CRect GetTextSize(gfx::CDC* dc = nullptr, const CFontHolder* holder = nullptr);
    // The extent of `s` as it is (markers included) on RenderDC in the renderer's font, 3D-grown.
    gfx::CSize GetRawTextExtent(std::string_view s);
    // One pixel more each way for Font3D 1 and 3, two for 2 and 4.
    gfx::CSize AdjustFor3DFont(gfx::CSize size) const;
    // `s` without access-key markers: "&" marks the next character, "&&" is a literal "&". Sets
    // MnemonicPos to the last marked character (one past the end for a trailing "&").
    std::string StripMnemonics(std::string_view s);
    // The first n space-separated words of s, without the space after them; "" when s has fewer.
    static std::string GetLeftWords(std::string_view s, int32_t n);

    // Where a block the size of `block` (w along the reading direction, h across it) goes in
    // `area` for `alignment`, in screen x and y relative to the area. With `withPicture`, a picture
    // beside the text (PictureAlignment 11 to 14) pushes the block aside by its size (or half of it
    // when centred). Offsets are not clamped.
    int32_t GetTextOffsetX(const gfx::CRect& block, const gfx::CRect& area, int32_t alignment,
                           bool withPicture);
    int32_t GetTextOffsetY(const gfx::CRect& block, const gfx::CRect& area, int32_t alignment,
                           bool withPicture);
    // The wrapped text block (0, 0, widest line, lines x line height).
    gfx::CRect GetWordWrapRect();
    // The screen offset of one line of `line` extent inside the block, by the horizontal group of
    // TextAlignment, along the reading direction.
    void GetAlignOffsets(int32_t& dx, int32_t& dy, const gfx::CRect& block, const gfx::CSize& line) const;
    // The parts of TargetRect that belong to the picture and to the text: both the whole target,
    // except beside the text, where the picture gets a strip on its side.
    gfx::CRect GetPictureRect();
    gfx::CRect GetTextRect();
    // (0, 0, pw, ph): the picture's size in pixels of RenderDC; empty without a picture.
    gfx::CRect GetPictureSizeRect();

    // The drawing steps of Render, on the off-screen surface. Both report success.
    bool RenderText(const gfx::CRect& area);
    bool RenderPicture(const gfx::CRect& area, bool adjacent = false);
    // One line with its reference point at (x, y), drawn with the 3D effect; an access-key position
    // above 0 underlines that character.
    void TextOut3D(int32_t x, int32_t y, std::string_view line, int32_t accessKey);
    // Copies the bitmap picture into r on RenderDC: stretched over r, or r's size from its corner.
    void BlitPicture(const gfx::CRect& r, bool stretch);

private:
    // One line broken off the front of a text, and how many characters it used up (the line, plus
    // the space after it when the break was at a space).
    struct LineBreak {
        std::string line;
        size_t consumed = 0;
    };
    // The extent of `s` on RenderDC in the font it has selected, 3D-grown; an empty text measures
    // 0 x 0.
    gfx::CSize MeasuredExtent(std::string_view s);
    LineBreak BreakLine(std::string_view remaining, int32_t length);
    void DrawLines(const std::string& stripped, int32_t blockLength, int32_t lineHeight);
    void DrawLine(std::string_view line, size_t consumed, int32_t lineHeight);
    void PlaceAdjacentPicture(const gfx::CRect& block);
    void Underline(int32_t x, int32_t y, std::string_view line, int32_t accessKey);
    void PaintBackground(gfx::CDC& dc, int32_t width, int32_t height);
    bool DrawsInPlace(const gfx::CDC& dc) const;
    void RenderInPlace(gfx::CDC& dc, float fontSize);
    void SetFontHeight(float fontSize);
    void RenderLayers(const gfx::CRect& area);
    void DrawPictureInto(const gfx::CRect& r);
    void DrawTiles(const gfx::CRect& area, int32_t pw, int32_t ph);
    gfx::CRect ShownPart(const gfx::CRect& area) const;

    int32_t m_back_color = 0;
    bool m_back_transparent = false;
    bool m_enabled = false;
    int32_t m_font_3d = 0;
    int32_t m_fore_color = 0;
    int32_t m_highlight_color = 0;
    int32_t m_shadow_color = 0;
    int32_t m_mask_color = 0;
    bool m_mask_color_enabled = false;
    int32_t m_orientation = 0;
    int32_t m_picture_alignment = 0;
    std::string m_text;
    int32_t m_text_alignment = 0;
    bool m_word_wrap = false;
    gfx::CRect m_text_rect;
    gfx::CRect m_target_rect;
    gfx::CRect m_adjacent_picture_rect;
    int32_t m_mnemonic_pos = 0;
    gfx::CDC m_render_dc;
    gdi::HDC m_destination; // the destination, during Render only
    CFontHolder m_font_holder;
    CPictureHolder m_picture;
};

} // namespace text
