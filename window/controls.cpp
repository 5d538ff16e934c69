#include "controls.h"

#include "control_table.h"
#include "main_window.h"
#include "messages.h"
#include "wrapping_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <limits>

namespace tavrolin {

namespace {

// The picture; where the screen has more than one pixel to each of the window's, the same
// drawing at twice the size, brought to the screen's own pixels.
QPixmap modemPicture(qreal pixelRatio)
{
    if (pixelRatio <= 1)
        return QPixmap(QStringLiteral(":/pictures/modem.jpg"));
    const QPixmap twice(QStringLiteral(":/pictures/modem@2x.jpg"));
    QPixmap sharp = twice.scaled(
        twice.size() * (pixelRatio / 2), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    sharp.setDevicePixelRatio(pixelRatio);
    return sharp;
}

} // namespace

QWidget *createControl(const ControlRow &row, Tavrolin *window)
{
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(window);
        box->setMaxLength(std::numeric_limits<int>::max()); // no limit of our own
        return box;
    }
    case ControlKind::CommandButton: {
        auto *button = new WrappingButton(translated(row.text), window);
        // Return and Enter press the button that has the focus. None is the
        // default button, so Enter in a box presses nothing.
        button->setAutoDefault(true);
        if (row.background)
            button->setFillColour(QColor::fromRgb(*row.background));
        if (row.clicked)
            QObject::connect(button, &QPushButton::clicked, window, row.clicked);
        return button;
    }
    case ControlKind::Image: {
        auto *picture = new QLabel(window);
        picture->setPixmap(modemPicture(window->devicePixelRatioF()));
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2); // the picture's own size inside a two-pixel border
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::Label:
        break;
    }
    auto *label = new QLabel(window);
    label->setTextFormat(Qt::PlainText);
    label->setText(translated(row.text));
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    // Its own ground and text colours, not the window's ground (the button face).
    label->setBackgroundRole(QPalette::Window);
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

} // namespace tavrolin
