#include "platform/automation/PictureDecoders.h"

// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <memory>
#include <string>

namespace rt::picture {

namespace {

// A progressive file may hold any number of scans, each a pass over the whole image; a few dozen is
// what encoders write. Past this many the data is refused rather than decoded for minutes.
constexpr int kMaxScans = 500;

// What libjpeg may allocate for one picture: the coefficients of a progressive picture at the size
// limit (64 Mi pixels, four full-resolution components of 2-byte coefficients) fit.
constexpr long kMaxDecoderMemory = 768L << 20;

// The decompressor and what its callbacks share with the decoder. Plain data: libjpeg's errors end
// in a longjmp back to the setjmp of the step that was running, so nothing with a destructor lives
// between that setjmp and the libjpeg calls.
struct JpegReader {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool created;
};

JpegReader& reader_of(j_common_ptr cinfo) {
    // cinfo is the first member of JpegReader.
    return *reinterpret_cast<JpegReader*>(cinfo);
}

[[noreturn]] void on_error(j_common_ptr cinfo) {
    JpegReader& r = reader_of(cinfo);
    (*cinfo->err->format_message)(cinfo, r.message);
    std::longjmp(r.jump, 1);
}

// Warnings (level -1) about corrupt data let libjpeg go on with what it has, and viewers show such
// files; a file that ends early is refused, as a picture missing its lower part. Trace messages
// (levels 0 and up) are not shown.
void on_message(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) on_error(cinfo);
}

void on_progress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number <= kMaxScans) return;
    JpegReader& r = reader_of(cinfo);
    std::snprintf(r.message, sizeof r.message, "more than %d scans", kMaxScans);
    std::longjmp(r.jump, 1);
}

bool read_header(JpegReader& r, const uint8_t* data, size_t size) {
    if (setjmp(r.jump)) return false;
    jpeg_create_decompress(&r.cinfo);
    r.created = true;
    r.cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    r.cinfo.progress = &r.progress;
    jpeg_mem_src(&r.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&r.cinfo, TRUE);
    return true;
}

uint8_t mul255(uint32_t a, uint32_t b) {
    return static_cast<uint8_t>((a * b + 127) / 255);
}

// One row of decoded samples as 0x00RRGGBB pixels. CMYK is turned into RGB as R = (255 - C) x
// (255 - K) / 255, rounded to nearest; files written by Adobe's applications (those with an Adobe
// marker, and every YCCK file) store the CMYK values inverted, so there R = C x K / 255.
void convert_row(const jpeg_decompress_struct& cinfo, const JSAMPLE* in, uint32_t* out) {
    const JDIMENSION width = cinfo.output_width;
    if (cinfo.out_color_space == JCS_GRAYSCALE) {
        for (JDIMENSION x = 0; x < width; ++x)
            out[x] = uint32_t(in[x]) * 0x010101;
    } else if (cinfo.out_color_space == JCS_RGB) {
        for (JDIMENSION x = 0; x < width; ++x, in += 3)
            out[x] = (uint32_t(in[0]) << 16) | (uint32_t(in[1]) << 8) | in[2];
    } else {
        const bool inverted = cinfo.saw_Adobe_marker;
        for (JDIMENSION x = 0; x < width; ++x, in += 4) {
            const uint32_t k = inverted ? in[3] : 255 - in[3];
            const auto channel = [&](uint8_t v) { return mul255(inverted ? v : 255 - v, k); };
            out[x] = (uint32_t(channel(in[0])) << 16) | (uint32_t(channel(in[1])) << 8) | channel(in[2]);
        }
    }
}

// Starts the decompressor: a progressive file's scans are all read here, so truncated data is
// found before the picture's pixels are allocated.
bool start(JpegReader& r) {
    if (setjmp(r.jump)) return false;
    jpeg_start_decompress(&r.cinfo);
    if (r.cinfo.output_width != r.cinfo.image_width || r.cinfo.output_height != r.cinfo.image_height) {
        std::snprintf(r.message, sizeof r.message, "the decoded size differs from the header's");
        std::longjmp(r.jump, 1);
    }
    return true;
}

// Decodes every row into `image`, whose size is the header's. The row buffer belongs to libjpeg's
// memory pool and goes with the decompressor.
bool read_pixels(JpegReader& r, Image32& image) {
    if (setjmp(r.jump)) return false;
    const JDIMENSION row_samples = r.cinfo.output_width * JDIMENSION(r.cinfo.output_components);
    JSAMPARRAY row =
        (*r.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&r.cinfo), JPOOL_IMAGE, row_samples, 1);
    while (r.cinfo.output_scanline < r.cinfo.output_height) {
        const JDIMENSION y = r.cinfo.output_scanline;
        if (jpeg_read_scanlines(&r.cinfo, row, 1) != 1) ERREXIT(&r.cinfo, JERR_BAD_STATE);
        convert_row(r.cinfo, row[0], &image.at(0, int32_t(y)));
    }
    return true;
}

struct JpegDestroyer {
    void operator()(JpegReader* r) const {
        if (r->created) jpeg_destroy_decompress(&r->cinfo);
        delete r;
    }
};

} // namespace

bool looks_like_jpeg(std::span<const uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

Image32 decode_jpeg(std::span<const uint8_t> bytes) {
    if (!looks_like_jpeg(bytes)) broken("no JPEG start of image");
    const std::unique_ptr<JpegReader, JpegDestroyer> r(new JpegReader{});
    r->cinfo.err = jpeg_std_error(&r->errors);
    r->errors.error_exit = on_error;
    r->errors.emit_message = on_message;
    r->progress.progress_monitor = on_progress;
    if (!read_header(*r, bytes.data(), bytes.size())) broken(r->message);

    jpeg_decompress_struct& cinfo = r->cinfo;
    check_image_size(cinfo.image_width, cinfo.image_height);
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        cinfo.out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        break;
    default:
        broken("a colour space of " + std::to_string(cinfo.num_components) + " components is not read");
    }
    // The accurate integer transform and smooth chroma upsampling: libjpeg's defaults, written down
    // because the picture's exact pixels depend on them.
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_fancy_upsampling = TRUE;
    if (!start(*r)) broken(r->message);
    Image32 image = Image32::black(cinfo.image_width, cinfo.image_height);
    if (!read_pixels(*r, image)) broken(r->message);
    return image;
}

} // namespace rt::picture
