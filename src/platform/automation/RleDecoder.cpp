#include "platform/automation/Dib.h"

namespace rt::picture {

namespace {

// The escapes that follow a zero count byte; any larger value starts a run of literal pixels.
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

// Walks run-length data over a black image. The pen position (x, y) counts rows from the bottom,
// as the data does; pixels that fall right of the image are dropped, and a position past the top
// row ends the image. Pixels the data never writes (skipped by a delta or an early end of line or
// of bitmap) stay black, which is what the platform shows for them on a 32-bit surface.
class RleWalker {
public:
    RleWalker(const DibFormat& format, std::span<const uint8_t> data)
        : m_format(format), m_data(data), m_image(Image32::black(format.width, format.height)),
          m_nibbles(format.compression == kBiRle4) {}

    Image32 run() {
        while (m_y < m_format.height) {
            const uint8_t count = next();
            const uint8_t value = next();
            if (count > 0)
                encoded_run(count, value);
            else if (value == kEndOfLine)
                end_of_line();
            else if (value == kEndOfBitmap)
                break;
            else if (value == kDelta)
                delta();
            else
                literal_run(value);
        }
        return std::move(m_image);
    }

private:
    uint8_t next() {
        if (m_pos >= m_data.size()) broken("the run-length data ends before its end-of-bitmap");
        return m_data[m_pos++];
    }

    void put(uint32_t index) {
        if (m_x < m_format.width) {
            const uint32_t colour = index < m_format.palette.size() ? m_format.palette[index] : 0;
            m_image.at(static_cast<int32_t>(m_x), m_format.height - 1 - static_cast<int32_t>(m_y)) = colour;
        }
        ++m_x;
    }

    // RLE4 runs alternate the two nibbles of their byte, high nibble first.
    void encoded_run(uint8_t count, uint8_t value) {
        for (int i = 0; i < count; ++i)
            put(m_nibbles ? ((i % 2 == 0) ? value >> 4 : value & 0x0F) : value);
    }

    // Literal pixels: one a byte (RLE8) or one a nibble (RLE4), padded to a 16-bit boundary.
    void literal_run(uint8_t count) {
        const int bytes = m_nibbles ? (count + 1) / 2 : count;
        uint8_t byte = 0;
        for (int i = 0; i < count; ++i) {
            if (!m_nibbles) {
                put(next());
            } else if (i % 2 == 0) {
                byte = next();
                put(byte >> 4);
            } else {
                put(byte & 0x0F);
            }
        }
        if (bytes % 2 != 0) next();
    }

    void end_of_line() {
        m_x = 0;
        ++m_y;
    }

    void delta() {
        m_x += next();
        m_y += next();
    }

    const DibFormat& m_format;
    std::span<const uint8_t> m_data;
    Image32 m_image;
    bool m_nibbles;
    size_t m_pos = 0;
    int64_t m_x = 0;
    int64_t m_y = 0;
};

} // namespace

Image32 decode_rle(const DibFormat& format, std::span<const uint8_t> bits) {
    return RleWalker(format, bits).run();
}

} // namespace rt::picture
