#include "platform/automation/ByteReader.h"

#include "platform/automation/PictureImage.h"

#include <string>

namespace rt::picture {

namespace {

[[noreturn]] void data_ends(size_t size) {
    broken("the data ends at byte " + std::to_string(size));
}

} // namespace

uint16_t ByteReader::u16(uint64_t offset) const {
    auto b = slice(offset, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ByteReader::u32(uint64_t offset) const {
    auto b = slice(offset, 4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

uint32_t ByteReader::u32_be(uint64_t offset) const {
    auto b = slice(offset, 4);
    return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
}

std::span<const uint8_t> ByteReader::slice(uint64_t offset, uint64_t count) const {
    if (!has(offset, count)) data_ends(m_bytes.size());
    return m_bytes.subspan(size_t(offset), size_t(count));
}

std::span<const uint8_t> ByteReader::tail(uint64_t offset) const {
    if (offset > m_bytes.size()) data_ends(m_bytes.size());
    return m_bytes.subspan(size_t(offset));
}

} // namespace rt::picture
