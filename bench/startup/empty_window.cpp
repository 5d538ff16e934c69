// The floor for start-up time and memory: a Qt Widgets program that shows nothing but an empty
// top-level window with the calculator's client area (484 x 332 pixels).

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(484, 332);
    window.show();
    return app.exec();
}
