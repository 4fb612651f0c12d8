// The window backgrounds: baseline 4:2:0 JPEG at their sizes, decoded with libjpeg, showing the
// bevelled grey slab with white outside its corners.
#include "art/Art.h"

#include <QImage>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

struct Frame {
    int marker = 0; // the start-of-frame marker found, 0xC0 for baseline
    int width = 0;
    int height = 0;
    std::vector<int> sampling; // per component, horizontal << 4 | vertical
};

// Walks the marker segments up to the first start-of-frame.
Frame readFrame(const QByteArray& jpeg) {
    Frame f;
    auto byte = [&](qsizetype i) {
        return i < jpeg.size() ? static_cast<unsigned char>(jpeg[i]) : 0;
    };
    if (byte(0) != 0xFF || byte(1) != 0xD8)
        return f;
    qsizetype i = 2;
    while (i + 4 <= jpeg.size() && byte(i) == 0xFF) {
        const int marker = byte(i + 1);
        const int length = byte(i + 2) << 8 | byte(i + 3);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            f.marker = marker;
            f.height = byte(i + 5) << 8 | byte(i + 6);
            f.width = byte(i + 7) << 8 | byte(i + 8);
            const int components = byte(i + 9);
            for (int c = 0; c < components; ++c)
                f.sampling.push_back(byte(i + 11 + 3 * c));
            return f;
        }
        i += 2 + length;
    }
    return f;
}

QImage decode(const QByteArray& jpeg) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    QImage out(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return out;
}

struct Background {
    const char* name;
    int width;
    int height;
    int slabHeight;
    int bevel;
};

const Background kBackgrounds[] = {
    {"Form1.Image1.jpg", 353, 353, 353, 17},
    {"frmActions.Image1.jpg", 353, 482, 474, 17},
    {"frmSetTime.Image1.jpg", 353, 226, 226, 17},
    {"frmMsg.Image1.jpg", 598, 100, 100, 8},
};

TEST(Backgrounds, BaselineJpegWithFourTwoZeroSampling) {
    for (const Background& b : kBackgrounds) {
        SCOPED_TRACE(b.name);
        const Frame f = readFrame(art::data(QString::fromLatin1(b.name)));
        EXPECT_EQ(f.marker, 0xC0);
        EXPECT_EQ(f.width, b.width);
        EXPECT_EQ(f.height, b.height);
        EXPECT_EQ(f.sampling, (std::vector<int>{0x22, 0x11, 0x11}));
    }
}

int grey(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y));
}

TEST(Backgrounds, ShowABevelledSlabOnWhite) {
    for (const Background& b : kBackgrounds) {
        SCOPED_TRACE(b.name);
        const QImage img = decode(art::data(QString::fromLatin1(b.name)));
        ASSERT_EQ(img.size(), QSize(b.width, b.height));
        const int midX = b.width / 2, midY = b.slabHeight / 2;
        const QRgb face = img.pixel(midX, midY);
        EXPECT_NEAR(qRed(face), 173, 3);
        EXPECT_NEAR(qGreen(face), 173, 3);
        EXPECT_NEAR(qBlue(face), 173, 3);
        const int in = b.bevel / 4 + 1; // well inside the bevel, past the outline
        EXPECT_GT(grey(img, midX, in), 215) << "light top edge";
        EXPECT_GT(grey(img, in, midY), 215) << "light left edge";
        EXPECT_LT(grey(img, midX, b.slabHeight - 1 - in), 110) << "dark bottom edge";
        EXPECT_LT(grey(img, b.width - 1 - in, midY), 110) << "dark right edge";
        EXPECT_LT(grey(img, midX, b.slabHeight - 1), 90) << "dark outline";
        EXPECT_NEAR(grey(img, midX, b.bevel + 4), 173, 6) << "bevel ends about where stated";
        EXPECT_GT(grey(img, 0, 0), 240) << "white outside the rounded corner";
        EXPECT_GT(grey(img, b.width - 1, b.slabHeight - 1), 240);
        for (int y = b.slabHeight; y < b.height; ++y)
            EXPECT_GT(grey(img, midX, y), 240) << "white row " << y;
    }
}

} // namespace
