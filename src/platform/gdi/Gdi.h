#pragma once

#include "platform/gdi/Handles.h"
#include "platform/gdi/Png.h"

#include <cstdint>
#include <string>
#include <vector>

// The software GDI: device contexts over 32-bit surfaces, with the calling conventions, argument
// orders and pixel rules of the classic Windows GDI. Every call works on the calling thread's handle
// table; a 0 or stale handle makes a call fail (0, false or CLR_INVALID), never crash.
//
// Coordinates are logical units of the DC, turned into device pixels by its map mode, window origin
// and viewport origin (MM_TEXT with both origins at (0, 0) is the identity).
namespace gdi {

// ---------------------------------------------------------------------------------------------
// Constants
// ---------------------------------------------------------------------------------------------

// GetObjectType
constexpr uint32_t OBJ_PEN = 1;
constexpr uint32_t OBJ_BRUSH = 2;
constexpr uint32_t OBJ_DC = 3;
constexpr uint32_t OBJ_FONT = 6;
constexpr uint32_t OBJ_BITMAP = 7;
constexpr uint32_t OBJ_REGION = 8;
constexpr uint32_t OBJ_MEMDC = 10;

// GetStockObject
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;
constexpr int DEFAULT_BITMAP = 21; // the 1x1 monochrome bitmap every memory DC starts with

// GetDeviceCaps
constexpr int TECHNOLOGY = 2;
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int ASPECTX = 40;
constexpr int ASPECTY = 42;
constexpr int ASPECTXY = 44;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int DT_RASDISPLAY = 1;

// Brushes and pens
constexpr uint32_t BS_SOLID = 0;
constexpr uint32_t BS_HOLLOW = 1;
constexpr uint32_t BS_NULL = BS_HOLLOW;
constexpr uint32_t BS_PATTERN = 3;
constexpr uint32_t PS_SOLID = 0;
constexpr uint32_t PS_DASH = 1;
constexpr uint32_t PS_DOT = 2;
constexpr uint32_t PS_DASHDOT = 3;
constexpr uint32_t PS_DASHDOTDOT = 4;
constexpr uint32_t PS_NULL = 5;
constexpr uint32_t PS_INSIDEFRAME = 6;

// Polygon fill modes
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// Regions: CombineRgn modes and complexity results
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Ternary raster operations (BitBlt, StretchBlt, PatBlt); any of the 256 codes is accepted.
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

// Binary raster operations for pens (SetROP2)
constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

// Background modes
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Map modes. The fixed-scale modes have y growing upwards.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;

// Text alignment (SetTextAlign)
constexpr uint32_t TA_NOUPDATECP = 0;
constexpr uint32_t TA_UPDATECP = 1;
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;
constexpr uint32_t GDI_ERROR = 0xFFFFFFFF;

// ExtTextOutA options
constexpr uint32_t ETO_OPAQUE = 2;
constexpr uint32_t ETO_CLIPPED = 4;

// Fonts
constexpr int32_t FW_DONTCARE = 0;
constexpr int32_t FW_THIN = 100;
constexpr int32_t FW_LIGHT = 300;
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_MEDIUM = 500;
constexpr int32_t FW_SEMIBOLD = 600;
constexpr int32_t FW_BOLD = 700;
constexpr int32_t FW_HEAVY = 900;
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t DEFAULT_QUALITY = 0;
constexpr uint8_t DRAFT_QUALITY = 1;
constexpr uint8_t PROOF_QUALITY = 2;
constexpr uint8_t NONANTIALIASED_QUALITY = 3;
constexpr uint8_t ANTIALIASED_QUALITY = 4;
constexpr uint8_t CLEARTYPE_QUALITY = 5;
constexpr uint8_t TMPF_FIXED_PITCH = 1; // set for variable-pitch faces, as the platform names it
constexpr uint8_t TMPF_VECTOR = 2;
constexpr uint8_t TMPF_TRUETYPE = 4;
constexpr uint8_t FF_DONTCARE = 0x00;
constexpr uint8_t FF_ROMAN = 0x10;
constexpr uint8_t FF_SWISS = 0x20;
constexpr uint8_t FF_MODERN = 0x30;
constexpr int LF_FACESIZE = 32;

// Icons
constexpr uint32_t DI_MASK = 1;
constexpr uint32_t DI_IMAGE = 2;
constexpr uint32_t DI_NORMAL = 3;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// ---------------------------------------------------------------------------------------------
// Device contexts and bitmaps
// ---------------------------------------------------------------------------------------------

// A memory DC: starts with the 1x1 monochrome DEFAULT_BITMAP, WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT,
// OPAQUE background, white background colour, black text, R2_COPYPEN, MM_TEXT, position (0, 0).
// hdc may be 0; a stale hdc fails.
HDC CreateCompatibleDC(HDC hdc);
bool DeleteDC(HDC hdc);

// A bitmap like the DC's surface: 32-bit for a surface DC or a memory DC holding a 32-bit bitmap,
// monochrome for a memory DC still holding its default bitmap. A width or height of 0 gives the
// stock 1x1 monochrome bitmap, as the platform does; negative sizes fail. Pixels start black.
HBITMAP CreateCompatibleBitmap(HDC hdc, int32_t width, int32_t height);
// The largest bitmap made: a larger request fails (a 0 handle), as it does on an exhausted platform.
constexpr int32_t kMaxBitmapSide = 1 << 15;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;
// A 32-bit bitmap from rows of 0x00RRGGBB pixels, top-down (null: black). The top byte is kept, so a
// colour bitmap of an icon may carry per-pixel alpha.
HBITMAP CreateBitmap32(int32_t width, int32_t height, const uint32_t* pixels);
// The platform's CreateBitmap for 1 bit per pixel (rows padded to 16 bits, 1 = white) and 32 bits per
// pixel (the layout of CreateBitmap32). Other depths fail.
HBITMAP CreateBitmap(int32_t width, int32_t height, uint32_t planes, uint32_t bitsPerPixel, const void* bits);

// Returns the previous object of the same kind, or 0 on failure. A bitmap selects only into a memory
// DC and into one DC at a time. A region is copied as the new clipping region and the result is its
// complexity (NULLREGION, SIMPLEREGION, COMPLEXREGION) as the handle value, as the platform does.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// Stock objects return true and stay alive. An object selected into a DC is not deleted (false).
bool DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
HGDIOBJ GetCurrentObject(HDC hdc, ObjectKind kind);
uint32_t GetObjectType(HGDIOBJ object); // 0 for a stale handle or an icon (icons are not GDI objects)

// Saves the whole DC state (objects, colours, modes, position, origins, clipping). Returns the new
// save depth, 0 on failure. RestoreDC with a negative number restores relative to the top (-1 is the
// last save) and discards the saves above the one restored.
int SaveDC(HDC hdc);
bool RestoreDC(HDC hdc, int saved);

// Surface DCs are the display: BITSPIXEL 32, HORZRES/VERTRES the bound surface's size. Memory DCs
// report the same device capabilities, with HORZRES/VERTRES of the bitmap selected into them.
int GetDeviceCaps(HDC hdc, int index);
// Logical pixels per inch of the calling thread (default 96); the host sets 120, 144, ...
void SetLogicalDpi(int dpi);
int LogicalDpi();

// ---------------------------------------------------------------------------------------------
// Brushes and pens
// ---------------------------------------------------------------------------------------------

struct LOGBRUSH {
    uint32_t lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    uintptr_t lbHatch = 0; // BS_PATTERN: the HBITMAP value
};
HBRUSH CreateBrushIndirect(const LOGBRUSH* logbrush);
HBRUSH CreateSolidBrush(COLORREF color);
// The pattern is copied; pattern pixels repeat from the device origin. A monochrome pattern paints
// its black pixels in the DC's text colour and its white pixels in the background colour.
HBRUSH CreatePatternBrush(HBITMAP pattern);

struct LOGPEN {
    uint32_t lopnStyle = PS_SOLID;
    POINT lopnWidth; // x is the width in logical units; 0 and 1 both mean one pixel
    COLORREF lopnColor = 0;
};
HPEN CreatePenIndirect(const LOGPEN* logpen);
HPEN CreatePen(int style, int width, COLORREF color);

// ---------------------------------------------------------------------------------------------
// Lines and shapes (current pen; closed shapes fill with the current brush)
// ---------------------------------------------------------------------------------------------

bool MoveToEx(HDC hdc, int32_t x, int32_t y, POINT* previous);
// Draws from the current position to (x, y) without painting (x, y), and moves there.
bool LineTo(HDC hdc, int32_t x, int32_t y);
bool GetCurrentPositionEx(HDC hdc, POINT* position);
bool Polyline(HDC hdc, const POINT* points, int count);
int SetROP2(HDC hdc, int rop2); // returns the previous mode, 0 on failure
int GetROP2(HDC hdc);

// Covers left..right-1, top..bottom-1; a rectangle with right <= left or bottom <= top is empty.
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
bool Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
bool Polygon(HDC hdc, const POINT* points, int count);
int SetPolyFillMode(HDC hdc, int mode); // returns the previous mode, 0 on failure
int GetPolyFillMode(HDC hdc);
bool Ellipse(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
// The part of the ellipse of the box that runs counter-clockwise (as seen on screen) from the radial
// through (xStart, yStart) to the radial through (xEnd, yEnd).
bool Arc(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart, int32_t yStart,
         int32_t xEnd, int32_t yEnd);
COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF color); // CLR_INVALID outside the surface
COLORREF GetPixel(HDC hdc, int32_t x, int32_t y);                 // CLR_INVALID outside the surface
bool PatBlt(HDC hdc, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rop);

// ---------------------------------------------------------------------------------------------
// Regions
// ---------------------------------------------------------------------------------------------

HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateEllipticRgn(int32_t left, int32_t top, int32_t right, int32_t bottom);
HRGN CreatePolygonRgn(const POINT* points, int count, int mode);
bool SetRectRgn(HRGN region, int32_t left, int32_t top, int32_t right, int32_t bottom);
// dst must exist already; it may be a or b. Returns the complexity of the result, ERROR on failure.
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN region, int32_t dx, int32_t dy);
bool EqualRgn(HRGN a, HRGN b);
bool PtInRegion(HRGN region, int32_t x, int32_t y);
bool RectInRegion(HRGN region, const RECT* rect);
int GetRgnBox(HRGN region, RECT* box);
// The region as the rectangles the platform's GetRegionData lists: sorted by top, then left.
std::vector<RECT> GetRegionRects(HRGN region);
bool FillRgn(HDC hdc, HRGN region, HBRUSH brush);
bool PaintRgn(HDC hdc, HRGN region); // fills with the current brush
bool InvertRgn(HDC hdc, HRGN region);

// Clipping. The DC's clip region is in device coordinates, as the platform keeps it.
int SelectClipRgn(HDC hdc, HRGN region); // a copy; 0 removes the clipping
int IntersectClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
int ExcludeClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
int GetClipBox(HDC hdc, RECT* box); // in logical coordinates
// 1 and a copy in region when the DC clips, 0 when it does not, -1 on failure.
int GetClipRgn(HDC hdc, HRGN region);

// ---------------------------------------------------------------------------------------------
// Block transfers, clipped to both surfaces
// ---------------------------------------------------------------------------------------------

// A monochrome source on a colour destination paints its black pixels in the destination's text
// colour and its white pixels in the destination's background colour; on a monochrome destination
// a colour source pixel equal to the source DC's background colour becomes white, any other black.
bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc, int32_t ySrc,
            uint32_t rop);
// Nearest-pixel stretching; a negative width or height on one side mirrors the image.
bool StretchBlt(HDC dst, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
                int32_t ySrc, int32_t widthSrc, int32_t heightSrc, uint32_t rop);

// ---------------------------------------------------------------------------------------------
// Attributes and mapping
// ---------------------------------------------------------------------------------------------

COLORREF SetBkColor(HDC hdc, COLORREF color); // previous colour, CLR_INVALID on failure
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode); // previous mode, 0 on failure
int GetBkMode(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
uint32_t SetTextAlign(HDC hdc, uint32_t align); // previous alignment, GDI_ERROR on failure
uint32_t GetTextAlign(HDC hdc);

// MM_TEXT and the fixed-scale modes MM_LOMETRIC to MM_TWIPS; device = logical * LogicalDpi() / units
// per inch, rounded to nearest, y negated. Returns the previous mode, 0 on failure.
int SetMapMode(HDC hdc, int mode);
int GetMapMode(HDC hdc);
bool LPtoDP(HDC hdc, POINT* points, int count);
bool DPtoLP(HDC hdc, POINT* points, int count);
bool SetViewportOrgEx(HDC hdc, int32_t x, int32_t y, POINT* previous); // device units
bool GetViewportOrgEx(HDC hdc, POINT* origin);
bool OffsetViewportOrgEx(HDC hdc, int32_t dx, int32_t dy, POINT* previous);
bool SetWindowOrgEx(HDC hdc, int32_t x, int32_t y, POINT* previous); // logical units
bool GetWindowOrgEx(HDC hdc, POINT* origin);

// ---------------------------------------------------------------------------------------------
// Fonts and text
// ---------------------------------------------------------------------------------------------

struct LOGFONTA {
    int32_t lfHeight = 0; // < 0: character height (em) in pixels; > 0: cell height; 0: default size
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0; // tenths of a degree, counter-clockwise
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
HFONT CreateFontIndirectA(const LOGFONTA* logfont);

// The text is ANSI (Windows-1252) bytes. The reference point is the top-left of the character cell
// (TA_TOP | TA_LEFT unless SetTextAlign says otherwise); a scalable face turns the whole line by the
// font's escapement around it, a bitmap face ignores the escapement. OPAQUE fills the cell box with
// the background colour first; TRANSPARENT paints glyph pixels only.
bool TextOutA(HDC hdc, int32_t x, int32_t y, const char* text, int count);
// ETO_OPAQUE fills rect with the background colour, ETO_CLIPPED clips the text to rect. dx, when not
// null, gives the advance of every character in logical units.
bool ExtTextOutA(HDC hdc, int32_t x, int32_t y, uint32_t options, const RECT* rect, const char* text,
                 int count, const int32_t* dx);
// The unrotated advance width and the cell height (tmHeight), in logical units.
bool GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size);

struct TEXTMETRICA {
    int32_t tmHeight = 0;
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    int32_t tmOverhang = 0;
    int32_t tmDigitizedAspectX = 0;
    int32_t tmDigitizedAspectY = 0;
    uint8_t tmFirstChar = 0;
    uint8_t tmLastChar = 0;
    uint8_t tmDefaultChar = 0;
    uint8_t tmBreakChar = 0;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0; // TMPF_TRUETYPE only for TrueType faces
    uint8_t tmCharSet = 0;
};
bool GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
// Copies the face name of the selected font (as requested) into out, at most n bytes with the
// terminating zero; returns the number of bytes copied, or the length needed when out is null.
int GetTextFaceA(HDC hdc, int n, char* out);

// ---------------------------------------------------------------------------------------------
// Icons
// ---------------------------------------------------------------------------------------------

struct ICONINFO {
    bool fIcon = true;
    uint32_t xHotspot = 0;
    uint32_t yHotspot = 0;
    HBITMAP hbmMask; // monochrome AND mask; with no colour bitmap, AND mask over XOR mask (double height)
    HBITMAP hbmColor;
};
// The icon keeps its own copies of the bitmaps; GetIconInfo hands out new copies the caller deletes.
HICON CreateIconIndirect(const ICONINFO* info);
bool DestroyIcon(HICON icon);
bool GetIconInfo(HICON icon, ICONINFO* info);
// cx, cy of 0 draw at the icon's own size. The image is masked (AND mask, then XOR colour); a colour
// bitmap whose top bytes carry alpha is blended with that alpha instead, as 32-bit icons are.
bool DrawIconEx(HDC hdc, int32_t x, int32_t y, HICON icon, int32_t cx, int32_t cy, uint32_t step,
                HBRUSH flickerFreeBrush, uint32_t flags);

// ---------------------------------------------------------------------------------------------
// Object inspection
// ---------------------------------------------------------------------------------------------

struct BITMAP {
    int32_t bmType = 0;
    int32_t bmWidth = 0;
    int32_t bmHeight = 0;
    int32_t bmWidthBytes = 0;
    uint16_t bmPlanes = 0;
    uint16_t bmBitsPixel = 0;
};
bool GetBitmap(HBITMAP bitmap, BITMAP* out);
bool GetLogPen(HPEN pen, LOGPEN* out);
bool GetLogBrush(HBRUSH brush, LOGBRUSH* out);
bool GetLogFont(HFONT font, LOGFONTA* out);

// ---------------------------------------------------------------------------------------------
// Surfaces, for the platform layers above (window system, compositor, PNG, tests)
// ---------------------------------------------------------------------------------------------

// Pixels are 0x00RRGGBB (the 32-bit DIB layout: bytes B, G, R, X), rows top-down. A monochrome
// bitmap (bits_per_pixel 1) is kept in the same layout with every pixel 0x000000 or 0xFFFFFF.
// The view stays valid until the bitmap is deleted.
struct SurfaceView {
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0; // pixels per row
    int bits_per_pixel = 0;
};
SurfaceView LockBitmap(HBITMAP bitmap);
SurfaceView LockDC(HDC hdc); // the bitmap selected into the DC; {nullptr, ...} when none
HBITMAP GetSurfaceBitmap(HDC hdc);

// A window-style DC bound for good to one 32-bit bitmap: selecting a bitmap into it fails,
// CreateCompatibleBitmap on it is 32-bit, and the bitmap cannot be deleted while the DC lives.
HDC CreateSurfaceDC(HBITMAP bitmap);
// Binds a surface DC to another 32-bit bitmap (a window that changed size gets a new surface while
// its DC, which a program may keep, stays the same). The old bitmap is free again afterwards; false
// for a memory DC or a bitmap that is monochrome, stock or selected elsewhere.
bool RebindSurfaceDC(HDC hdc, HBITMAP bitmap);

// ---------------------------------------------------------------------------------------------
// Live objects
// ---------------------------------------------------------------------------------------------

struct LiveObjects {
    int dcs = 0;
    int bitmaps = 0;
    int pens = 0;
    int brushes = 0;
    int regions = 0;
    int fonts = 0;
    int icons = 0;
    int total() const { return dcs + bitmaps + pens + brushes + regions + fonts + icons; }
    friend bool operator==(const LiveObjects&, const LiveObjects&) = default;
};
// Objects of the calling thread created and not yet deleted; stock objects are not counted.
LiveObjects live_objects();

// ---------------------------------------------------------------------------------------------
// Fonts: what a face name resolved to (tests, `vntab info`, diagnostics)
// ---------------------------------------------------------------------------------------------

struct FaceInfo {
    std::string requested; // the LOGFONT face name
    std::string family;    // the family of the file used
    std::string style;
    std::string file;
    bool truetype = false;
    int pixel_size = 0; // the em in pixels (for a bitmap face, the strike used) at MM_TEXT
};
FaceInfo DescribeFont(HFONT font);
// Makes the faces of a font file available to this process (FR_PRIVATE); returns how many faces
// were added, 0 when the file cannot be read as a font.
constexpr uint32_t FR_PRIVATE = 0x10;
int AddFontResourceExA(const char* path, uint32_t flags, void* reserved);

// Drops the rendered glyphs the calling thread keeps for its fonts; the next text output renders
// them again. Nothing needs it to draw correctly: it lets a benchmark time a glyph's first output.
void ClearGlyphCache();

// Family names a font dialog can offer: the classic names this GDI maps, then the families of the
// installed faces, sorted, without duplicates.
std::vector<std::string> ListFaceNames();

} // namespace gdi
