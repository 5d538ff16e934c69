#include "main_window.h"

#include "accessibility.h"
#include "control_table.h"
#include "failure_balloon.h"
#include "version.h"
#include "window_colours.h"
#include "window_fonts.h"
#include "wrapping_button.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
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
        // Return and Enter press the button that has the focus. None is the
        // default button, so Enter in a box presses nothing.
        button->setAutoDefault(true);
        if (row.background)
            button->setFillColour(QColor::fromRgb(*row.background));
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
    label->setText(QString::fromUtf8(row.text));
    label->setWordWrap(true);
    // Text starts at the top, as on the platform the layout was drawn for.
    label->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(true);
    // Its own ground and text colours, not the window's ground (the button face).
    label->setBackgroundRole(QPalette::Window);
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

// The message names the box by the label beside it, as the user sees it.
QString failureMessage(calc::Failure failure, const QString &boxCaption)
{
    const QString box = boxCaption.isEmpty() ? Tavrolin::tr("this box")
                                             : Tavrolin::tr("the %1 box").arg(boxCaption);
    switch (failure) {
    case calc::Failure::ZeroTransferRate:
        return Tavrolin::tr("No download time can be worked out while the transfer rate is 0. "
                            "Type a transfer rate above 0 in %1, or convert your Internet "
                            "speed first.")
            .arg(box);
    case calc::Failure::InputOutOfRange:
        return Tavrolin::tr("The number in %1 is too large to work with. Please type a smaller "
                            "one.")
            .arg(box);
    case calc::Failure::ResultOutOfRange:
        return Tavrolin::tr("The result would be too large to show. Please type a smaller number "
                            "in %1.")
            .arg(box);
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

} // namespace

Tavrolin::Tavrolin(QWidget *parent)
    : QWidget(parent)
{
    // Before the title is set: a screen reader already listening queries the window then.
    [[maybe_unused]] static const bool factoryInstalled
        = (QAccessible::installFactory([](const QString &className, QObject *object) {
              return className == QLatin1String(staticMetaObject.className())
                  ? tavrolin::accessibleFrame(static_cast<Tavrolin *>(object))
                  : nullptr;
          }),
            true);
    setObjectName(QStringLiteral("Tavrolin"));
    setWindowTitle(QString::fromUtf8(tavrolin::windowTitle));
    setAccessibleDescription(QString::fromUtf8(tavrolin::description));
    // The face before it is fitted: the boxes lay out their texts as they are built.
    setFont(tavrolin::dialogFont());
    // A form's ground is the button face, as its labels' are; schemes where the two differ
    // would otherwise show each label as a patch.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true); // a window otherwise fills with QPalette::Window regardless
    resize(484, 332); // client area; the window system adds its frame and picks the place

    buildControls();
    fitFonts();
    applyColours();
    for (const Binding &binding : bindings_)
        display(binding.text); // the state's starting texts
    balloon_ = new tavrolin::FailureBalloon(this);
    announcer_ = new tavrolin::Announcer(this);
}

Tavrolin::~Tavrolin() = default;

void Tavrolin::buildControls()
{
    std::vector<std::pair<int, QWidget *>> focusOrder;
    auto binding = bindings_.begin();
    auto placed = controls_.begin();
    for (const ControlRow &row : tavrolin::controlTable()) {
        QWidget *control = createControl(row, this);
        *placed++ = control;
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.index >= 0)
            control->setProperty("index", row.index);
        if (row.tabIndex >= 0)
            control->setProperty("tabIndex", row.tabIndex);
        control->setGeometry(row.place.pixels());
        if (row.accessibleName)
            control->setAccessibleName(QString::fromUtf8(row.accessibleName));

        if (row.kind == ControlKind::Label || row.kind == ControlKind::Image)
            control->lower(); // labels and the picture lie beneath boxes and buttons
        else
            focusOrder.emplace_back(row.tabIndex, control);

        if (row.stateText)
            *binding++ = {row.stateText, control, &row};
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

// The fonts the window gets need not be as narrow as the layout was drawn for: each of the two
// is narrowed just enough that every caption in it shows whole.
void Tavrolin::fitFonts()
{
    std::vector<tavrolin::Caption> plain;
    std::vector<tavrolin::Caption> headings;
    const auto rows = tavrolin::controlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow &row = rows[i];
        if (!*row.text)
            continue;
        QWidget *control = controls_[i];
        const auto *button = qobject_cast<tavrolin::WrappingButton *>(control);
        const QRect area = button ? button->captionArea() : control->contentsRect();
        (row.heading ? headings : plain).push_back({QString::fromUtf8(row.text), area.size()});
    }
    setFont(tavrolin::narrowedToFit(font(), plain));
    const QFont heading = tavrolin::narrowedToFit(tavrolin::headingFont(), headings);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].heading)
            controls_[i]->setFont(heading);
    }
}

void Tavrolin::applyColours()
{
    const auto rows = tavrolin::controlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow &row = rows[i];
        if (row.kind != ControlKind::Image)
            controls_[i]->setPalette(tavrolin::controlPalette(row, palette()));
    }
}

void Tavrolin::changeEvent(QEvent *event)
{
    // A new colour scheme: the table's colours go on top of it again, readable on its grounds.
    if (event->type() == QEvent::PaletteChange && controls_.back())
        applyColours();
    QWidget::changeEvent(event);
}

void Tavrolin::convertMegabytes()
{
    if (run(calc::convertMegabytes, {&CalculatorState::mbstext}, {&CalculatorState::kbsctext}))
        announce({&CalculatorState::kbsctext});
}

void Tavrolin::convertSpeed()
{
    if (run(calc::convertSpeed, {&CalculatorState::spetext}, {&CalculatorState::kbstext}))
        announce({&CalculatorState::kbstext});
}

void Tavrolin::calculate()
{
    if (run(calc::calculateTimes, {&CalculatorState::kbsctext, &CalculatorState::kbstext},
            {&CalculatorState::sectime, &CalculatorState::mintime, &CalculatorState::hrstime})) {
        announce({&CalculatorState::sectime, &CalculatorState::mintime, &CalculatorState::hrstime});
    }
}

void Tavrolin::reset()
{
    run(calc::resetAll, {},
        {&CalculatorState::kbsctext, &CalculatorState::spetext, &CalculatorState::kbstext,
            &CalculatorState::mbstext, &CalculatorState::hrstime, &CalculatorState::mintime,
            &CalculatorState::sectime});
}

bool Tavrolin::run(
    Action action, std::initializer_list<StateText> reads, std::initializer_list<StateText> writes)
{
    for (StateText text : reads)
        state_.*text = textOnScreen(text).toStdString();
    const calc::ActionError error = action(state_);
    if (error != calc::ActionError {}) {
        tellFailure(error);
        return false;
    }
    for (StateText text : writes)
        display(text);
    return true;
}

void Tavrolin::tellFailure(const calc::ActionError &error)
{
    const StateText text = boxFor(error.field);
    QWidget *box = controlFor(text);
    balloon_->showBeside(box ? box : this, failureMessage(error.failure, captionFor(text)));
}

void Tavrolin::announce(std::initializer_list<StateText> texts)
{
    QStringList spoken;
    for (StateText text : texts) {
        const auto found = std::ranges::find(bindings_, text, &Binding::text);
        spoken << QStringLiteral("%1 %2").arg(
            QString::fromStdString(state_.*text), QString::fromUtf8(found->row->unit));
    }
    announcer_->announce(spoken.join(QStringLiteral(", ")));
}

QWidget *Tavrolin::controlFor(StateText text) const
{
    const auto found = std::ranges::find(bindings_, text, &Binding::text);
    return found == bindings_.end() ? nullptr : found->control;
}

QString Tavrolin::captionFor(StateText text) const
{
    const auto found = std::ranges::find(bindings_, text, &Binding::text);
    if (found == bindings_.end() || !found->row->captionedBy)
        return {};
    const auto *caption = findChild<QLabel *>(
        QString::fromUtf8(found->row->captionedBy), Qt::FindDirectChildrenOnly);
    return caption ? caption->text() : QString();
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
    // A result shows whole, in a smaller size where it must; one too long even then shows its
    // leading part and an ellipsis, and the whole value in its tooltip.
    auto *label = qobject_cast<QLabel *>(control);
    const qreal width = label->contentsRect().width();
    const QFont font = tavrolin::shrunkToFit(this->font(), value, width);
    const QFontMetricsF metrics(font);
    const bool whole = metrics.horizontalAdvance(value) <= width;
    if (font != label->font())
        label->setFont(font);
    label->setText(whole ? value : metrics.elidedText(value, Qt::ElideRight, width));
    label->setToolTip(whole ? QString() : value);
    // A label's text reaches assistive technology only as its name, which here says what the
    // label holds; the whole value goes after it, and into the description.
    const auto row = std::ranges::find(bindings_, text, &Binding::text)->row;
    const QString name = QString::fromUtf8(row->accessibleName);
    label->setAccessibleName(value.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, value));
    label->setAccessibleDescription(value);
}
