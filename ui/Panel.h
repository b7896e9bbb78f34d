#pragma once
// A panel that serves as a button: a framed caption with a raised or lowered
// bevel. It reports presses and releases (with the button) and a click (a
// release over the panel); moving it while pressed is left to its handlers.
// A disabled panel takes no mouse input. The panel also takes the focus with
// Tab, and the space bar presses and releases it like the mouse's left button.

#include <QLabel>

namespace vellumar::ui {

class Panel : public QLabel {
    Q_OBJECT
public:
    explicit Panel(const QString& caption, QWidget* parent = nullptr);

    // Lowered bevel on the 3D-light colour, or raised on the button face.
    void SetLowered(bool lowered);
    bool IsLowered() const { return lowered_; }

    // Moves the panel by (dx, dy): the pressed look.
    void Shift(int dx, int dy) { move(x() + dx, y() + dy); }

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool lowered_ = false;
};

}  // namespace vellumar::ui
