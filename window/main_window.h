#pragma once

#include "calc/calculator_state.h"

#include <QWidget>

#include <array>
#include <initializer_list>
#include <string>

class QLabel;

namespace tavrolin {
class Announcer;
class FailureBalloon;
struct ControlRow;
} // namespace tavrolin

// The calculator's one window: 24 controls at fixed places (mirrored right to left), and the
// state whose seven texts four of its boxes and three of its labels show. Only the four button
// clicks are handled; each runs one action on the texts on screen.
class Tavrolin : public QWidget
{
    Q_OBJECT

public:
    explicit Tavrolin(QWidget *parent = nullptr);
    ~Tavrolin() override;

    // What the four buttons do; the control table wires each to its button.
    void convertMegabytes();
    void convertSpeed();
    void calculate();
    void reset();

protected:
    void changeEvent(QEvent *event) override;

private:
    using StateText = std::string calc::CalculatorState::*;
    using Action = calc::ActionError (*)(calc::CalculatorState &);

    void buildControls();
    void placeControls();
    void fitFonts();
    void applyColours();

    // Takes the texts the action reads from their controls, runs it, and
    // puts the texts it wrote back into their controls in the order given.
    // False when the action failed (and the failure has been told).
    bool run(Action action, std::initializer_list<StateText> reads,
        std::initializer_list<StateText> writes);
    // Shows why the action failed beside the box to mend, and says it to a screen reader.
    void tellFailure(const calc::ActionError &error);
    // Says the texts to a screen reader, each with its unit, the focus staying where it is.
    void announce(std::initializer_list<StateText> texts);

    QWidget *controlFor(StateText text) const;
    QString textOnScreen(StateText text) const;
    void display(StateText text);

    struct Binding
    {
        StateText text;
        QWidget *control;
        const tavrolin::ControlRow *row;
        const QLabel *caption; // the label that says what it holds, if any
    };

    calc::CalculatorState state_;
    std::array<QWidget *, 24> controls_ {}; // in the order of the control table
    std::array<Binding, 7> bindings_ {};
    tavrolin::FailureBalloon *balloon_ = nullptr;
    tavrolin::Announcer *announcer_ = nullptr;
};
