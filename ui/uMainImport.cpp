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
        const auto fail = [this, &sourceName](const QString& why) {
            AppServices().message(this, QStringLiteral("Не удалось импортировать словарь «%1».\n%2").arg(sourceName, why));
        };
        QString shownFolder = QFile::decodeName(folder.c_str());
        if (shownFolder.size() > 1 && shownFolder.endsWith(u'/')) shownFolder.chop(1);
        if (!CreateUserFolder(folder)) return fail(QStringLiteral("Не удалось создать папку %1.").arg(shownFolder));
        // A name free also in the other folders of the catalogue, where a file
        // of the same name would hide the new one or be hidden by it.
        options.output = ImportTarget(folder, DictionaryDirectories(), options.source);
        if (options.output.empty())
            return fail(QStringLiteral("Не удалось подобрать свободное имя файла в папке %1.").arg(shownFolder));
        TfmImport progress(this, sourceName);
        const ImportOutcome outcome = progress.Run(options);
        if (outcome.cancelled) return;
        if (!outcome.summary) return fail(outcome.failure);
        RescanDictionaryMenu();
        AppServices().message(this, ImportSummaryText(*outcome.summary,
                                                      QFileInfo(QFile::decodeName(options.output.c_str())).fileName()));
    } catch (const std::exception& e) {
        ShowFailure(this, e);
    }
}

}  // namespace vellumar::ui
