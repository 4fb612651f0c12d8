#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Events.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QRadioButton;

// A captioned frame holding one radio button per item, laid out in columns that fill the frame
// below its caption. Exactly one item is selected, or none (ItemIndex -1). Disabling the group
// disables its items and keeps the selection.
class TRadioGroup : public QWidget {
    Q_OBJECT
public:
    TRadioGroup(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    void SetItems(const QStringList& items);
    QStringList Items() const { return m_items; }
    void SetColumns(int columns);
    int Columns() const { return m_columns; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
    void SetColors(TColor fontColor, TColor color);

    // The item buttons, in item order.
    QRadioButton* Button(int index) const;

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void arrange();

    QString m_caption;
    QStringList m_items;
    std::vector<QRadioButton*> m_buttons;
    int m_columns = 1;
    TColor m_fontColor = clBlack;
    TColor m_color = clBtnFace;
};
