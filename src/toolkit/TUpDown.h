#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

class QToolButton;
class TEdit;

// The whole number that a box's text stands for, if it is one within [min, max]: ASCII digits
// only, no sign, no blanks. Anything else, the empty text included, gives nothing, so the value
// in force stays. Long runs of digits are fine: the reading stops once the value passes max.
std::optional<int> ParseUpDownText(const QString& text, int min, int max);

// A vertical pair of arrows beside an edit box, holding a whole number between Min and Max.
//
// The box is a plain edit box: whatever is typed there stays as typed. The number in force is
// the position, taken again from the box's text whenever it is read, if that text is a whole
// number within the range; otherwise the previous position stays in force. An empty box counts
// as no number, so it too leaves the previous position: nothing the user did not type reaches
// the program.
//
// An arrow (or the up and down keys in the box) steps the position by 1, stops at both ends,
// and writes the new position into the box. The arrows take no focus and are no tab stop.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    void SetAssociate(TEdit* edit);
    TEdit* Associate() const { return m_edit; }
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetMin(int min);
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);

    // One step up or down, as a click on an arrow makes it.
    void StepBy(int delta);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void writeText();

    QPointer<TEdit> m_edit;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_min = 0;
    int m_max = 100;
    mutable int m_position = 0;
};
