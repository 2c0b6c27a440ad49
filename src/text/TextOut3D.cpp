#include "text/CRenderText.h"

#include "gfx/CPen.h"
#include "gfx/Module.h"
#include "platform/automation/Arithmetic.h"
#include "text/TextFrame.h"

#include <algorithm>
#include <cstdlib>

namespace text {

namespace {

// One copy of the line: its colour and its offset in screen pixels.
struct Pass {
    gdi::COLORREF color;
    int32_t dx;
    int32_t dy;
};

} // namespace

void CRenderText::TextOut3D(int32_t x, int32_t y, std::string_view line, int32_t accessKey) {
    // Only glyph pixels are painted, so the copies of a 3D line show through each other.
    m_render_dc.SetBkMode(gdi::TRANSPARENT);
    const gdi::COLORREF face = gfx::TranslateColor(m_fore_color);
    const gdi::COLORREF light = gfx::TranslateColor(m_highlight_color);
    const gdi::COLORREF dark = gfx::TranslateColor(m_shadow_color);
    // The 3D copies lie 1 or 2 pixels down and right, within the growth AdjustFor3DFont measured.
    Pass passes[3] = {};
    int count = 0;
    switch (m_font_3d) {
    case 1: // raised
        passes[count++] = {light, 0, 0};
        passes[count++] = {face, 1, 1};
        break;
    case 2: // raised heavy
        passes[count++] = {light, 0, 0};
        passes[count++] = {dark, 2, 2};
        passes[count++] = {face, 1, 1};
        break;
    case 3: // inset
        passes[count++] = {light, 1, 1};
        passes[count++] = {face, 0, 0};
        break;
    case 4: // inset heavy
        passes[count++] = {dark, 0, 0};
        passes[count++] = {light, 2, 2};
        passes[count++] = {face, 1, 1};
        break;
    default:
        passes[count++] = {face, 0, 0};
        break;
    }
    gdi::COLORREF previous = 0;
    for (int i = 0; i < count; ++i) {
        const gdi::COLORREF was = m_render_dc.SetTextColor(passes[i].color);
        if (i == 0) previous = was;
        m_render_dc.TextOut(rt::add32(x, passes[i].dx), rt::add32(y, passes[i].dy), line);
    }
    if (accessKey > 0) Underline(x, y, line, accessKey);
    m_render_dc.SetTextColor(previous);
}

// Underlines the access key of a line drawn at (x, y): one pixel below the baseline for upright
// text; for turned text, a fixed share of the font height beyond the baseline toward the glyph
// bottoms. A key that is the first of "&&" left in the text is not underlined.
void CRenderText::Underline(int32_t x, int32_t y, std::string_view line, int32_t accessKey) {
    const size_t key = static_cast<size_t>(accessKey);
    if (key < line.size() && line[key] == '&') return;
    const std::string_view before = line.substr(0, std::min(key - 1, line.size()));
    const std::string_view character = key <= line.size() ? line.substr(key - 1, 1) : std::string_view();
    const gfx::CSize pre = m_render_dc.GetTextExtent(before);
    const gfx::CSize ch = m_render_dc.GetTextExtent(character);
    const gdi::TEXTMETRICA metrics = m_render_dc.GetTextMetrics();
    const int64_t d = metrics.tmDescent;
    const int64_t v = metrics.tmOverhang;
    const int64_t c = rt::clng(std::abs(double(Font().Height())) * 0.15);

    // The ends in 64 bits; CDC::MoveTo and LineTo raise the overflow error for ends out of range.
    int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    switch (m_orientation) {
    case 0:
        x0 = int64_t(x) + pre.CX - v;
        y0 = y1 = int64_t(y) + ch.CY - d + 1;
        x1 = int64_t(x) + pre.CX + ch.CX - 2 * v;
        break;
    case 1:
        x0 = x1 = int64_t(x) - ch.CY + d - c;
        y0 = int64_t(y) + pre.CX - v;
        y1 = int64_t(y) + pre.CX + ch.CX - 2 * v;
        break;
    case 2:
        x0 = int64_t(x) - pre.CX + v;
        y0 = y1 = int64_t(y) - ch.CY + d - c;
        x1 = int64_t(x) - pre.CX - ch.CX + 2 * v;
        break;
    default:
        x0 = x1 = int64_t(x) + ch.CY - d + c;
        y0 = int64_t(y) - pre.CX + v;
        y1 = int64_t(y) - pre.CX - ch.CX + 2 * v;
        break;
    }
    gfx::CPen pen;
    pen.Init(gdi::PS_SOLID, gfx::CPoint(1, 0), gfx::TranslateColor(m_fore_color));
    pen.CreatePen();
    SelectedObject selected(m_render_dc, pen.hPen());
    m_render_dc.MoveTo(double(x0), double(y0));
    m_render_dc.LineTo(double(x1), double(y1));
}

} // namespace text
