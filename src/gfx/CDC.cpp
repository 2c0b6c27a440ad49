#include "gfx/CDC.h"

#include "gfx/CRgn.h"
#include "gfx/Module.h"
#include "platform/automation/Arithmetic.h"
#include "platform/user/Dialogs.h"
#include "platform/user/Errors.h"
#include "platform/user/Paint.h"

#include <cmath>
#include <string>

namespace gfx {

namespace {

// A coordinate reaches the platform as a Long: fractional values round half to even.
int32_t coordinate(double value) {
    return rt::clng(value);
}

bool is_live_dc(gdi::HDC hdc) {
    const uint32_t type = gdi::GetObjectType(hdc);
    return type == gdi::OBJ_DC || type == gdi::OBJ_MEMDC;
}

// "Error. " and the system's text for the last error, cut to the length the formatter returned.
std::string last_error_prompt() {
    char* text = nullptr;
    const uint32_t length =
        user::FormatMessageA(user::FORMAT_MESSAGE_ALLOCATE_BUFFER | user::FORMAT_MESSAGE_FROM_SYSTEM |
                                 user::FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, user::GetLastError(), static_cast<uint32_t>(MAKELANGID(0, 1)),
                             reinterpret_cast<char*>(&text), 0, nullptr);
    std::string prompt = "Error. ";
    if (text) prompt.append(text, length);
    user::LocalFree(text);
    return prompt;
}

} // namespace

gdi::HDC CDC::CreateCompatibleDC(gdi::HDC hdc) {
    m_hdc = gdi::CreateCompatibleDC(hdc);
    return m_hdc;
}

bool CDC::DeleteDC() {
    return gdi::DeleteDC(m_hdc);
}

bool CDC::Attach(gdi::HDC hdc) {
    m_hdc = hdc;
    m_hAttribDC = hdc;
    return false;
}

gdi::HDC CDC::Detach() {
    const gdi::HDC hdc = m_hdc;
    m_hdc = {};
    m_hAttribDC = {};
    return hdc;
}

int CDC::SaveDC() {
    return gdi::SaveDC(m_hdc);
}

bool CDC::RestoreDC(int saved) {
    return gdi::RestoreDC(m_hdc, saved);
}

int CDC::GetDeviceCaps(int index) {
    return gdi::GetDeviceCaps(m_hdc, index);
}

gdi::HGDIOBJ CDC::SelectObject(gdi::HGDIOBJ object) {
    return gdi::SelectObject(m_hdc, object);
}

CPoint CDC::MoveTo(double x, double y) {
    const int32_t to_x = coordinate(x);
    const int32_t to_y = coordinate(y);
    gdi::POINT previous;
    gdi::MoveToEx(m_hdc, to_x, to_y, &previous);
    return {previous.x, previous.y};
}

bool CDC::LineTo(double x, double y) {
    const int32_t to_x = coordinate(x);
    return gdi::LineTo(m_hdc, to_x, coordinate(y));
}

bool CDC::FillRgn(const CRgn& region, gdi::HBRUSH brush) {
    return gdi::FillRgn(m_hdc, region.hRgn(), brush);
}

int CDC::FillRect(const CRect& rect, gdi::HBRUSH brush) {
    const gdi::RECT r = rect.GetRECT();
    return gdi::FillRect(m_hdc, &r, brush);
}

bool CDC::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return gdi::Ellipse(m_hdc, left, top, right, bottom);
}

bool CDC::Ellipse2(double x, double y, double radius, std::optional<double> start, std::optional<double> end,
                   double aspect) {
    const int32_t left = coordinate(x - radius);
    const int32_t top = coordinate(y - aspect * radius);
    const int32_t right = coordinate(x + radius);
    const int32_t bottom = coordinate(y + aspect * radius);
    if (!start || !end) return gdi::Ellipse(m_hdc, left, top, right, bottom);
    // Screen y grows downwards, so a counter-clockwise angle subtracts its sine.
    const int32_t x_start = coordinate(x + radius * std::cos(*start));
    const int32_t y_start = coordinate(y - aspect * radius * std::sin(*start));
    const int32_t x_end = coordinate(x + radius * std::cos(*end));
    const int32_t y_end = coordinate(y - aspect * radius * std::sin(*end));
    return gdi::Arc(m_hdc, left, top, right, bottom, x_start, y_start, x_end, y_end);
}

bool CDC::Arc(double x, double y, double radius, double start, double end, double aspect) {
    return Ellipse2(x, y, radius, start, end, aspect);
}

bool CDC::DrawFocusRect(const CRect& rect) {
    const gdi::RECT r = rect.GetRECT();
    return user::DrawFocusRect(m_hdc, &r);
}

bool CDC::BitBlt(int32_t x, int32_t y, int32_t width, int32_t height, gdi::HDC src, int32_t xSrc,
                 int32_t ySrc, uint32_t rop) {
    return gdi::BitBlt(m_hdc, x, y, width, height, src, xSrc, ySrc, rop);
}

bool CDC::StretchBlt(int32_t x, int32_t y, int32_t width, int32_t height, gdi::HDC src, int32_t xSrc,
                     int32_t ySrc, int32_t widthSrc, int32_t heightSrc, uint32_t rop) {
    return gdi::StretchBlt(m_hdc, x, y, width, height, src, xSrc, ySrc, widthSrc, heightSrc, rop);
}

bool CDC::TextOut(int32_t x, int32_t y, std::string_view text) {
    return gdi::TextOutA(m_hdc, x, y, text.data(), static_cast<int>(text.size()));
}

CSize CDC::GetTextExtent(std::string_view text) {
    gdi::SIZE size;
    if (gdi::GetTextExtentPoint32A(m_hdc, text.data(), static_cast<int>(text.size()), &size))
        return {size.cx, size.cy};
    // The platform's GDI would have left a last error behind; this one keeps none, so the error
    // that names what failed is set here: the DC is not a live DC, or it refused the arguments.
    user::SetLastError(is_live_dc(m_hdc) ? user::ERROR_INVALID_PARAMETER : user::ERROR_INVALID_HANDLE);
    const std::string prompt = last_error_prompt();
    user::MessageBoxA(user::HWND{}, prompt.c_str(), user::ApplicationTitle().c_str(), user::MB_OK);
    return {0, 0};
}

bool CDC::GrayString(gdi::HBRUSH brush, user::GRAYSTRINGPROC proc, user::LPARAM data, int count, int32_t x,
                     int32_t y, int32_t width, int32_t height) {
    return user::GrayStringA(m_hdc, brush, proc, data, count, x, y, width, height);
}

gdi::TEXTMETRICA CDC::GetTextMetrics() {
    gdi::TEXTMETRICA metrics;
    gdi::GetTextMetricsA(m_hdc, &metrics);
    return metrics;
}

gdi::COLORREF CDC::SetBkColor(gdi::COLORREF color) {
    return gdi::SetBkColor(m_hdc, color);
}

int CDC::SetBkMode(int mode) {
    return gdi::SetBkMode(m_hdc, mode);
}

int CDC::SetMapMode(int mode) {
    return gdi::SetMapMode(m_hdc, mode);
}

gdi::COLORREF CDC::SetTextColor(gdi::COLORREF color) {
    return gdi::SetTextColor(m_hdc, color);
}

gdi::HDC CDC::CreateDC(const char* driver, const char* device, const char* output,
                       const user::DEVMODEA* mode) {
    m_hdc = user::CreateDCA(driver, device, output, mode);
    return m_hdc;
}

gdi::HDC CDC::CreateIC(const char* driver, const char* device, const char* output,
                       const user::DEVMODEA* mode) {
    m_hdc = user::CreateICA(driver, device, output, mode);
    return m_hdc;
}

gdi::HDC CDC::ResetDC(const user::DEVMODEA* mode) {
    return user::ResetDCA(m_hdc, mode);
}

bool CDC::DPtoLP(gdi::POINT* points, int count) {
    return gdi::DPtoLP(m_hdc, points, count);
}

bool CDC::LPtoDP(gdi::POINT* points, int count) {
    return gdi::LPtoDP(m_hdc, points, count);
}

user::HWND CDC::GetWindow() {
    return user::WindowFromDC(m_hdc);
}

} // namespace gfx
