#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "art/Art.h"
#include "toolkit/Application.h"

#include <clocale>

int main(int, char** argv) {
    // Dates, times and text in the user's own conventions.
    std::setlocale(LC_ALL, "");
    Application->Initialize(argv[0]);
    Application->SetIcon(art::data(u"MAINICON.ico"));
    Application->CreateForm(Form1);
    Application->CreateForm(frmActions);
    Application->CreateForm(frmSetTime);
    Application->CreateForm(frmMsg);
    return Application->Run();
}
