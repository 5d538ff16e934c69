#pragma once

#include <QString>
#include <QWidget>

// Finds one of the window's controls by name, and by index for a control array.
inline QWidget *control(QWidget *window, const char *name, int index = -1)
{
    const auto found
        = window->findChildren<QWidget *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    for (QWidget *widget : found) {
        const QVariant property = widget->property("index");
        if (index < 0 ? !property.isValid() : property.toInt() == index)
            return widget;
    }
    return nullptr;
}
