#include "model/pictures/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace quor {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: we
// jump back to the codec function, whose C++ objects all live outside the jump.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {}   // warnings of damaged data: decode what is there

} // namespace

bool DecodeJpeg(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    std::vector<std::uint8_t> row;
    TUVApicture pic;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        error = std::string("damaged JPEG: ") + err.message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (!TUVApicture::SizeAllowed(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        error = "JPEG picture empty or too large";
        return false;
    }
    jpeg_start_decompress(&cinfo);
    const int components = cinfo.output_components;
    if ((components != 3 && components != 4) ||
        !TUVApicture::SizeAllowed(cinfo.output_width, cinfo.output_height)) {
        jpeg_destroy_decompress(&cinfo);
        error = "unsupported JPEG colour layout";
        return false;
    }
    pic = TUVApicture(PictureFormat::Jpeg, static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    row.resize(static_cast<std::size_t>(cinfo.output_width) * static_cast<std::size_t>(components));
    // Adobe CMYK JPEGs store inverted values.
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;
    auto& rgba = pic.Frames()[0].rgba;
    while (cinfo.output_scanline < cinfo.output_height) {
        const std::size_t y = cinfo.output_scanline;
        JSAMPROW rows[1] = {row.data()};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1)
            break;
        std::uint8_t* dst = rgba.data() + y * cinfo.output_width * 4;
        for (std::size_t x = 0; x < cinfo.output_width; ++x) {
            const std::uint8_t* s = row.data() + x * static_cast<std::size_t>(components);
            if (components == 3) {
                dst[x * 4] = s[0];
                dst[x * 4 + 1] = s[1];
                dst[x * 4 + 2] = s[2];
            } else {
                const int c = inverted ? s[0] : 255 - s[0], m = inverted ? s[1] : 255 - s[1];
                const int ye = inverted ? s[2] : 255 - s[2], k = inverted ? s[3] : 255 - s[3];
                dst[x * 4] = static_cast<std::uint8_t>(c * k / 255);
                dst[x * 4 + 1] = static_cast<std::uint8_t>(m * k / 255);
                dst[x * 4 + 2] = static_cast<std::uint8_t>(ye * k / 255);
            }
            dst[x * 4 + 3] = 0xFF;
        }
    }
    // Rows missing from a truncated file stay transparent; the picture is still shown.
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    out = std::move(pic);
    return true;
}

bool EncodeJpeg(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error, int quality)
{
    if (picture.IsEmpty() || picture.Frames().empty()) {
        error = "empty picture";
        return false;
    }
    if (picture.Width() > JPEG_MAX_DIMENSION || picture.Height() > JPEG_MAX_DIMENSION) {
        error = "picture too large for a JPEG";
        return false;
    }
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.Width()) * 3);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        error = std::string("JPEG writing failed: ") + err.message;
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(picture.Width());
    cinfo.image_height = static_cast<JDIMENSION>(picture.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::max(1, std::min(quality, 100)), TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const auto& rgba = picture.Frames()[0].rgba;
    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint8_t* src = rgba.data() + static_cast<std::size_t>(cinfo.next_scanline) * static_cast<std::size_t>(picture.Width()) * 4;
        for (std::size_t x = 0; x < static_cast<std::size_t>(picture.Width()); ++x) {
            const int a = src[x * 4 + 3];
            for (int c = 0; c < 3; ++c)   // composed over white
                row[x * 3 + static_cast<std::size_t>(c)] = static_cast<std::uint8_t>((src[x * 4 + static_cast<std::size_t>(c)] * a + 255 * (255 - a)) / 255);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    out.assign(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return true;
}

} // namespace quor
