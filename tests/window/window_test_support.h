#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
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

// The controls that show the calculator's seven texts, in this order, and their texts at start.
inline const char *const kStateControls[]
    = {"mbstext", "kbsctext", "spetext", "kbstext", "sectime", "mintime", "hrstime"};
inline const QStringList kStart = {"", "0", "", "0", "", "", ""};

// The texts the seven state controls show, in the order of kStateControls.
inline QStringList stateTexts(QWidget *window)
{
    QStringList result;
    for (const char *name : kStateControls) {
        QWidget *widget = control(window, name);
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            result << box->text();
        else
            result << qobject_cast<QLabel *>(widget)->text();
    }
    return result;
}

// Puts texts straight into the first texts.size() state controls, as if they had been there.
inline void setStateTexts(QWidget *window, const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QWidget *widget = control(window, kStateControls[i]);
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            box->setText(texts[i]);
        else
            qobject_cast<QLabel *>(widget)->setText(texts[i]);
    }
}
