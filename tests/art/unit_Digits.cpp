// The display's digit lists: each digit image reads back as its own digit when the centres of
// its seven segments are sampled, and stays inside the area the display layout relies on.
#include "art/Art.h"

#include <gtest/gtest.h>

namespace {

// Segments a..g for the digits 0-9 (bit 0 = a).
const int kPattern[10] = {0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
                          0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111};

struct DigitList {
    const char* name;
    QPoint centres[7]; // a, b, c, d, e, f, g
    bool (*lit)(QRgb);
    bool (*unlit)(QRgb);
};

bool redLit(QRgb c) {
    return qRed(c) >= 200 && qGreen(c) == 0 && qBlue(c) == 0;
}
bool ghost(QRgb c) {
    return (c & 0xFFFFFF) == 0x402B2A;
}
bool cyanLit(QRgb c) {
    return (c & 0xFFFFFF) == 0x00FFFF;
}
bool black(QRgb c) {
    return (c & 0xFFFFFF) == 0;
}

const DigitList kLists[] = {
    {"Form1.ImageList3",
     {{21, 7}, {33, 21}, {31, 51}, {18, 66}, {6, 51}, {8, 21}, {20, 36}},
     redLit,
     ghost},
    {"Form1.ImageList1",
     {{6, 0}, {12, 5}, {12, 16}, {6, 21}, {0, 16}, {0, 5}, {6, 10}},
     cyanLit,
     black},
};

int readDigit(const QImage& img, const DigitList& list) {
    int pattern = 0;
    for (int s = 0; s < 7; ++s) {
        const QRgb c = img.pixel(list.centres[s]);
        if (list.lit(c))
            pattern |= 1 << s;
        else if (!list.unlit(c))
            return -2; // neither lit nor unlit: the centre missed the segment
    }
    for (int d = 0; d < 10; ++d)
        if (kPattern[d] == pattern)
            return d;
    return -1;
}

TEST(Digits, EachImageReadsAsItsDigit) {
    for (const DigitList& list : kLists) {
        SCOPED_TRACE(list.name);
        const std::vector<QImage> images = art::imageList(QString::fromLatin1(list.name));
        ASSERT_GE(images.size(), 10u);
        for (int d = 0; d < 10; ++d)
            EXPECT_EQ(readDigit(images[d], list), d);
    }
}

QRect bounds(const QImage& img, int fromColumn = 0) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = fromColumn; x < img.width(); ++x)
            if (!black(img.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

TEST(Digits, LargeDigitsAreRedOverGhostsInsideTheirArea) {
    const std::vector<QImage> images = art::imageList(u"Form1.ImageList3");
    for (int d = 0; d < 10; ++d) {
        SCOPED_TRACE(d);
        const QImage& img = images[d];
        EXPECT_TRUE(QRect(2, 4, 35, 65).contains(bounds(img)));
        EXPECT_EQ(bounds(images[8]), QRect(2, 4, 35, 65)) << "8 reaches every side";
        int red = 0, edge = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                ASSERT_TRUE(black(c) || ghost(c) || redLit(c)) << x << "," << y;
                red += (c & 0xFFFFFF) == 0xFF0000;
                edge += redLit(c) && qRed(c) < 255;
            }
        }
        EXPECT_GT(red, edge) << "mostly pure red, with darker edges";
        EXPECT_GT(edge, 0);
    }
    // The slant: the top segment starts further right than the bottom one.
    auto firstLit = [&](int row) {
        for (int x = 0; x < 40; ++x)
            if (redLit(images[8].pixel(x, row)))
                return x;
        return -1;
    };
    EXPECT_GE(firstLit(7) - firstLit(66), 2);
}

TEST(Digits, ColonIsTwoDotsAtTheLeftOfItsCell) {
    const QImage colon = art::imageList(u"Form1.ImageList3").at(10);
    EXPECT_TRUE(bounds(colon, 10).isNull()) << "nothing right of column 9";
    EXPECT_EQ(bounds(colon.copy(0, 0, 40, 37)), QRect(2, 23, 7, 7));
    EXPECT_EQ(bounds(colon.copy(0, 37, 40, 37)).translated(0, 37), QRect(2, 44, 7, 7));
    EXPECT_TRUE(redLit(colon.pixel(5, 26)));
    EXPECT_TRUE(redLit(colon.pixel(5, 47)));
}

TEST(Digits, SmallDigitsFillTheirCellWithNoGhosts) {
    const std::vector<QImage> images = art::imageList(u"Form1.ImageList1");
    EXPECT_EQ(bounds(images[8]), QRect(0, 0, 13, 22));
    for (const QImage& img : images)
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ASSERT_TRUE(black(img.pixel(x, y)) || cyanLit(img.pixel(x, y)));
    // Two-pixel segments: the top bar of 7 is rows 0 and 1 only.
    EXPECT_TRUE(cyanLit(images[7].pixel(6, 1)));
    EXPECT_TRUE(black(images[7].pixel(6, 2)));
}

} // namespace
