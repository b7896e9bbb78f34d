#pragma once
// The program's windows, created once at start in a fixed order and kept until
// the end, so that a side window keeps its fields between openings. The
// windows reach each other through these.

namespace vellumar::ui {

class TfmMain;
class TfmAbout;
class TfmSetup;
class TfmLetters;
class TfmAdd;
class TfmStat;

inline TfmMain* fmMain = nullptr;
inline TfmAbout* fmAbout = nullptr;
inline TfmSetup* fmSetup = nullptr;
inline TfmLetters* fmLetters = nullptr;
inline TfmAdd* fmAdd = nullptr;
inline TfmStat* fmStat = nullptr;

// Creates the main window (which becomes the program's main window) and then
// the side windows: the about box, the settings dialog, the letter picker,
// the add-words dialog and the statistics window.
void CreateForms();

// Destroys every window made by CreateForms (tests start afresh with it).
void DestroyForms();

}  // namespace vellumar::ui
