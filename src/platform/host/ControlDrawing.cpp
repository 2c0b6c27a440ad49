#include "platform/host/ControlDrawing.h"

#include "platform/host/GdiFont.h"
#include "platform/user/Mnemonic.h"
#include "platform/user/OleColor.h"
#include "platform/user/SysColors.h"

namespace host::paint {

gdi::COLORREF sys(int index) {
    return user::GetSysColor(index);
}

gdi::COLORREF color_of(const HostControl& c, std::string_view property) {
    return user::TranslateOleColor(rt::CLng(c.GetValue(property)));
}

gdi::COLORREF text_color(const HostControl& c) {
    const bool enabled = !c.kind().Find("Enabled") || rt::CBool(c.GetValue("Enabled"));
    return enabled ? color_of(c, "ForeColor") : sys(user::COLOR_GRAYTEXT);
}

void fill(gdi::HDC dc, const gdi::RECT& r, gdi::COLORREF color) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(color);
    gdi::FillRect(dc, &r, brush);
    gdi::DeleteObject(brush);
}

void line(gdi::HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1, gdi::COLORREF color, int width) {
    const gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, width, color);
    const gdi::HGDIOBJ old = gdi::SelectObject(dc, pen);
    gdi::MoveToEx(dc, x0, y0, nullptr);
    gdi::LineTo(dc, x1, y1);
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(pen);
}

namespace {

// A two-pixel 3D edge: `outer_lt`/`outer_rb` on the outside, `inner_lt`/`inner_rb` inside.
void edge(gdi::HDC dc, const gdi::RECT& r, gdi::COLORREF outer_lt, gdi::COLORREF outer_rb,
          gdi::COLORREF inner_lt, gdi::COLORREF inner_rb) {
    const int32_t l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    line(dc, l, b, l, t, outer_lt);
    line(dc, l, t, rr, t, outer_lt);
    line(dc, rr, t, rr, b, outer_rb);
    line(dc, rr, b, l - 1, b, outer_rb);
    line(dc, l + 1, b - 1, l + 1, t + 1, inner_lt);
    line(dc, l + 1, t + 1, rr - 1, t + 1, inner_lt);
    line(dc, rr - 1, t + 1, rr - 1, b - 1, inner_rb);
    line(dc, rr - 1, b - 1, l, b - 1, inner_rb);
}

} // namespace

void sunken(gdi::HDC dc, const gdi::RECT& r) {
    edge(dc, r, sys(user::COLOR_BTNSHADOW), sys(user::COLOR_BTNHIGHLIGHT), sys(user::COLOR_3DDKSHADOW),
         sys(user::COLOR_3DLIGHT));
}

void raised(gdi::HDC dc, const gdi::RECT& r) {
    edge(dc, r, sys(user::COLOR_3DLIGHT), sys(user::COLOR_3DDKSHADOW), sys(user::COLOR_BTNHIGHLIGHT),
         sys(user::COLOR_BTNSHADOW));
}

ControlFont::ControlFont(gdi::HDC dc, const HostControl& c)
    : m_dc(dc), m_font(CreateGdiFont(*c.TextFont())), m_previous(gdi::SelectObject(dc, m_font)) {}

ControlFont::~ControlFont() {
    gdi::SelectObject(m_dc, m_previous);
    gdi::DeleteObject(m_font);
}

gdi::SIZE ControlFont::extent(std::string_view text) const {
    gdi::SIZE size{};
    gdi::GetTextExtentPoint32A(m_dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

gdi::TEXTMETRICA ControlFont::metrics() const {
    gdi::TEXTMETRICA tm{};
    gdi::GetTextMetricsA(m_dc, &tm);
    return tm;
}

int32_t text_height(gdi::HDC dc, const HostControl& c) {
    return ControlFont(dc, c).metrics().tmHeight;
}

gdi::SIZE caption_extent(gdi::HDC dc, const HostControl& c, std::string_view caption) {
    return ControlFont(dc, c).extent(user::ParseMnemonics(caption).shown);
}

void write(gdi::HDC dc, const HostControl& c, std::string_view text, int32_t x, int32_t y,
           gdi::COLORREF color, bool mnemonics) {
    const user::MnemonicText caption =
        mnemonics ? user::ParseMnemonics(text) : user::MnemonicText{std::string(text), {}};
    const std::string_view shown = caption.shown;
    const ControlFont font(dc, c);
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, color);
    gdi::TextOutA(dc, x, y, shown.data(), static_cast<int>(shown.size()));
    if (caption.underlined.empty()) return;
    // One character carries the underline: the last one marked.
    const size_t at = caption.underlined.back();
    const int32_t from = x + font.extent(shown.substr(0, at)).cx;
    const int32_t base = y + font.metrics().tmAscent + 1;
    line(dc, from, base, from + font.extent(shown.substr(at, 1)).cx, base, color);
}

} // namespace host::paint
