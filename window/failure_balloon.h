#pragma once

#include <QLabel>
#include <QTimer>

namespace tavrolin {

// A tooltip-style note shown beside a control to say why an action did not
// complete. It takes no focus and goes away by itself after a while, at the
// next mouse click anywhere in the program, or on Escape.
class FailureBalloon : public QLabel
{
    Q_OBJECT

public:
    explicit FailureBalloon(QWidget *parent);

    // Shows text just below the control (kept on its screen) and beeps.
    void showBeside(QWidget *control, const QString &text);

    static constexpr int shownForMs = 8000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer hideTimer_;
};

} // namespace tavrolin
