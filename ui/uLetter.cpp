#include "ui/uLetter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "engine/Letters.h"
#include "ui/ControlNames.h"
#include "ui/MaskGrid.h"
#include "ui/QtText.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

constexpr std::string_view kVowels = Cp1251<"ЁАЕИОУЫЭЮЯ">;
constexpr std::string_view kCloseMark = Cp1251<"·">;

bool IsVowel(const std::string& text) { return text.size() == 1 && kVowels.find(text[0]) != std::string_view::npos; }

// The alphabet position of a letter cell, 0 for the blank and the close cell.
int CellWeight(int cell) { return cell < TfmLetters::BlankCell ? cell + 1 : 0; }

}  // namespace

// ---- LetterGrid ------------------------------------------------------------

LetterGrid::LetterGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(FullSize());
}

QSize LetterGrid::FullSize() { return {(ColWidth + 1) * ColCount + 1, (RowHeight + 1) * RowCount + 1}; }

void LetterGrid::SetCurrent(int cell) {
    if (cell < 0 || cell >= ColCount * RowCount || cell == current_) return;
    current_ = cell;
    update();
}

QRect LetterGrid::CellRect(int cell) const {
    const int col = cell % ColCount, row = cell / ColCount;
    return {1 + col * (ColWidth + 1), 1 + row * (RowHeight + 1), ColWidth, RowHeight};
}

int LetterGrid::CellAt(QPoint point) const {
    for (int cell = 0; cell < ColCount * RowCount; ++cell)
        if (CellRect(cell).contains(point)) return cell;
    return -1;
}

void LetterGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));   // the lines between cells
    for (int cell = 0; cell < ColCount * RowCount; ++cell) {
        painter.save();
        Q_EMIT drawCell(&painter, cell, CellRect(cell), cell == current_);
        painter.restore();
    }
}

void LetterGrid::mouseMoveEvent(QMouseEvent* event) { Q_EMIT mouseMove(event->position().toPoint()); }
void LetterGrid::mousePressEvent(QMouseEvent* event) { Q_EMIT mouseDown(event->button()); }

void LetterGrid::mouseReleaseEvent(QMouseEvent* event) {
    // A release outside the picker is no choice of the current cell.
    if (rect().contains(event->position().toPoint())) Q_EMIT mouseUp(event->button());
}

void LetterGrid::keyPressEvent(QKeyEvent* event) {
    const int col = current_ % ColCount, row = current_ / ColCount;
    switch (event->key()) {
        case Qt::Key_Left: if (col > 0) SetCurrent(current_ - 1); return;
        case Qt::Key_Right: if (col < ColCount - 1) SetCurrent(current_ + 1); return;
        case Qt::Key_Up: if (row > 0) SetCurrent(current_ - ColCount); return;
        case Qt::Key_Down: if (row < RowCount - 1) SetCurrent(current_ + ColCount); return;
        default: Q_EMIT keyPress(event->key());
    }
}

// ---- TfmLetters --------------------------------------------------------------

TfmLetters::TfmLetters(TfmMain* main) : QWidget(main, Qt::Popup | Qt::FramelessWindowHint), main_(main) {
    setObjectName(QStringLiteral("fmLetters"));
    sgLetters = new LetterGrid(this);
    NameControl(sgLetters, "sgLetters");
    sgLetters->setBackgroundRole(QPalette::Button);
    setFocusProxy(sgLetters);
    connect(sgLetters, &LetterGrid::drawCell, this, &TfmLetters::sgDrawCell);
    connect(sgLetters, &LetterGrid::mouseMove, this, &TfmLetters::sgLettersMouseMove);
    connect(sgLetters, &LetterGrid::mouseDown, this, &TfmLetters::sgLettersMouseDown);
    connect(sgLetters, &LetterGrid::mouseUp, this, &TfmLetters::sgLettersMouseUp);
    connect(sgLetters, &LetterGrid::keyPress, this, &TfmLetters::sgLettersKeyPress);
    // Another program taking over closes the picker; a click elsewhere in this
    // one closes it as a popup.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) FormDeactivate();
    });
    FormCreate();
}

void TfmLetters::FormCreate() {
    for (int cell = 0; cell < BlankCell; ++cell)
        sgLetters->SetCell(cell, std::string(1, Alphabet[static_cast<std::size_t>(cell)]));
    sgLetters->SetCell(BlankCell, " ");
    sgLetters->SetCell(CloseCell, std::string(kCloseMark));
}

void TfmLetters::showEvent(QShowEvent* event) {
    FormShow();
    QWidget::showEvent(event);
}

void TfmLetters::FormShow() {
    QFont font = sgLetters->font();
    font.setPixelSize(LetterGrid::RowHeight - 1);
    font.setBold(true);
    sgLetters->setFont(font);
    sgLetters->setGeometry(QRect(QPoint(0, 0), LetterGrid::FullSize()));
    setFixedSize(sgLetters->size());
    sgLetters->setFocus();
}

void TfmLetters::FormDeactivate() { hide(); }

void TfmLetters::Popup(QPoint globalPosition) {
    // The toolkit hands the release of the right button that opened the
    // picker to the picker: only a press seen in this showing makes a release
    // choose.
    PickerPressed = false;
    const QSize size = LetterGrid::FullSize();
    const QScreen* screen = QGuiApplication::screenAt(globalPosition);
    if (!screen) screen = main_->screen();
    const QRect area = screen->availableGeometry();
    QPoint place = globalPosition;
    place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - size.width())));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - size.height())));
    move(place);
    show();
    raise();
    activateWindow();
}

// Highlight colours for the current cell, button face and black elsewhere;
// vowels bold; the close cell a small cross.
void TfmLetters::sgDrawCell(QPainter* painter, int cell, QRect rect, bool focused) {
    const QPalette& colours = sgLetters->palette();
    const QColor background = focused ? colours.color(QPalette::Highlight) : colours.color(QPalette::Button);
    const QColor ink = focused ? colours.color(QPalette::HighlightedText) : QColor(Qt::black);
    painter->fillRect(rect, background);
    painter->setPen(ink);
    QFont font = sgLetters->font();
    font.setFamily(main_->GridFontFace());
    const int left = rect.left(), right = rect.right() + 1, top = rect.top(), bottom = rect.bottom() + 1;
    const int cx = (left + right) / 2, cy = (top + bottom) / 2;
    const std::string& text = sgLetters->Cell(cell);
    if (cell == CloseCell) {
        painter->drawLine(cx - 3, cy - 3, cx + 4, cy + 4);
        painter->drawLine(cx - 3, cy + 3, cx + 4, cy - 4);
        return;
    }
    font.setBold(IsVowel(text));
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const QString shown = FromCp1251(text);
    const int x = cx - metrics.horizontalAdvance(shown) / 2;
    const int y = cy - metrics.height() / 2;
    painter->drawText(x, y + metrics.ascent(), shown);
}

QString TfmLetters::CellHint(int cell) {
    if (cell == CloseCell) return QStringLiteral("Закрыть");
    if (cell == BlankCell) return QStringLiteral("Пробел");
    const std::string letter(1, Alphabet[static_cast<std::size_t>(cell)]);
    const QString kind = IsVowel(letter) ? QStringLiteral(" - гласная буква. Вес = ")
                                         : QStringLiteral(" - согласная буква. Вес = ");
    return FromCp1251(letter) + kind + QString::number(CellWeight(cell));
}

void TfmLetters::sgLettersMouseMove(QPoint position) {
    const int before = sgLetters->Current();
    const int cell = sgLetters->CellAt(position);
    if (cell >= 0) sgLetters->SetCurrent(cell);
    // A new cell withdraws the old cell's hover text so that its own shows.
    if (sgLetters->Current() != before) QToolTip::hideText();
    sgLetters->setToolTip(CellHint(sgLetters->Current()));
}

void TfmLetters::sgLettersMouseDown(Qt::MouseButton) { PickerPressed = true; }

void TfmLetters::sgLettersMouseUp(Qt::MouseButton) {
    if (PickerPressed) ChooseLetter();
}

void TfmLetters::sgLettersKeyPress(int key) {
    if (key == Qt::Key_Escape)
        hide();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        ChooseLetter();
}

void TfmLetters::ChooseLetter() {
    const int cell = sgLetters->Current();
    const int column = main_->Grid->State().Col();
    main_->Grid->State().SetCell(column, cell == CloseCell ? std::string(" ") : sgLetters->Cell(cell));
    main_->RefreshMaskWeights();
    main_->Grid->StateChanged();
    hide();
}

}  // namespace vellumar::ui
