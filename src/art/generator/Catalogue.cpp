#include "Catalogue.h"

#include "AlarmSound.h"
#include "Digits.h"
#include "Glyphs.h"
#include "Icon.h"
#include "JpegCodec.h"
#include "Slab.h"

namespace artgen {

namespace {

using art::embedded::Kind;

constexpr int kJpegQuality = 92;

Item bytes(std::string name, QByteArray data) {
    return {std::move(name), Kind::Bytes, data, {}};
}
Item picture(std::string name, QImage image) {
    return {std::move(name), Kind::Picture, {}, {image}};
}
Item list(std::string name, std::vector<QImage> images) {
    return {std::move(name), Kind::List, {}, std::move(images)};
}

} // namespace

std::vector<Item> catalogue() {
    std::vector<Item> items;

    // Window backgrounds.
    items.push_back(
        bytes("Form1.Image1.jpg", encodeJpeg(slab({353, 353}, {353, 353}, 17, 24), kJpegQuality)));
    items.push_back(bytes("frmActions.Image1.jpg",
                          encodeJpeg(slab({353, 482}, {353, 474}, 17, 24), kJpegQuality)));
    items.push_back(bytes("frmSetTime.Image1.jpg",
                          encodeJpeg(slab({353, 226}, {353, 226}, 17, 24), kJpegQuality)));
    items.push_back(
        bytes("frmMsg.Image1.jpg", encodeJpeg(slab({598, 100}, {598, 100}, 8, 9), kJpegQuality)));

    // Main window: command buttons (list order: up, down, bolt, stopwatch, clock, play, pause,
    // stop) and which control shows which.
    const std::vector<QImage> commands = commandButtons();
    const char* const commandControl[8] = {"HoverImage4", "HoverImage5", "HoverImage1",
                                           "HoverImage3", "HoverImage2", "HoverImage6",
                                           "HoverImage7", "HoverImage8"};
    for (int i = 0; i < 8; ++i)
        items.push_back(picture(std::string("Form1.") + commandControl[i], commands[i]));
    items.push_back(picture("Form1.HoverImage9", closeGlyph()));
    items.push_back(picture("Form1.HoverImage10", minimiseGlyph()));
    items.push_back(picture("CloseGlyph", closeGlyph()));
    items.push_back(list("Form1.ImageList1", smallDigits()));
    items.push_back(list("Form1.ImageList2", commands));
    items.push_back(list("Form1.ImageList3", largeDigits()));

    // Actions dialog.
    const std::vector<QImage> dialog = dialogButtons(); // tick, cross, question, folder
    const QImage folder = openFolder();
    items.push_back(picture("frmActions.HoverImage1", widened(dialog[0])));
    items.push_back(picture("frmActions.HoverImage2", widened(dialog[1])));
    items.push_back(picture("frmActions.HoverImage3", widened(dialog[2])));
    items.push_back(picture("frmActions.HoverImage4", folder));
    items.push_back(picture("frmActions.HoverImage5", folder));
    items.push_back(picture("frmActions.HoverImage6", headphones()));
    items.push_back(picture("frmActions.HoverImage7", widened(dialog[3])));
    items.push_back(list("frmActions.ImageList1", dialog));
    items.push_back(list("frmActions.ImageList2", {folder}));

    // Set-time dialog.
    items.push_back(picture("frmSetTime.HoverImage1", widened(dialog[0])));
    items.push_back(picture("frmSetTime.HoverImage2", widened(dialog[1])));
    items.push_back(list("frmSetTime.ImageList1", {dialog[0], dialog[1]}));

    // Sound and icon.
    items.push_back(bytes("WAVE.1.wav", alarmWave()));
    items.push_back(bytes("MAINICON.ico", iconFile()));
    for (int size : {16, 24, 32, 48})
        items.push_back(
            {"MAINICON." + std::to_string(size), Kind::Icon, {}, {iconRendering(size)}});
    return items;
}

} // namespace artgen
