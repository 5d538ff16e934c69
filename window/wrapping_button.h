#pragma once

#include <QPushButton>

namespace tavrolin {

// A push button whose caption wraps at word boundaries when it is wider than
// the button, centred line by line. QPushButton itself never wraps.
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tavrolin
