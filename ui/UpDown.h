#pragma once
// Up-down arrows bound to an edit field: each arrow steps the field's number
// by one within [minimum, maximum], without wrapping around, and so do the Up
// and Down keys in the field. A field that holds no number is stepped from the
// last position.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vellumar::ui {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, int position, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void StepBy(int delta);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace vellumar::ui
