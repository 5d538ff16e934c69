#include "main_window.h"

#include "accessibility.h"
#include "control_table.h"
#include "controls.h"
#include "failure_balloon.h"
#include "messages.h"
#include "version.h"
#include "window_colours.h"
#include "window_fonts.h"
#include "wrapping_button.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <cstring>
#include <vector>

using calc::CalculatorState;
using tavrolin::ControlKind;
using tavrolin::ControlRow;

namespace {

// The window's client area, in pixels: 7260 x 4980 twips.
constexpr QSize windowSize(484, 332);

} // namespace

Tavrolin::Tavrolin(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Tavrolin"));
    setWindowTitle(QString::fromUtf8(tavrolin::windowTitle));
    setAccessibleDescription(tavrolin::translated(tavrolin::description));
    // The face before it is fitted: the boxes lay out their texts as they are built.
    setFont(tavrolin::dialogFont());
    // A form's ground is the button face, as its labels' are; schemes where the two differ
    // would otherwise show each label as a patch.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true); // a window otherwise fills with QPalette::Window regardless
    resize(windowSize); // the window system adds its frame and picks the place

    buildControls();
    placeControls();
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
    const auto rows = tavrolin::controlTable();
    for (const ControlRow &row : rows) {
        QWidget *control = tavrolin::createControl(row, this);
        *placed++ = control;
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.index >= 0)
            control->setProperty("index", row.index);
        if (row.tabIndex >= 0)
            control->setProperty("tabIndex", row.tabIndex);
        if (row.accessibleName)
            control->setAccessibleName(tavrolin::translated(row.accessibleName));

        if (row.kind == ControlKind::Label || row.kind == ControlKind::Image)
            control->lower(); // labels and the picture lie beneath boxes and buttons
        else
            focusOrder.emplace_back(row.tabIndex, control);

        if (row.stateText)
            *binding++ = {row.stateText, control, &row, nullptr};
    }
    Q_ASSERT(binding == bindings_.end());
    for (Binding &bound : bindings_) {
        const auto caption = std::ranges::find_if(rows, [&](const ControlRow &row) {
            return bound.row->captionedBy && std::strcmp(row.name, bound.row->captionedBy) == 0;
        });
        if (caption != rows.end())
            bound.caption = qobject_cast<QLabel *>(controls_[caption - rows.begin()]);
    }

    std::ranges::sort(focusOrder, {}, &std::pair<int, QWidget *>::first);
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    focusOrder.front().second->setFocus(); // the speed box, first in the tab order
}

// Qt mirrors layouts but not fixed places: right to left, each control's place is reflected
// about the window's vertical centre line. Texts start on the side the user reads from, whatever
// the direction of the text itself (a number, a caption left in English).
void Tavrolin::placeControls()
{
    const Qt::Alignment readingSide
        = Qt::AlignAbsolute | (isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
    const auto rows = tavrolin::controlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow &row = rows[i];
        controls_[i]->setGeometry(
            QStyle::visualRect(layoutDirection(), QRect(QPoint(), windowSize), row.place.pixels()));
        if (auto *box = qobject_cast<QLineEdit *>(controls_[i]))
            box->setAlignment(readingSide | Qt::AlignVCenter);
        else if (row.kind == ControlKind::Label) // from the top, as the layout was drawn
            qobject_cast<QLabel *>(controls_[i])
                ->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : readingSide));
    }
}

// The fonts the window gets need not be as narrow as the layout was drawn for: each of the two
// is narrowed just enough that every caption in it shows whole, as the user reads it (in the
// user's language).
void Tavrolin::fitFonts()
{
    std::vector<tavrolin::Caption> plain;
    std::vector<tavrolin::Caption> headings;
    // A box over a label's far end (mbstext over Label1's) leaves its caption the rest.
    const auto uncovered = [this](const QLabel *label) {
        QSize area = label->contentsRect().size();
        for (const QWidget *other : controls_) {
            if (other->focusPolicy() != Qt::NoFocus)
                area.rwidth() -= label->geometry().intersected(other->geometry()).width();
        }
        return area;
    };
    const auto rows = tavrolin::controlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow &row = rows[i];
        tavrolin::Caption caption;
        if (const auto *button = qobject_cast<tavrolin::WrappingButton *>(controls_[i]))
            caption = {button->text(), button->captionArea().size()};
        else if (const auto *label = qobject_cast<QLabel *>(controls_[i]); label && !row.stateText)
            caption = {label->text(), uncovered(label)};
        if (!caption.text.isEmpty())
            (row.heading ? headings : plain).push_back(caption);
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
    if (event->type() == QEvent::LayoutDirectionChange && controls_.back())
        placeControls();
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
    // The box that holds the number the failure is about, named by the caption beside it.
    const auto box = error.field == calc::Field::None
        ? bindings_.end()
        : std::ranges::find(bindings_, error.field, [](const Binding &b) { return b.row->field; });
    const bool found = box != bindings_.end();
    const QString message = tavrolin::failureMessage(
        error.failure, found && box->caption ? box->caption->text() : QString());
    balloon_->showBeside(found ? box->control : this, message);
    announcer_->announce(message);
}

void Tavrolin::announce(std::initializer_list<StateText> texts)
{
    QStringList spoken;
    for (StateText text : texts) {
        const auto found = std::ranges::find(bindings_, text, &Binding::text);
        spoken
            << tavrolin::translated(found->row->spokenAs).arg(QString::fromStdString(state_.*text));
    }
    //: Between two answers a screen reader says one after the other.
    announcer_->announce(spoken.join(tr(", ")));
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
    const QString name = tavrolin::translated(row->accessibleName);
    //: A result as a screen reader reads it: %1 says what it is, %2 is the number.
    label->setAccessibleName(value.isEmpty() ? name : tr("%1: %2").arg(name, value));
    label->setAccessibleDescription(value);
}
