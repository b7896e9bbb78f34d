#include "ui/Forms.h"

#include "ui/uMain.h"

namespace vellumar::ui {

void CreateForms() {
    fmMain = new TfmMain;
}

void DestroyForms() {
    delete fmMain;
    fmMain = nullptr;
}

}  // namespace vellumar::ui
