#pragma once

#include "toolkit/Events.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

class QEventLoop;
class QTimer;

enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };

// A skinned window: no border and no caption bar, a fixed client size, cut to a rounded shape,
// moved by presses on the components whose handlers ask for it. Placed once, on its first show.
//
// ShowModal runs a loop of its own (not QDialog's, whose Enter and Escape would end it): the
// window is modal to the main window, which takes no input meanwhile while its timers run on.
class TForm : public QWidget {
    Q_OBJECT
public:
    TForm(const QString& name, const QString& caption, int clientWidth, int clientHeight,
          TPosition position);
    ~TForm() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnPaint;

    int ShowModal();
    int ModalResult() const { return m_modalResult; }
    // A non-zero result ends a modal show once the handler that set it has returned.
    void SetModalResult(int result);
    bool Modal() const { return m_modalLoop != nullptr; }

    // Shows the window without a loop of its own, or brings it to the front when it is shown.
    void Show();
    // Hides the window. A modal one ends with 2, unless a result is set after this call. The main
    // window's close ends the program.
    void Close();

    // The window's shape: a rounded rectangle over `bounds`, right and bottom edges excluded,
    // with corner ellipses of ellipseW x ellipseH, built row by row.
    void SetRoundRegion(QRect bounds, int ellipseW, int ellipseH);
    static QRegion RoundRectRegion(QRect bounds, int ellipseW, int ellipseH);

    // What a drag handler calls: the window follows the pointer until the button is released.
    void StartMove();
    bool Moving() const { return m_moving; }
    // Edges that come closer than 10 pixels to the screen's available edges snap to them.
    void SetScreenSnap(bool on) { m_screenSnap = on; }
    bool ScreenSnap() const { return m_screenSnap; }

    // The first control in tab order takes the focus, with its text selected.
    void FocusFirstControl();

    // Runs OnCreate; the application object calls it after it has stored the form.
    void DoCreate();

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void place();
    void requestModalEnd();
    void endMove();
    void followPointer(QPoint global);
    QPoint snapped(QPoint topLeft) const;

    TPosition m_position;
    bool m_placed = false;
    int m_modalResult = 0;
    QEventLoop* m_modalLoop = nullptr;
    bool m_endPending = false;
    bool m_screenSnap = false;
    bool m_moving = false;
    QEventLoop* m_moveLoop = nullptr;
    QTimer* m_moveWatch = nullptr;
    QPoint m_grabOffset;
};
