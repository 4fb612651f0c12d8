#pragma once

#include "toolkit/Events.h"
#include "toolkit/TImage.h"

// A picture button that reports the pointer coming over it and leaving it. It keeps no hover
// state of its own: whether it is lit shows only in its picture's pixels.
class THoverImage : public TImage {
    Q_OBJECT
public:
    using TImage::TImage;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    void CMMouseEnter() override;
    void CMMouseLeave() override;
};
