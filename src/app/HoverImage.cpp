#include "app/HoverImage.h"

void THoverImage::CMMouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void THoverImage::CMMouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}
