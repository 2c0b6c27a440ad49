#include "platform/automation/Dib.h"
#include "platform/automation/PictureDecoders.h"

#include <algorithm>
#include <string>

namespace rt::picture {

namespace {

constexpr uint64_t kFileHeaderBytes = 14; // BITMAPFILEHEADER

// How many colour-table entries to read. The table sits between the header and the pixel data, and
// a writer may store fewer entries than it declares ("short palettes"): the pixel offset says how
// many are really there. Indices past the table draw black.
uint64_t palette_entries_present(const DibFormat& f, uint64_t table_at, uint64_t bits_at) {
    if (f.bit_count > 8) return 0;
    const uint64_t room = (bits_at - table_at) / f.palette_entry_bytes;
    return std::min({f.palette_entries, room, uint64_t(1) << f.bit_count});
}

} // namespace

bool looks_like_bmp(std::span<const uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

Image32 decode_bmp(std::span<const uint8_t> bytes) {
    const ByteReader r(bytes);
    if (!looks_like_bmp(bytes)) broken("no BM signature");
    // The file size and reserved fields of the file header are not trusted; the data is.
    const uint32_t off_bits = r.u32(10);
    DibFormat f = read_dib_header(r, kFileHeaderBytes, DibUse::Bitmap);
    const uint64_t table_at = kFileHeaderBytes + f.header_bytes;
    const uint64_t declared_table = f.palette_entries * f.palette_entry_bytes;
    // A zero pixel offset, which some writers leave, means the pixels follow the colour table.
    const uint64_t bits_at = off_bits != 0 ? off_bits : table_at + declared_table;
    if (bits_at < table_at) broken("the pixel offset " + std::to_string(bits_at) + " lies inside the header");
    read_palette(f, r, table_at, palette_entries_present(f, table_at, bits_at));
    Image32 image = decode_dib_pixels(f, r.tail(bits_at));
    for (uint32_t& p : image.pixels)
        p &= 0x00FFFFFF;
    return image;
}

} // namespace rt::picture
