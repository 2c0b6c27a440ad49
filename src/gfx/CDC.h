#pragma once

#include "gfx/CPoint.h"
#include "gfx/CRect.h"
#include "gfx/CSize.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Display.h"
#include "platform/user/Draw.h"
#include "platform/user/Hwnd.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace gfx {

class CRgn;

// A device context by its two handles: the output DC that every drawing call goes to (m_hdc) and
// an attribute DC kept for the caller (m_hAttribDC). The class never releases a handle by itself:
// the caller deletes explicitly with DeleteDC. Every call returns the platform's result unchanged
// and checks nothing, except GetTextExtent.
class CDC {
public:
    gdi::HDC m_hdc;
    gdi::HDC m_hAttribDC;

    // CreateCompatibleDC; the result becomes m_hdc.
    gdi::HDC CreateCompatibleDC(gdi::HDC hdc);
    bool DeleteDC();
    // Sets both handles to hdc and returns false, as the class always did.
    bool Attach(gdi::HDC hdc);
    // Returns m_hdc and sets both handles to 0.
    gdi::HDC Detach();
    void SetOutputDC(gdi::HDC hdc) { m_hdc = hdc; }
    void SetAttribDC(gdi::HDC hdc) { m_hAttribDC = hdc; }
    void ReleaseAttribDC() { m_hAttribDC = {}; }

    int SaveDC();
    bool RestoreDC(int saved);
    int GetDeviceCaps(int index);
    // Any GDI object; returns the previous one of its kind.
    gdi::HGDIOBJ SelectObject(gdi::HGDIOBJ object);

    // MoveToEx; integer and floating coordinates alike are rounded half to even (error 6 out of
    // range). Returns the previous current position.
    CPoint MoveTo(double x, double y);
    CPoint MoveTo(const CPoint& point) { return MoveTo(point.x, point.y); }
    // LineTo, rounded the same way; the end point itself is not drawn.
    bool LineTo(double x, double y);

    bool FillRgn(const CRgn& region, gdi::HBRUSH brush);
    // Right and bottom edges excluded.
    int FillRect(const CRect& rect, gdi::HBRUSH brush);
    bool Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // A circle or arc by centre and radius, angles in radians, aspect the vertical scale. The box is
    // (x - radius, y - aspect * radius, x + radius, y + aspect * radius); without both angles it
    // draws Ellipse in it, otherwise Arc from (x + radius cos(start), y - aspect radius sin(start))
    // to the same point of `end`, counter-clockwise. All values round half to even.
    bool Ellipse2(double x, double y, double radius, std::optional<double> start = std::nullopt,
                  std::optional<double> end = std::nullopt, double aspect = 1.0);
    bool Arc(double x, double y, double radius, double start, double end, double aspect = 1.0);
    bool DrawFocusRect(const CRect& rect);
    bool BitBlt(int32_t x, int32_t y, int32_t width, int32_t height, gdi::HDC src, int32_t xSrc, int32_t ySrc,
                uint32_t rop);
    bool StretchBlt(int32_t x, int32_t y, int32_t width, int32_t height, gdi::HDC src, int32_t xSrc,
                    int32_t ySrc, int32_t widthSrc, int32_t heightSrc, uint32_t rop);
    // TextOutA with the text (already ANSI bytes) and its length.
    bool TextOut(int32_t x, int32_t y, std::string_view text);
    // GetTextExtentPoint32A. On failure: a message box (OK button, the application's title) saying
    // "Error. " and the system's text for the last error, then a size of 0 x 0.
    CSize GetTextExtent(std::string_view text);
    bool GrayString(gdi::HBRUSH brush, user::GRAYSTRINGPROC proc, user::LPARAM data, int count, int32_t x,
                    int32_t y, int32_t width, int32_t height);
    // GetTextMetricsA; all zero when it fails.
    gdi::TEXTMETRICA GetTextMetrics();
    gdi::COLORREF SetBkColor(gdi::COLORREF color);
    int SetBkMode(int mode);
    int SetMapMode(int mode);
    gdi::COLORREF SetTextColor(gdi::COLORREF color);

    // The platform calls the control itself never makes. CreateDC and CreateIC store their result in
    // m_hdc, as CreateCompatibleDC does; GetWindow is the window whose DC m_hdc is.
    gdi::HDC CreateDC(const char* driver, const char* device, const char* output, const user::DEVMODEA* mode);
    gdi::HDC CreateIC(const char* driver, const char* device, const char* output, const user::DEVMODEA* mode);
    gdi::HDC ResetDC(const user::DEVMODEA* mode);
    bool DPtoLP(gdi::POINT* points, int count);
    bool LPtoDP(gdi::POINT* points, int count);
    user::HWND GetWindow();
};

} // namespace gfx
