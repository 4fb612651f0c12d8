#include "toolkit/Application.h"

#include "toolkit/TForm.h"

#include <QApplication>
#include <QBuffer>
#include <QEventLoop>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QSessionManager>
#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>
#include <cstring>

namespace {
TApplication instance;
} // namespace

TApplication* Application = &instance;

TApplication::TApplication() = default;

TApplication::~TApplication() {
    // Forms made by CreateForm go before the Qt application does; once Qt is gone, they are left
    // to the end of the process.
    if (QCoreApplication::instance()) {
        for (auto it = m_owned.rbegin(); it != m_owned.rend(); ++it)
            delete it->data();
    }
    m_owned.clear();
    m_app.reset();
}

void TApplication::Initialize(const char* argv0) {
    if (QCoreApplication::instance())
        return;
    // One layout pixel is one screen pixel.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // Wayland lets no client place or move its own windows; through XWayland we can.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // With shared-memory images every repaint waits for the X server's completion event, three
    // wake-ups a second for a clock line that changes once a second. The windows are small
    // enough to be sent plainly.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    // Only the program's name goes to Qt: none of Qt's own options can change the program.
    static char name[256];
    std::strncpy(name, argv0 && *argv0 ? argv0 : "tavorine", sizeof name - 1);
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    m_app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorine"));
    QGuiApplication::setDesktopFileName(QStringLiteral("app.tavorine.Tavorine"));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The program keeps no state, so a session has nothing to restart it with.
    QObject::connect(m_app.get(), &QGuiApplication::commitDataRequest,
                     [](QSessionManager& m) { m.setRestartHint(QSessionManager::RestartNever); });
    QObject::connect(m_app.get(), &QGuiApplication::saveStateRequest,
                     [](QSessionManager& m) { m.setRestartHint(QSessionManager::RestartNever); });
    // Our own look, whatever the desktop theme says.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
}

void TApplication::SetIcon(const QByteArray& icoData) {
    QBuffer buffer;
    buffer.setData(icoData);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QIcon icon;
    for (bool more = reader.canRead(); more; more = reader.jumpToNextImage()) {
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}

void TApplication::adopt(TForm* form) {
    m_owned.append(form);
    if (!m_mainForm)
        m_mainForm = form;
    form->DoCreate();
}

void TApplication::registerForm(TForm* form) {
    m_forms.append(form);
}

void TApplication::unregisterForm(TForm* form) {
    m_forms.removeAll(form);
    m_owned.removeAll(form);
    m_iconified.removeAll(form);
    m_forms.removeAll(nullptr);
}

QList<TForm*> TApplication::Forms() const {
    QList<TForm*> out;
    for (const auto& f : m_forms) {
        if (f)
            out.append(f.data());
    }
    return out;
}

int TApplication::Run() {
    if (m_mainForm && !m_terminated)
        m_mainForm->Show();
    if (!m_terminated) {
        QEventLoop loop;
        m_runLoop = &loop;
        loop.exec();
        m_runLoop = nullptr;
    }
    for (auto it = m_owned.rbegin(); it != m_owned.rend(); ++it)
        delete it->data();
    m_owned.clear();
    // Qt goes while main is still running: its own clean-up needs a live program around it.
    m_app.reset();
    return 0;
}

void TApplication::Minimize() {
    if (m_minimized)
        return;
    m_minimized = true;
    m_iconified.clear();
    for (TForm* form : Forms()) {
        if (form->isVisible()) {
            m_iconified.append(form);
            form->showMinimized();
        }
    }
}

void TApplication::Restore() {
    if (!m_minimized)
        return;
    m_minimized = false;
    const auto forms = m_iconified;
    m_iconified.clear();
    for (const auto& form : forms) {
        if (form)
            form->showNormal();
    }
    TForm* front = m_mainForm;
    for (TForm* form : Forms()) {
        if (form->Modal() && form->isVisible())
            front = form;
    }
    if (front && front->isVisible()) {
        front->raise();
        front->activateWindow();
    }
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate() {
    if (m_terminated)
        return;
    m_terminated = true;
    for (TForm* form : Forms()) {
        if (form->Modal())
            form->SetModalResult(2);
        form->hide();
    }
    // Only Run's own loop is told to end: quitting the application while a nested loop runs
    // would make every later nested loop return at once.
    if (m_runLoop)
        m_runLoop->exit(0);
}
