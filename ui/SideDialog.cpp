#include "ui/SideDialog.h"

#include <QScreen>

namespace vellumar::ui {

SideDialog::SideDialog(QWidget* parent, const QString& caption)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setWindowTitle(caption);
}

// Placed before it shows, so the window never appears elsewhere first.
void SideDialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::setVisible(visible);
}

}  // namespace vellumar::ui
