#include "app/Unit1.h"
#include "art/Art.h"
#include "toolkit/Application.h"

#include <clocale>

// TODO(dialogs): created here as soon as their modules are in the tree.
#if __has_include("app/Unit2.h") && __has_include("app/Unit3.h") && __has_include("app/Unit4.h")
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#define TAVORINE_HAVE_DIALOGS 1
#endif

int main(int, char** argv) {
    // Dates, times and text in the user's own conventions.
    std::setlocale(LC_ALL, "");
    Application->Initialize(argv[0]);
    Application->SetIcon(art::data(u"MAINICON.ico"));
    Application->CreateForm(Form1);
#ifdef TAVORINE_HAVE_DIALOGS
    Application->CreateForm(frmActions);
    Application->CreateForm(frmSetTime);
    Application->CreateForm(frmMsg);
#endif
    return Application->Run();
}
