// Codecs: round trips through our encoders and the libraries, bitmaps built by
// hand, and damaged input of every format.
#include "pictures/PictureFixtures.h"

#include "base/ByteWriter.h"
#include "model/pictures/BmpCodec.h"
#include "model/pictures/GifCodec.h"
#include "model/pictures/JpegCodec.h"
#include "model/pictures/PictureDecoder.h"
#include "model/pictures/PngCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quor {
namespace {

using test::Pattern;

constexpr std::uint32_t kRed = 0xFF0000FF, kGreen = 0x00FF00FF, kBlue = 0x0000FFFF, kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kClear = 0x00000000;

TEST(GifCodec, RoundTripKeepsColoursAndTransparency)
{
    TUVApicture pic = Pattern(5, 3, {kRed, kGreen, kBlue});
    pic.SetPixel(0, 0, kClear);
    pic.SetPixel(4, 2, kClear);
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeGif(pic, bytes, error)) << error;

    TUVApicture back;
    ASSERT_TRUE(DecodeGif(bytes, back, error)) << error;
    EXPECT_EQ(back.Format(), PictureFormat::Gif);
    EXPECT_TRUE(back.Transparent());
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back.Pixel(x, y), pic.Pixel(x, y)) << x << "," << y;
}

TEST(GifCodec, OpaquePictureHasNoTransparencyFlag)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeGif(Pattern(2, 2, {kRed, kWhite}), bytes, error));
    TUVApicture back;
    ASSERT_TRUE(DecodeGif(bytes, back, error));
    EXPECT_FALSE(back.Transparent());
}

TEST(GifCodec, AnimationKeepsFramesAndDelays)
{
    TUVApicture pic = Pattern(4, 4, {kRed});
    ASSERT_TRUE(pic.AddFrame(kGreen, 200));
    ASSERT_TRUE(pic.AddFrame(kBlue, 50));
    pic.Frames()[0].delayMs = 100;
    pic.SetPixel(1, 1, kClear, 2);
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeGif(pic, bytes, error)) << error;

    TUVApicture back;
    ASSERT_TRUE(DecodeGif(bytes, back, error)) << error;
    ASSERT_EQ(back.FrameCount(), 3);
    EXPECT_EQ(back.Frames()[0].delayMs, 100);
    EXPECT_EQ(back.Frames()[1].delayMs, 200);
    EXPECT_EQ(back.Frames()[2].delayMs, 50);
    EXPECT_EQ(back.Pixel(2, 2, 0), kRed);
    EXPECT_EQ(back.Pixel(2, 2, 1), kGreen);
    EXPECT_EQ(back.Pixel(2, 2, 2), kBlue);
    // A transparent pixel of a later frame does not show the frame before it.
    EXPECT_EQ(back.Pixel(1, 1, 2), kClear);
}

TEST(GifCodec, ManyColoursAreReducedToAPalette)
{
    TUVApicture pic(PictureFormat::None, 64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            pic.SetPixel(x, y, (static_cast<std::uint32_t>(x * 4) << 24) | (static_cast<std::uint32_t>(y * 4) << 16) |
                                   (static_cast<std::uint32_t>((x + y) * 2) << 8) | 0xFF);
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeGif(pic, bytes, error)) << error;
    TUVApicture back;
    ASSERT_TRUE(DecodeGif(bytes, back, error)) << error;
    long totalError = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            for (int shift : {24, 16, 8})
                totalError += std::abs(static_cast<int>((back.Pixel(x, y) >> shift) & 0xFF) -
                                       static_cast<int>((pic.Pixel(x, y) >> shift) & 0xFF));
    EXPECT_LT(totalError / (64 * 64 * 3), 12);   // average error per channel
}

TEST(GifCodec, TransparencySwitchUsesBottomLeftColour)
{
    TUVApicture pic = Pattern(3, 3, {kWhite});
    pic.SetPixel(0, 2, kBlue);   // bottom-left
    pic.SetPixel(2, 0, kBlue);
    pic.SetPixel(1, 1, kRed);
    std::vector<std::uint8_t> opaque, on, off;
    std::string error;
    ASSERT_TRUE(EncodeGif(pic, opaque, error));
    ASSERT_TRUE(SetGifTransparency(opaque, true, on, error)) << error;

    TUVApicture back;
    ASSERT_TRUE(DecodeGif(on, back, error));
    EXPECT_TRUE(back.Transparent());
    EXPECT_EQ(back.Pixel(0, 2), kClear);
    EXPECT_EQ(back.Pixel(2, 0), kClear);
    EXPECT_EQ(back.Pixel(1, 1), kRed);
    EXPECT_EQ(back.Pixel(1, 0), kWhite);

    ASSERT_TRUE(SetGifTransparency(on, false, off, error)) << error;
    ASSERT_TRUE(DecodeGif(off, back, error));
    EXPECT_FALSE(back.Transparent());
    EXPECT_EQ(back.Pixel(0, 2), kBlue);
}

TEST(JpegCodec, EncodedPictureDecodesCloseToTheOriginal)
{
    TUVApicture pic(PictureFormat::None, 16, 8, 0x4080C0FF);
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeJpeg(pic, bytes, error, 95)) << error;
    EXPECT_EQ(SniffPictureFormat(bytes), PictureFormat::Jpeg);

    TUVApicture back;
    ASSERT_TRUE(DecodePicture(bytes, back, error)) << error;
    EXPECT_EQ(back.Format(), PictureFormat::Jpeg);
    ASSERT_EQ(back.Width(), 16);
    ASSERT_EQ(back.Height(), 8);
    const std::uint32_t p = back.Pixel(7, 3);
    EXPECT_NEAR(static_cast<int>(p >> 24), 0x40, 4);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 0x80, 4);
    EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 0xC0, 4);
    EXPECT_EQ(p & 0xFF, 0xFFu);
}

TEST(PngCodec, RoundTripIsExactWithAlpha)
{
    TUVApicture pic = Pattern(3, 2, {kRed, 0x11223380, kClear});
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodePng(pic, bytes, error)) << error;
    TUVApicture back;
    ASSERT_TRUE(DecodePicture(bytes, back, error)) << error;
    EXPECT_EQ(back.Format(), PictureFormat::Png);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(back.Pixel(x, y), pic.Pixel(x, y));
}

// --- bitmaps built by hand ---

std::vector<std::uint8_t> Bitmap(std::int32_t w, std::int32_t h, std::uint16_t bits, std::uint32_t compression,
                                 const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& rows)
{
    ByteWriter out;
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size()) * 4;
    out.U16(0x4D42);
    out.U32(offset + static_cast<std::uint32_t>(rows.size()));
    out.U32(0);
    out.U32(offset);
    out.U32(40);
    out.I32(w);
    out.I32(h);
    out.U16(1);
    out.U16(bits);
    out.U32(compression);
    out.U32(static_cast<std::uint32_t>(rows.size()));
    out.I32(0);
    out.I32(0);
    out.U32(static_cast<std::uint32_t>(palette.size()));
    out.U32(0);
    for (std::uint32_t bgr0 : palette)
        out.U32(bgr0);
    out.Bytes(rows);
    return out.Data();
}

struct BmpCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> pixels;   // 2 x 2, rows top to bottom
};

class BmpDecoding : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpDecoding, GivesThePixels)
{
    const BmpCase& c = GetParam();
    TUVApicture pic;
    std::string error;
    ASSERT_TRUE(DecodeBmp(c.bytes, pic, error)) << error;
    ASSERT_EQ(pic.Width(), 2);
    ASSERT_EQ(pic.Height(), 2);
    EXPECT_EQ((std::vector<std::uint32_t>{pic.Pixel(0, 0), pic.Pixel(1, 0), pic.Pixel(0, 1), pic.Pixel(1, 1)}), c.pixels);
}

// Palette entries are 0x00RRGGBB as stored (blue byte first).
INSTANTIATE_TEST_SUITE_P(
    Layouts, BmpDecoding,
    ::testing::Values(
        // 24 bits, bottom-up: the first stored row is the bottom one; rows padded to 4 bytes.
        BmpCase{"24 bit", Bitmap(2, 2, 24, 0, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}),
                {kBlue, kWhite, kRed, kGreen}},
        // 8 bits, top-down (negative height).
        BmpCase{"8 bit top-down", Bitmap(2, -2, 8, 0, {0xFF0000, 0x00FF00}, {0, 1, 0, 0, 1, 1, 0, 0}),
                {kRed, kGreen, kGreen, kGreen}},
        // 1 bit: bit 7 is the first pixel.
        BmpCase{"1 bit", Bitmap(2, 2, 1, 0, {0x000000, 0xFFFFFF}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}),
                {0x000000FF, kWhite, kWhite, 0x000000FF}},
        // 4 bits.
        BmpCase{"4 bit", Bitmap(2, 2, 4, 0, {0x0000FF, 0xFF0000, 0x00FF00}, {0x12, 0, 0, 0, 0x20, 0, 0, 0}),
                {kGreen, kBlue, kRed, kGreen}},
        // 16 bits 5-5-5.
        BmpCase{"16 bit", Bitmap(2, 2, 16, 0, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0xFF, 0x7F}),
                {kBlue, kWhite, kRed, kGreen}},
        // RLE8: a run of two pixels of colour 1 on the bottom row, end of line,
        // then runs of one pixel of colours 2 and 1 on the top row, end of bitmap.
        BmpCase{"RLE8", Bitmap(2, 2, 8, 1, {0x000000, 0xFF0000, 0x00FF00}, {2, 1, 0, 0, 1, 2, 1, 1, 0, 1}),
                {kGreen, kRed, kRed, kRed}}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (auto& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(BmpCodec, WrittenBitmapReadsBackOverWhite)
{
    TUVApicture pic = Pattern(3, 2, {kRed, kGreen, kClear});
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeBmp(pic, bytes, error));
    TUVApicture back;
    ASSERT_TRUE(DecodePicture(bytes, back, error)) << error;
    EXPECT_EQ(back.Pixel(0, 0), kRed);
    EXPECT_EQ(back.Pixel(1, 0), kGreen);
    EXPECT_EQ(back.Pixel(2, 0), kWhite);   // the clear pixel lands on white
}

// --- damaged input ---

struct BadCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
};

class DamagedPicture : public ::testing::TestWithParam<BadCase> {};

TEST_P(DamagedPicture, IsRefusedWithAReason)
{
    TUVApicture pic;
    std::string error;
    EXPECT_FALSE(DecodePicture(GetParam().bytes, pic, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(pic.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DamagedPicture,
    ::testing::Values(
        BadCase{"empty", {}},
        BadCase{"unknown signature", {'h', 'e', 'l', 'l', 'o'}},
        // GIF header that ends before the screen descriptor.
        BadCase{"gif header only", {'G', 'I', 'F', '8', '9', 'a', 1}},
        // GIF screen of 65535 x 65535 with no image at all.
        BadCase{"gif without image", {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x3B}},
        // JPEG start-of-image marker and nothing else.
        BadCase{"jpeg marker only", {0xFF, 0xD8, 0xFF}},
        // PNG signature without chunks.
        BadCase{"png signature only", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
        // Bitmap claiming 100000 x 100000 pixels.
        BadCase{"bmp too large", Bitmap(100000, 100000, 24, 0, {}, {0, 0, 0, 0})},
        // 8-bit bitmap without a palette (pixel offset right after the header).
        BadCase{"bmp no palette", Bitmap(2, 2, 8, 0, {}, {})},
        // Bitmap with 7 bits per pixel.
        BadCase{"bmp odd depth", Bitmap(2, 2, 7, 0, {}, {0, 0, 0, 0})},
        // RLE8 declared on a 24-bit bitmap.
        BadCase{"bmp rle on 24 bits", Bitmap(2, 2, 24, 1, {}, {0, 0, 0, 0})}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (auto& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

// Every prefix of a valid file, and the file with bytes flipped, decodes or
// fails cleanly (run under the sanitizers this finds reads out of bounds).
TEST(DamagedPicture, TruncatedAndCorruptedFilesNeverCrash)
{
    TUVApicture pic = Pattern(9, 7, {kRed, kGreen, kBlue, kClear});
    pic.AddFrame(kWhite, 30);
    std::vector<std::vector<std::uint8_t>> files(4);
    std::string error;
    ASSERT_TRUE(EncodeGif(pic, files[0], error));
    ASSERT_TRUE(EncodeJpeg(pic, files[1], error));
    ASSERT_TRUE(EncodePng(pic, files[2], error));
    ASSERT_TRUE(EncodeBmp(pic, files[3], error));
    std::mt19937 rng(7);
    for (const auto& file : files) {
        for (std::size_t n = 0; n < file.size(); ++n) {
            TUVApicture out;
            std::string why;
            DecodePicture(std::span(file.data(), n), out, why);
        }
        for (int round = 0; round < 200; ++round) {
            std::vector<std::uint8_t> bad = file;
            for (int k = 0; k < 3; ++k)
                bad[rng() % bad.size()] = static_cast<std::uint8_t>(rng());
            TUVApicture out;
            std::string why;
            if (DecodePicture(bad, out, why) && !out.Frames().empty()) {
                EXPECT_EQ(out.Frames()[0].rgba.size(), static_cast<std::size_t>(out.Width()) * out.Height() * 4);
            }
        }
    }
}

} // namespace
} // namespace quor
