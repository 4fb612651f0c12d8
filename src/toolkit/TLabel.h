#pragma once

#include "toolkit/Colors.h"
#include "toolkit/TGraphicControl.h"

#include <QFont>

// A line (or, with word wrap, a block) of plain text. Transparent labels are drawn straight on
// what lies beneath; the others fill their bounds with their own colour first.
class TLabel : public TGraphicControl {
    Q_OBJECT
public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };

    TLabel(QWidget* parent, const QString& name);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& text);

    void SetLabelFont(const QFont& font);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor c);
    // Switches transparency off and fills with this colour.
    void SetColor(TColor c);
    void SetTransparent(bool on);
    bool Transparent() const { return m_transparent; }
    // The label takes the size of its text.
    void SetAutoSize(bool on);
    void SetWordWrap(bool on);
    void SetAlignment(TAlignment a);
    void SetCursor(Qt::CursorShape shape) { setCursor(shape); }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    void CMMouseEnter() override;
    void CMMouseLeave() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void adjust();
    int textFlags() const;

    QString m_caption;
    TColor m_fontColor = clBlack;
    TColor m_color = clBtnFace;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    TAlignment m_alignment = taLeftJustify;
};
