#pragma once
// The import of another program's dictionary as the window runs it: a
// progress dialog "Импорт словаря" with its cancel button over an import that
// works on a thread of its own, where the dictionary goes, and the texts that
// tell the user how it went.

#include <QProgressDialog>

#include <optional>
#include <string>
#include <vector>

#include "tools/import/ImportDictionary.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vellumar::ui {

// The file for a dictionary imported from `source` into `folder`: the
// source's name with ".dic", or with "-2", "-3" ... before it where a file
// already has that name in `folder` or in any of `catalogueFolders`, whose
// file of the same name it would hide or be hidden by. Empty when no name is
// found free (or none can be told free) in a thousand tries.
std::string ImportTarget(const std::string& folder, const std::vector<std::string>& catalogueFolders,
                         const std::string& source);

// The file types the import's file dialog offers.
QString ImportFileFilter();

struct ImportOutcome {
    std::optional<import::ImportSummary> summary;  // the dictionary was written
    bool cancelled = false;
    QString failure;                                // why not, when neither
};

class TfmImport : public QProgressDialog {
    Q_OBJECT
public:
    TfmImport(QWidget* parent, const QString& sourceName);

    QLabel* lbImport = nullptr;
    QProgressBar* pbImport = nullptr;
    QPushButton* btCancel = nullptr;

    // Shows the dialog, modal, while the import runs; returns when it has
    // ended, failed or stopped after a cancel. A cancel only asks the import
    // to stop: the dialog stays, its button disabled, until it has.
    ImportOutcome Run(import::ImportOptions options);

protected:
    // Closing the dialog while the import runs (its close button, Escape)
    // asks the import to stop as the button does, and leaves the dialog up.
    void reject() override;

private:
    QString packingText_;
    bool running_ = false;
};

// What the user reads after an import: where it went, what was written, and
// what was left out and why.
QString ImportSummaryText(const import::ImportSummary& summary, const QString& fileName);

}  // namespace vellumar::ui
