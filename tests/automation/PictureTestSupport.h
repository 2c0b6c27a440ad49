#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// What the picture tests look at: a picture's pixels as they are stored and as they are drawn.
namespace picture_test {

using Pixels = std::vector<uint32_t>;

// The bitmap's pixels, rows top-down, as stored (0x00RRGGBB).
Pixels bitmap_pixels(const rt::StdPicture& picture);
// A bitmap's transparency mask, one byte a pixel, 1 where the background shows; empty without one.
std::vector<uint8_t> bitmap_mask(const rt::StdPicture& picture);
// The icon drawn with DrawIconEx at its own size over a surface filled with `background`.
Pixels drawn_icon(const rt::StdPicture& picture, uint32_t background);
// The picture drawn with its own Render at (0, 0) of a surface of its pixel size (at least 1 x 1)
// filled with `background`.
Pixels rendered(const rt::StdPicture& picture, uint32_t background);

// The description of the automation error a call raises ("" when it raises none).
template <class F>
std::string error_description(F&& call) {
    try {
        call();
    } catch (const rt::AutomationError& e) {
        return e.description;
    }
    return {};
}

// Picture files written byte by byte: little-endian by default, big-endian where PNG wants it.
struct Bytes {
    std::vector<uint8_t> data;

    Bytes& u8(uint32_t v) {
        data.push_back(uint8_t(v));
        return *this;
    }
    Bytes& u16(uint32_t v) { return u8(v).u8(v >> 8); }
    Bytes& u32(uint32_t v) { return u16(v).u16(v >> 16); }
    Bytes& be16(uint32_t v) { return u8(v >> 8).u8(v); }
    Bytes& be32(uint32_t v) { return be16(v >> 16).be16(v); }
    Bytes& text(std::string_view s) {
        data.insert(data.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& append(const std::vector<uint8_t>& more) {
        data.insert(data.end(), more.begin(), more.end());
        return *this;
    }
    Bytes& pad_to(size_t size) {
        if (data.size() < size) data.resize(size, 0);
        return *this;
    }
};

// A fresh folder for each test, for picture files written byte by byte; removed after the test.
class PictureFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* unit = ::testing::UnitTest::GetInstance();
        m_dir = std::filesystem::temp_directory_path() /
                ("vntab-pictures-" + std::to_string(unit->random_seed()) + "-" +
                 unit->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const auto path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }

    std::filesystem::path m_dir;
};

} // namespace picture_test
