#include "platform/automation/ByteReader.h"
#include "platform/automation/PictureDecoders.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace rt::picture {

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint64_t kPlaceableBytes = 22;
constexpr uint64_t kMetaHeaderBytes = 18;
constexpr uint16_t kMetaHeaderWords = 9;
constexpr uint16_t kMetaEof = 0x0000;
constexpr uint16_t kMetaSetWindowExt = 0x020C;

constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmrEof = 14;
constexpr uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr uint64_t kEmfMinHeaderBytes = 88;

int16_t i16(const ByteReader& r, uint64_t at) {
    return static_cast<int16_t>(r.u16(at));
}

// The memory or disk metafile header: type 1 or 2, nine words long, version 1 or 3.
bool is_meta_header(const ByteReader& r, uint64_t at) {
    if (!r.has(at, kMetaHeaderBytes)) return false;
    const uint16_t type = r.u16(at);
    const uint16_t version = r.u16(at + 4);
    return (type == 1 || type == 2) && r.u16(at + 2) == kMetaHeaderWords &&
           (version == 0x0100 || version == 0x0300);
}

// Walks the records after the header: each is its size in 16-bit words (at least 3: the size and
// the function number), its function and parameters. The walk ends at the end-of-file record, or
// at the end of the data on a record boundary. Returns the first window extent (x, y) if any.
std::optional<gdi::SIZE> walk_wmf_records(const ByteReader& r, uint64_t at) {
    std::optional<gdi::SIZE> extent;
    while (at < r.size()) {
        const uint64_t words = r.u32(at);
        const uint16_t function = r.u16(at + 4);
        if (words < 3)
            broken("a record of " + std::to_string(words) + " words at byte " + std::to_string(at));
        if (!r.has(at, words * 2))
            broken("the record at byte " + std::to_string(at) + " runs past the end of the data");
        if (function == kMetaEof) break;
        // SetWindowExt's parameters are the height, then the width.
        if (function == kMetaSetWindowExt && words >= 5 && !extent)
            extent = gdi::SIZE{i16(r, at + 8), i16(r, at + 6)};
        at += words * 2;
    }
    return extent;
}

// A length of `units` at `per_inch` a inch in HIMETRIC. A length that is not empty but under half a
// hundredth of a millimetre counts as one: a picture has a size.
int32_t himetric_of(int64_t units, int64_t per_inch, const char* what) {
    const int64_t magnitude = std::llabs(units);
    if (magnitude == 0) broken(std::string(what) + " is empty");
    return std::max(1, PixelsToHimetric(static_cast<int32_t>(magnitude), static_cast<int>(per_inch)));
}

} // namespace

bool looks_like_wmf(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    return (r.has(0, 4) && r.u32(0) == kPlaceableKey) || is_meta_header(r, 0);
}

bool looks_like_emf(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    return r.has(0, 44) && r.u32(0) == kEmrHeader && r.u32(40) == kEmfSignature;
}

MetafileSize read_wmf_size(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    const bool placeable = r.has(0, 4) && r.u32(0) == kPlaceableKey;
    const uint64_t header_at = placeable ? kPlaceableBytes : 0;
    if (!is_meta_header(r, header_at)) broken("no metafile header");
    const std::optional<gdi::SIZE> extent = walk_wmf_records(r, header_at + kMetaHeaderBytes);
    if (placeable) {
        // The bounding box (left, top, right, bottom) is in units of `inch` a inch.
        const uint16_t inch = r.u16(14);
        if (inch == 0) broken("the placeable header gives 0 units a inch");
        return {himetric_of(int64_t(i16(r, 10)) - i16(r, 6), inch, "the bounding box"),
                himetric_of(int64_t(i16(r, 12)) - i16(r, 8), inch, "the bounding box")};
    }
    // Without the placeable header nothing says how large a unit is; the window extent is taken as
    // pixels, as a metafile played in the default mapping mode draws it.
    if (!extent) broken("no placeable header and no window extent, so no size");
    const int dpi = gdi::LogicalDpi();
    return {himetric_of(extent->cx, dpi, "the window extent"),
            himetric_of(extent->cy, dpi, "the window extent")};
}

MetafileSize read_emf_size(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    if (!looks_like_emf(bytes)) broken("no enhanced metafile header");
    const uint32_t header_size = r.u32(4);
    if (header_size < kEmfMinHeaderBytes) broken("a header of " + std::to_string(header_size) + " bytes");
    if (!r.has(0, header_size)) broken("the header runs past the end of the data");
    // Records: type, size in bytes (a multiple of 4, at least 8), parameters; the last is EMR_EOF.
    uint64_t at = 0;
    for (;;) {
        const uint32_t type = r.u32(at);
        const uint32_t size = r.u32(at + 4);
        if (size < 8 || size % 4 != 0)
            broken("a record of " + std::to_string(size) + " bytes at byte " + std::to_string(at));
        if ((at == 0) != (type == kEmrHeader)) broken("the header record is not first and only");
        if (!r.has(at, size))
            broken("the record at byte " + std::to_string(at) + " runs past the end of the data");
        at += size;
        if (type == kEmrEof) break;
    }
    // The frame rectangle, in HIMETRIC already: left, top, right, bottom.
    const int64_t width = int64_t(r.i32(32)) - r.i32(24);
    const int64_t height = int64_t(r.i32(36)) - r.i32(28);
    if (width <= 0 || height <= 0)
        broken("the frame is " + std::to_string(width) + " x " + std::to_string(height) + " HIMETRIC");
    if (width > INT32_MAX || height > INT32_MAX) broken("the frame is larger than 32-bit sizes hold");
    return {static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

} // namespace rt::picture
