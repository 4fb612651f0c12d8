#include "toolkit/TForm.h"

#include "toolkit/MouseNotify.h"

#include "toolkit/Application.h"
#include "toolkit/Colors.h"
#include "toolkit/Fonts.h"

#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <vector>

namespace {
constexpr int SnapBuffer = 10;
}

TForm::TForm(const QString& name, const QString& caption, int clientWidth, int clientHeight,
             TPosition position)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_position(position) {
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(clBtnFace));
    pal.setColor(QPalette::WindowText, ToQColor(clBlack));
    setPalette(pal);
    setAutoFillBackground(true);
    Application->registerForm(this);
}

TForm::~TForm() {
    if (m_modalLoop)
        m_modalLoop->exit();
    if (m_moveLoop)
        m_moveLoop->exit();
    Application->unregisterForm(this);
}

void TForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

// ---- placement -------------------------------------------------------------------------------

void TForm::setVisible(bool visible) {
    // Geometry is settled before the window first maps, so the window manager never sees it
    // anywhere else.
    if (visible && !m_placed) {
        m_placed = true;
        place();
    }
    QWidget::setVisible(visible);
}

void TForm::place() {
    QRect area;
    TForm* main = Application->MainForm();
    if (m_position == poMainFormCenter && main && main != this) {
        area = main->geometry();
    } else if (m_position == poScreenCenter || m_position == poMainFormCenter) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->geometry();
    }
    if (area.isEmpty())
        return;
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

// ---- shape -----------------------------------------------------------------------------------

QRegion TForm::RoundRectRegion(QRect bounds, int ellipseW, int ellipseH) {
    const int left = bounds.left();
    const int top = bounds.top();
    // The right and bottom edges are outside the shape.
    const int right = left + bounds.width() - 1;
    const int bottom = top + bounds.height() - 1;
    if (right <= left || bottom <= top)
        return {};
    ellipseW = std::min(right - left, std::abs(ellipseW));
    ellipseH = std::min(bottom - top, std::abs(ellipseH));
    if (ellipseW < 2 || ellipseH < 2)
        return QRegion(left, top, right - left, bottom - top);

    // The corner's left inset for each row of the upper half of the ellipse, stepping along its
    // outline pixel by pixel with an integer error term.
    const int half = ellipseH / 2;
    std::vector<int> inset(std::size_t(ellipseH) + 1, 0);
    {
        const long long a = ellipseW - 1;
        const long long b = ellipseH - 1;
        const long long b1 = b & 1;
        long long dx = 4 * (1 - a) * b * b;
        long long dy = 4 * (b1 + 1) * a * a;
        long long err = dx + dy + b1 * a * a;
        int x = 0;
        int y = half;
        inset[std::size_t(y)] = 0;
        while (x <= ellipseW / 2) {
            const long long e2 = 2 * err;
            if (e2 >= dx) {
                ++x;
                dx += 8 * b * b;
                err += dx;
            }
            if (e2 <= dy) {
                ++y;
                dy += 8 * a * a;
                err += dy;
                if (y <= ellipseH)
                    inset[std::size_t(y)] = x;
            }
        }
    }
    QRegion region;
    const int rows = bottom - top;
    for (int i = 0; i < rows; ++i) {
        int in = 0;
        if (i < half)
            in = inset[std::size_t(ellipseH - 1 - i)];
        else if (rows - 1 - i < half)
            in = inset[std::size_t(ellipseH - 1 - (rows - 1 - i))];
        region += QRect(left + in, top + i, (right - left) - 2 * in, 1);
    }
    return region;
}

void TForm::SetRoundRegion(QRect bounds, int ellipseW, int ellipseH) {
    const QRegion region = RoundRectRegion(bounds, ellipseW, ellipseH);
    if (!region.isEmpty())
        setMask(region);
}

// ---- painting and closing --------------------------------------------------------------------

void TForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (OnPaint)
        OnPaint(this);
}

void TForm::Close() {
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (m_modalLoop) {
        m_modalResult = 2;
        requestModalEnd();
        return;
    }
    hide();
}

void TForm::closeEvent(QCloseEvent* event) {
    // A close from outside (the window manager) is taken as our own Close.
    event->ignore();
    Close();
}

void TForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    const bool nowMin = windowState() & Qt::WindowMinimized;
    const bool wasMin = old & Qt::WindowMinimized;
    // The program is minimised or not as a whole.
    if (wasMin && !nowMin && Application->Minimized())
        Application->Restore();
    else if (nowMin && !wasMin && !Application->Minimized() && isVisible())
        Application->Minimize();
}

// ---- showing ---------------------------------------------------------------------------------

void TForm::FocusFirstControl() {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!isAncestorOf(w) || !w->isVisibleTo(this) || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->selectAll();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            spin->selectAll();
        else if (auto* text = qobject_cast<QTextEdit*>(w))
            text->selectAll();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
            plain->selectAll();
        return;
    }
}

void TForm::Show() {
    if (Application->Terminated())
        return;
    if (Application->Minimized())
        Application->Restore();
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
    raise();
    activateWindow();
    FocusFirstControl();
}

int TForm::ShowModal() {
    if (Application->Terminated() || m_modalLoop)
        return 2;
    if (Application->Minimized())
        Application->Restore();
    m_modalResult = 0;
    m_endPending = false;

    TForm* main = Application->MainForm();
    const bool wasVisible = isVisible();
    if (wasVisible)
        hide();
    // Modal to the main window only: a window shown modelessly meanwhile stays usable.
    setWindowModality(Qt::WindowModal);
    if (main && main != this) {
        winId();
        main->winId();
        windowHandle()->setTransientParent(main->windowHandle());
    }
    show();
    raise();
    activateWindow();
    FocusFirstControl();

    QEventLoop loop;
    m_modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;

    hide();
    setWindowModality(Qt::NonModal);
    if (windowHandle())
        windowHandle()->setTransientParent(nullptr);
    if (main && main != this && main->isVisible())
        main->activateWindow();
    return m_modalResult;
}

void TForm::SetModalResult(int result) {
    m_modalResult = result;
    if (result != 0 && m_modalLoop)
        requestModalEnd();
}

void TForm::requestModalEnd() {
    if (m_endPending)
        return;
    m_endPending = true;
    // The loop ends once the handler that asked has returned, with the result standing then.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_endPending = false;
            if (m_modalLoop && (m_modalResult != 0 || Application->Terminated()))
                m_modalLoop->exit();
        },
        Qt::QueuedConnection);
}

// ---- moving ----------------------------------------------------------------------------------

void TForm::StartMove() {
    if (m_moving || !isVisible() || QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    m_moving = true;
    // From where the button went down: the pointer may have moved on before this handler ran.
    m_grabOffset = TMouseNotify::LastPressPos() - pos();
    grabMouse();
    if (!m_moveWatch) {
        // A release we never hear of (another client took the pointer) ends the move too.
        m_moveWatch = new QTimer(this);
        m_moveWatch->setInterval(100);
        connect(m_moveWatch, &QTimer::timeout, this, [this] {
            if (QGuiApplication::mouseButtons() == Qt::NoButton || !isVisible())
                endMove();
        });
    }
    m_moveWatch->start();
    QEventLoop loop;
    m_moveLoop = &loop;
    loop.exec();
    m_moveLoop = nullptr;
}

void TForm::endMove() {
    if (!m_moving)
        return;
    m_moving = false;
    if (m_moveWatch)
        m_moveWatch->stop();
    releaseMouse();
    if (m_moveLoop)
        m_moveLoop->exit();
}

QPoint TForm::snapped(QPoint p) const {
    if (!m_screenSnap)
        return p;
    QScreen* screen = this->screen();
    if (!screen)
        return p;
    const QRect avail = screen->availableGeometry();
    const int availRight = avail.x() + avail.width();
    const int availBottom = avail.y() + avail.height();
    if (std::abs(p.x() - avail.x()) < SnapBuffer)
        p.setX(avail.x());
    else if (std::abs(availRight - (p.x() + width())) < SnapBuffer)
        p.setX(availRight - width());
    if (std::abs(p.y() - avail.y()) < SnapBuffer)
        p.setY(avail.y());
    else if (std::abs(availBottom - (p.y() + height())) < SnapBuffer)
        p.setY(availBottom - height());
    return p;
}

void TForm::followPointer(QPoint global) {
    const QPoint target = snapped(global - m_grabOffset);
    if (target != pos())
        move(target);
}

void TForm::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TForm::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void TForm::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!m_moving)
        return;
    if (event->buttons() == Qt::NoButton) {
        endMove();
        return;
    }
    followPointer(event->globalPosition().toPoint());
}

void TForm::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_moving && event->buttons() == Qt::NoButton) {
        followPointer(event->globalPosition().toPoint());
        endMove();
    }
}
