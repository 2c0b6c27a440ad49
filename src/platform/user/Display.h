#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

// The display: its size, the system metrics that depend on it, and the DC of the whole screen.
// Nothing shows the screen's own surface (the host composites windows by itself); it exists so
// that code written for the platform can ask the display for a DC and its capabilities.
namespace user {

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CXFOCUSBORDER = 83;
constexpr int SM_CYFOCUSBORDER = 84;

// 1024 x 768 until the host says otherwise. A change resizes the screen's surface (keeping no pixels)
// the next time its DC is asked for.
void SetScreenSize(int32_t width, int32_t height);
// The values above; 0 for an index this platform does not know, as the platform returns.
int GetSystemMetrics(int index);

// The parts of the platform's device mode that a display reads.
struct DEVMODEA {
    char dmDeviceName[32] = {};
    uint16_t dmSize = 0;
    uint32_t dmFields = 0;
    uint32_t dmBitsPerPel = 0;
    uint32_t dmPelsWidth = 0;
    uint32_t dmPelsHeight = 0;
};

// A DC on the display: driver "DISPLAY" (any case), or a null driver with the device "DISPLAY" or
// "\\.\DISPLAY1". Other devices fail (0). The screen has one DC on this platform, shared with
// GetDC(0); deleting it with DeleteDC is allowed, and the next call makes a new one.
gdi::HDC CreateDCA(const char* driver, const char* device, const char* output, const DEVMODEA* mode);
// An information context for the display: the same DC, for queries.
gdi::HDC CreateICA(const char* driver, const char* device, const char* output, const DEVMODEA* mode);
// A display takes no new mode: returns hdc when it is a live DC, else 0.
gdi::HDC ResetDCA(gdi::HDC hdc, const DEVMODEA* mode);

// The screen's DC (what GetDC(0) returns), created on first use and kept.
gdi::HDC ScreenDC();

} // namespace user
