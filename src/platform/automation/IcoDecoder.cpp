#include "platform/automation/Dib.h"
#include "platform/automation/PictureDecoders.h"

#include <algorithm>
#include <cstdlib>

namespace rt::picture {

namespace {

constexpr uint64_t kDirectoryBytes = 6; // ICONDIR: reserved, type, count
constexpr uint64_t kEntryBytes = 16;    // ICONDIRENTRY
constexpr uint16_t kTypeIcon = 1;
constexpr uint16_t kTypeCursor = 2;
constexpr int32_t kWantedSize = 32;

struct Entry {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t depth = 0;
    uint32_t bytes = 0;
    uint32_t offset = 0;
};

// The depth of an entry as its image says it: the directory's bit count is often left 0 (and in a
// cursor file those bytes hold the hot spot), while the image header is what gets decoded.
uint32_t entry_depth(const ByteReader& r, const Entry& e, uint16_t directory_bits) {
    if (!r.has(e.offset, e.bytes)) return directory_bits;
    const auto data = r.slice(e.offset, e.bytes);
    if (looks_like_png(data)) return 32;
    const ByteReader image(data);
    if (image.has(0, 16) && image.u32(0) >= 40) return image.u16(14);
    return directory_bits;
}

Entry read_entry(const ByteReader& r, uint16_t index) {
    const uint64_t at = kDirectoryBytes + kEntryBytes * index;
    Entry e;
    e.width = r.u8(at) != 0 ? r.u8(at) : 256; // 0 stands for 256
    e.height = r.u8(at + 1) != 0 ? r.u8(at + 1) : 256;
    e.bytes = r.u32(at + 8);
    e.offset = r.u32(at + 12);
    e.depth = entry_depth(r, e, r.u16(at + 6));
    return e;
}

int32_t distance_from_wanted(const Entry& e) {
    return std::abs(e.width - kWantedSize) + std::abs(e.height - kWantedSize);
}

// The entry nearest 32 x 32: an exact 32 x 32 first, then the size closest to it, then the deepest
// colour. Between two sizes equally far the smaller wins: the icon is drawn at its own size, and
// the smaller one fits the room a 32 x 32 icon was meant to take.
bool nearer(const Entry& a, const Entry& b) {
    const int32_t da = distance_from_wanted(a);
    const int32_t db = distance_from_wanted(b);
    if (da != db) return da < db;
    if (a.depth != b.depth) return a.depth > b.depth;
    return int64_t(a.width) * a.height < int64_t(b.width) * b.height;
}

Entry choose_entry(const ByteReader& r) {
    const uint16_t count = r.u16(4);
    if (count == 0) broken("no images in the directory");
    Entry best = read_entry(r, 0);
    for (uint16_t i = 1; i < count; ++i) {
        const Entry e = read_entry(r, i);
        if (nearer(e, best)) best = e;
    }
    return best;
}

// The 1-bit AND mask after the colour rows, in the same row order. An image whose data ends right
// after its colour rows has no mask: nothing in it is transparent but what its alpha says.
std::vector<uint8_t> read_and_mask(const ByteReader& r, uint64_t at, const DibFormat& f) {
    std::vector<uint8_t> mask(size_t(f.width) * size_t(f.height), 0);
    if (at == r.size()) return mask;
    const uint64_t stride = dib_stride(f.width, 1);
    const auto bits = r.slice(at, stride * uint64_t(f.height));
    for (int32_t row = 0; row < f.height; ++row) {
        const uint8_t* src = bits.data() + stride * uint64_t(row);
        const int32_t y = f.top_down ? row : f.height - 1 - row;
        for (int32_t x = 0; x < f.width; ++x)
            mask[size_t(y) * size_t(f.width) + size_t(x)] = (src[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return mask;
}

// A 32-bit image may carry alpha, and the platform draws such an icon by blending it with its
// alpha, the AND mask playing no part. The alpha stays in the top bytes for the drawing, and a pixel
// of alpha 0 is made black. When the AND mask is empty, as many alpha icons leave it, it gains the
// pixels of alpha below 128, so that the mask alone (a mask-only drawing, a disabled stencil) shows
// the icon's shape. An alpha channel of all zeros is no alpha at all: the AND mask decides, as for
// any other depth.
void keep_alpha(MaskedImage& icon) {
    auto& pixels = icon.color.pixels;
    const bool alpha_used =
        std::any_of(pixels.begin(), pixels.end(), [](uint32_t p) { return (p >> 24) != 0; });
    if (!alpha_used) return;
    const bool mask_empty = std::all_of(icon.mask.begin(), icon.mask.end(), [](uint8_t m) { return m == 0; });
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t alpha = pixels[i] >> 24;
        if (alpha == 0) pixels[i] = 0;
        if (alpha < 128 && mask_empty) icon.mask[i] = 1;
    }
}

// An icon image stored as a DIB: header (height doubled), colour table, colour rows, AND mask.
MaskedImage decode_dib_icon(std::span<const uint8_t> data) {
    const ByteReader r(data);
    DibFormat f = read_dib_header(r, 0, DibUse::IconImage);
    if (f.compression == kBiRle8 || f.compression == kBiRle4) broken("run-length data in an icon image");
    const uint64_t table_at = f.header_bytes;
    if (f.bit_count <= 8)
        read_palette(f, r, table_at, std::min(f.palette_entries, uint64_t(1) << f.bit_count));
    const uint64_t colour_at = table_at + f.palette_entries * f.palette_entry_bytes;
    const uint64_t colour_bytes = dib_stride(f.width, f.bit_count) * uint64_t(f.height);
    MaskedImage icon;
    icon.color = decode_dib_pixels(f, r.slice(colour_at, colour_bytes));
    icon.mask = read_and_mask(r, colour_at + colour_bytes, f);
    // Only a 32-bit image blends; the alpha of a 16-bit bit-field image is not drawn.
    if (f.bit_count == 32 && !f.alpha.empty())
        keep_alpha(icon);
    else
        for (uint32_t& p : icon.color.pixels)
            p &= 0x00FFFFFF;
    return icon;
}

} // namespace

bool looks_like_ico(std::span<const uint8_t> bytes) {
    if (bytes.size() < kDirectoryBytes) return false;
    const ByteReader r(bytes);
    const uint16_t type = r.u16(2);
    return r.u16(0) == 0 && (type == kTypeIcon || type == kTypeCursor) && r.u16(4) != 0;
}

MaskedImage decode_ico(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    if (!looks_like_ico(bytes)) broken("not an icon directory");
    const Entry e = choose_entry(r);
    const auto data = r.slice(e.offset, e.bytes);
    if (looks_like_png(data)) return decode_png_icon(data);
    return decode_dib_icon(data);
}

} // namespace rt::picture
