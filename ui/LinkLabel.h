#pragma once
// A label that serves as a link: blue and underlined, the pointing hand over
// it, and a click (a left-button release over it) reported as a signal.

#include <QLabel>

namespace vellumar::ui {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& caption, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vellumar::ui
