#pragma once
// The main window: four pages ("Поиск", "Дополнительно", "Результаты", "Для
// заметок"), the menu bar with the dictionary catalogue, the mask grid, the
// search run, the result list and the definitions panel. Its behaviour is
// spread over several source files by area (uMain*.cpp); this header names
// every control and handler of the window in one place.

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <string>
#include <vector>

#include "app/Catalogue.h"
#include "app/SearchChoices.h"
#include "engine/Match.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace vellumar::ui {

class MaskGrid;
class Panel;
class ResultListModel;
class UpDown;

class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* Version = "1.11";

    // Builds the window and runs FormCreate.
    explicit TfmMain(QWidget* parent = nullptr);
    ~TfmMain() override;

    // ---- Pages and their controls -------------------------------------
    QTabWidget* PageControl = nullptr;
    QWidget* Tab1 = nullptr;   // "Поиск"
    QWidget* Tab4 = nullptr;   // "Дополнительно"
    QWidget* Tab2 = nullptr;   // "Результаты"
    QWidget* Tab3 = nullptr;   // "Для заметок"

    // "Поиск": the mask grid and what belongs to it.
    MaskGrid* Grid = nullptr;
    std::array<QLabel*, 23> PosLabel{};      // 1..22
    std::array<QLabel*, 23> WeightLabel{};   // 1..22
    int BoldPos = 0;
    QLabel* lLen = nullptr;
    QLabel* lMas = nullptr;
    Panel* pnPlus = nullptr;
    Panel* pnMinus = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    bool PlusPending = false;
    bool MinusPending = false;
    QPushButton* btRun = nullptr;
    QPushButton* btClear = nullptr;
    QProgressBar* Gag = nullptr;
    QCheckBox* cMass = nullptr;
    QComboBox* cbMass = nullptr;
    QLineEdit* edMass = nullptr;
    UpDown* udMass = nullptr;
    QGroupBox* gbMask = nullptr;
    QRadioButton* rbWordOnly = nullptr;
    QRadioButton* rbWordBegin = nullptr;
    QRadioButton* rbWordEnd = nullptr;
    QRadioButton* rbWordAny = nullptr;
    QGroupBox* gbWhere = nullptr;
    QRadioButton* rbW = nullptr;
    QRadioButton* rbD = nullptr;
    QRadioButton* rbWD = nullptr;
    QRadioButton* rbF = nullptr;
    QComboBox* cbFile = nullptr;
    QPushButton* btFile = nullptr;

    // "Дополнительно"
    QLabel* lbAnag = nullptr;
    QComboBox* cbAnag = nullptr;
    QPushButton* btFindAnag = nullptr;
    QLabel* lbWord = nullptr;
    QComboBox* cbWord = nullptr;
    QPushButton* btFindWord = nullptr;

    // "Результаты": the result list and the definitions panel.
    QLabel* lbCount = nullptr;
    Panel* pnABC = nullptr;
    Panel* pnLen = nullptr;
    Panel* pnMas = nullptr;
    QListView* lbWords = nullptr;
    ResultListModel* Results = nullptr;
    QProgressBar* gagSort = nullptr;
    QLabel* lInfo = nullptr;
    QLabel* lbOpreds = nullptr;
    QPlainTextEdit* mDescr = nullptr;
    QLabel* L3 = nullptr;
    QComboBox* cbAddOpred = nullptr;
    QPushButton* btYes1 = nullptr;
    QRadioButton* rbNotKill = nullptr;
    QRadioButton* rbKill = nullptr;
    QComboBox* cbKill = nullptr;
    QPushButton* btYes2 = nullptr;

    // "Для заметок"
    QPlainTextEdit* mNotes = nullptr;

    // ---- Menu bar -------------------------------------------------------
    QMenu* mmFile = nullptr;
    QAction* mmSetup = nullptr;
    QAction* mmExit = nullptr;
    QMenu* mmDics = nullptr;
    QAction* mm1 = nullptr;
    QAction* mmAddKlav = nullptr;
    QAction* mmImport = nullptr;
    QMenu* mmSearch = nullptr;
    QAction* mmWords = nullptr;
    QAction* mmPalindroms = nullptr;
    QAction* mmAnags = nullptr;
    QAction* mmStat = nullptr;
    QMenu* mmPage = nullptr;
    QAction* mmFind = nullptr;
    QAction* mmDop = nullptr;
    QAction* mmRes = nullptr;
    QAction* mmNotes = nullptr;
    QMenu* mmHelp = nullptr;
    QAction* mmTopic = nullptr;
    QAction* mmWhatsNew = nullptr;
    QAction* mmWebsite = nullptr;
    QAction* mmAbout = nullptr;

    // The dictionary entries of "&Словари", in menu order, one per entry of
    // the catalogue scanned at start; the stored path is each one's hint.
    std::vector<QAction*> DictionaryEntries;

    // The catalogue as the menu holds it now: captions, paths, check marks.
    DictionaryCatalogue Catalogue() const;

    // The choices of gbWhere and gbMask (and the file named in cbFile) as the
    // page shows them, and the page made to show them.
    SearchChoices SearchChoicesShown() const;
    void ShowSearchChoices(const SearchChoices& choices);

    // The face names of the grid's and the result list's fonts.
    QString GridFontFace() const;
    void SetGridFontFace(const QString& face);
    QString ListFontFace() const;
    void SetListFontFace(const QString& face);

    // ---- Named steps ------------------------------------------------------
    void ShowMaskLength();
    void RecalcMaskWeight();
    void RefreshMaskWeights();
    void MoveBoldMarker();
    void RefreshResultsPage();
    void ShowDefinitions(const std::string& entry);
    // The letter picker at a point of the screen (the grid's right button).
    void OpenLetterPicker(QPoint globalPosition);

public Q_SLOTS:
    // Start-up and menus.
    void FormCreate();
    void mmDicsClick();
    void mmFindClick();
    void mmDopClick();
    void mmResClick();
    void mmNotesClick();
    void mmExitClick();
    void mmSetupClick();
    void mmAddKlavClick();
    void mmImportClick();
    void mmStatClick();
    void mmAboutClick();
    void mmTopicClick();
    void mmWhatsNewClick();
    void mmWebSiteClick();

    // The mask grid.
    void GridKeyDown(int* key);
    void GridKeyPress(const QString& text);
    void GridKeyUp(int key);
    void GridMouseDown(Qt::MouseButton button, QPoint position);
    void pnMouseDown(Qt::MouseButton button);
    void pnMouseUp(Qt::MouseButton button);
    void Timer1Timer();
    void Timer2Timer();
    void btClearClick();
    void cMassClick();
    void cbMassChange();

    // The search run and its controls.
    void btRunClick();
    void cbAnagChange();
    void cbWordChange();
    void cbFileChange();
    void rbFClick();
    void btFileClick();

    // The result list and the definitions panel.
    void lbWordsClick();
    void pnMDown(Qt::MouseButton button);
    void pnMUp(Qt::MouseButton button);
    void pnABCClick();
    void pnLenClick();
    void pnMasClick();
    void btYes1Click();
    void btYes2Click();
    void cbAddOpredChange();
    void cbKillChange();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builders of the window description, one per page and the menu bar.
    void CreateSearchPage();
    void CreateExtraPage();
    void CreateResultsPage();
    void CreateNotesPage();
    void CreateMenus();
    void CreatePositionLabels();
    void ScanDictionaryMenu();
    // The menu's entries made afresh from the folder, each keeping its check
    // mark; an entry new to the folder comes checked.
    void RescanDictionaryMenu();
    void WireSearchPage();
    // The grid's width, the labels shown and lLen after N changed.
    void ShowMaskColumns();
    void WireSearchRun();
    void WireResultsPage();

    // Registers a control in creation order, for the language file.
    template <typename T>
    T* Register(T* object, const char* name);
    QMenu* MakeMenu(const char* name, const QString& caption);
    QAction* MakeAction(QMenu* menu, const char* name, const QString& caption);

    // The button that Enter presses now: the one a focused combo box made
    // default, else btRun; only an enabled, visible button is pressed.
    QPushButton* DefaultButton() const;

    // The search whose results the list holds, for the definitions panel to
    // show which words of a definition fit.
    struct LastSearch {
        std::string mask;
        SearchSettings settings;
        bool inDefinitions = false;
    };
    LastSearch lastSearch_;
    // The choices as read at start: written back at the end only if changed.
    SearchChoices choicesAtStart_;

    std::vector<QObject*> components_;
    DictionaryCatalogue catalogue_;   // as scanned at start; the marks live in the menu
    QPointer<QPushButton> focusDefault_;
};

}  // namespace vellumar::ui
