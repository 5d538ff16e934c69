#include "main_window.h"

#include "baked_assets.h"
#include "control_table.h"
#include "failure_balloon.h"
#include "version.h"
#include "window_fonts.h"
#include "wrapping_button.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <algorithm>
#include <limits>
#include <vector>

using calc::CalculatorState;
using tavrolin::ControlKind;
using tavrolin::ControlRow;

namespace {

// The picture, decoded from its JPEG when the program was built.
QPixmap modemPicture()
{
    const tavrolin::baked::BakedPicture &picture = tavrolin::baked::picture;
    const auto *pixels = reinterpret_cast<const uchar *>(picture.pixels);
    return QPixmap::fromImage(QImage(pixels, picture.width, picture.height, QImage::Format_RGB32));
}

QWidget *createControl(const ControlRow &row, QWidget *window)
{
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(window);
        box->setMaxLength(std::numeric_limits<int>::max()); // no limit of our own
        return box;
    }
    case ControlKind::CommandButton: {
        auto *button = new tavrolin::WrappingButton(QString::fromUtf8(row.text), window);
        button->setAutoDefault(false); // Enter in a box presses nothing
        button->setDefault(false);
        return button;
    }
    case ControlKind::Image: {
        auto *picture = new QLabel(window);
        picture->setPixmap(modemPicture());
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
    label->setText(QString::fromUtf8(row.text));
    label->setWordWrap(true);
    // Text starts at the top, as on the platform the layout was drawn for.
    label->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(true);
    return label;
}

void paint(QWidget *control, const ControlRow &row, const QPalette &windowPalette)
{
    QPalette palette = control->palette();
    if (row.kind == ControlKind::CommandButton) {
        if (row.background)
            palette.setColor(QPalette::Button, QColor::fromRgb(*row.background));
    } else if (row.kind == ControlKind::Label) {
        // Labels are opaque, on the button face unless they have a colour of their own.
        const QColor face = windowPalette.color(QPalette::Button);
        palette.setColor(
            QPalette::Window, row.background ? QColor::fromRgb(*row.background) : face);
        if (row.textColour)
            palette.setColor(QPalette::WindowText, QColor::fromRgb(*row.textColour));
    }
    control->setPalette(palette);
}

QString failureMessage(calc::Failure failure)
{
    switch (failure) {
    case calc::Failure::ZeroTransferRate:
        return Tavrolin::tr("No download time can be worked out while the transfer rate is 0. "
                            "Type a transfer rate above 0 in this box, or convert your Internet "
                            "speed first.");
    case calc::Failure::InputOutOfRange:
        return Tavrolin::tr("The number in this box is too large to work with. Please type a "
                            "smaller one.");
    case calc::Failure::ResultOutOfRange:
        return Tavrolin::tr("The result would be too large to show. Please type a smaller number "
                            "in this box.");
    case calc::Failure::None:
        break;
    }
    return {};
}

// The box that holds the number a failure is about.
std::string CalculatorState::*boxFor(calc::Field field)
{
    switch (field) {
    case calc::Field::Megabytes:
        return &CalculatorState::mbstext;
    case calc::Field::Kilobytes:
        return &CalculatorState::kbsctext;
    case calc::Field::Speed:
        return &CalculatorState::spetext;
    case calc::Field::TransferRate:
        return &CalculatorState::kbstext;
    case calc::Field::None:
        break;
    }
    return nullptr;
}

bool resetAllTexts(CalculatorState &state, calc::ActionError &error)
{
    error = {};
    return calc::resetAll(state);
}

} // namespace

Tavrolin::Tavrolin(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Tavrolin"));
    setWindowTitle(
        QStringLiteral("The %1 - Version %2 ")
            .arg(QLatin1String(tavrolin::productName), QLatin1String(tavrolin::versionText)));
    setAccessibleDescription(QString::fromUtf8(tavrolin::description));
    setFont(tavrolin::dialogFont());
    resize(484, 332); // client area; the window system adds its frame and picks the place

    buildControls();
    balloon_ = new tavrolin::FailureBalloon(this);
}

Tavrolin::~Tavrolin() = default;

void Tavrolin::buildControls()
{
    std::vector<std::pair<int, QWidget *>> focusOrder;
    auto binding = bindings_.begin();
    for (const ControlRow &row : tavrolin::controlTable()) {
        QWidget *control = createControl(row, this);
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.index >= 0)
            control->setProperty("index", row.index);
        if (row.tabIndex >= 0)
            control->setProperty("tabIndex", row.tabIndex);
        control->setGeometry(row.place.pixels());
        if (row.heading)
            control->setFont(tavrolin::headingFont());
        paint(control, row, palette());
        if (row.accessibleName)
            control->setAccessibleName(QString::fromUtf8(row.accessibleName));

        if (row.kind == ControlKind::Label || row.kind == ControlKind::Image)
            control->lower(); // labels and the picture lie beneath boxes and buttons
        else
            focusOrder.emplace_back(row.tabIndex, control);

        if (row.stateText) {
            *binding++ = {row.stateText, control};
            display(row.stateText);
        }
    }
    Q_ASSERT(binding == bindings_.end());

    std::ranges::sort(focusOrder, {}, &std::pair<int, QWidget *>::first);
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    focusOrder.front().second->setFocus(); // the speed box, first in the tab order

    connect(findChild<QPushButton *>(QStringLiteral("kbscmd")), &QPushButton::clicked, this,
        &Tavrolin::convertMegabytes);
    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
        &Tavrolin::convertSpeed);
    connect(findChild<QPushButton *>(QStringLiteral("calcmd")), &QPushButton::clicked, this,
        &Tavrolin::calculate);
    connect(findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked, this,
        &Tavrolin::reset);
}

void Tavrolin::convertMegabytes()
{
    run(calc::convertMegabytes, {&CalculatorState::mbstext}, {&CalculatorState::kbsctext});
}

void Tavrolin::convertSpeed()
{
    run(calc::convertSpeed, {&CalculatorState::spetext}, {&CalculatorState::kbstext});
}

void Tavrolin::calculate()
{
    run(calc::calculateTimes, {&CalculatorState::kbsctext, &CalculatorState::kbstext},
        {&CalculatorState::sectime, &CalculatorState::mintime, &CalculatorState::hrstime});
}

void Tavrolin::reset()
{
    run(resetAllTexts, {},
        {&CalculatorState::kbsctext, &CalculatorState::spetext, &CalculatorState::kbstext,
            &CalculatorState::mbstext, &CalculatorState::hrstime, &CalculatorState::mintime,
            &CalculatorState::sectime});
}

void Tavrolin::run(
    Action action, std::initializer_list<StateText> reads, std::initializer_list<StateText> writes)
{
    for (StateText text : reads)
        state_.*text = textOnScreen(text).toStdString();
    calc::ActionError error;
    if (!action(state_, error)) {
        tellFailure(error);
        return;
    }
    for (StateText text : writes)
        display(text);
}

void Tavrolin::tellFailure(const calc::ActionError &error)
{
    QWidget *box = controlFor(boxFor(error.field));
    balloon_->showBeside(box ? box : this, failureMessage(error.failure));
}

QWidget *Tavrolin::controlFor(StateText text) const
{
    const auto found = std::ranges::find(bindings_, text, &Binding::text);
    return found == bindings_.end() ? nullptr : found->control;
}

QString Tavrolin::textOnScreen(StateText text) const
{
    QWidget *control = controlFor(text);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->text();
    return qobject_cast<QLabel *>(control)->text();
}

void Tavrolin::display(StateText text)
{
    const QString value = QString::fromStdString(state_.*text);
    QWidget *control = controlFor(text);
    if (auto *box = qobject_cast<QLineEdit *>(control)) {
        box->setText(value);
        return;
    }
    // Screen readers get no text from a label, so its value also goes into
    // the description; Qt announces the change (DescriptionChanged).
    auto *label = qobject_cast<QLabel *>(control);
    label->setText(value);
    label->setAccessibleDescription(value);
}
