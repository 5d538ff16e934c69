// The floor plus one label in the default font: what drawing any text at all adds to start-up
// (fontconfig's set-up, Qt's font list, a font engine and its glyphs), with nothing of ours.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Label window"));
    window.resize(484, 332);
    auto *label = new QLabel(QStringLiteral("Megabytes to Download"), &window);
    label->move(96, 16);
    window.show();
    return app.exec();
}
