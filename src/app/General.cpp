#include "app/General.h"

#include "app/HoverImage.h"
#include "platform/SessionControl.h"
#include "toolkit/Colors.h"

void PaintImageRed(THoverImage* image) {
    if (!image)
        return;
    TBitmap* bitmap = image->Picture()->Bitmap();
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            if ((TColor(bitmap->Canvas()->Pixels(x, y)) & 0xFFFFFF) != clBlack)
                bitmap->Canvas()->Pixels(x, y) = clRed;
        }
    }
}

bool ShutdownWindows(std::uint32_t flags) {
    return platform::ShutdownWindowsFlags(flags);
}
