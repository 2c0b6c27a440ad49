#include "ControlPainter.h"

#include "platform/automation/Ansi.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/GdiFont.h"
#include "platform/user/OleColor.h"
#include "platform/user/SysColors.h"

#include <algorithm>

namespace host {

namespace {

using gdi::COLORREF;
using gdi::HDC;

COLORREF sys(int index) {
    return user::GetSysColor(index);
}

COLORREF color_of(const HostControl& c, std::string_view property) {
    return user::TranslateOleColor(rt::CLng(const_cast<HostControl&>(c).Get(property)));
}

bool has(const HostControl& c, std::string_view property) {
    return c.kind().Find(property) != nullptr;
}

void fill(HDC dc, int32_t l, int32_t t, int32_t r, int32_t b, COLORREF color) {
    gdi::HBRUSH brush = gdi::CreateSolidBrush(color);
    gdi::RECT rect{l, t, r, b};
    gdi::FillRect(dc, &rect, brush);
    gdi::DeleteObject(brush);
}

void line(HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1, COLORREF color, int width = 1) {
    gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, width, color);
    gdi::HGDIOBJ old = gdi::SelectObject(dc, pen);
    gdi::MoveToEx(dc, x0, y0, nullptr);
    gdi::LineTo(dc, x1, y1);
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(pen);
}

// A two-pixel 3D edge: `outer_lt`/`outer_rb` on the outside, `inner_lt`/`inner_rb` inside.
void edge(HDC dc, const gdi::RECT& r, COLORREF outer_lt, COLORREF outer_rb, COLORREF inner_lt,
          COLORREF inner_rb) {
    int32_t l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    line(dc, l, b, l, t, outer_lt);
    line(dc, l, t, rr, t, outer_lt);
    line(dc, rr, t, rr, b, outer_rb);
    line(dc, rr, b, l - 1, b, outer_rb);
    line(dc, l + 1, b - 1, l + 1, t + 1, inner_lt);
    line(dc, l + 1, t + 1, rr - 1, t + 1, inner_lt);
    line(dc, rr - 1, t + 1, rr - 1, b - 1, inner_rb);
    line(dc, rr - 1, b - 1, l, b - 1, inner_rb);
}

void sunken(HDC dc, const gdi::RECT& r) {
    edge(dc, r, sys(user::COLOR_BTNSHADOW), sys(user::COLOR_BTNHIGHLIGHT), sys(user::COLOR_3DDKSHADOW),
         sys(user::COLOR_3DLIGHT));
}

void raised(HDC dc, const gdi::RECT& r) {
    edge(dc, r, sys(user::COLOR_3DLIGHT), sys(user::COLOR_3DDKSHADOW), sys(user::COLOR_BTNHIGHLIGHT),
         sys(user::COLOR_BTNSHADOW));
}

// Writes a caption with its access key underlined; returns the size it took.
gdi::SIZE text(HDC dc, const HostControl& c, std::string_view caption, int32_t x, int32_t y, COLORREF color,
               bool mnemonics) {
    std::string shown;
    int underline_at = -1;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (mnemonics && caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&') underline_at = static_cast<int>(shown.size());
        }
        shown.push_back(caption[i]);
    }
    gdi::HFONT font = CreateGdiFont(*c.TextFont());
    gdi::HGDIOBJ old = gdi::SelectObject(dc, font);
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, color);
    gdi::TextOutA(dc, x, y, shown.data(), static_cast<int>(shown.size()));
    gdi::SIZE size{};
    gdi::GetTextExtentPoint32A(dc, shown.data(), static_cast<int>(shown.size()), &size);
    if (underline_at >= 0) {
        gdi::SIZE before{}, ch{};
        gdi::TEXTMETRICA tm{};
        gdi::GetTextMetricsA(dc, &tm);
        gdi::GetTextExtentPoint32A(dc, shown.data(), underline_at, &before);
        gdi::GetTextExtentPoint32A(dc, shown.data() + underline_at, 1, &ch);
        int32_t base = y + tm.tmAscent + 1;
        line(dc, x + before.cx, base, x + before.cx + ch.cx, base, color);
    }
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(font);
    return size;
}

int32_t text_height(const HostControl& c, HDC dc) {
    gdi::HFONT font = CreateGdiFont(*c.TextFont());
    gdi::HGDIOBJ old = gdi::SelectObject(dc, font);
    gdi::TEXTMETRICA tm{};
    gdi::GetTextMetricsA(dc, &tm);
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(font);
    return tm.tmHeight;
}

std::string caption_of(const HostControl& c, std::string_view property) {
    return rt::CStr(const_cast<HostControl&>(c).Get(property));
}

COLORREF text_color(const HostControl& c, std::string_view property) {
    bool enabled = !has(c, "Enabled") || rt::CBool(const_cast<HostControl&>(c).Get("Enabled"));
    return enabled ? color_of(c, property) : sys(user::COLOR_GRAYTEXT);
}

void paint_shape(const HostControl& c, HDC dc, const gdi::RECT& r) {
    int shape = rt::CInt(const_cast<HostControl&>(c).Get("Shape"));
    bool back = rt::CInt(const_cast<HostControl&>(c).Get("BackStyle")) == 1;
    bool filled = rt::CInt(const_cast<HostControl&>(c).Get("FillStyle")) == 0;
    int32_t l = r.left, t = r.top, w = r.right - r.left, h = r.bottom - r.top;
    if (shape == 1 || shape == 3 || shape == 5) { // square forms: the largest square, centred
        int32_t side = std::min(w, h);
        l += (w - side) / 2;
        t += (h - side) / 2;
        w = h = side;
    }
    gdi::LOGBRUSH lb{gdi::BS_HOLLOW, 0, 0};
    if (filled)
        lb = {gdi::BS_SOLID, color_of(c, "FillColor"), 0};
    else if (back)
        lb = {gdi::BS_SOLID, color_of(c, "BackColor"), 0};
    gdi::HBRUSH brush = gdi::CreateBrushIndirect(&lb);
    gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, rt::CInt(const_cast<HostControl&>(c).Get("BorderWidth")),
                                   color_of(c, "BorderColor"));
    gdi::HGDIOBJ old_brush = gdi::SelectObject(dc, brush), old_pen = gdi::SelectObject(dc, pen);
    if (shape == 2 || shape == 3)
        gdi::Ellipse(dc, l, t, l + w, t + h);
    else
        gdi::Rectangle(dc, l, t, l + w, t + h);
    gdi::SelectObject(dc, old_brush);
    gdi::SelectObject(dc, old_pen);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(pen);
}

} // namespace

void PaintControl(const HostControl& c, HDC dc, const gdi::RECT& r) {
    std::string_view kind = c.kind().name;
    int32_t l = r.left, t = r.top, w = r.right - r.left, h = r.bottom - r.top;
    if (kind == "Line") {
        auto& m = const_cast<HostControl&>(c);
        // The line's own coordinates, relative to the box it spans.
        int32_t x1 = static_cast<int32_t>(m.GetNumber("X1") <= m.GetNumber("X2") ? l : l + w - 1);
        int32_t x2 = x1 == l ? l + w - 1 : l;
        int32_t y1 = static_cast<int32_t>(m.GetNumber("Y1") <= m.GetNumber("Y2") ? t : t + h - 1);
        int32_t y2 = y1 == t ? t + h - 1 : t;
        line(dc, x1, y1, x2, y2, color_of(c, "BorderColor"), rt::CInt(m.Get("BorderWidth")));
        gdi::SetPixel(dc, x2, y2, color_of(c, "BorderColor"));
        return;
    }
    if (kind == "Shape") return paint_shape(c, dc, r);
    if (kind == "Image" || kind == "Timer") return;
    if (kind == "Label") {
        if (rt::CInt(const_cast<HostControl&>(c).Get("BackStyle")) == 1)
            fill(dc, l, t, l + w, t + h, color_of(c, "BackColor"));
        std::string caption = caption_of(c, "Caption");
        int align = rt::CInt(const_cast<HostControl&>(c).Get("Alignment"));
        gdi::SIZE size{};
        HDC measure = dc;
        gdi::HFONT font = CreateGdiFont(*c.TextFont());
        gdi::HGDIOBJ old = gdi::SelectObject(measure, font);
        gdi::GetTextExtentPoint32A(measure, caption.data(), static_cast<int>(caption.size()), &size);
        gdi::SelectObject(measure, old);
        gdi::DeleteObject(font);
        int32_t x = align == 1 ? l + w - size.cx : align == 2 ? l + (w - size.cx) / 2 : l;
        text(dc, c, caption, x, t, text_color(c, "ForeColor"), true);
        return;
    }
    if (kind == "CommandButton") {
        fill(dc, l, t, l + w, t + h, color_of(c, "BackColor"));
        raised(dc, r);
        std::string caption = caption_of(c, "Caption");
        int32_t th = text_height(c, dc);
        gdi::HFONT font = CreateGdiFont(*c.TextFont());
        gdi::HGDIOBJ old = gdi::SelectObject(dc, font);
        std::string shown;
        for (size_t i = 0; i < caption.size(); ++i) {
            if (caption[i] == '&' && i + 1 < caption.size()) ++i;
            shown.push_back(caption[i]);
        }
        gdi::SIZE size{};
        gdi::GetTextExtentPoint32A(dc, shown.data(), static_cast<int>(shown.size()), &size);
        gdi::SelectObject(dc, old);
        gdi::DeleteObject(font);
        bool enabled = rt::CBool(const_cast<HostControl&>(c).Get("Enabled"));
        text(dc, c, caption, l + (w - size.cx) / 2, t + (h - th) / 2,
             enabled ? sys(user::COLOR_BTNTEXT) : sys(user::COLOR_GRAYTEXT), true);
        return;
    }
    if (kind == "CheckBox" || kind == "OptionButton") {
        fill(dc, l, t, l + w, t + h, color_of(c, "BackColor"));
        int32_t box = 13, by = t + (h - box) / 2;
        if (kind == "CheckBox") {
            fill(dc, l, by, l + box, by + box, sys(user::COLOR_WINDOW));
            sunken(dc, {l, by, l + box, by + box});
            int value = rt::CInt(const_cast<HostControl&>(c).Get("Value"));
            if (value != 0) {
                COLORREF mark = value == 2 ? sys(user::COLOR_GRAYTEXT) : sys(user::COLOR_WINDOWTEXT);
                for (int i = 0; i < 3; ++i) { // the classic check: down three, up four
                    line(dc, l + 3, by + 5 + i, l + 5, by + 7 + i, mark);
                    line(dc, l + 5, by + 7 + i, l + 10, by + 2 + i, mark);
                }
            }
        } else {
            gdi::HBRUSH white = gdi::CreateSolidBrush(sys(user::COLOR_WINDOW));
            gdi::HPEN shadow = gdi::CreatePen(gdi::PS_SOLID, 1, sys(user::COLOR_BTNSHADOW));
            gdi::HGDIOBJ ob = gdi::SelectObject(dc, white), op = gdi::SelectObject(dc, shadow);
            gdi::Ellipse(dc, l, by, l + 12, by + 12);
            if (rt::CBool(const_cast<HostControl&>(c).Get("Value"))) {
                gdi::HBRUSH dot = gdi::CreateSolidBrush(sys(user::COLOR_WINDOWTEXT));
                gdi::SelectObject(dc, dot);
                gdi::Ellipse(dc, l + 4, by + 4, l + 8, by + 8);
                gdi::SelectObject(dc, white);
                gdi::DeleteObject(dot);
            }
            gdi::SelectObject(dc, ob);
            gdi::SelectObject(dc, op);
            gdi::DeleteObject(white);
            gdi::DeleteObject(shadow);
        }
        text(dc, c, caption_of(c, "Caption"), l + box + 4, t + (h - text_height(c, dc)) / 2,
             text_color(c, "ForeColor"), true);
        return;
    }
    if (kind == "Frame") {
        fill(dc, l, t, l + w, t + h, color_of(c, "BackColor"));
        int32_t mid = t + text_height(c, dc) / 2;
        gdi::RECT etched{l, mid, l + w - 1, t + h - 1};
        gdi::RECT light{l + 1, mid + 1, l + w, t + h};
        auto outline = [&](const gdi::RECT& e, COLORREF color) {
            int32_t rr = e.right - 1, b = e.bottom - 1;
            line(dc, e.left, e.top, rr, e.top, color);
            line(dc, rr, e.top, rr, b, color);
            line(dc, rr, b, e.left, b, color);
            line(dc, e.left, b, e.left, e.top, color);
        };
        outline(light, sys(user::COLOR_BTNHIGHLIGHT));
        outline(etched, sys(user::COLOR_BTNSHADOW));
        std::string caption = caption_of(c, "Caption");
        if (!caption.empty()) {
            gdi::SIZE size = text(dc, c, caption, l + 8, t, text_color(c, "ForeColor"), true);
            fill(dc, l + 6, t, l + 10 + size.cx, t + text_height(c, dc), color_of(c, "BackColor"));
            text(dc, c, caption, l + 8, t, text_color(c, "ForeColor"), true);
        }
        return;
    }
    // Edit fields, lists, combo boxes and picture boxes: a sunken well.
    fill(dc, l, t, l + w, t + h, color_of(c, "BackColor"));
    bool bordered = kind != "PictureBox" || rt::CInt(const_cast<HostControl&>(c).Get("BorderStyle")) != 0;
    if (bordered) sunken(dc, r);
    if (kind == "TextBox" || kind == "ComboBox")
        text(dc, c, caption_of(c, "Text"), l + 4, t + (h - text_height(c, dc)) / 2,
             text_color(c, "ForeColor"), false);
    if (kind == "ComboBox" && w > 20) { // the drop-down button
        gdi::RECT button{l + w - 18, t + 2, l + w - 2, t + h - 2};
        fill(dc, button.left, button.top, button.right, button.bottom, sys(user::COLOR_BTNFACE));
        raised(dc, button);
        int32_t cx = button.left + 8, cy = button.top + (button.bottom - button.top) / 2 - 1;
        for (int i = 0; i < 4; ++i)
            line(dc, cx - 3 + i, cy + i, cx + 4 - i, cy + i, sys(user::COLOR_BTNTEXT));
    }
}

} // namespace host
