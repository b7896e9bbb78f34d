#include "ui/Forms.h"

#include "ui/uLetter.h"
#include "ui/uMain.h"
#include "ui/uSetup.h"

namespace vellumar::ui {

void CreateForms() {
    fmMain = new TfmMain;
    fmSetup = new TfmSetup(fmMain);
    fmLetters = new TfmLetters(fmMain);
}

// The side windows first: they belong to the main window.
void DestroyForms() {
    delete fmLetters;
    delete fmSetup;
    delete fmMain;
    fmLetters = nullptr;
    fmSetup = nullptr;
    fmMain = nullptr;
}

}  // namespace vellumar::ui
