// Bitmaps read and written in colour words, transparent and centred pictures, image lists,
// paint boxes that keep their drawing and repaint alone, and JPEG decoding.
#include "art/Art.h"
#include "support/Wait.h"
#include "toolkit/Jpeg.h"
#include "toolkit/TImage.h"
#include "toolkit/TImageList.h"
#include "toolkit/TPaintBox.h"
#include "toolkit/TPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage solid(int w, int h, QRgb rgb) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(rgb);
    return img;
}

TColor at(const QImage& img, int x, int y) {
    return ColorFromRgb32(img.pixel(x, y)) & 0xFFFFFF;
}

// A window whose paints are counted, painted in a colour no picture uses.
struct Ground : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter(this).fillRect(rect(), QColor(0, 0, 255));
    }
};

} // namespace

TEST(Bitmap, PixelsAreColourWordsWithRedLowest) {
    TBitmap bmp;
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), TCanvas::InvalidColor);
    bmp.SetImage(solid(3, 2, qRgb(1, 2, 3)));
    EXPECT_EQ(TColor(bmp.Canvas()->Pixels(2, 1)), RGBToColor(1, 2, 3));
    bmp.Canvas()->Pixels(1, 0) = clRed;
    EXPECT_EQ(bmp.image().pixel(1, 0), qRgb(255, 0, 0));
    // Writing outside changes nothing and reads give the invalid colour.
    bmp.Canvas()->Pixels(3, 0) = clRed;
    bmp.Canvas()->Pixels(-1, 0) = clRed;
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 2), TCanvas::InvalidColor);

    int changes = 0;
    bmp.OnChange = [&] {
        ++changes;
    };
    bmp.Canvas()->Pixels(0, 0) = clAqua;
    bmp.Assign(nullptr);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(bmp.Width(), 0);
}

TEST(Bitmap, AnAlphaByteIsIgnored) {
    QImage argb(1, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(10, 20, 30, 0));
    TBitmap bmp;
    bmp.SetImage(argb);
    EXPECT_EQ(TColor(bmp.Canvas()->Pixels(0, 0)) & 0xFFFFFF, RGBToColor(10, 20, 30));
}

TEST(Image, TransparentSkipsTheBottomLeftColourAndCentreCutsTheMiddle) {
    Ground ground;
    ground.resize(40, 40);
    auto* image = new TImage(&ground, "Image");
    image->SetBounds(2, 2, 36, 36);
    // 48 x 32, black with a grey block and a silver pixel at its middle.
    QImage pic = solid(48, 32, qRgb(0, 0, 0));
    for (int y = 10; y < 20; ++y)
        for (int x = 20; x < 30; ++x)
            pic.setPixel(x, y, qRgb(150, 150, 150));
    pic.setPixel(6, 0, qRgb(192, 192, 192));
    image->Picture()->SetImage(pic);
    image->SetCenter(true);

    QImage shot = ground.grab().toImage();
    // Centred by (36 - 48) / 2 = -6 and (36 - 32) / 2 = 2: picture (6, 0) lands at (0, 2).
    EXPECT_EQ(at(shot, 2 + 0, 2 + 2), RGBToColor(192, 192, 192));
    EXPECT_EQ(at(shot, 2 + 14, 2 + 12), RGBToColor(150, 150, 150));
    EXPECT_EQ(at(shot, 2 + 1, 2 + 10), clBlack);

    image->SetTransparent(true);
    shot = ground.grab().toImage();
    EXPECT_EQ(at(shot, 2 + 1, 2 + 10), RGBToColor(0, 0, 255)); // black is the key: not drawn
    EXPECT_EQ(at(shot, 2 + 14, 2 + 12), RGBToColor(150, 150, 150));
    // Recolouring in place shows at once, and the key follows the bottom-left pixel.
    image->Picture()->Bitmap()->Canvas()->Pixels(0, 31) = clSilver;
    shot = ground.grab().toImage();
    EXPECT_EQ(at(shot, 2 + 0, 2 + 2), RGBToColor(0, 0, 255));
    EXPECT_EQ(at(shot, 2 + 1, 2 + 10), clBlack);
}

TEST(Image, AutoSizeTakesThePictureSize) {
    QWidget parent;
    TImage image(&parent, "Image");
    image.SetBounds(0, 0, 10, 10);
    image.SetAutoSize(true);
    image.Picture()->SetImage(solid(24, 20, qRgb(0, 0, 0)));
    EXPECT_EQ(image.size(), QSize(24, 20));
}

TEST(ImageList, CopiesAndDrawsWholeCellsByIndex) {
    TImageList list(nullptr, "List", 4, 3);
    list.Add(solid(4, 3, qRgb(0, 255, 255)));
    list.Add(solid(6, 6, qRgb(255, 0, 0))); // cut to the cell
    list.Add(solid(2, 2, qRgb(0, 255, 0))); // padded with black
    ASSERT_EQ(list.Count(), 3);

    TBitmap bmp;
    list.GetBitmap(1, &bmp);
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.Height(), 3);
    EXPECT_EQ(TColor(bmp.Canvas()->Pixels(3, 2)), clRed);
    // Changing the copy leaves the list alone.
    bmp.Canvas()->Pixels(0, 0) = clBlack;
    EXPECT_EQ(at(list.image(1), 0, 0), clRed);
    list.GetBitmap(2, &bmp);
    EXPECT_EQ(TColor(bmp.Canvas()->Pixels(3, 2)), clBlack);

    // Outside the list nothing happens: an emptied bitmap stays empty.
    bmp.Assign(nullptr);
    list.GetBitmap(3, &bmp);
    list.GetBitmap(-1, &bmp);
    EXPECT_TRUE(bmp.Empty());

    QImage target = solid(10, 5, qRgb(9, 9, 9));
    TCanvas canvas(&target, {});
    list.Draw(&canvas, 1, 1, 0);
    list.Draw(&canvas, 8, 0, 2); // partly outside: clipped
    list.Draw(&canvas, 0, 0, 7); // no such image
    EXPECT_EQ(at(target, 1, 1), clAqua);
    EXPECT_EQ(at(target, 4, 3), clAqua);
    EXPECT_EQ(at(target, 0, 0), RGBToColor(9, 9, 9));
    EXPECT_EQ(at(target, 9, 1), RGBToColor(0, 255, 0));
    EXPECT_EQ(at(target, 9, 2), clBlack); // the padded part is drawn too
}

TEST(PaintBox, KeepsItsDrawingAndRepaintsAlone) {
    Ground ground;
    ground.resize(100, 60);
    auto* panel = new TPanel(&ground, "Panel");
    panel->SetBounds(5, 5, 90, 50);
    panel->SetColor(clBlack);
    auto* box = new TPaintBox(panel, "Box");
    box->SetBounds(10, 10, 40, 30);
    ground.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ground));
    testsupport::runEventsFor(50);

    const int groundPaints = ground.paints;
    TImageList list(nullptr, "List", 8, 8);
    list.Add(solid(8, 8, qRgb(255, 0, 0)));
    list.Draw(box->Canvas(), 2, 2, 0);
    testsupport::runEventsFor(50);
    EXPECT_EQ(ground.paints, groundPaints) << "a paint box repaint reached the window";

    // What was drawn is still there after the whole window repaints.
    ground.repaint();
    const QImage shot = ground.grab().toImage();
    EXPECT_EQ(at(shot, 5 + 10 + 3, 5 + 10 + 3), clRed);
    EXPECT_EQ(at(shot, 5 + 10 + 20, 5 + 10 + 20), clBlack);
    EXPECT_EQ(at(shot, 5, 5), RGBToColor(128, 128, 128)); // the lowered bevel's shadow
}

TEST(Jpeg, DecodesTheBackgroundAndRefusesGarbage) {
    const QByteArray data = art::data(u"Form1.Image1.jpg");
    ASSERT_FALSE(data.isEmpty());
    const QImage img = DecodeJpeg(data);
    ASSERT_EQ(img.size(), QSize(353, 353));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    const QColor face = img.pixelColor(176, 176);
    EXPECT_NEAR(face.red(), 173, 6);
    EXPECT_NEAR(face.green(), 173, 6);
    EXPECT_NEAR(face.blue(), 173, 6);

    EXPECT_TRUE(DecodeJpeg({}).isNull());
    EXPECT_TRUE(DecodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(DecodeJpeg(data.left(2)).isNull());
    // Cut short after the header: no crash, and what is there has the right size.
    const QImage partial = DecodeJpeg(data.left(data.size() / 2));
    if (!partial.isNull()) {
        EXPECT_EQ(partial.size(), QSize(353, 353));
    }
}
