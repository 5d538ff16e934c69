#pragma once

// The window's layout, typed out here again from the requirements, so that
// the tests check the built window against a table of their own.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace layout {

enum Kind { Label, TextBox, Button, Image };
enum Look { Plain, Heading, Centred }; // Heading: Arial 9 pt bold; Centred: label text
constexpr int none = -1;

struct Row
{
    Kind kind;
    const char *name;
    int index;
    const char *text;
    int left, top, width, height; // twips
    int background; // 0xRRGGBB, or none for the kind's default
    int textColour; // 0xRRGGBB, or none
    Look look;
    int tabIndex;
};

inline const Row kLayout[] = {
    {Label, "Label1", none, "Megabytes to Download", 1440, 240, 2055, 255, none, none, Plain, 8},
    {TextBox, "mbstext", none, "", 3360, 240, 1215, 285, none, none, Plain, 2},
    {Label, "Label9", none, "STEP 1 / Amount to Download", 120, 360, 975, 735, none, 0x0000ff,
        Heading, 18},
    {Button, "kbscmd", none, "Convert MB's to Kilobytes", 5160, 360, 1815, 495, 0xc0ffff, none,
        Plain, 6},
    {Label, "Label2", none, "Kilobytes in the Megabytes to Download", 1440, 600, 1815, 495, none,
        none, Plain, 9},
    {TextBox, "kbsctext", none, "0", 3360, 720, 1215, 315, none, none, Plain, 7},
    {Label, "Label10", 0, "STEP 2 / Your Internet Speed and Transfer Rate", 120, 1440, 1215, 975,
        none, 0x008000, Heading, 19},
    {Label, "Label3", none, "Internet Speed in K", 1440, 1440, 1815, 255, none, none, Plain, 11},
    {TextBox, "spetext", none, "", 3360, 1440, 975, 285, none, none, Plain, 0},
    {Button, "Command1", none, "Convert Internet Speed to Transfer Rate (KB/s)", 4920, 1440, 2055,
        615, 0xc0ffc0, none, Plain, 10},
    {Label, "Label4", none, "Transfer Speed in KB/s", 1440, 1920, 1815, 255, none, none, Plain, 12},
    {TextBox, "kbstext", none, "0", 3360, 1920, 975, 285, none, none, Plain, 1},
    {Label, "sectime", none, "", 5280, 2520, 975, 375, 0xffc0c0, none, Centred, 4},
    {Label, "Label6", none, "Seconds", 6360, 2520, 735, 255, none, none, Plain, 15},
    {Image, "Image1", none, "", 120, 2760, 1560, 1860, none, none, Plain, none},
    {Label, "Label5", none,
        "This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed "
        "and "
        "Transfer Rate",
        3120, 2760, 1935, 1095, none, none, Centred, 13},
    {Label, "Label10", 1, "STEP 3 / Click the Calculate Button", 1800, 2880, 1215, 735, none,
        0xff0000, Heading, 20},
    {Label, "mintime", none, "", 5280, 3000, 975, 375, 0xff8080, none, Centred, 5},
    {Label, "Label7", none, "Minutes", 6360, 3000, 735, 255, none, none, Plain, 16},
    {Label, "hrstime", none, "", 5280, 3480, 975, 375, 0xffc080, none, Centred, 14},
    {Label, "Label8", none, "Hours", 6360, 3480, 735, 255, none, none, Plain, 17},
    {Button, "calcmd", none, "Calculate", 3600, 4080, 2055, 615, 0xffc0c0, none, Plain, 3},
    {Label, "Label11", none, "Programmed and Developed By Orlevan ';..;'", 120, 4680, 3135, 255,
        none, 0x0000c0, Plain, 21},
    {Button, "Command2", none, "Reset", 6240, 4680, 855, 255, none, none, Plain, 22},
};

inline QString rowName(const Row &row)
{
    return row.index < 0 ? QString::fromLatin1(row.name)
                         : QStringLiteral("%1(%2)").arg(QLatin1String(row.name)).arg(row.index);
}

inline QString controlText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    return {};
}

} // namespace layout
