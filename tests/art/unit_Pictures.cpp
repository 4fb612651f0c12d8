// Button pictures and image lists: sizes, key colours, the grey-glyph rule that the hover
// recolouring relies on, and the equalities between lists and the buttons they restore.
#include "art/Art.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kPureRed = 0xFFFF0000;

struct PictureCase {
    const char* name;
    int width;
    int height;
    QRgb key;    // bottom-left pixel, the transparent colour
    int lowGrey; // glyph greys lie within [lowGrey, highGrey]; 0 for the black-on-silver glyphs
    int highGrey;
};

const PictureCase kPictures[] = {
    {"Form1.HoverImage1", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage2", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage3", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage4", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage5", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage6", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage7", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage8", 48, 32, kBlack, 94, 169},
    {"Form1.HoverImage9", 12, 10, kSilver, 0, 0},
    {"Form1.HoverImage10", 12, 10, kSilver, 0, 0},
    {"CloseGlyph", 12, 10, kSilver, 0, 0},
    {"frmSetTime.SpeedButton3", 12, 10, kSilver, 0, 0},
    {"frmMsg.SpeedButton1", 12, 10, kSilver, 0, 0},
    {"frmActions.HoverImage1", 48, 32, kBlack, 94, 169},
    {"frmActions.HoverImage2", 48, 32, kBlack, 94, 169},
    {"frmActions.HoverImage3", 48, 32, kBlack, 94, 169},
    {"frmActions.HoverImage4", 24, 24, kBlack, 98, 200},
    {"frmActions.HoverImage5", 24, 24, kBlack, 98, 200},
    {"frmActions.HoverImage6", 32, 32, kBlack, 98, 165},
    {"frmActions.HoverImage7", 48, 32, kBlack, 94, 169},
    {"frmSetTime.HoverImage1", 48, 32, kBlack, 94, 169},
    {"frmSetTime.HoverImage2", 48, 32, kBlack, 94, 169},
};

bool isGrey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

// Checks the picture against its case; returns a description of the first fault found.
std::string pictureFault(const QImage& img, const PictureCase& c) {
    if (img.format() != QImage::Format_RGB32)
        return "not RGB32";
    if (img.width() != c.width || img.height() != c.height)
        return "wrong size";
    if (img.pixel(0, img.height() - 1) != c.key)
        return "wrong bottom-left key colour";
    int top = 255, bottom = 0, glyphPixels = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == kPureRed)
                return "pure red at " + std::to_string(x) + "," + std::to_string(y);
            if (c.lowGrey == 0) {
                if (p != kBlack && p != kSilver)
                    return "not black or silver";
                continue;
            }
            if (p == kBlack)
                continue;
            ++glyphPixels;
            if (!isGrey(p) || qRed(p) < c.lowGrey || qRed(p) > c.highGrey)
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is no glyph grey";
            if (c.width == 48 && (x < 6 || x > 41))
                return "glyph outside the middle 36 columns";
            top = std::min(top, qRed(p));
            bottom = std::max(bottom, qRed(p));
        }
    }
    if (c.lowGrey != 0) {
        if (glyphPixels < 40)
            return "almost no glyph";
        // A real gradient from the top grey down to the bottom grey, not one flat shade.
        if (bottom < c.highGrey - 4 || top > c.lowGrey + 4)
            return "greys do not span the gradient";
    }
    return {};
}

TEST(Pictures, SizesKeyColoursAndGlyphGreys) {
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.name);
        const QImage img = art::picture(QString::fromLatin1(c.name));
        EXPECT_EQ(pictureFault(img, c), "");
    }
}

TEST(Pictures, GlyphGradientRunsFromTopToBottom) {
    for (const PictureCase& c : kPictures) {
        if (c.lowGrey == 0)
            continue;
        SCOPED_TRACE(c.name);
        const QImage img = art::picture(QString::fromLatin1(c.name));
        int previous = 256;
        for (int y = 0; y < img.height(); ++y) {
            int rowGrey = -1;
            for (int x = 0; x < img.width(); ++x) {
                const int g = qRed(img.pixel(x, y));
                if (g == 0)
                    continue;
                if (rowGrey < 0)
                    rowGrey = g;
                EXPECT_EQ(g, rowGrey) << "one grey per row, at " << x << "," << y;
            }
            if (rowGrey >= 0) {
                EXPECT_LE(rowGrey, previous) << "row " << y;
                previous = rowGrey;
            }
        }
    }
}

TEST(Pictures, UnknownNamesAreEmpty) {
    EXPECT_TRUE(art::picture(u"Form1.HoverImage11").isNull());
    EXPECT_TRUE(art::picture(u"").isNull());
    EXPECT_TRUE(art::imageList(u"Form1.ImageList4").empty());
    EXPECT_TRUE(art::data(u"Form1.Image2.jpg").isEmpty());
    EXPECT_TRUE(art::picture(u"Form1.ImageList1").isNull()) << "a list is no picture";
}

TEST(Pictures, WritingToAPictureLeavesTheEmbeddedOneAlone) {
    QImage img = art::picture(u"Form1.HoverImage4");
    img.fill(kPureRed);
    EXPECT_NE(art::picture(u"Form1.HoverImage4").pixel(24, 16), kPureRed);
}

std::vector<QPoint> blackPixels(const QImage& img) {
    std::vector<QPoint> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == kBlack)
                out.emplace_back(x, y);
    return out;
}

TEST(Pictures, MinimiseGlyphIsABarAtColumnsTwoToSevenRowsSevenAndEight) {
    const std::vector<QPoint> black = blackPixels(art::picture(u"Form1.HoverImage10"));
    ASSERT_EQ(black.size(), 12u);
    for (QPoint p : black) {
        EXPECT_GE(p.x(), 2);
        EXPECT_LE(p.x(), 7);
        EXPECT_GE(p.y(), 7);
        EXPECT_LE(p.y(), 8);
    }
}

TEST(Pictures, CloseGlyphIsAnXOfTwoPixelStrokes) {
    const QImage img = art::picture(u"Form1.HoverImage9");
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inX =
                y >= 1 && y <= 7 &&
                ((x - 2 == y - 1 || x - 3 == y - 1) || (9 - x == y - 1 || 8 - x == y - 1));
            EXPECT_EQ(img.pixel(x, y), inX ? kBlack : kSilver) << x << "," << y;
        }
    }
    EXPECT_EQ(art::picture(u"CloseGlyph"), img);
    EXPECT_EQ(art::picture(u"frmMsg.SpeedButton1"), img);
}

struct ListCase {
    const char* name;
    int count;
    int width;
    int height;
};

TEST(ImageLists, CountsAndCellSizes) {
    const ListCase cases[] = {
        {"Form1.ImageList1", 10, 13, 22},     {"Form1.ImageList2", 8, 48, 32},
        {"Form1.ImageList3", 11, 40, 74},     {"frmActions.ImageList1", 4, 32, 32},
        {"frmActions.ImageList2", 1, 24, 24}, {"frmSetTime.ImageList1", 2, 32, 32},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<QImage> list = art::imageList(QString::fromLatin1(c.name));
        ASSERT_EQ(int(list.size()), c.count);
        for (const QImage& img : list) {
            EXPECT_EQ(img.size(), QSize(c.width, c.height));
            EXPECT_EQ(img.format(), QImage::Format_RGB32);
        }
    }
}

TEST(ImageLists, ButtonListImagesFollowTheGreyRule) {
    const char* lists[] = {"Form1.ImageList2", "frmActions.ImageList1", "frmSetTime.ImageList1"};
    for (const char* name : lists) {
        for (const QImage& img : art::imageList(QString::fromLatin1(name))) {
            SCOPED_TRACE(name);
            EXPECT_EQ(pictureFault(img, {name, img.width(), img.height(), kBlack, 94, 169}), "");
        }
    }
    const QImage folder = art::imageList(u"frmActions.ImageList2").at(0);
    EXPECT_EQ(pictureFault(folder, {"open folder", 24, 24, kBlack, 98, 200}), "");
}

TEST(ImageLists, MainCommandListHoldsEachButtonsPicture) {
    const char* buttons[8] = {"Form1.HoverImage4", "Form1.HoverImage5", "Form1.HoverImage1",
                              "Form1.HoverImage3", "Form1.HoverImage2", "Form1.HoverImage6",
                              "Form1.HoverImage7", "Form1.HoverImage8"};
    const std::vector<QImage> list = art::imageList(u"Form1.ImageList2");
    ASSERT_EQ(list.size(), 8u);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(list[k], art::picture(QString::fromLatin1(buttons[k]))) << "index " << k;
    for (int k = 1; k < 8; ++k)
        EXPECT_NE(list[k], list[k - 1]) << "index " << k;
}

TEST(ImageLists, DialogButtonsHoldTheirListImageBetweenBlackColumns) {
    struct Case {
        const char* button;
        const char* list;
        int index;
    };
    const Case cases[] = {
        {"frmActions.HoverImage1", "frmActions.ImageList1", 0},
        {"frmActions.HoverImage2", "frmActions.ImageList1", 1},
        {"frmActions.HoverImage3", "frmActions.ImageList1", 2},
        {"frmActions.HoverImage7", "frmActions.ImageList1", 3},
        {"frmSetTime.HoverImage1", "frmSetTime.ImageList1", 0},
        {"frmSetTime.HoverImage2", "frmSetTime.ImageList1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const QImage wide = art::picture(QString::fromLatin1(c.button));
        const QImage cell = art::imageList(QString::fromLatin1(c.list)).at(c.index);
        EXPECT_EQ(wide.copy(8, 0, 32, 32), cell);
        for (int y = 0; y < 32; ++y)
            for (int x : {0, 1, 2, 3, 4, 5, 6, 7, 40, 41, 42, 43, 44, 45, 46, 47})
                EXPECT_EQ(wide.pixel(x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(art::picture(u"frmActions.HoverImage4"),
              art::imageList(u"frmActions.ImageList2").at(0));
    EXPECT_EQ(art::picture(u"frmActions.HoverImage5"),
              art::imageList(u"frmActions.ImageList2").at(0));
}

} // namespace
