#include "accessibility.h"

#include "main_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>
#include <tuple>

namespace tavrolin {

namespace {

class AccessibleAnnouncer : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncer(QWidget *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    { }
};

class AccessibleFrame : public QAccessibleWidget
{
public:
    explicit AccessibleFrame(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    { }

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> all = children();
        if (index < 0 || index >= all.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(all[index]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(children().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    // Worked out afresh each time: the window's children are few, and may come and go.
    QList<QWidget *> children() const
    {
        QWidget *window = widget();
        QList<QWidget *> inTabOrder;
        for (QWidget *next = window->nextInFocusChain(); next != window;
             next = next->nextInFocusChain()) {
            if (next->parentWidget() == window && (next->focusPolicy() & Qt::TabFocus))
                inTabOrder << next;
        }
        QList<QWidget *> rest;
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !inTabOrder.contains(child))
                rest << child;
        }
        // Labels (and the picture, a label too) by their place; anything else, such as the
        // announcer, after them. Right to left, a line is read from its right end.
        const bool rightToLeft = window->isRightToLeft();
        const auto place = [rightToLeft](const QWidget *child) {
            const int across = rightToLeft ? -child->geometry().right() : child->x();
            return std::tuple(!qobject_cast<const QLabel *>(child), child->y(), across);
        };
        std::ranges::stable_sort(rest, {}, place);
        return inTabOrder + rest;
    }
};

QAccessibleInterface *ourInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(Tavrolin::staticMetaObject.className()))
        return new AccessibleFrame(static_cast<QWidget *>(object));
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString &text)
{
    // Shown again, it is heard again, even with the same text.
    hide();
    setAccessibleName(text);
    show();
}

void installAccessibility()
{
    QAccessible::installFactory(ourInterface); // Qt installs a factory only once
}

} // namespace tavrolin
