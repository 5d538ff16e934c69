#pragma once

#include <QLabel>

namespace tavrolin {

// A tooltip-style note shown beside a control to say why an action did not
// complete. It takes no focus and stays until the user acts: a key typed (which
// still reaches the focused control), a click anywhere in the program, Escape,
// or the window moving or losing the focus.
class FailureBalloon : public QLabel
{
    Q_OBJECT

public:
    explicit FailureBalloon(QWidget *parent);

    // Shows text just below the control (kept on its screen) and beeps. A screen reader is
    // told by the window, as it is told everything else.
    void showBeside(QWidget *control, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tavrolin
