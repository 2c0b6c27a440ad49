#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/automation/FileBacked.h"
#include "platform/gdi/Handles.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace rt {

// The platform's picture type numbers, as the picture object's Type reports them.
enum PicType : int16_t {
    kPicTypeNone = 0,
    kPicTypeBitmap = 1,
    kPicTypeMetafile = 2,
    kPicTypeIcon = 3,
    kPicTypeEnhMetafile = 4,
};

// The automation picture object: a bitmap (Type 1) or an icon (Type 3) it owns as a GDI object of
// the thread that made it, deleted when the picture goes. Width and Height are in HIMETRIC
// (hundredths of a millimetre), fixed when the picture is made from its pixel size and the logical
// DPI of that moment: pixels x 2540 / DPI, rounded half to even (a 32-pixel icon at 96 DPI is 847).
// Handle is the GDI handle's value; hPal is always 0 (surfaces are 32-bit, there is no palette).
// A bitmap may carry a transparency mask (a GIF's transparent colour): the bitmap itself holds
// kBitmapBackground there, so copying the handle shows the picture on the button face, and the
// picture's own Render leaves those pixels unpainted.
// A metafile (Type 2) or an enhanced metafile (Type 4) has the HIMETRIC size its header gives and no
// handle and no pixels: this platform's GDI does not play metafiles, and the tab control ignores
// such pictures.
// The empty picture (Type 0) has no handle and no size; LoadPicture("") makes one.
class StdPicture final : public Dispatch, public FileBacked {
public:
    // A bitmap picture from top-down rows of 0x00RRGGBB pixels (width x height of them). Error 481
    // when the size is outside the picture limits.
    static std::shared_ptr<StdPicture>
    FromPixels(int32_t width, int32_t height, std::span<const uint32_t> pixels, std::string source_path = {});
    // A bitmap picture with a transparency mask of the same size, one byte a pixel, non-zero where
    // the background shows through.
    static std::shared_ptr<StdPicture> FromMaskedPixels(int32_t width, int32_t height,
                                                        std::span<const uint32_t> pixels,
                                                        std::span<const uint8_t> mask,
                                                        std::string source_path = {});
    // An icon picture from its colour pixels and a mask of the same size, one byte a pixel, non-zero
    // where the background shows through. Pixels are 0xAARRGGBB: when any alpha byte is non-zero the
    // icon is drawn by blending with that alpha, as 32-bit icons are; otherwise by ANDing the mask
    // and XORing the colour, so masked pixels should be black.
    static std::shared_ptr<StdPicture> FromIconPixels(int32_t width, int32_t height,
                                                      std::span<const uint32_t> pixels,
                                                      std::span<const uint8_t> mask,
                                                      std::string source_path = {});
    // A metafile picture (type kPicTypeMetafile or kPicTypeEnhMetafile) of the given HIMETRIC size.
    static std::shared_ptr<StdPicture> FromMetafile(int16_t type, int32_t width_himetric,
                                                    int32_t height_himetric, std::string source_path = {});
    static std::shared_ptr<StdPicture> Empty();

    ~StdPicture() override;
    StdPicture(const StdPicture&) = delete;
    StdPicture& operator=(const StdPicture&) = delete;

    std::string TypeName() const override { return "StdPicture"; }
    Variant Get(std::string_view name) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

    int16_t Type() const { return m_type; }
    int32_t WidthHimetric() const { return m_himetric.cx; }
    int32_t HeightHimetric() const { return m_himetric.cy; }
    gdi::SIZE PixelSize() const { return m_pixels; }
    // The Handle property: the bitmap's or the icon's handle value, 0 for the empty picture.
    int32_t Handle() const;
    gdi::HBITMAP bitmap() const { return m_bitmap; }
    // The monochrome transparency mask of a bitmap (white where the background shows), or 0.
    gdi::HBITMAP mask() const { return m_mask; }
    gdi::HICON icon() const { return m_icon; }

    // Draws the picture at its natural size with its top-left corner at (x, y) of dc: a bitmap copied
    // with its transparent pixels left unpainted, an icon as DrawIconEx draws it; a metafile or the
    // empty picture draws nothing. Returns false when a GDI call fails.
    bool Render(gdi::HDC dc, int32_t x, int32_t y) const;

    // The absolute path of the file the picture was loaded from; empty when it came from elsewhere.
    const std::string& SourcePath() const override { return m_source_path; }

private:
    StdPicture(int16_t type, gdi::SIZE pixels, std::string source_path);

    int16_t m_type = kPicTypeNone;
    gdi::HBITMAP m_bitmap;
    gdi::HBITMAP m_mask;
    gdi::HICON m_icon;
    gdi::SIZE m_pixels;
    gdi::SIZE m_himetric;
    std::string m_source_path;
};

// A length in pixels as HIMETRIC at `dpi` logical pixels per inch: pixels x 2540 / dpi, rounded to
// the nearest value, halves to even.
int32_t PixelsToHimetric(int32_t pixels, int dpi);

// Loads a BMP, ICO (or CUR), PNG, GIF, JPEG, WMF or EMF file, whatever its name says: the format is
// read from the content. A BMP, PNG, GIF or JPEG gives a bitmap, an ICO the icon of its entry
// nearest 32 x 32, a WMF a metafile and an EMF an enhanced metafile. An empty path gives the empty
// picture. Error 53 "File not found" when the file cannot be opened or read, described as "cannot
// open PATH: " and the system's reason. Error 481 "Invalid picture" when it is not a picture this
// loader reads, described as "Invalid picture: PATH: " and the reason: "unknown picture format",
// "unsupported picture format (TIFF)", "picture too large: ..." (more than 16384 pixels a side or
// 64 Mi pixels in all), "broken GIF: " and what is wrong with the data.
std::shared_ptr<StdPicture> LoadPicture(const std::string& path);

// The same from bytes in memory; source_path is what SourcePath reports and what an error
// description names (nothing when empty). Error 481 for bad data.
std::shared_ptr<StdPicture> LoadPictureFromBytes(std::span<const uint8_t> bytes,
                                                 std::string source_path = {});

} // namespace rt
