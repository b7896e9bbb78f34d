#include "ui/Forms.h"

#include "ui/uAbout.h"
#include "ui/uAdd.h"
#include "ui/uLetter.h"
#include "ui/uMain.h"
#include "ui/uSetup.h"
#include "ui/uStat.h"

namespace vellumar::ui {

void CreateForms() {
    fmMain = new TfmMain;
    fmAbout = new TfmAbout(fmMain);
    fmSetup = new TfmSetup(fmMain);
    fmLetters = new TfmLetters(fmMain);
    fmAdd = new TfmAdd(fmMain);
    fmStat = new TfmStat(fmMain);
}

// The side windows first: they belong to the main window.
void DestroyForms() {
    delete fmStat;
    delete fmAdd;
    delete fmLetters;
    delete fmSetup;
    delete fmAbout;
    delete fmMain;
    fmStat = nullptr;
    fmAdd = nullptr;
    fmLetters = nullptr;
    fmSetup = nullptr;
    fmAbout = nullptr;
    fmMain = nullptr;
}

}  // namespace vellumar::ui
