#include "platform/gdi/Png.h"

#include "platform/gdi/Gdi.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

namespace gdi {

namespace {

void set_error(std::string* error, const std::string& text) {
    if (error) *error = text;
}

[[noreturn]] void on_png_error(png_structp png, png_const_charp message) {
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error) *error = message;
    png_longjmp(png, 1);
}

void on_png_warning(png_structp, png_const_charp) {}

// Writes rows of 0x00RRGGBB pixels (bytes B, G, R, X) as 8-bit RGB. Kept free of C++ objects with
// destructors, because libpng reports errors by longjmp.
bool write_rows(std::FILE* file, const SurfaceView& view, std::string* message) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, on_png_error, on_png_warning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(view.width), static_cast<png_uint_32>(view.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int32_t y = 0; y < view.height; ++y)
        png_write_row(
            png, reinterpret_cast<png_const_bytep>(view.pixels + static_cast<ptrdiff_t>(y) * view.stride));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::optional<Image> finish_read(png_image& image, std::string* error, bool begun,
                                 const std::function<int(png_image&, void*)>& read) {
    if (!begun) {
        set_error(error, image.message[0] ? image.message : "not a PNG image");
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_BGRA; // little-endian 0xAARRGGBB words
    if (image.width == 0 || image.height == 0 || uint64_t(image.width) * image.height > (uint64_t(1) << 28)) {
        set_error(error, "image too large");
        png_image_free(&image);
        return std::nullopt;
    }
    Image out;
    out.width = static_cast<int32_t>(image.width);
    out.height = static_cast<int32_t>(image.height);
    out.pixels.resize(size_t(image.width) * image.height);
    if (!read(image, out.pixels.data())) {
        set_error(error, image.message[0] ? image.message : "cannot decode the image");
        png_image_free(&image);
        return std::nullopt;
    }
    png_image_free(&image);
    return out;
}

} // namespace

bool WritePng(HBITMAP bitmap, const std::string& path, std::string* error) {
    const SurfaceView view = LockBitmap(bitmap);
    if (!view.pixels) {
        set_error(error, "not a bitmap");
        return false;
    }
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        set_error(error, "cannot write " + path + ": " + std::strerror(errno));
        return false;
    }
    std::string message;
    bool ok = write_rows(file, view, &message);
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) {
        std::remove(temporary.c_str());
        set_error(error, "cannot write " + path + (message.empty() ? std::string() : ": " + message));
        return false;
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        std::remove(temporary.c_str());
        set_error(error, "cannot write " + path + ": " + code.message());
        return false;
    }
    return true;
}

std::optional<Image> ReadPng(const std::string& path, std::string* error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    const bool begun = png_image_begin_read_from_file(&image, path.c_str()) != 0;
    if (!begun && errno == ENOENT) {
        set_error(error, "cannot open " + path);
        png_image_free(&image);
        return std::nullopt;
    }
    return finish_read(image, error, begun, [](png_image& img, void* buffer) {
        return png_image_finish_read(&img, nullptr, buffer, 0, nullptr);
    });
}

std::optional<Image> ReadPng(const uint8_t* bytes, size_t size, std::string* error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    const bool begun = bytes && png_image_begin_read_from_memory(&image, bytes, size) != 0;
    return finish_read(image, error, begun, [](png_image& img, void* buffer) {
        return png_image_finish_read(&img, nullptr, buffer, 0, nullptr);
    });
}

} // namespace gdi
