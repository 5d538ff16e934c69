#include "window_colours.h"

#include "control_table.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace tavrolin {

namespace {

// Enough to read: 4.5:1 for text, 3:1 for large or bold text. A colour that has to move goes
// on to the enhanced levels (7:1 and 4.5:1), so that it reads comfortably, not just passably.
// In any scheme but the style's own light one (dark and high-contrast schemes, chosen by users
// who need them), headings too get 4.5:1, and the edges of boxes and buttons 3:1.
constexpr double enoughForText = 4.5;
constexpr double enoughForHeading = 3.0;
constexpr double comfortableForText = 7.0;
constexpr double comfortableForHeading = 4.5;
constexpr double enoughForEdge = 3.0;

// An sRGB channel of 0 to 255 in linear light.
double linearLight(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    return 0.2126 * linearLight(colour.red()) + 0.7152 * linearLight(colour.green())
        + 0.0722 * linearLight(colour.blue());
}

QColor blend(const QColor &from, const QColor &to, double amount)
{
    const auto channel = [&](double a, double b) { return a + (b - a) * amount; };
    return QColor::fromRgbF(float(channel(from.redF(), to.redF())),
        float(channel(from.greenF(), to.greenF())), float(channel(from.blueF(), to.blueF())));
}

// The contrast ratio of two colours, 1 to 21, as the accessibility guidelines define it.
double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Black or white, whichever reads better on the ground.
QColor poleFor(const QColor &ground)
{
    return contrastRatio(Qt::black, ground) >= contrastRatio(Qt::white, ground) ? QColor(Qt::black)
                                                                                : QColor(Qt::white);
}

// The text colour as it is when it reads well enough on the ground; otherwise moved towards
// black or white, whichever the ground sets off better, until it reads comfortably, keeping
// as much of its hue as it can.
QColor readableOn(const QColor &text, const QColor &ground, bool boldHeading, bool ownScheme)
{
    const double enough = !boldHeading ? enoughForText
        : ownScheme                    ? enoughForHeading
                                       : comfortableForHeading;
    if (contrastRatio(text, ground) >= enough)
        return text;
    const QColor pole = poleFor(ground);
    const double wanted = boldHeading ? comfortableForHeading : comfortableForText;
    constexpr int steps = 20;
    for (int step = 1; step < steps; ++step) {
        const QColor moved = blend(text, pole, double(step) / steps);
        if (contrastRatio(moved, ground) >= wanted)
            return moved;
    }
    return pole;
}

// Whether the window has the colours the style itself ships with, those the table's were chosen
// on.
bool isStylesOwnScheme(const QPalette &window)
{
    const QPalette own = QApplication::style()->standardPalette();
    for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
             QPalette::ButtonText, QPalette::Base, QPalette::Text}) {
        if (window.color(role) != own.color(role))
            return false;
    }
    return true;
}

// Fusion draws the edges of boxes and buttons in the window colour darkened by 40 %; where that
// edge would not stand 3:1 off the ground around the control, the window colour moves towards
// black or white until it does. The Windows style draws them in the shadow colours.
void edgeOn(QPalette &palette, const QColor &ground)
{
    const QColor from = palette.color(QPalette::Window);
    const QColor pole = poleFor(ground);
    QColor window = from;
    constexpr int steps = 20;
    for (int step = 1; step <= steps && contrastRatio(window.darker(140), ground) < enoughForEdge;
         ++step) {
        window = blend(from, pole, double(step) / steps);
    }
    palette.setColor(QPalette::Window, window);
    for (const auto role : {QPalette::Dark, QPalette::Shadow}) {
        if (contrastRatio(palette.color(role), ground) < enoughForEdge)
            palette.setColor(role, window.darker(140));
    }
}

} // namespace

QPalette controlPalette(const ControlRow &row, const QPalette &window)
{
    QPalette palette = window;
    const bool ownScheme = isStylesOwnScheme(window);
    // A colour of the table's keeps its hue where it can; the scheme's own text colour, which
    // has none to keep, goes straight to black or white where it would not read.
    const auto pin = [&](QPalette::ColorRole groundRole, QPalette::ColorRole textRole,
                         const QColor &ground, std::optional<QRgb> tableText) {
        palette.setColor(groundRole, ground);
        const QColor text = tableText ? QColor::fromRgb(*tableText) : window.color(textRole);
        const QColor readable = readableOn(text, ground, row.heading, ownScheme);
        palette.setColor(textRole, tableText || readable == text ? readable : poleFor(ground));
    };
    // The form's ground, around every control, is the button face.
    const QColor formGround = window.color(QPalette::Button);
    switch (row.kind) {
    case ControlKind::CommandButton:
        if (row.background)
            pin(QPalette::Button, QPalette::ButtonText, QColor::fromRgb(*row.background), {});
        if (!ownScheme)
            edgeOn(palette, formGround);
        break;
    case ControlKind::TextBox:
        if (!ownScheme) {
            pin(QPalette::Base, QPalette::Text, window.color(QPalette::Base), {});
            edgeOn(palette, formGround);
        }
        break;
    case ControlKind::Label:
        // Opaque, on the button face unless the label has a colour of its own.
        pin(QPalette::Window, QPalette::WindowText,
            row.background ? QColor::fromRgb(*row.background) : formGround, row.textColour);
        break;
    case ControlKind::Image:
        break;
    }
    return palette;
}

} // namespace tavrolin
