#pragma once

#include <cstdint>
#include <span>

namespace rt::picture {

// Little-endian reads from a picture file held in memory. Every offset and length is checked
// against the data in 64-bit arithmetic before it is used; a read past the end throws BrokenPicture
// ("the data ends at byte N"), which is how a truncated or lying header ends.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    uint64_t size() const { return m_bytes.size(); }
    bool has(uint64_t offset, uint64_t count) const {
        return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
    }

    uint8_t u8(uint64_t offset) const { return slice(offset, 1)[0]; }
    uint16_t u16(uint64_t offset) const;
    uint32_t u32(uint64_t offset) const;
    int32_t i32(uint64_t offset) const { return static_cast<int32_t>(u32(offset)); }
    // Big-endian, as PNG stores its numbers.
    uint32_t u32_be(uint64_t offset) const;

    // The bytes [offset, offset + count); raises 481 unless all of them are there.
    std::span<const uint8_t> slice(uint64_t offset, uint64_t count) const;
    // The bytes from offset to the end (empty at the end); raises 481 past the end.
    std::span<const uint8_t> tail(uint64_t offset) const;

private:
    std::span<const uint8_t> m_bytes;
};

} // namespace rt::picture
