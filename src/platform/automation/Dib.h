#pragma once

#include "platform/automation/ByteReader.h"
#include "platform/automation/PictureImage.h"

#include <cstdint>
#include <span>
#include <vector>

// Device-independent bitmaps: the pixel format shared by BMP files and the images inside ICO files.
// A DIB is a header (OS/2 core, BITMAPINFOHEADER, V4 or V5), optional channel masks, a colour
// table, and rows padded to 32 bits, bottom-up unless the height is negative.
namespace rt::picture {

enum DibCompression : uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiAlphaBitfields = 6,
};

// One channel of a 16- or 32-bit pixel, given as a bit mask. Values narrower than 8 bits are
// widened by repeating their bits (5-bit 31 becomes 255, 16 becomes 132), as the platform's
// colour conversion does; wider ones keep their top 8 bits. An empty mask reads as 0.
class ChannelMask {
public:
    ChannelMask() = default;
    explicit ChannelMask(uint32_t mask);

    bool empty() const { return m_mask == 0; }
    uint8_t extract(uint32_t pixel) const;

private:
    uint32_t m_mask = 0;
    int m_shift = 0;
    int m_bits = 0;
};

struct DibFormat {
    int32_t width = 0;
    int32_t height = 0; // rows of the image; for an icon image half the header's height
    bool top_down = false;
    uint16_t bit_count = 0;
    uint32_t compression = kBiRgb;
    ChannelMask red, green, blue, alpha;
    uint64_t header_bytes = 0;        // the header and the channel masks stored after it
    uint64_t palette_entries = 0;     // as declared: the used-colour count, or 2^bits up to 8 bits
    uint32_t palette_entry_bytes = 4; // RGBQUAD; 3 (RGBTRIPLE) after an OS/2 core header
    std::vector<uint32_t> palette;    // 0x00RRGGBB, the entries actually read
};

// An icon's image header gives the height of the colour rows and the mask rows together.
enum class DibUse { Bitmap, IconImage };

// Reads and validates the header at offset: the header size names the version; width, height,
// depth and compression must make a picture this loader draws, and the size must be within the
// limits. Raises 481 otherwise.
DibFormat read_dib_header(const ByteReader& reader, uint64_t offset, DibUse use);

// Reads `count` colour-table entries at offset into format.palette.
void read_palette(DibFormat& format, const ByteReader& reader, uint64_t offset, uint64_t count);

// Bytes per row of an uncompressed DIB: rows are padded to a multiple of 4 bytes.
uint64_t dib_stride(int32_t width, uint32_t bit_count);

// The image of the pixel data `bits` (compressed or not), top-down. A 32-bit or bit-field format
// with an alpha channel keeps it in the top byte of each pixel. Raises 481 when data is missing.
Image32 decode_dib_pixels(const DibFormat& format, std::span<const uint8_t> bits);

// BI_RLE8 and BI_RLE4 data.
Image32 decode_rle(const DibFormat& format, std::span<const uint8_t> bits);

} // namespace rt::picture
