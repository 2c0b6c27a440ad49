#include "layout/TabLayout.h"

#include "control/VNTabCtl.h"
#include "platform/automation/Arithmetic.h"
#include "platform/gdi/Gdi.h"
#include "tabs/VNTab.h"

#include <algorithm>
#include <string>

namespace vntab {

namespace {

// The caption as it is drawn: each "&" marks the next character as the access key and is dropped;
// "&&" stands for one literal "&". A trailing lone "&" is dropped too.
std::string WithoutAccessKeyMarkers(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 >= caption.size()) break;
            if (caption[i + 1] == '&')
                ++i;
            else
                continue;
        }
        text.push_back(caption[i]);
    }
    return text;
}

// The caption font as a GDI font on `dc`: a character height of points x LOGPIXELSY / 72 pixels.
gdi::HFONT CreateCaptionFont(const rt::StdFont& font, gdi::HDC dc) {
    gdi::LOGFONTA lf;
    lf.lfHeight = -rt::clng(font.Size() * gdi::GetDeviceCaps(dc, gdi::LOGPIXELSY) / 72.0);
    lf.lfWeight = font.Bold() ? 700 : 400;
    lf.lfItalic = font.Italic();
    lf.lfUnderline = font.Underline();
    lf.lfStrikeOut = font.Strikethrough();
    lf.lfCharSet = static_cast<uint8_t>(font.Charset());
    const size_t count = std::min(font.Name().size(), sizeof lf.lfFaceName - 1);
    std::copy_n(font.Name().begin(), count, lf.lfFaceName);
    return gdi::CreateFontIndirectA(&lf);
}

} // namespace

// A plain text extent of the stripped caption. Without a caption font the DC's own font measures.
int32_t MeasureCaption(const VNTabCtl& ctl, gdi::HDC dc, const VNTab& tab) {
    const std::string text = WithoutAccessKeyMarkers(tab.Caption());
    const auto& caption_font = ctl.State().TabCaptionFont;
    gdi::HFONT font = caption_font ? CreateCaptionFont(*caption_font, dc) : gdi::HFONT{};
    gdi::HGDIOBJ previous = font ? gdi::SelectObject(dc, font) : gdi::HGDIOBJ{};
    gdi::SIZE extent;
    gdi::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    if (previous) gdi::SelectObject(dc, previous);
    if (font) gdi::DeleteObject(font);
    return extent.cx;
}

} // namespace vntab
