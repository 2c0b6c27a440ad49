#include "platform/user/Display.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/QuietGdi.h"

#include <cstring>
#include <strings.h>

namespace user {

namespace {

struct Screen {
    int32_t width = 1024;
    int32_t height = 768;
    gdi::HBITMAP surface;
    gdi::HDC dc;
};

Screen& screen() {
    static thread_local Screen s;
    return s;
}

bool names_display(const char* driver, const char* device) {
    if (driver) return strcasecmp(driver, "DISPLAY") == 0;
    return device && (strcasecmp(device, "DISPLAY") == 0 || strcasecmp(device, "\\\\.\\DISPLAY1") == 0);
}

} // namespace

void SetScreenSize(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return;
    screen().width = width;
    screen().height = height;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return screen().width;
    case SM_CYSCREEN:
        return screen().height;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER:
        return 1;
    default:
        return 0;
    }
}

gdi::HDC ScreenDC() {
    Screen& s = screen();
    detail::QuietGdi quiet;
    gdi::BITMAP current;
    const bool have_surface = gdi::GetBitmap(s.surface, &current);
    if (have_surface && (current.bmWidth != s.width || current.bmHeight != s.height)) {
        gdi::DeleteDC(s.dc);
        gdi::DeleteObject(s.surface);
        s.dc = {};
        s.surface = {};
    }
    if (!gdi::GetObjectType(s.surface)) s.surface = gdi::CreateBitmap32(s.width, s.height, nullptr);
    // Someone may have deleted the screen's DC (CreateDCA hands it out); a new one takes its place.
    if (!gdi::GetObjectType(s.dc)) s.dc = gdi::CreateSurfaceDC(s.surface);
    return s.dc;
}

gdi::HDC CreateDCA(const char* driver, const char* device, const char*, const DEVMODEA*) {
    return names_display(driver, device) ? ScreenDC() : gdi::HDC{};
}

gdi::HDC CreateICA(const char* driver, const char* device, const char* output, const DEVMODEA* mode) {
    return CreateDCA(driver, device, output, mode);
}

gdi::HDC ResetDCA(gdi::HDC hdc, const DEVMODEA*) {
    detail::QuietGdi quiet;
    const uint32_t type = gdi::GetObjectType(hdc);
    return type == gdi::OBJ_DC || type == gdi::OBJ_MEMDC ? hdc : gdi::HDC{};
}

} // namespace user
