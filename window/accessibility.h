#pragma once

#include <QWidget>

namespace tavrolin {

// Says a text to a screen reader without moving the focus: the one way the window speaks to
// one, for answers and failures alike. Orca speaks an object of the role notification when it
// shows, so each announcement names this object with the text and shows it anew. It is never
// drawn and takes no clicks or keys.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);
};

// Gives assistive technology the window's own view of it, once, before the window is built
// (a screen reader already listening queries the window as soon as its title is set):
// - the window is a frame named by its title, whose children come in the tab order, then the
//   rest (labels, picture) in reading order, top to bottom, from the side the user reads from;
// - the announcer is a notification.
void installAccessibility();

} // namespace tavrolin
