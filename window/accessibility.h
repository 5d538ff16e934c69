#pragma once

#include <QWidget>

class QAccessibleInterface;

namespace tavrolin {

// Says a text to a screen reader without moving the focus. Orca speaks an object of the role
// notification when it shows, so each announcement names this object with the text and shows
// it anew. It is never drawn and takes no clicks or keys.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);
};

// The window as assistive technology sees it: a frame named by its title, whose children come
// in the tab order, then the rest (labels, picture) in reading order, top to bottom, left to
// right.
QAccessibleInterface *accessibleFrame(QWidget *window);

} // namespace tavrolin
