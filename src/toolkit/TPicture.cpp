#include "toolkit/TPicture.h"

#include "toolkit/Jpeg.h"

TPicture::TPicture() {
    m_bitmap.OnChange = [this] {
        if (OnChange)
            OnChange();
    };
}

void TPicture::Assign(const TPicture* other) {
    m_bitmap.Assign(other ? &other->m_bitmap : nullptr);
}

void TPicture::LoadJpeg(const QByteArray& data) {
    m_bitmap.SetImage(DecodeJpeg(data));
}
