#include "platform/automation/AutomationError.h"
#include "platform/automation/PictureDecoders.h"
#include "platform/automation/StdPicture.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace rt {

namespace {

// A file larger than this cannot hold a picture within the size limits (64 Mi pixels of 32 bits
// plus headers), so it is refused before being read.
constexpr uintmax_t kMaxFileBytes = uintmax_t(512) << 20;

[[noreturn]] void cannot_open(const std::string& path, const std::string& reason) {
    raise_error(kErrFileNotFound, {}, "cannot open " + path + ": " + reason);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file. A missing file, a folder or a device is "not found" as far as a picture goes,
// with the system's reason in the description.
std::vector<uint8_t> read_file(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        cannot_open(path, std::make_error_code(std::errc::no_such_file_or_directory).message());
    if (ec) cannot_open(path, ec.message());
    if (fs::is_directory(status))
        cannot_open(path, std::make_error_code(std::errc::is_a_directory).message());
    if (!fs::is_regular_file(status)) cannot_open(path, "not a regular file");
    const uintmax_t size = fs::file_size(path, ec);
    if (ec) cannot_open(path, ec.message());
    if (size > kMaxFileBytes)
        raise_error(kErrInvalidPicture, {},
                    "Invalid picture: " + path + ": file too large: " + std::to_string(size) +
                        " bytes, at most " + std::to_string(kMaxFileBytes));
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) cannot_open(path, std::strerror(errno));
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        cannot_open(path,
                    std::ferror(file.get()) ? std::strerror(errno) : "the file shrank while being read");
    return bytes;
}

std::string absolute_path(const std::string& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

// The picture of a format this loader reads; throws BrokenPicture with `format` set for bad data.
std::shared_ptr<StdPicture> decode(std::span<const uint8_t> bytes, std::string& format,
                                   const std::string& path) {
    using namespace picture;
    if (looks_like_bmp(bytes)) {
        format = "BMP";
        const Image32 image = decode_bmp(bytes);
        return StdPicture::FromPixels(image.width, image.height, image.pixels, path);
    }
    if (looks_like_png(bytes)) {
        format = "PNG";
        const Image32 image = decode_png_bitmap(bytes);
        return StdPicture::FromPixels(image.width, image.height, image.pixels, path);
    }
    if (looks_like_ico(bytes)) {
        format = "ICO";
        const MaskedImage icon = decode_ico(bytes);
        return StdPicture::FromIconPixels(icon.color.width, icon.color.height, icon.color.pixels, icon.mask,
                                          path);
    }
    if (looks_like_gif(bytes)) {
        format = "GIF";
        const MaskedImage gif = decode_gif(bytes);
        if (gif.mask.empty())
            return StdPicture::FromPixels(gif.color.width, gif.color.height, gif.color.pixels, path);
        return StdPicture::FromMaskedPixels(gif.color.width, gif.color.height, gif.color.pixels, gif.mask,
                                            path);
    }
    if (looks_like_jpeg(bytes)) {
        format = "JPEG";
        const Image32 image = decode_jpeg(bytes);
        return StdPicture::FromPixels(image.width, image.height, image.pixels, path);
    }
    if (looks_like_wmf(bytes)) {
        format = "WMF";
        const MetafileSize size = read_wmf_size(bytes);
        return StdPicture::FromMetafile(kPicTypeMetafile, size.width, size.height, path);
    }
    if (looks_like_emf(bytes)) {
        format = "EMF";
        const MetafileSize size = read_emf_size(bytes);
        return StdPicture::FromMetafile(kPicTypeEnhMetafile, size.width, size.height, path);
    }
    if (bytes.empty()) raise_error(kErrInvalidPicture, {}, "empty file");
    const std::string_view other = unsupported_format(bytes);
    if (!other.empty())
        raise_error(kErrInvalidPicture, {}, "unsupported picture format (" + std::string(other) + ")");
    raise_error(kErrInvalidPicture, {}, "unknown picture format");
}

} // namespace

std::shared_ptr<StdPicture> LoadPictureFromBytes(std::span<const uint8_t> bytes, std::string source_path) {
    const std::string where = source_path.empty() ? std::string() : source_path + ": ";
    std::string format;
    try {
        return decode(bytes, format, source_path);
    } catch (const picture::BrokenPicture& e) {
        raise_error(kErrInvalidPicture, {},
                    "Invalid picture: " + where + "broken " + format + ": " + e.what());
    } catch (const AutomationError& e) {
        if (e.number != kErrInvalidPicture) throw;
        raise_error(kErrInvalidPicture, {}, "Invalid picture: " + where + e.description);
    }
}

std::shared_ptr<StdPicture> LoadPicture(const std::string& path) {
    if (path.empty()) return StdPicture::Empty();
    const std::string absolute = absolute_path(path);
    const std::vector<uint8_t> bytes = read_file(absolute);
    return LoadPictureFromBytes(bytes, absolute);
}

} // namespace rt
