// The program icon: a real .ico with seven images, and the renderings offered for the window.
#include "art/Art.h"

#include <gtest/gtest.h>

namespace {

int u16(const QByteArray& b, qsizetype i) {
    return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8;
}
qint64 u32(const QByteArray& b, qsizetype i) {
    return u16(b, i) | qint64(u16(b, i + 2)) << 16;
}

TEST(Icon, FileHoldsSevenImagesInTheirFormats) {
    const QByteArray ico = art::data(u"MAINICON.ico");
    ASSERT_GE(ico.size(), 6 + 7 * 16);
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1);
    ASSERT_EQ(u16(ico, 4), 7);
    const int sizes[7] = {48, 32, 24, 16, 32, 24, 16};
    const int bits[7] = {8, 8, 8, 8, 32, 32, 32};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const qsizetype e = 6 + 16 * i;
        const int size = sizes[i];
        EXPECT_EQ(static_cast<unsigned char>(ico[e]), size);
        EXPECT_EQ(static_cast<unsigned char>(ico[e + 1]), size);
        EXPECT_EQ(u16(ico, e + 6), bits[i]);
        const qint64 length = u32(ico, e + 8), offset = u32(ico, e + 12);
        ASSERT_LE(offset + length, ico.size());
        const int maskBytes = (size + 31) / 32 * 4 * size;
        const int palette = bits[i] == 8 ? 256 * 4 : 0;
        EXPECT_EQ(length, 40 + palette + size * size * bits[i] / 8 + maskBytes);
        EXPECT_EQ(u32(ico, offset), 40);
        EXPECT_EQ(u32(ico, offset + 4), size);
        EXPECT_EQ(u32(ico, offset + 8), 2 * size) << "colour rows and mask rows";
        EXPECT_EQ(u16(ico, offset + 14), bits[i]);
    }
}

TEST(Icon, RenderingsAreTransparentAroundAnOpaqueDevice) {
    for (int size : {16, 24, 32, 48}) {
        SCOPED_TRACE(size);
        const QImage icon = art::iconImage(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.format(), QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        // Red digits on the screen and blue on the frame.
        bool red = false, blue = false;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb c = icon.pixel(x, y);
                red |= qAlpha(c) == 255 && qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
                blue |= qAlpha(c) == 255 && qBlue(c) > 150 && qRed(c) < 120;
            }
        }
        EXPECT_TRUE(red);
        EXPECT_TRUE(blue);
    }
    EXPECT_EQ(art::iconImage(20).width(), 24) << "the next size up";
    EXPECT_EQ(art::iconImage(256).width(), 48) << "the largest there is";
}

} // namespace
