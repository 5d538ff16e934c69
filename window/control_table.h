#pragma once

#include "calc/calculator_state.h"

#include <QRect>
#include <QRgb>

#include <optional>
#include <span>
#include <string>

class Tavrolin;

namespace tavrolin {

enum class ControlKind { Label, TextBox, CommandButton, Image };

// A place on the window in twips: 1440 to the inch, 15 to the pixel at 96 dpi.
struct Twips
{
    int left, top, width, height;

    constexpr QRect pixels() const
    {
        return QRect(left / perPixel, top / perPixel, width / perPixel, height / perPixel);
    }

    static constexpr int perPixel = 15;
};

// One of the window's 24 controls, as laid out once at creation. Its texts are in English,
// marked for translation in the context "Tavrolin" and translated where the control is built.
struct ControlRow
{
    ControlKind kind;
    const char *name;
    int index = -1; // place in a control array; -1 when not in one
    const char *text = ""; // caption; ignored when the text comes from the state
    Twips place {};
    std::optional<QRgb> background {};
    std::optional<QRgb> textColour {};
    bool heading = false; // step heading: Arial 9 pt bold
    bool centred = false; // label text centred horizontally
    int tabIndex = -1; // -1: the control has none
    std::string calc::CalculatorState::*stateText = nullptr; // text shown from the state
    const char *accessibleName = nullptr; // nullptr: the caption speaks for itself
    const char *captionedBy = nullptr; // the label that says what a box or result holds
    calc::Field field = calc::Field::None; // the number a box holds, as a failure names it
    const char *spokenAs = nullptr; // what a screen reader says for the number (%1) it holds
    void (Tavrolin::*clicked)() = nullptr; // what pressing a button does
};

std::span<const ControlRow> controlTable();

} // namespace tavrolin
