#include "platform/Jpeg.h"

#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <csetjmp>
#include <memory>

namespace vq {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to the
// function that called the library; C++ exceptions must not pass through the library's C frames.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings about slightly damaged data are no reason to bother the pupil.
void IgnoreMessage(j_common_ptr) {}

void UseErrors(JpegErrors& errors) {
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpOnError;
    errors.manager.output_message = IgnoreMessage;
}

// Everything the library touches lives on the heap, so that nothing the jump skips is a local
// variable changed after setjmp.
struct Compression {
    jpeg_compress_struct info{};
    JpegErrors errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~Compression() { std::free(buffer); }
};

struct Decompression {
    jpeg_decompress_struct info{};
    JpegErrors errors;
};

void CheckImage(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        throw PlatformError("JPEG画像にする絵の大きさが正しくありません");
}

enum class Read { HeaderOnly, Pixels };

struct Decoded {
    PictureSize size;
    RgbImage image;
};

// The header's size and, when asked, the pixels of a picture no larger than largest; the size is
// checked before anything is allocated for the pixels.
Decoded Decode(std::string_view bytes, PictureSize largest, Read what) {
    if (bytes.empty()) throw PlatformError("JPEG画像が空です");
    auto d = std::make_unique<Decompression>();
    auto decoded = std::make_unique<Decoded>();
    d->info.err = &d->errors.manager;
    UseErrors(d->errors);
    if (setjmp(d->errors.jump)) {
        jpeg_destroy_decompress(&d->info);
        throw PlatformError(std::string("JPEG画像を読めません (") + d->errors.message + ")");
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d->info, TRUE);
    decoded->size = {static_cast<int>(d->info.image_width), static_cast<int>(d->info.image_height)};
    if (what == Read::HeaderOnly) {
        jpeg_destroy_decompress(&d->info);
        return std::move(*decoded);
    }
    if (Exceeds(decoded->size, largest)) {
        jpeg_destroy_decompress(&d->info);
        throw PlatformError(TooLargeText(decoded->size, largest));
    }
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    RgbImage& image = decoded->image;
    image.width = static_cast<int>(d->info.output_width);
    image.height = static_cast<int>(d->info.output_height);
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW row = image.pixels.data() + d->info.output_scanline * stride;
        jpeg_read_scanlines(&d->info, &row, 1);
    }
    jpeg_finish_decompress(&d->info);
    jpeg_destroy_decompress(&d->info);
    return std::move(*decoded);
}

} // namespace

std::string EncodeJpeg(const RgbImage& image, int quality) {
    CheckImage(image);
    auto c = std::make_unique<Compression>();
    c->info.err = &c->errors.manager;
    UseErrors(c->errors);
    if (setjmp(c->errors.jump)) {
        jpeg_destroy_compress(&c->info);
        throw PlatformError(std::string("JPEG画像を作れません (") + c->errors.message + ")");
    }
    jpeg_create_compress(&c->info);
    jpeg_mem_dest(&c->info, &c->buffer, &c->size);
    c->info.image_width = static_cast<JDIMENSION>(image.width);
    c->info.image_height = static_cast<JDIMENSION>(image.height);
    c->info.input_components = 3;
    c->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c->info);
    jpeg_set_quality(&c->info, quality < 1 ? 1 : quality > 100 ? 100 : quality, TRUE);
    jpeg_start_compress(&c->info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    while (c->info.next_scanline < c->info.image_height) {
        // The library only reads the row; its interface predates const.
        JSAMPROW row = const_cast<JSAMPROW>(image.pixels.data() + c->info.next_scanline * stride);
        jpeg_write_scanlines(&c->info, &row, 1);
    }
    jpeg_finish_compress(&c->info);
    jpeg_destroy_compress(&c->info);
    return std::string(reinterpret_cast<const char*>(c->buffer), c->size);
}

PictureSize JpegSize(std::string_view bytes) { return Decode(bytes, {}, Read::HeaderOnly).size; }

RgbImage DecodeJpeg(std::string_view bytes, PictureSize largest) {
    return std::move(Decode(bytes, largest, Read::Pixels).image);
}

void WriteJpegFile(const std::string& path, const RgbImage& image, int quality) {
    RewriteFile(path, EncodeJpeg(image, quality));
}

RgbImage ReadJpegFile(const std::string& path, PictureSize largest) {
    const std::string bytes = ReadAll(path);
    try {
        return DecodeJpeg(bytes, largest);
    } catch (const PlatformError& e) {
        throw PlatformError(std::string(e.what()) + ": " + Cp932ToUtf8(path));
    }
}

} // namespace vq
