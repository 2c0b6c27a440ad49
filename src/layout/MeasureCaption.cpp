#include "layout/TabLayout.h"

#include "layout/ControlView.h"
#include "platform/automation/Arithmetic.h"
#include "tabs/VNTab.h"
#include "text/CFontHolder.h"
#include "text/CRenderText.h"

namespace vntab {

// The caption is handed to the control's caption renderer, which measures its text block (the
// caption without access-key markers) in the caption font, selected into `dc` for the measurement.
// The font holder leaves the height at 0, so it is set to the caption's point size at the DC's
// resolution, the size the caption is drawn in. Without a caption font the DC's own font measures.
int32_t MeasureCaption(const ControlView& ctl, gdi::HDC dc, const VNTab& tab) {
    const rt::StdFont* font = ctl.State().TabCaptionFont.get();
    gfx::CDC target;
    target.Attach(dc);
    text::CFontHolder caption_font;
    caption_font.InitializeFont(font);
    if (font)
        caption_font.Font()->SetHeight(
            rt::clng(-(font->Size() * target.GetDeviceCaps(gdi::LOGPIXELSY) / 72.0)));
    text::CRenderText& renderer = ctl.Renderer();
    renderer.SetText(tab.Caption());
    return renderer.GetTextSize(&target, &caption_font).Width();
}

} // namespace vntab
