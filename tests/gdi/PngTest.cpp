#include "TestSurface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace gdi;

namespace {

std::string temp_path(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()) + ".png"))
        .string();
}

TEST(Png, WrittenSurfaceReadsBackPixelForPixel) {
    TestSurface s(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            SetPixel(s.dc, x, y, RGB(uint8_t(x * 30), uint8_t(y * 50), uint8_t(x + y)));
    const std::string path = temp_path("vntab-png");
    std::string error;
    ASSERT_TRUE(WritePng(s.bitmap, path, &error)) << error;
    const std::optional<Image> image = ReadPng(path, &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->width, 7);
    EXPECT_EQ(image->height, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const uint32_t px = image->pixels[size_t(y * 7 + x)];
            EXPECT_EQ(px >> 24, 0xFFu);
            EXPECT_EQ(RGB(uint8_t(px >> 16), uint8_t(px >> 8), uint8_t(px)), s.at(x, y));
        }
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::optional<Image> from_memory = ReadPng(bytes.data(), bytes.size(), &error);
    ASSERT_TRUE(from_memory);
    EXPECT_EQ(from_memory->pixels, image->pixels);
    std::filesystem::remove(path);
}

TEST(Png, FailuresSayWhyAndLeaveNoFileBehind) {
    TestSurface s(2, 2);
    std::string error;
    EXPECT_FALSE(WritePng(s.bitmap, "/nonexistent-folder/out.png", &error));
    EXPECT_NE(error.find("/nonexistent-folder/out.png"), std::string::npos);
    EXPECT_FALSE(WritePng(HBITMAP{}, temp_path("vntab-none"), &error));
    EXPECT_FALSE(std::filesystem::exists(temp_path("vntab-none")));

    const std::string garbage = temp_path("vntab-garbage");
    std::ofstream(garbage) << "not a png at all";
    error.clear();
    EXPECT_FALSE(ReadPng(garbage, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadPng("/nonexistent.png", &error));
    const uint8_t few[] = {0x89, 'P', 'N'};
    EXPECT_FALSE(ReadPng(few, sizeof few, &error));
    std::filesystem::remove(garbage);
}

TEST(Png, ExistingFileIsReplacedWhole) {
    const std::string path = temp_path("vntab-replace");
    TestSurface big(20, 20), small(3, 3);
    ASSERT_TRUE(WritePng(big.bitmap, path, nullptr));
    ASSERT_TRUE(WritePng(small.bitmap, path, nullptr));
    const std::optional<Image> image = ReadPng(path, nullptr);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    std::filesystem::remove(path);
}

} // namespace
