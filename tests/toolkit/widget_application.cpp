// The application object: one minimised state for the whole program, and the end of the
// program from the main window's close, also while a modal dialog is open. The end is for good,
// so it is the last test here.
#include "support/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/TForm.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct MainWindow : TForm {
    MainWindow()
        : TForm("Main", "Main", 351, 347, poScreenCenter) {}
};

bool minimised(QWidget* w) {
    return w->windowState() & Qt::WindowMinimized;
}

} // namespace

TEST(Application, OneMinimisedStateForTheWholeProgram) {
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    TForm message("Message", "Message", 200, 60, poMainFormCenter);
    TForm hidden("Hidden", "Hidden", 200, 60, poMainFormCenter);
    main->Show();
    message.Show();

    Application->Restore(); // not minimised: nothing happens
    EXPECT_FALSE(minimised(main));

    Application->Minimize();
    EXPECT_TRUE(Application->Minimized());
    EXPECT_TRUE(minimised(main));
    EXPECT_TRUE(minimised(&message));
    EXPECT_FALSE(hidden.isVisible()); // only shown windows take part

    Application->Restore();
    EXPECT_FALSE(Application->Minimized());
    EXPECT_FALSE(minimised(main));
    EXPECT_FALSE(minimised(&message));

    // Un-minimising any one window brings back all of them.
    Application->Minimize();
    message.setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(Application->Minimized());
    EXPECT_FALSE(minimised(main));

    // Showing a window of a minimised program restores the program first.
    Application->Minimize();
    hidden.Show();
    EXPECT_FALSE(Application->Minimized());
    EXPECT_FALSE(minimised(main));
    EXPECT_TRUE(hidden.isVisible());
    delete main;
}

TEST(Application, ClosingTheMainWindowEndsRunAlsoFromInsideAModalDialog) {
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    QPointer<MainWindow> watch = main;
    TForm* dialog = new TForm("Dialog", "Dialog", 200, 100, poMainFormCenter);
    int dialogResult = -1;
    bool dialogsAfterwardsReturnAtOnce = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(20, [&] { main->Close(); });
        dialogResult = dialog->ShowModal();
        // The program is ending: no dialog opens any more, and nothing is shown.
        dialogsAfterwardsReturnAtOnce = dialog->ShowModal() == 2 && !dialog->isVisible();
    });
    EXPECT_EQ(Application->Run(), 0);
    EXPECT_EQ(dialogResult, 2);
    EXPECT_TRUE(dialogsAfterwardsReturnAtOnce);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(watch.isNull()); // Run destroys the forms it was given
    EXPECT_FALSE(dialog->isVisible());
    delete dialog;
}
