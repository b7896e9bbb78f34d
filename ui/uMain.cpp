// The main window's description (its controls, where they stand, their texts
// and start states) and its creation: FormCreate, the catalogue in the menu,
// the Enter key and closing.

#include "ui/uMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

#include "app/Notes.h"
#include "app/ProgramDirectory.h"
#include "app/SearchChoices.h"
#include "app/Settings.h"
#include "app/UserFolders.h"
#include "engine/Letters.h"
#include "ui/ControlNames.h"
#include "ui/HandlerFailure.h"
#include "ui/LanguageFile.h"
#include "ui/MaskGrid.h"
#include "ui/Panel.h"
#include "ui/QtText.h"
#include "ui/ResultListModel.h"
#include "ui/Services.h"
#include "ui/UpDown.h"

namespace vellumar::ui {

namespace {

// Face names longer than this are cut when they are given to a font.
constexpr qsizetype kMaxFaceLength = 255;

// A combo box with free typing and a drop-down history that only its "Да"
// button fills (no item added on Enter, no completion changing the typing).
QComboBox* MakeHistoryBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}

template <typename T>
T* Place(T* widget, int left, int top, int width = -1, int height = -1) {
    if (width < 0 || height < 0) {
        const QSize hint = widget->sizeHint();
        if (width < 0) width = hint.width();
        if (height < 0) height = hint.height();
    }
    widget->setGeometry(left, top, width, height);
    return widget;
}

}  // namespace

template <typename T>
T* TfmMain::Register(T* object, const char* name) {
    NameControl(object, name);
    components_.push_back(object);
    return object;
}

QAction* TfmMain::MakeAction(QMenu* menu, const char* name, const QString& caption) {
    auto* action = Register(new QAction(caption, this), name);
    menu->addAction(action);
    addAction(action);   // shortcuts work whether or not the menu is shown
    return action;
}

TfmMain::TfmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("fmMain"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    setCentralWidget(PageControl);

    CreateMenus();
    CreateSearchPage();
    CreateExtraPage();
    CreateResultsPage();
    CreateNotesPage();
    WireSearchPage();
    WireSearchRun();
    WireResultsPage();
    for (QComboBox* combo : {cbAnag, cbWord, cbFile, cbAddOpred, cbKill}) {
        combo->installEventFilter(this);
        combo->lineEdit()->installEventFilter(this);
    }
    resize(536, 392);   // room for the results page's longest captions
    FormCreate();
}

TfmMain::~TfmMain() = default;

QMenu* TfmMain::MakeMenu(const char* name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    Register(menu->menuAction(), name);
    return menu;
}

void TfmMain::CreateMenus() {
    mmFile = MakeMenu("mmFile", QStringLiteral("&Файл"));
    mmSetup = MakeAction(mmFile, "mmSetup", QStringLiteral("&Настройки..."));
    mmExit = MakeAction(mmFile, "mmExit", QStringLiteral("&Выход"));

    mmDics = MakeMenu("mmDics", QStringLiteral("&Словари"));
    mm1 = mmDics->addSeparator();
    mm1->setObjectName(QStringLiteral("mm1"));
    mmAddKlav = MakeAction(mmDics, "mmAddKlav", QStringLiteral("&Добавление слов..."));
    mmAddKlav->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mmImport = MakeAction(mmDics, "mmImport", QStringLiteral("&Импорт словаря..."));

    mmSearch = MakeMenu("mmSearch", QStringLiteral("&Поиск"));
    mmWords = MakeAction(mmSearch, "mmWords", QStringLiteral("Поиск &Слов"));
    mmPalindroms = MakeAction(mmSearch, "mmPalindroms", QStringLiteral("Поиск &Палиндромов"));
    mmAnags = MakeAction(mmSearch, "mmAnags", QStringLiteral("Поиск &Анаграмм"));
    mmStat = MakeAction(mmSearch, "mmStat", QStringLiteral("&Статистика"));
    mmStat->setShortcut(QKeySequence(Qt::Key_F12));
    mmSearch->menuAction()->setVisible(false);

    mmPage = MakeMenu("mmPage", QStringLiteral("&Закладка"));
    mmFind = MakeAction(mmPage, "mmFind", QStringLiteral("&Поиск"));
    mmDop = MakeAction(mmPage, "mmDop", QStringLiteral("&Дополнительно"));
    mmRes = MakeAction(mmPage, "mmRes", QStringLiteral("&Результаты"));
    mmNotes = MakeAction(mmPage, "mmNotes", QStringLiteral("&Заметки"));

    mmHelp = MakeMenu("mmHelp", QStringLiteral("Помощ&ь"));
    mmTopic = MakeAction(mmHelp, "mmTopic", QStringLiteral("&Подсказка"));
    mmTopic->setShortcut(QKeySequence(Qt::Key_F1));
    mmWhatsNew = MakeAction(mmHelp, "mmWhatsNew", QStringLiteral("&Что нового в версии  "));
    mmWebsite = MakeAction(mmHelp, "mmWebsite", QStringLiteral("&Вебсайт"));
    mmAbout = MakeAction(mmHelp, "mmAbout", QStringLiteral("&О программе..."));

    connect(mmDics, &QMenu::aboutToShow, this, &TfmMain::mmDicsClick);
    connect(mmSetup, &QAction::triggered, this, &TfmMain::mmSetupClick);
    connect(mmExit, &QAction::triggered, this, &TfmMain::mmExitClick);
    connect(mmAddKlav, &QAction::triggered, this, &TfmMain::mmAddKlavClick);
    connect(mmImport, &QAction::triggered, this, &TfmMain::mmImportClick);
    connect(mmStat, &QAction::triggered, this, &TfmMain::mmStatClick);
    connect(mmFind, &QAction::triggered, this, &TfmMain::mmFindClick);
    connect(mmDop, &QAction::triggered, this, &TfmMain::mmDopClick);
    connect(mmRes, &QAction::triggered, this, &TfmMain::mmResClick);
    connect(mmNotes, &QAction::triggered, this, &TfmMain::mmNotesClick);
    connect(mmTopic, &QAction::triggered, this, &TfmMain::mmTopicClick);
    connect(mmWhatsNew, &QAction::triggered, this, &TfmMain::mmWhatsNewClick);
    connect(mmWebsite, &QAction::triggered, this, &TfmMain::mmWebSiteClick);
    connect(mmAbout, &QAction::triggered, this, &TfmMain::mmAboutClick);
}

void TfmMain::CreateSearchPage() {
    Tab1 = Register(new QWidget, "Tab1");
    PageControl->addTab(Tab1, QStringLiteral("Поиск"));

    lLen = Place(Register(new QLabel(QStringLiteral("5"), Tab1), "lLen"), 8, 13, 20, 13);
    lMas = Place(Register(new QLabel(QStringLiteral("0"), Tab1), "lMas"), 4, 65, 26, 13);
    Grid = Register(new MaskGrid(Tab1), "Grid");
    Grid->move(30, 32);

    QFont panelFont(QStringLiteral("Courier New Cyr"));
    panelFont.setStyleHint(QFont::Monospace);
    panelFont.setBold(true);
    pnPlus = Place(Register(new Panel(QStringLiteral("+"), Tab1), "pnPlus"), 7, 32, 20, 15);
    pnPlus->setToolTip(QStringLiteral("Увеличивает длину слова на одну букву. Серый \"+\""));
    pnMinus = Place(Register(new Panel(QStringLiteral("-"), Tab1), "pnMinus"), 7, 47, 20, 15);
    pnMinus->setToolTip(QStringLiteral("Уменьшает длину слова на одну букву. Серый \"-\""));
    for (Panel* p : {pnPlus, pnMinus}) p->setFont(panelFont);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    for (QTimer* t : {Timer1, Timer2}) t->setInterval(500);

    btRun = Place(Register(new QPushButton(QStringLiteral("Найти !"), Tab1), "btRun"), 8, 96, 72, 26);
    btRun->setToolTip(QStringLiteral("Начать поиск !"));
    btRun->setDefault(true);
    btClear = Place(Register(new QPushButton(QStringLiteral("Очистить"), Tab1), "btClear"), 88, 96, 72, 26);
    btClear->setToolTip(QStringLiteral("Очистить слово от букв"));

    cMass = Place(Register(new QCheckBox(QStringLiteral("Искать слова весом"), Tab1), "cMass"), 172, 100);
    cbMass = Place(Register(new QComboBox(Tab1), "cbMass"), 316, 98, 50, 22);
    cbMass->addItems({QStringLiteral("="), QStringLiteral("<="), QStringLiteral("=>")});
    cbMass->setMaxVisibleItems(3);
    cbMass->setToolTip(QStringLiteral("равным"));
    edMass = Place(Register(new QLineEdit(QStringLiteral("10"), Tab1), "edMass"), 372, 98, 42, 22);
    edMass->setMaxLength(4);
    edMass->setToolTip(QStringLiteral("Вес слова"));
    udMass = Place(Register(new UpDown(edMass, 2, 1999, 10, Tab1), "udMass"), 414, 98, 16, 22);
    udMass->setToolTip(QStringLiteral("Вес слова"));
    for (QWidget* w : std::initializer_list<QWidget*>{cbMass, edMass, udMass}) w->setEnabled(false);

    Gag = Place(Register(new QProgressBar(Tab1), "Gag"), 8, 130, 488, 14);
    Gag->setTextVisible(false);
    Gag->setValue(0);
    Gag->hide();

    gbMask = Place(Register(new QGroupBox(QStringLiteral(" Маска - это... "), Tab1), "gbMask"), 8, 152, 224, 118);
    rbWordOnly = Place(Register(new QRadioButton(QStringLiteral("Только целое слово"), gbMask), "rbWordOnly"), 10, 20);
    rbWordBegin = Place(Register(new QRadioButton(QStringLiteral("Только начало слова"), gbMask), "rbWordBegin"), 10, 43);
    rbWordEnd = Place(Register(new QRadioButton(QStringLiteral("Только конец слова"), gbMask), "rbWordEnd"), 10, 66);
    rbWordAny = Place(Register(new QRadioButton(QStringLiteral("Любая часть слова"), gbMask), "rbWordAny"), 10, 89);
    rbWordOnly->setChecked(true);

    gbWhere = Place(Register(new QGroupBox(QStringLiteral(" Где искать "), Tab1), "gbWhere"), 240, 152, 256, 118);
    rbW = Place(Register(new QRadioButton(QStringLiteral("Только в словах"), gbWhere), "rbW"), 10, 20);
    rbD = Place(Register(new QRadioButton(QStringLiteral("Только в определениях"), gbWhere), "rbD"), 10, 43);
    rbWD = Place(Register(new QRadioButton(QStringLiteral("И в словах и в определениях"), gbWhere), "rbWD"), 10, 66);
    rbF = Place(Register(new QRadioButton(QStringLiteral("В файле"), gbWhere), "rbF"), 10, 89);
    cbFile = Place(Register(MakeHistoryBox(gbWhere), "cbFile"), 90, 87, 130, 22);
    btFile = Place(Register(new QPushButton(QStringLiteral("..."), gbWhere), "btFile"), 224, 87, 24, 22);
    rbW->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{cbFile, btFile}) w->setEnabled(false);

    CreatePositionLabels();
}

// Two rows of 22 small labels over and under the grid's columns.
void TfmMain::CreatePositionLabels() {
    QFont small = Tab1->font();
    small.setPointSize(6);
    for (int n = 1; n <= 22; ++n) {
        const int left = 10 + n * (MaskGrid::DefaultColWidth + 1);
        PosLabel[static_cast<std::size_t>(n)] = new QLabel(QString::number(n), Tab1);
        WeightLabel[static_cast<std::size_t>(n)] = new QLabel(QStringLiteral("0"), Tab1);
        QLabel* pos = PosLabel[static_cast<std::size_t>(n)];
        QLabel* weight = WeightLabel[static_cast<std::size_t>(n)];
        pos->setObjectName(QStringLiteral("PosLabel%1").arg(n));
        weight->setObjectName(QStringLiteral("WeightLabel%1").arg(n));
        pos->setGeometry(left, 13, MaskGrid::DefaultColWidth, 13);
        weight->setGeometry(left, 65, MaskGrid::DefaultColWidth, 13);
        for (QLabel* l : {pos, weight}) {
            l->setFont(small);
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
    }
}

void TfmMain::CreateExtraPage() {
    Tab4 = Register(new QWidget, "Tab4");
    PageControl->addTab(Tab4, QStringLiteral("Дополнительно"));
    lbAnag = Place(Register(new QLabel(QStringLiteral("Введите слово, к которому хотите найти анаграмму"), Tab4),
                         "lbAnag"),
                   8, 14);
    cbAnag = Place(Register(MakeHistoryBox(Tab4), "cbAnag"), 8, 32, 320, 22);
    btFindAnag = Place(Register(new QPushButton(QStringLiteral("Да"), Tab4), "btFindAnag"), 336, 32, 40, 22);
    lbWord = Place(Register(new QLabel(QStringLiteral("Введите слово, к которому хотите найти определение"), Tab4),
                         "lbWord"),
                   8, 74);
    cbWord = Place(Register(MakeHistoryBox(Tab4), "cbWord"), 8, 92, 320, 22);
    btFindWord = Place(Register(new QPushButton(QStringLiteral("Да"), Tab4), "btFindWord"), 336, 92, 40, 22);
    btFindAnag->setEnabled(false);
    btFindWord->setEnabled(false);
}

void TfmMain::CreateResultsPage() {
    Tab2 = Register(new QWidget, "Tab2");
    PageControl->addTab(Tab2, QStringLiteral("Результаты"));
    lbCount = Place(Register(new QLabel(QStringLiteral("Перейдите на закладку ПОИСК"), Tab2), "lbCount"), 8, 2, 240, 15);
    pnABC = Place(Register(new Panel(QStringLiteral("Алфавит"), Tab2), "pnABC"), 0, 18, 80, 17);
    pnABC->setToolTip(QStringLiteral("Сортировать по алфавиту"));
    pnLen = Place(Register(new Panel(QStringLiteral("Длина слова"), Tab2), "pnLen"), 83, 18, 80, 17);
    pnLen->setToolTip(QStringLiteral("Сортировать по длине слова"));
    pnMas = Place(Register(new Panel(QStringLiteral("Вес слова"), Tab2), "pnMas"), 166, 18, 80, 17);
    pnMas->setToolTip(QStringLiteral("Сортировать по весу слова"));
    pnABC->SetLowered(true);
    for (Panel* p : {pnABC, pnLen, pnMas}) p->setEnabled(false);

    Results = new ResultListModel(this);
    lbWords = Place(Register(new QListView(Tab2), "lbWords"), 0, 40, 246, 257);
    lbWords->setModel(Results);
    lbWords->setFrameShape(QFrame::Box);
    lbWords->setEnabled(false);
    gagSort = Place(Register(new QProgressBar(Tab2), "gagSort"), 0, 40, 246, 16);
    gagSort->setTextVisible(false);
    gagSort->hide();

    lInfo = Place(Register(new QLabel(Tab2), "lInfo"), 256, 2, 240, 15);
    lbOpreds = Place(Register(new QLabel(QStringLiteral("Определения"), Tab2), "lbOpreds"), 256, 21, 240, 15);
    mDescr = Place(Register(new QPlainTextEdit(Tab2), "mDescr"), 256, 40, 241, 161);
    mDescr->setReadOnly(true);
    mDescr->setFrameShape(QFrame::Box);
    mDescr->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mDescr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mDescr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mDescr->setEnabled(false);
    L3 = Place(Register(new QLabel(QStringLiteral("Новое определение"), Tab2), "L3"), 256, 201, 240, 15);
    cbAddOpred = Place(Register(MakeHistoryBox(Tab2), "cbAddOpred"), 256, 216, 201, 21);
    btYes1 = Place(Register(new QPushButton(QStringLiteral("Да"), Tab2), "btYes1"), 464, 216, 27, 21);
    rbNotKill = Place(Register(new QRadioButton(QStringLiteral("Оставить опр-я, содержащие слово..."), Tab2),
                               "rbNotKill"),
                      256, 238, 250, 19);
    rbKill = Place(Register(new QRadioButton(QStringLiteral("Исключить опр-я, содержащие слово..."), Tab2), "rbKill"),
                   256, 257, 250, 19);
    cbKill = Place(Register(MakeHistoryBox(Tab2), "cbKill"), 256, 277, 201, 21);
    btYes2 = Place(Register(new QPushButton(QStringLiteral("Да"), Tab2), "btYes2"), 464, 277, 27, 21);
    rbNotKill->setChecked(true);
    for (QPushButton* b : {btYes1, btYes2}) b->setFocusPolicy(Qt::ClickFocus);   // skipped by Tab
    for (QWidget* w : std::initializer_list<QWidget*>{L3, cbAddOpred, btYes1, rbNotKill, rbKill, cbKill, btYes2})
        w->setEnabled(false);
}

void TfmMain::CreateNotesPage() {
    Tab3 = Register(new QWidget, "Tab3");
    PageControl->addTab(Tab3, QStringLiteral("Для заметок"));
    mNotes = Register(new QPlainTextEdit(Tab3), "mNotes");
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    mNotes->setFont(font);
    auto* layout = new QVBoxLayout(Tab3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mNotes);
}

void TfmMain::FormCreate() {
    // The hand cursor of the link labels is Qt's own pointing hand, and the
    // program's folder is taken from the running program when first asked.
    const std::string& directory = ProgramDirectory();
    ApplyLanguageFile(directory + LanguageFileName, components_);
    ScanDictionaryMenu();
    const Settings settings = ReadSettings();
    SetGridFontFace(FromCp1251(settings.wordFontFace));
    SetListFontFace(FromCp1251(settings.wordListFontFace));
    ProgramEquivalences() = settings.equivalences;
    setWindowTitle(QStringLiteral("Vellumar v.%1").arg(QLatin1String(Version)));
    mmWhatsNew->setText(mmWhatsNew->text() + QLatin1String(Version));
    ApplicationTitle() = windowTitle();
    mNotes->setPlainText(FromCp1251(LoadNotes()));
    choicesAtStart_ = ReadSearchChoices();
    ShowSearchChoices(choicesAtStart_);
    // Which of the labels (made with the page) show, and the first position label bold.
    ShowMaskColumns();
    BoldPos = 0;
    MoveBoldMarker();
    cbMass->setCurrentIndex(0);
    // Typing goes straight into the grid.
    PageControl->setCurrentWidget(Tab1);
    Grid->setFocus();
}

// One checked entry per dictionary above the separator, in catalogue order;
// the separator hidden when there is none.
void TfmMain::ScanDictionaryMenu() {
    catalogue_ = ScanDictionaries(DictionaryDirectories());
    for (const DictionaryEntry& entry : catalogue_) {
        auto* action = new QAction(FromCp1251(entry.caption), this);
        action->setCheckable(true);
        action->setChecked(true);
        action->setStatusTip(QString::fromLocal8Bit(entry.path));
        mmDics->insertAction(mm1, action);
        connect(action, &QAction::triggered, this, &TfmMain::mmDicsClick);
        DictionaryEntries.push_back(action);
    }
    mm1->setVisible(!DictionaryEntries.empty());
}

void TfmMain::RescanDictionaryMenu() {
    std::map<std::string, bool> marks;
    for (const DictionaryEntry& entry : Catalogue()) marks[entry.path] = entry.checked;
    for (QAction* action : DictionaryEntries) {
        mmDics->removeAction(action);
        delete action;
    }
    DictionaryEntries.clear();
    ScanDictionaryMenu();
    for (std::size_t i = 0; i < catalogue_.size(); ++i)
        if (const auto found = marks.find(catalogue_[i].path); found != marks.end())
            DictionaryEntries[i]->setChecked(found->second);
}

// The titles and paths as scanned (no round trip through the menu's texts),
// with the check marks the menu holds now.
DictionaryCatalogue TfmMain::Catalogue() const {
    DictionaryCatalogue catalogue = catalogue_;
    for (std::size_t i = 0; i < catalogue.size(); ++i) catalogue[i].checked = DictionaryEntries[i]->isChecked();
    return catalogue;
}

QString TfmMain::GridFontFace() const { return Grid->FontFace(); }
void TfmMain::SetGridFontFace(const QString& face) { Grid->SetFontFace(face.left(kMaxFaceLength)); }

QString TfmMain::ListFontFace() const { return lbWords->font().family(); }
void TfmMain::SetListFontFace(const QString& face) {
    QFont font(face.left(kMaxFaceLength));
    font.setPixelSize(12);
    lbWords->setFont(font);
}

QPushButton* TfmMain::DefaultButton() const {
    for (QPushButton* b : {focusDefault_.data(), btRun})
        if (b && b->isEnabled() && b->isVisible()) return b;
    return nullptr;
}

// Enter that no control took presses the default button.
void TfmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (QPushButton* button = DefaultButton()) {
            button->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

// The combo box that `watched` is or belongs to (its line edit), if any.
static QComboBox* ComboOf(QObject* watched) {
    if (auto* combo = qobject_cast<QComboBox*>(watched)) return combo;
    return watched ? qobject_cast<QComboBox*>(watched->parent()) : nullptr;
}

// The combo boxes make their "Да" or "..." button the default while they have
// the focus (cbAnagEnter/Exit, cbWordEnter/Exit, cbFileEnter/Exit,
// cbAddOpredEnter/Exit, cbKillEnter/Exit), and Enter in them presses it.
bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
    QComboBox* combo = ComboOf(watched);
    if (!combo) return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const std::pair<QComboBox*, QPushButton*> pairs[] = {
            {cbAnag, btFindAnag}, {cbWord, btFindWord}, {cbFile, btFile}, {cbAddOpred, btYes1}, {cbKill, btYes2}};
        for (const auto& [box, button] : pairs) {
            if (box != combo) continue;
            const bool in = combo->hasFocus() || combo->lineEdit()->hasFocus();
            button->setDefault(in);
            btRun->setDefault(!in);
            focusDefault_ = in ? button : nullptr;
        }
    } else if (event->type() == QEvent::KeyPress) {
        // An editable combo box takes Enter for itself; the button gets it instead.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !combo->view()->isVisible()) {
            if (QPushButton* button = DefaultButton()) button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmMain::closeEvent(QCloseEvent* event) {
    SaveNotes(ToCrLf(ToCp1251(mNotes->toPlainText())));
    try {
        if (const SearchChoices shown = SearchChoicesShown(); shown != choicesAtStart_) {
            WriteSearchChoices(shown);
            choicesAtStart_ = shown;
        }
    } catch (const std::exception& e) {
        ShowFailure(this, e);
    }
    QMainWindow::closeEvent(event);
}

}  // namespace vellumar::ui
