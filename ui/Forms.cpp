#include "ui/Forms.h"

#include "ui/uLetter.h"
#include "ui/uMain.h"

namespace vellumar::ui {

void CreateForms() {
    fmMain = new TfmMain;
    fmLetters = new TfmLetters(fmMain);
}

// The side windows first: they belong to the main window.
void DestroyForms() {
    delete fmLetters;
    delete fmMain;
    fmLetters = nullptr;
    fmMain = nullptr;
}

}  // namespace vellumar::ui
