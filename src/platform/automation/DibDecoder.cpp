#include "platform/automation/Dib.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <string>

namespace rt::picture {

namespace {

// The header sizes of the DIB versions this loader reads.
constexpr uint32_t kCoreHeader = 12;  // OS/2 1.x BITMAPCOREHEADER
constexpr uint32_t kInfoHeader = 40;  // BITMAPINFOHEADER
constexpr uint32_t kV2Header = 52;    // with the red, green and blue masks
constexpr uint32_t kV3Header = 56;    // with the alpha mask too
constexpr uint32_t kOs2V2Header = 64; // OS/2 2.x BITMAPINFOHEADER2
constexpr uint32_t kV4Header = 108;
constexpr uint32_t kV5Header = 124;

bool known_header_size(uint32_t size) {
    return size == kInfoHeader || size == kV2Header || size == kV3Header || size == kOs2V2Header ||
           size == kV4Header || size == kV5Header;
}

bool bit_fields(uint32_t compression) {
    return compression == kBiBitfields || compression == kBiAlphaBitfields;
}

// The depths and compressions the platform draws; anything else (JPEG or PNG inside a BMP, 2-bit
// DIBs, run-length data of the wrong depth) is not a picture here.
bool valid_combination(uint16_t bits, uint32_t compression) {
    switch (bits) {
    case 1:
        return compression == kBiRgb;
    case 4:
        return compression == kBiRgb || compression == kBiRle4;
    case 8:
        return compression == kBiRgb || compression == kBiRle8;
    case 16:
    case 32:
        return compression == kBiRgb || bit_fields(compression);
    case 24:
        return compression == kBiRgb;
    default:
        return false;
    }
}

void read_core_header(DibFormat& f, const ByteReader& r, uint64_t at) {
    f.width = r.u16(at + 4);
    f.height = r.u16(at + 6);
    f.bit_count = r.u16(at + 10);
    f.compression = kBiRgb;
    f.header_bytes = kCoreHeader;
    f.palette_entry_bytes = 3;
    if (f.bit_count <= 8) f.palette_entries = uint64_t(1) << f.bit_count;
}

// The channel masks of a bit-field format: inside a V2 or later header, or stored right after a
// plain BITMAPINFOHEADER (three masks, four with BI_ALPHABITFIELDS).
void read_masks(DibFormat& f, const ByteReader& r, uint64_t at, uint32_t header_size) {
    const bool masks_in_header = header_size >= kV2Header && header_size != kOs2V2Header;
    if (!masks_in_header && !bit_fields(f.compression)) return;
    const uint32_t count =
        masks_in_header ? (header_size >= kV3Header ? 4 : 3) : (f.compression == kBiAlphaBitfields ? 4 : 3);
    if (!masks_in_header) f.header_bytes += 4ull * count;
    if (!bit_fields(f.compression)) return; // masks of a BI_RGB image are ignored, as the platform does
    f.red = ChannelMask(r.u32(at + 40));
    f.green = ChannelMask(r.u32(at + 44));
    f.blue = ChannelMask(r.u32(at + 48));
    if (count == 4) f.alpha = ChannelMask(r.u32(at + 52));
}

void read_info_header(DibFormat& f, const ByteReader& r, uint64_t at, uint32_t size) {
    const int32_t width = r.i32(at + 4);
    const int64_t height = r.i32(at + 8);
    if (width <= 0 || height == 0)
        broken("DIB size " + std::to_string(width) + " x " + std::to_string(height));
    f.width = width;
    f.top_down = height < 0;
    f.height = static_cast<int32_t>(std::min<int64_t>(std::llabs(height), INT32_MAX));
    f.bit_count = r.u16(at + 14);
    f.compression = r.u32(at + 16);
    // OS/2 2.x numbers its compressions differently from 3 on (Huffman, RLE24): none of them is read.
    if (size == kOs2V2Header && f.compression > kBiRle4)
        broken("OS/2 compression " + std::to_string(f.compression) + " is not read");
    f.header_bytes = size;
    const uint32_t used = r.u32(at + 32);
    f.palette_entries = used != 0 ? used : (f.bit_count <= 8 ? uint64_t(1) << f.bit_count : 0);
    read_masks(f, r, at, size);
}

// BI_RGB pixels of 16 and 32 bits have fixed layouts: 5-5-5 and 8-8-8 with the top byte as alpha.
void default_masks(DibFormat& f) {
    if (bit_fields(f.compression)) return;
    if (f.bit_count == 16) {
        f.red = ChannelMask(0x7C00);
        f.green = ChannelMask(0x03E0);
        f.blue = ChannelMask(0x001F);
    } else if (f.bit_count == 32) {
        f.red = ChannelMask(0x00FF0000);
        f.green = ChannelMask(0x0000FF00);
        f.blue = ChannelMask(0x000000FF);
        f.alpha = ChannelMask(0xFF000000);
    }
}

uint32_t palette_colour(const DibFormat& f, uint32_t index) {
    // An index past a short colour table draws black.
    return index < f.palette.size() ? f.palette[index] : 0;
}

uint32_t masked_colour(const DibFormat& f, uint32_t v) {
    return (uint32_t(f.alpha.extract(v)) << 24) | (uint32_t(f.red.extract(v)) << 16) |
           (uint32_t(f.green.extract(v)) << 8) | f.blue.extract(v);
}

uint32_t pixel_at(const DibFormat& f, const uint8_t* row, int32_t x) {
    switch (f.bit_count) {
    case 1:
        return palette_colour(f, (row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return palette_colour(f, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 8:
        return palette_colour(f, row[x]);
    case 16: {
        const uint8_t* p = row + 2 * size_t(x);
        return masked_colour(f, uint32_t(p[0]) | (uint32_t(p[1]) << 8));
    }
    case 24: {
        const uint8_t* p = row + 3 * size_t(x);
        return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
    }
    default: {
        const uint8_t* p = row + 4 * size_t(x);
        return masked_colour(f, uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
                                    (uint32_t(p[3]) << 24));
    }
    }
}

Image32 decode_rows(const DibFormat& f, std::span<const uint8_t> bits) {
    const uint64_t stride = dib_stride(f.width, f.bit_count);
    // The last row needs its pixels, not its padding: some writers stop at the last pixel byte.
    const uint64_t last_row = (uint64_t(f.width) * f.bit_count + 7) / 8;
    if (bits.size() < stride * uint64_t(f.height - 1) + last_row) broken("the pixel data ends early");
    Image32 image = Image32::black(f.width, f.height);
    for (int32_t row = 0; row < f.height; ++row) {
        const uint8_t* src = bits.data() + stride * uint64_t(row);
        const int32_t y = f.top_down ? row : f.height - 1 - row;
        for (int32_t x = 0; x < f.width; ++x)
            image.at(x, y) = pixel_at(f, src, x);
    }
    return image;
}

} // namespace

ChannelMask::ChannelMask(uint32_t mask) : m_mask(mask) {
    if (mask == 0) return;
    m_shift = std::countr_zero(mask);
    m_bits = std::bit_width(mask >> m_shift);
}

uint8_t ChannelMask::extract(uint32_t pixel) const {
    if (m_mask == 0) return 0;
    const uint32_t value = (pixel & m_mask) >> m_shift;
    if (m_bits >= 8) return static_cast<uint8_t>(value >> (m_bits - 8));
    uint32_t out = value << (8 - m_bits);
    for (int filled = m_bits; filled < 8; filled *= 2)
        out |= out >> filled;
    return static_cast<uint8_t>(out);
}

DibFormat read_dib_header(const ByteReader& r, uint64_t at, DibUse use) {
    DibFormat f;
    const uint32_t size = r.u32(at);
    if (size == kCoreHeader)
        read_core_header(f, r, at);
    else if (known_header_size(size))
        read_info_header(f, r, at, size);
    else
        broken("DIB header size " + std::to_string(size) + " is not a known version");
    if (!valid_combination(f.bit_count, f.compression))
        broken(std::to_string(f.bit_count) + " bits a pixel with compression " +
               std::to_string(f.compression) + " is not drawn");
    // Run-length data always runs bottom-up; the platform refuses a top-down one.
    if (f.top_down && (f.compression == kBiRle8 || f.compression == kBiRle4))
        broken("top-down run-length data");
    if (use == DibUse::IconImage) f.height /= 2;
    check_image_size(f.width, f.height);
    default_masks(f);
    return f;
}

void read_palette(DibFormat& f, const ByteReader& r, uint64_t at, uint64_t count) {
    auto bytes = r.slice(at, count * f.palette_entry_bytes);
    f.palette.resize(size_t(count));
    for (size_t i = 0; i < f.palette.size(); ++i) {
        const uint8_t* e = bytes.data() + i * f.palette_entry_bytes;
        f.palette[i] = (uint32_t(e[2]) << 16) | (uint32_t(e[1]) << 8) | e[0];
    }
}

uint64_t dib_stride(int32_t width, uint32_t bit_count) {
    return (uint64_t(width) * bit_count + 31) / 32 * 4;
}

Image32 decode_dib_pixels(const DibFormat& f, std::span<const uint8_t> bits) {
    if (f.compression == kBiRle8 || f.compression == kBiRle4) return decode_rle(f, bits);
    return decode_rows(f, bits);
}

} // namespace rt::picture
