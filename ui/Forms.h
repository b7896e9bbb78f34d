#pragma once
// The program's windows, created once at start in a fixed order and kept until
// the end, so that a side window keeps its fields between openings. The
// windows reach each other through these.

namespace vellumar::ui {

class TfmMain;

inline TfmMain* fmMain = nullptr;

// Creates the main window (which becomes the program's main window) and then
// the side windows, in the program's order.
void CreateForms();

// Destroys every window made by CreateForms (tests start afresh with it).
void DestroyForms();

}  // namespace vellumar::ui
