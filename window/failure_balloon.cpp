#include "failure_balloon.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

namespace tavrolin {

namespace {
constexpr int balloonWidth = 230; // pixels; the messages wrap within it
constexpr int gapBelowControl = 2;
} // namespace

FailureBalloon::FailureBalloon(QWidget *parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("failureBalloon"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    const int frame = style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this);
    setMargin(qMax(frame, 1) + 2);
}

void FailureBalloon::showBeside(QWidget *control, const QString &text)
{
    setFont(control->window()->font());
    setText(text);
    resize(balloonWidth, heightForWidth(balloonWidth));

    // Below the control, from the side the user reads from.
    setLayoutDirection(control->layoutDirection());
    const int left = isRightToLeft() ? control->width() - width() : 0;
    QPoint topLeft = control->mapToGlobal(QPoint(left, control->height() + gapBelowControl));
    if (const QScreen *screen = control->screen()) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(qBound(room.left(), topLeft.x(), room.right() - width()));
        topLeft.setY(qBound(room.top(), topLeft.y(), room.bottom() - height()));
    }
    move(topLeft);

    qApp->installEventFilter(this);
    show();
    QApplication::beep();
}

bool FailureBalloon::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // The balloon never has the focus: keys reach the focused control.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            hide();
            return true; // taking the message away is all this Escape does
        }
        // A modifier alone is not typing yet; any other key goes on to the control.
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt
            && key != Qt::Key_Meta && key != Qt::Key_AltGr) {
            hide();
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        hide();
        break;
    case QEvent::Move:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        // The control it points at has moved or gone out of the user's sight.
        if (watched == parentWidget())
            hide();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void FailureBalloon::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}

void FailureBalloon::paintEvent(QPaintEvent *event)
{
    // Drawn as the style draws its tooltips.
    QStylePainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    painter.end();
    QLabel::paintEvent(event);
}

} // namespace tavrolin
