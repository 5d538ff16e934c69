#pragma once

#include <QColor>
#include <QPushButton>

namespace tavrolin {

// A push button whose caption wraps at word boundaries when it is wider than the button,
// centred line by line (QPushButton itself never wraps), and whose surface may be filled with
// a colour of its own instead of the style's shading of the palette's button colour.
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, in the button's own coordinates: the style's content area,
    // at least one line tall.
    QRect captionArea() const;

    // The colour of the fill at rest; an invalid colour leaves the surface to the style.
    void setFillColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill_;
};

} // namespace tavrolin
