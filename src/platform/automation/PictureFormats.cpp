#include "platform/automation/PictureDecoders.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace rt::picture {

namespace {

bool starts_with(std::span<const uint8_t> bytes, std::string_view prefix, size_t at = 0) {
    return bytes.size() >= at + prefix.size() &&
           std::memcmp(bytes.data() + at, prefix.data(), prefix.size()) == 0;
}

// Formats told by a fixed signature at a fixed place.
struct Signature {
    std::string_view bytes;
    size_t at;
    std::string_view name;
};

constexpr std::string_view operator""_sv(const char* s, size_t n) {
    return {s, n};
}

constexpr std::array kSignatures{
    Signature{"II*\0"_sv, 0, "TIFF"},
    Signature{"MM\0*"_sv, 0, "TIFF"},
    Signature{"II+\0"_sv, 0, "BigTIFF"},
    Signature{"MM\0+"_sv, 0, "BigTIFF"},
    Signature{"WEBP"_sv, 8, "WebP"},
    Signature{"ACON"_sv, 8, "animated cursor"},
    Signature{"8BPS"_sv, 0, "Photoshop"},
    Signature{"\0\0\0\x0CjP  \r\n\x87\n"_sv, 0, "JPEG 2000"},
    Signature{"\xFF\x4F\xFF\x51"_sv, 0, "JPEG 2000"},
    Signature{"\xFF\x0A"_sv, 0, "JPEG XL"},
    Signature{"\0\0\0\x0CJXL \r\n\x87\n"_sv, 0, "JPEG XL"},
    Signature{"ftypavif"_sv, 4, "AVIF"},
    Signature{"ftypavis"_sv, 4, "AVIF"},
    Signature{"ftypheic"_sv, 4, "HEIF"},
    Signature{"ftypheix"_sv, 4, "HEIF"},
    Signature{"ftypmif1"_sv, 4, "HEIF"},
    Signature{"\x8AMNG\r\n\x1A\n"_sv, 0, "MNG"},
    Signature{"\x8BJNG\r\n\x1A\n"_sv, 0, "JNG"},
    Signature{"icns"_sv, 0, "Apple icon"},
    Signature{"qoif"_sv, 0, "QOI"},
    Signature{"DDS "_sv, 0, "DirectDraw surface"},
    Signature{"\x76\x2F\x31\x01"_sv, 0, "OpenEXR"},
    Signature{"\x59\xA6\x6A\x95"_sv, 0, "Sun raster"},
    Signature{"\x01\xDA\x00\x01"_sv, 0, "SGI image"},
    Signature{"\x01\xDA\x01\x01"_sv, 0, "SGI image"},
    Signature{"SDPX"_sv, 0, "DPX"},
    Signature{"XPDS"_sv, 0, "DPX"},
    Signature{"\x80\x2A\x5F\xD7"_sv, 0, "Cineon"},
    Signature{"gimp xcf"_sv, 0, "GIMP XCF"},
    Signature{"/* XPM */"_sv, 0, "XPM"},
    Signature{"%PDF"_sv, 0, "PDF document"},
    Signature{"%!PS"_sv, 0, "PostScript"},
    Signature{"\xC5\xD0\xD3\xC6"_sv, 0, "EPS"},
    Signature{"PK\x03\x04"_sv, 0, "ZIP archive"},
    Signature{"\x1F\x8B\x08"_sv, 0, "gzip-compressed data"},
};

// PCX: the manufacturer byte 10, a version of 0 to 5, run-length or no encoding, and 1, 2, 4 or 8
// bits a plane.
bool looks_like_pcx(std::span<const uint8_t> bytes) {
    if (bytes.size() < 128 || bytes[0] != 0x0A || bytes[1] > 5 || bytes[2] > 1) return false;
    const uint8_t bits = bytes[3];
    return bits == 1 || bits == 2 || bits == 4 || bits == 8;
}

// An OS/2 bitmap array: "BA", then its first bitmap's own header ("BM", or an OS/2 icon or
// pointer) at byte 14.
bool looks_like_bitmap_array(std::span<const uint8_t> bytes) {
    if (!starts_with(bytes, "BA")) return false;
    for (std::string_view kind : {"BM", "CI", "CP", "IC", "PT"})
        if (starts_with(bytes, kind, 14)) return true;
    return false;
}

// Netpbm: P1 to P7 and a white-space character.
bool looks_like_netpbm(std::span<const uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '7' &&
           std::isspace(static_cast<unsigned char>(bytes[2]));
}

// A Truevision TGA file has no signature at its start; version 2 files end with one.
bool looks_like_tga(std::span<const uint8_t> bytes) {
    constexpr std::string_view footer("TRUEVISION-XFILE.\0", 18);
    return bytes.size() >= 26 && starts_with(bytes, footer, bytes.size() - footer.size());
}

// SVG is XML text: an <svg element within the first kilobyte, after a byte-order mark, white
// space, an XML declaration, comments or a document type.
bool looks_like_svg(std::span<const uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()),
                                std::min<size_t>(bytes.size(), 1024));
    size_t first = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (first < text.size() && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    if (first >= text.size() || text[first] != '<') return false;
    return text.find("<svg", first) != std::string_view::npos;
}

} // namespace

std::string_view unsupported_format(std::span<const uint8_t> bytes) {
    for (const Signature& s : kSignatures)
        if (starts_with(bytes, s.bytes, s.at) && (s.at != 8 || starts_with(bytes, "RIFF"))) return s.name;
    if (looks_like_pcx(bytes)) return "PCX";
    if (looks_like_bitmap_array(bytes)) return "OS/2 bitmap array";
    if (looks_like_netpbm(bytes)) return "Netpbm";
    if (looks_like_svg(bytes)) return "SVG";
    if (looks_like_tga(bytes)) return "TGA";
    return {};
}

} // namespace rt::picture
