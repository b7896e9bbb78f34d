#include "ui/uImport.h"

#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>

#include "app/AppMessages.h"
#include "app/FileIO.h"
#include "tools/import/ImportErrors.h"
#include "ui/ControlNames.h"
#include "ui/QtText.h"

namespace vellumar::ui {

namespace {

constexpr int kSteps = 1000;
constexpr int kPollMilliseconds = 50;
constexpr int kDialogWidth = 380;
constexpr int kMaxNameTries = 1000;

}  // namespace

std::string ImportTarget(const std::string& folder, const std::vector<std::string>& catalogueFolders,
                         const std::string& source) {
    const std::string name = import::DefaultOutputName(source);
    const std::string stem = name.substr(0, name.size() - 4);
    const auto taken = [&](const std::string& file) {
        return PathMayExist(folder + file) ||
               std::any_of(catalogueFolders.begin(), catalogueFolders.end(),
                           [&file](const std::string& other) { return PathMayExist(other + file); });
    };
    std::string file = name;
    for (int n = 2; taken(file); ++n) {
        if (n > kMaxNameTries) return {};
        file = stem + "-" + std::to_string(n) + ".dic";
    }
    return folder + file;
}

QString ImportFileFilter() {
    return QStringLiteral("Словари DSL, StarDict, dictd (*.dsl *.dsl.dz *.ifo *.index);;Все файлы (*)");
}

TfmImport::TfmImport(QWidget* parent, const QString& sourceName) : QProgressDialog(parent) {
    NameControl(this, "fmImport");
    setWindowTitle(QStringLiteral("Импорт словаря"));
    lbImport = new QLabel(QStringLiteral("Чтение словаря «%1»...").arg(sourceName), this);
    NameControl(lbImport, "lbImport");
    setLabel(lbImport);
    pbImport = new QProgressBar(this);
    NameControl(pbImport, "pbImport");
    setBar(pbImport);
    btCancel = new QPushButton(QStringLiteral("Отмена"), this);
    NameControl(btCancel, "btCancel");
    setCancelButton(btCancel);
    packingText_ = QStringLiteral("Упаковка словаря «%1»...").arg(sourceName);
    setRange(0, kSteps);
    setMinimumDuration(0);
    setAutoReset(false);
    setAutoClose(false);
    setWindowModality(Qt::ApplicationModal);
    setMinimumWidth(kDialogWidth);
}

ImportOutcome TfmImport::Run(import::ImportOptions options) {
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    ImportOutcome outcome;
    std::exception_ptr failure;
    options.progress = [&done](double share) { done = static_cast<int>(share * kSteps); };
    options.cancelled = [&stop] { return stop.load(); };
    std::thread worker([&] {
        try {
            outcome.summary = import::ImportDictionary(options);
        } catch (const import::EImportCancelled&) {
            outcome.cancelled = true;
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });

    // The dialog is looked after here while the import works. A cancel only
    // asks it to stop, which it does at its next progress report; until then
    // the dialog stays up and modal, or the main window would take input
    // (a second import among it) while this one still runs.
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished) {
            loop.quit();
            return;
        }
        if (stop) return;
        const int now = done;
        setValue(now);
        if (now >= kSteps / 2 && lbImport->text() != packingText_) lbImport->setText(packingText_);
    });
    // QProgressDialog's own cancel(), which hides it, undone in the syntax it was made with.
    disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    connect(this, &QProgressDialog::canceled, &loop, [this, &stop] {
        if (stop) return;
        stop = true;
        btCancel->setEnabled(false);
        lbImport->setText(QStringLiteral("Остановка..."));
    });
    running_ = true;
    setValue(0);
    show();
    poll.start(kPollMilliseconds);
    loop.exec();
    worker.join();
    running_ = false;
    hide();

    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            outcome.failure = FromCp1251(texts::OutOfMemory).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        } catch (const import::EUnknownSourceFormat&) {
            outcome.failure = QStringLiteral("Это не словарь, который можно импортировать: нужен словарь DSL "
                                             "(.dsl, .dsl.dz), StarDict (.ifo) или dictd (.index).");
        } catch (const std::exception& e) {
            outcome.failure = QString::fromUtf8(e.what());
        } catch (...) {
            outcome.failure = QStringLiteral("Неизвестная ошибка");
        }
    }
    return outcome;
}

void TfmImport::reject() {
    if (running_) Q_EMIT canceled();
    else QProgressDialog::reject();
}

QString ImportSummaryText(const import::ImportSummary& s, const QString& fileName) {
    // Thousands apart, as Russian text writes them: 200 000.
    const QLocale russian(QLocale::Russian);
    const auto number = [&russian](std::size_t n) { return russian.toString(static_cast<qulonglong>(n)); };
    QString text = QStringLiteral("Словарь «%1» импортирован в файл %2.\nПрочитано статей: %3, записано: %4.")
                       .arg(FromCp1251(s.title), fileName, number(s.read), number(s.written));
    if (s.Skipped() > 0) {
        const std::pair<std::size_t, const char*> reasons[] = {
            {s.notOneWord, "не одно русское слово"}, {s.tooShort, "в одну букву"},
            {s.tooLong, "длиннее 22 букв"},         {s.badText, "с ошибками кодировки"},
            {s.damaged, "повреждённых"},            {s.duplicates, "повторов"},
        };
        QStringList parts;
        for (const auto& [count, reason] : reasons)
            if (count > 0) parts << QString::fromUtf8(reason) + QStringLiteral(": ") + number(count);
        text += QStringLiteral("\nПропущено %1 (%2).").arg(number(s.Skipped()), parts.join(QStringLiteral(", ")));
    }
    if (s.droppedCharacters > 0)
        text += QStringLiteral("\nОтброшено символов, которых нет в cp1251: %1.").arg(number(s.droppedCharacters));
    if (s.shortenedDefinitions > 0)
        text += QStringLiteral("\nСокращено определений длиннее 1024 байт: %1.").arg(number(s.shortenedDefinitions));
    return text;
}

}  // namespace vellumar::ui
