#include "platform/automation/PictureDecoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace rt::picture {

namespace {

// The bytes giflib reads through its input callback.
struct GifSource {
    std::span<const uint8_t> bytes;
    size_t position = 0;

    bool exhausted() const { return position == bytes.size(); }
};

int read_gif_bytes(GifFileType* gif, GifByteType* out, int count) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    const size_t wanted = count > 0 ? size_t(count) : 0;
    const size_t n = std::min(wanted, source->bytes.size() - source->position);
    std::memcpy(out, source->bytes.data() + source->position, n);
    source->position += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// giflib reports a read past the end as a failed read; said plainly, that is a truncated file.
[[noreturn]] void gif_failed(const GifSource& source, int error) {
    if (source.exhausted()) broken("the data ends before the first image is complete");
    const char* text = GifErrorString(error);
    broken(text ? text : "error " + std::to_string(error));
}

// The row of the image that the n-th row of the data fills: interlaced images come in four passes
// (every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1).
int32_t interlaced_row(int32_t n, int32_t height) {
    constexpr int32_t kStart[] = {0, 4, 2, 1};
    constexpr int32_t kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        const int32_t rows =
            kStart[pass] < height ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
        if (n < rows) return kStart[pass] + n * kStep[pass];
        n -= rows;
    }
    return height; // past the image: never reached for n < height
}

// The transparent colour index of the graphic control extension that precedes the first image, or
// -1. A control block of the wrong length is ignored, as viewers ignore it.
int transparent_index(int code, const GifByteType* data, int current) {
    if (code != GRAPHICS_EXT_FUNC_CODE || !data) return current;
    GraphicsControlBlock block;
    if (DGifExtensionToGCB(data[0], data + 1, &block) == GIF_ERROR) return current;
    return block.TransparentColor;
}

// Reads the records up to the first image descriptor, keeping the last transparent index seen.
int read_to_first_image(GifFileType* gif, const GifSource& source) {
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) gif_failed(source, gif->Error);
        if (type == IMAGE_DESC_RECORD_TYPE) return transparent;
        if (type == TERMINATE_RECORD_TYPE) broken("the file ends before its first image");
        if (type != EXTENSION_RECORD_TYPE) broken("unexpected record");
        int code = 0;
        GifByteType* data = nullptr;
        if (DGifGetExtension(gif, &code, &data) == GIF_ERROR) gif_failed(source, gif->Error);
        transparent = transparent_index(code, data, transparent);
        while (data)
            if (DGifGetExtensionNext(gif, &data) == GIF_ERROR) gif_failed(source, gif->Error);
    }
}

} // namespace

bool looks_like_gif(std::span<const uint8_t> bytes) {
    return bytes.size() >= 6 && std::memcmp(bytes.data(), "GIF8", 4) == 0 &&
           (bytes[4] == '7' || bytes[4] == '9') && bytes[5] == 'a';
}

MaskedImage decode_gif(std::span<const uint8_t> bytes) {
    if (!looks_like_gif(bytes)) broken("no GIF signature");
    GifSource source{bytes};
    int error = 0;
    const GifFile gif(DGifOpen(&source, read_gif_bytes, &error));
    if (!gif) gif_failed(source, error);
    const int transparent = read_to_first_image(gif.get(), source);
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) gif_failed(source, gif->Error);

    const GifImageDesc& frame = gif->Image;
    check_image_size(frame.Width, frame.Height);
    // The picture is the logical screen; a writer that left the screen 0 x 0 means the image's own
    // extent. Screen pixels the first image does not cover are transparent.
    const int64_t screen_w = gif->SWidth > 0 ? gif->SWidth : int64_t(frame.Left) + frame.Width;
    const int64_t screen_h = gif->SHeight > 0 ? gif->SHeight : int64_t(frame.Top) + frame.Height;
    MaskedImage out{Image32::black(screen_w, screen_h), {}};
    out.mask.assign(out.color.pixels.size(), 1);

    const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colours) broken("no colour table");
    std::vector<GifPixelType> line(size_t(frame.Width));
    for (int32_t n = 0; n < frame.Height; ++n) {
        if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR) gif_failed(source, gif->Error);
        const int64_t y = int64_t(frame.Top) + (frame.Interlace ? interlaced_row(n, frame.Height) : n);
        if (y >= out.color.height) continue;
        for (int32_t i = 0; i < frame.Width; ++i) {
            const int64_t x = int64_t(frame.Left) + i;
            if (x >= out.color.width) break;
            const int index = line[size_t(i)];
            if (index == transparent) continue;
            // An index past the colour table draws black.
            const GifColorType c =
                index < colours->ColorCount ? colours->Colors[index] : GifColorType{0, 0, 0};
            const size_t at = size_t(y) * size_t(out.color.width) + size_t(x);
            out.color.pixels[at] = (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue;
            out.mask[at] = 0;
        }
    }
    if (std::none_of(out.mask.begin(), out.mask.end(), [](uint8_t m) { return m != 0; })) out.mask.clear();
    return out;
}

} // namespace rt::picture
