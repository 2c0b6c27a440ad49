#include "platform/automation/StdPicture.h"

#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PictureImage.h"
#include "platform/gdi/Gdi.h"

#include <vector>

namespace rt {

namespace {

// The runtime's error when the system cannot give a picture its GDI objects.
constexpr int32_t kErrOutOfMemory = 7;

[[noreturn]] void out_of_memory() {
    raise_error(kErrOutOfMemory, {}, "Out of memory");
}

void check_pixel_count(int32_t width, int32_t height, size_t count) {
    picture::check_image_size(width, height);
    if (count != size_t(width) * size_t(height)) raise_error(kErrInvalidProcedureCall);
}

// The mask as the platform's monochrome bitmap bits: rows padded to 16 bits, most significant bit
// first, 1 (white) where the background shows through.
std::vector<uint8_t> mask_bits(int32_t width, int32_t height, std::span<const uint8_t> mask) {
    const size_t row_bytes = (size_t(width) + 15) / 16 * 2;
    std::vector<uint8_t> bits(row_bytes * size_t(height), 0);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            if (mask[size_t(y) * size_t(width) + size_t(x)])
                bits[size_t(y) * row_bytes + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
    return bits;
}

const MemberTable<StdPicture>& picture_members() {
    // The dispatch identifiers of the platform's picture interface.
    static const MemberTable<StdPicture> table({
        {"Handle", 0, [](StdPicture& p) { return Variant(p.Handle()); }},
        {"hPal", 2, [](StdPicture&) { return Variant(int32_t(0)); }},
        {"Type", 3, [](StdPicture& p) { return Variant(p.Type()); }},
        {"Width", 4, [](StdPicture& p) { return Variant(p.WidthHimetric()); }},
        {"Height", 5, [](StdPicture& p) { return Variant(p.HeightHimetric()); }},
    });
    return table;
}

// Copies a bitmap to (x, y) of dc leaving the pixels that `mask` marks white untouched, in three
// raster operations that work whatever colour those pixels hold: XOR the image in, AND the mask
// (monochrome white becomes the DC's white background colour, black its black text colour), so
// only the transparent pixels keep the XORed value, then XOR the image again, which restores them
// and leaves the image's own colour everywhere else.
bool blit_masked(gdi::HDC dc, int32_t x, int32_t y, gdi::SIZE size, gdi::HBITMAP bitmap, gdi::HBITMAP mask) {
    const gdi::HDC source = gdi::CreateCompatibleDC(dc);
    if (!source) return false;
    const gdi::COLORREF text = gdi::SetTextColor(dc, gdi::RGB(0, 0, 0));
    const gdi::COLORREF back = gdi::SetBkColor(dc, gdi::RGB(255, 255, 255));
    const gdi::HGDIOBJ previous = gdi::SelectObject(source, bitmap);
    bool ok = gdi::BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, gdi::SRCINVERT);
    gdi::SelectObject(source, mask);
    ok = gdi::BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, gdi::SRCAND) && ok;
    gdi::SelectObject(source, bitmap);
    ok = gdi::BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, gdi::SRCINVERT) && ok;
    gdi::SelectObject(source, previous);
    gdi::DeleteDC(source);
    gdi::SetTextColor(dc, text);
    gdi::SetBkColor(dc, back);
    return ok;
}

} // namespace

int32_t PixelsToHimetric(int32_t pixels, int dpi) {
    if (dpi <= 0) raise_error(kErrInvalidProcedureCall);
    // Exact integer rounding: the quotient and remainder decide, so no floating-point tie is lost.
    const int64_t magnitude = (pixels < 0 ? -int64_t(pixels) : int64_t(pixels)) * 2540;
    int64_t q = magnitude / dpi;
    const int64_t twice_r = 2 * (magnitude % dpi);
    if (twice_r > dpi || (twice_r == dpi && q % 2 != 0)) ++q;
    return to32(pixels < 0 ? -q : q);
}

StdPicture::StdPicture(int16_t type, gdi::SIZE pixels, std::string source_path)
    : m_type(type), m_pixels(pixels), m_source_path(std::move(source_path)) {
    const int dpi = gdi::LogicalDpi();
    m_himetric = {PixelsToHimetric(pixels.cx, dpi), PixelsToHimetric(pixels.cy, dpi)};
}

StdPicture::~StdPicture() {
    if (m_icon) gdi::DestroyIcon(m_icon);
    if (m_bitmap) gdi::DeleteObject(m_bitmap);
    if (m_mask) gdi::DeleteObject(m_mask);
}

std::shared_ptr<StdPicture> StdPicture::FromPixels(int32_t width, int32_t height,
                                                   std::span<const uint32_t> pixels,
                                                   std::string source_path) {
    check_pixel_count(width, height, pixels.size());
    std::shared_ptr<StdPicture> picture(
        new StdPicture(kPicTypeBitmap, {width, height}, std::move(source_path)));
    picture->m_bitmap = gdi::CreateBitmap32(width, height, pixels.data());
    if (!picture->m_bitmap) out_of_memory();
    return picture;
}

std::shared_ptr<StdPicture> StdPicture::FromMaskedPixels(int32_t width, int32_t height,
                                                         std::span<const uint32_t> pixels,
                                                         std::span<const uint8_t> mask,
                                                         std::string source_path) {
    check_pixel_count(width, height, pixels.size());
    if (mask.size() != pixels.size()) raise_error(kErrInvalidProcedureCall);
    std::vector<uint32_t> colour(pixels.begin(), pixels.end());
    for (size_t i = 0; i < colour.size(); ++i)
        colour[i] = mask[i] ? picture::kBitmapBackground : colour[i] & 0x00FFFFFF;
    std::shared_ptr<StdPicture> picture(
        new StdPicture(kPicTypeBitmap, {width, height}, std::move(source_path)));
    picture->m_bitmap = gdi::CreateBitmap32(width, height, colour.data());
    picture->m_mask = gdi::CreateBitmap(width, height, 1, 1, mask_bits(width, height, mask).data());
    if (!picture->m_bitmap || !picture->m_mask) out_of_memory();
    return picture;
}

std::shared_ptr<StdPicture> StdPicture::FromIconPixels(int32_t width, int32_t height,
                                                       std::span<const uint32_t> pixels,
                                                       std::span<const uint8_t> mask,
                                                       std::string source_path) {
    check_pixel_count(width, height, pixels.size());
    if (mask.size() != pixels.size()) raise_error(kErrInvalidProcedureCall);
    const std::vector<uint8_t> bits = mask_bits(width, height, mask);
    gdi::ICONINFO info;
    info.fIcon = true;
    info.xHotspot = uint32_t(width / 2);
    info.yHotspot = uint32_t(height / 2);
    // The colour bitmap keeps the alpha bytes: DrawIconEx blends an icon whose alpha is not all 0.
    info.hbmColor = gdi::CreateBitmap32(width, height, pixels.data());
    info.hbmMask = gdi::CreateBitmap(width, height, 1, 1, bits.data());
    // The icon keeps copies of both bitmaps, so these two go at once.
    const gdi::HICON icon = info.hbmColor && info.hbmMask ? gdi::CreateIconIndirect(&info) : gdi::HICON{};
    if (info.hbmColor) gdi::DeleteObject(info.hbmColor);
    if (info.hbmMask) gdi::DeleteObject(info.hbmMask);
    if (!icon) out_of_memory();
    std::shared_ptr<StdPicture> picture(
        new StdPicture(kPicTypeIcon, {width, height}, std::move(source_path)));
    picture->m_icon = icon;
    return picture;
}

std::shared_ptr<StdPicture> StdPicture::FromMetafile(int16_t type, int32_t width_himetric,
                                                     int32_t height_himetric, std::string source_path) {
    if (type != kPicTypeMetafile && type != kPicTypeEnhMetafile) raise_error(kErrInvalidProcedureCall);
    if (width_himetric <= 0 || height_himetric <= 0) raise_error(kErrInvalidProcedureCall);
    std::shared_ptr<StdPicture> picture(new StdPicture(type, {0, 0}, std::move(source_path)));
    picture->m_himetric = {width_himetric, height_himetric};
    return picture;
}

std::shared_ptr<StdPicture> StdPicture::Empty() {
    return std::shared_ptr<StdPicture>(new StdPicture(kPicTypeNone, {0, 0}, {}));
}

int32_t StdPicture::Handle() const {
    if (m_icon) return static_cast<int32_t>(m_icon.value);
    return static_cast<int32_t>(m_bitmap.value);
}

bool StdPicture::Render(gdi::HDC dc, int32_t x, int32_t y) const {
    if (m_icon) return gdi::DrawIconEx(dc, x, y, m_icon, 0, 0, 0, {}, gdi::DI_NORMAL);
    if (!m_bitmap) return true;
    if (m_mask) return blit_masked(dc, x, y, m_pixels, m_bitmap, m_mask);
    const gdi::HDC source = gdi::CreateCompatibleDC(dc);
    if (!source) return false;
    const gdi::HGDIOBJ previous = gdi::SelectObject(source, m_bitmap);
    const bool ok = gdi::BitBlt(dc, x, y, m_pixels.cx, m_pixels.cy, source, 0, 0, gdi::SRCCOPY);
    gdi::SelectObject(source, previous);
    gdi::DeleteDC(source);
    return ok;
}

Variant StdPicture::Get(std::string_view name) {
    return picture_members().get(*this, name);
}
std::optional<int32_t> StdPicture::DispId(std::string_view name) const {
    return picture_members().dispid(name);
}

} // namespace rt
