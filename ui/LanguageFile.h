#pragma once
// Translated captions and hints from a language file: section "Main", the key
// of a control's name for its caption and the name followed by "Hint" for its
// hint. Panels, buttons, check boxes, radio buttons, labels and menu items are
// translated; a missing file or key leaves the text as it is, and a key with
// an empty value empties the text.

#include <QObject>

#include <string>
#include <vector>

namespace vellumar::ui {

inline constexpr const char* LanguageFileName = "English.lng";

// Applies the file at `path` to `components` in their order; objects of
// other kinds are passed over.
void ApplyLanguageFile(const std::string& path, const std::vector<QObject*>& components);

}  // namespace vellumar::ui
