#pragma once

#include "toolkit/TGraphicControl.h"
#include "toolkit/TPicture.h"

#include <QImage>

// A picture control. With Transparent on, the pixels of the picture's bottom-left colour are not
// painted; that is painting only: the control keeps no mask and is hit by its whole bounds.
class TImage : public TGraphicControl {
    Q_OBJECT
public:
    TImage(QWidget* parent, const QString& name);

    TPicture* Picture() { return &m_picture; }

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    bool Center() const { return m_center; }
    void SetCenter(bool on);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void pictureChanged();
    const QImage& shown();

    TPicture m_picture;
    bool m_transparent = false;
    bool m_center = false;
    bool m_autoSize = false;
    QImage m_shown; // the picture as painted, key colour cleared
    bool m_shownValid = false;
};
