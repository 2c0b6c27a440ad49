#include "platform/automation/ByteReader.h"
#include "platform/automation/PictureDecoders.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace rt::picture {

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Chunks that are skipped unread. A picture shows the samples the file holds, as viewers show an
// untagged file: no gamma, chromaticity, sRGB intent or ICC profile is applied (libpng converts
// nothing unless asked, and skipping the chunks also spares reading a profile or compressed text).
constexpr char kSkippedChunks[] = "gAMA\0sRGB\0iCCP\0cHRM\0sBIT\0bKGD\0hIST\0pHYs\0oFFs\0pCAL\0sCAL\0"
                                  "sPLT\0tIME\0tEXt\0zTXt\0iTXt\0eXIf";
constexpr int kSkippedChunkCount = 17;

// What libpng's callbacks share with the decoder. Plain data: libpng reports errors by longjmp, so
// nothing with a destructor lives between the setjmp and the libpng calls.
struct PngSource {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t position = 0;
    char message[160] = {};
};

void on_read(png_structp png, png_bytep out, size_t count) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->size - source->position) png_error(png, "the data ends early");
    std::memcpy(out, source->data + source->position, count);
    source->position += count;
}

[[noreturn]] void on_error(png_structp png, png_const_charp message) {
    auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
    std::snprintf(source->message, sizeof source->message, "%s", message);
    png_longjmp(png, 1);
}

void on_warning(png_structp, png_const_charp) {}

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngSource source;

    ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// Reads the header and sets the transforms that turn every colour type and depth into 8-bit
// B, G, R, A bytes (a little-endian 0xAARRGGBB word): palettes and low-depth grey expanded, tRNS
// made alpha, grey copied to the three channels, opaque images given alpha 255, and 16-bit samples
// cut to their high byte (what an 8-bit sample of the same value holds; no rescaling, no gamma).
bool read_header(PngReader& r, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_set_read_fn(r.png, &r.source, on_read);
    png_set_keep_unknown_chunks(r.png, PNG_HANDLE_CHUNK_NEVER,
                                reinterpret_cast<png_const_bytep>(kSkippedChunks), kSkippedChunkCount);
    png_set_user_limits(r.png, png_uint_32(kMaxSide), png_uint_32(kMaxSide));
    png_read_info(r.png, r.info);
    width = png_get_image_width(r.png, r.info);
    height = png_get_image_height(r.png, r.info);
    png_set_strip_16(r.png);
    png_set_packing(r.png);
    png_set_palette_to_rgb(r.png);
    png_set_expand_gray_1_2_4_to_8(r.png);
    if (png_get_valid(r.png, r.info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(r.png);
    png_set_gray_to_rgb(r.png);
    png_set_add_alpha(r.png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(r.png);
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    if (png_get_rowbytes(r.png, r.info) != size_t(width) * 4) png_error(r.png, "unexpected row layout");
    return true;
}

// Reads every row (every pass of an interlaced image) into `rows`. The closing chunks after the
// image data are not read: a file cut after its last image data still shows.
bool read_rows(PngReader& r, png_bytepp rows) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_read_image(r.png, rows);
    return true;
}

// The PNG decoded to 8-bit ARGB. The size in the IHDR chunk is checked against the limits first, so
// an oversized header is refused before libpng allocates anything for it.
Image32 read_png(std::span<const uint8_t> bytes) {
    const ByteReader bytes_reader(bytes);
    if (!looks_like_png(bytes)) broken("no PNG signature");
    if (bytes_reader.u32_be(8) != 13 || std::memcmp(bytes_reader.slice(12, 4).data(), "IHDR", 4) != 0)
        broken("the first chunk is not a header");
    check_image_size(bytes_reader.u32_be(16), bytes_reader.u32_be(20));

    PngReader r;
    r.source.data = bytes.data();
    r.source.size = bytes.size();
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r.source, on_error, on_warning);
    if (r.png) r.info = png_create_info_struct(r.png);
    if (!r.png || !r.info) broken("libpng cannot start");
    png_uint_32 width = 0, height = 0;
    if (!read_header(r, width, height)) broken(r.source.message);
    Image32 image = Image32::black(width, height);
    std::vector<png_bytep> rows(image.pixels.size() / size_t(width));
    for (size_t y = 0; y < rows.size(); ++y)
        rows[y] = reinterpret_cast<png_bytep>(image.pixels.data() + y * size_t(width));
    if (!read_rows(r, rows.data())) broken(r.source.message);
    return image;
}

uint32_t blend_channel(uint32_t colour, uint32_t back, uint32_t alpha, int shift) {
    const uint32_t c = (colour >> shift) & 0xFF;
    const uint32_t b = (back >> shift) & 0xFF;
    return ((c * alpha + b * (255 - alpha) + 127) / 255) << shift;
}

uint32_t blend_over(uint32_t argb, uint32_t back) {
    const uint32_t alpha = argb >> 24;
    return blend_channel(argb, back, alpha, 16) | blend_channel(argb, back, alpha, 8) |
           blend_channel(argb, back, alpha, 0);
}

} // namespace

bool looks_like_png(std::span<const uint8_t> bytes) {
    return bytes.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

Image32 decode_png_bitmap(std::span<const uint8_t> bytes) {
    Image32 image = read_png(bytes);
    for (uint32_t& p : image.pixels)
        p = blend_over(p, kBitmapBackground);
    return image;
}

MaskedImage decode_png_icon(std::span<const uint8_t> bytes) {
    MaskedImage icon{read_png(bytes), {}};
    icon.mask.resize(icon.color.pixels.size());
    for (size_t i = 0; i < icon.mask.size(); ++i) {
        uint32_t& p = icon.color.pixels[i];
        const uint32_t alpha = p >> 24;
        // The icon is blended with its alpha when drawn. The mask shows where alpha is below half,
        // and a pixel of alpha 0 is black, so an image that is transparent everywhere (no alpha to
        // blend with) is drawn through the mask and leaves the background untouched.
        icon.mask[i] = alpha < 128 ? 1 : 0;
        if (alpha == 0) p = 0;
    }
    return icon;
}

} // namespace rt::picture
