#pragma once

#include <QList>
#include <QPointer>
#include <memory>

class QApplication;
class QByteArray;
class QEventLoop;
class TForm;

// The program's application object: the Qt application, its forms, the one minimised state of
// the whole program, and the end of the program.
class TApplication {
public:
    TApplication();
    ~TApplication();

    // Sets up Qt: X11 when a display is there, no high-DPI scaling, no session restart, the
    // Fusion style. Only the program name reaches Qt, so Qt's own options can change nothing.
    void Initialize(const char* argv0);

    // The icon of every window, from the images of an .ico file; data that is no icon changes
    // nothing.
    void SetIcon(const QByteArray& icoData);

    // Makes the form, stores it in `ref`, then runs its OnCreate. The first form made this way is
    // the main form.
    template <class F> void CreateForm(F*& ref) {
        F* form = new F();
        ref = form;
        adopt(form);
    }

    // Shows the main form and handles events until the program is asked to end; then destroys
    // the forms and the Qt application it made.
    int Run();

    // Iconifies every shown window of the program.
    void Minimize();
    // Shows them all again, but only when the program is minimised.
    void Restore();
    bool Minimized() const { return m_minimized; }
    // Handles the events that are waiting, once; never waits.
    void ProcessMessages();

    // Hides every window and ends the program as soon as control is back in Run's loop. Modal
    // dialogs that are open end with result 2.
    void Terminate();
    bool Terminated() const { return m_terminated; }

    TForm* MainForm() const { return m_mainForm; }
    QList<TForm*> Forms() const;

    // Forms register themselves as they are made and destroyed.
    void registerForm(TForm* form);
    void unregisterForm(TForm* form);

private:
    void adopt(TForm* form);

    std::unique_ptr<QApplication> m_app;
    QList<QPointer<TForm>> m_forms;
    QList<QPointer<TForm>> m_owned; // made by CreateForm, destroyed when Run ends
    QList<QPointer<TForm>> m_iconified;
    QPointer<TForm> m_mainForm;
    QEventLoop* m_runLoop = nullptr;
    bool m_minimized = false;
    bool m_terminated = false;
};

extern TApplication* Application;
