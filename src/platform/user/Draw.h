#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>

// The window system's drawing helpers: the focus rectangle, images in a state (normal, disabled,
// mono) and grayed strings. Each draws through the DC's mapping and clipping and appears in an
// active gdi::Trace as one record of its own name.
namespace user {

// The dotted focus frame: one pixel wide, every other pixel of the frame inverted (XOR), starting
// with the top-left corner pixel, so drawing the same rectangle twice restores every pixel.
// An empty rectangle draws nothing.
bool DrawFocusRect(gdi::HDC hdc, const gdi::RECT* rect);

// DrawStateA image types and states
constexpr UINT DST_COMPLEX = 0x0000;
constexpr UINT DST_TEXT = 0x0001;
constexpr UINT DST_PREFIXTEXT = 0x0002;
constexpr UINT DST_ICON = 0x0003;
constexpr UINT DST_BITMAP = 0x0004;
constexpr UINT DSS_NORMAL = 0x0000;
constexpr UINT DSS_DISABLED = 0x0020;
constexpr UINT DSS_MONO = 0x0080;
constexpr UINT DSS_HIDEPREFIX = 0x0200;
constexpr UINT DSS_PREFIXONLY = 0x0400;

// Draws into the DC it is given, with the origin at the image's top-left corner.
using DRAWSTATEPROC = bool (*)(gdi::HDC hdc, LPARAM data, WPARAM wData, int cx, int cy);

// Draws an image at (x, y): DST_ICON (data: the HICON, drawn at its own size with its mask),
// DST_BITMAP (data: the HBITMAP), DST_TEXT / DST_PREFIXTEXT (data: a const char*, wData: its length
// or 0 for zero-ended; '&' marks the next character for an underline, "&&" is one '&') or
// DST_COMPLEX (data and wData go to `proc`). cx, cy of 0 take the image's own size (required for
// DST_COMPLEX). States: DSS_NORMAL draws the image as it is; DSS_DISABLED embosses it: every pixel
// that is not white is painted in the system 3D-highlight colour one pixel down and right, then in
// the button-shadow colour in place; DSS_MONO paints those pixels with `brush` (black when 0).
// Other state bits fail, as does an unknown type or a stale DC or image.
bool DrawStateA(gdi::HDC hdc, gdi::HBRUSH brush, DRAWSTATEPROC proc, LPARAM data, WPARAM wData, int32_t x,
                int32_t y, int32_t cx, int32_t cy, UINT flags);

// Draws into the DC it is given, with the origin at the string's top-left corner.
using GRAYSTRINGPROC = bool (*)(gdi::HDC hdc, LPARAM data, int count);

// Grays a string: draws it (data: a const char* and count its length, 0 or -1 for zero-ended; or
// `proc` draws it) onto a white image in black with the DC's font, then paints every other pixel
// of what was drawn (a checkerboard starting at the top-left) with `brush` (0: the window-text
// colour). width, height of 0 take the text's extent, which needs the string.
bool GrayStringA(gdi::HDC hdc, gdi::HBRUSH brush, GRAYSTRINGPROC proc, LPARAM data, int count, int32_t x,
                 int32_t y, int32_t width, int32_t height);

} // namespace user
