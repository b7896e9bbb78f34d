// The main window's import of another program's dictionary: the file chosen,
// the import run behind its progress dialog, the new dictionary put into the
// menu, and the summary or the one failure shown.

#include <QFile>
#include <QFileInfo>

#include "app/UserFolders.h"
#include "ui/HandlerFailure.h"
#include "ui/Services.h"
#include "ui/uImport.h"
#include "ui/uMain.h"

namespace vellumar::ui {

void TfmMain::mmImportClick() {
    try {
        const std::optional<QString> chosen =
            AppServices().openFile(this, QStringLiteral("Импорт словаря"), ImportFileFilter());
        if (!chosen) return;
        const QString sourceName = QFileInfo(*chosen).fileName();
        import::ImportOptions options;
        options.source = QFile::encodeName(*chosen).toStdString();
        // Beside the user's other dictionaries: the program folder of a
        // portable copy, the user's data folder of an installed one.
        const std::string folder = UserDictionaryDirectory();
        CreateUserFolder(folder);   // a failure shows as the import's own
        options.output = ImportTarget(folder, options.source);
        TfmImport progress(this, sourceName);
        const ImportOutcome outcome = progress.Run(options);
        if (outcome.cancelled) return;
        if (!outcome.summary) {
            AppServices().message(this, QStringLiteral("Не удалось импортировать словарь «%1».\n%2")
                                            .arg(sourceName, outcome.failure));
            return;
        }
        RescanDictionaryMenu();
        AppServices().message(this, ImportSummaryText(*outcome.summary,
                                                      QFileInfo(QFile::decodeName(options.output.c_str())).fileName()));
    } catch (const std::exception& e) {
        ShowFailure(this, e);
    }
}

}  // namespace vellumar::ui
