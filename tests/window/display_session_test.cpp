// Whether the program sees that no display server is there to start on: the -platform argument
// or QT_QPA_PLATFORM as users write them, and each way DISPLAY and WAYLAND_DISPLAY can name none.
#include "display_session.h"

#include <QTest>

#include <vector>

class DisplaySessionTest : public QObject
{
    Q_OBJECT

private slots:
    void displayServerMissing();
};

void DisplaySessionTest::displayServerMissing()
{
    const struct
    {
        QByteArrayList arguments; // after the program's name
        const char *platforms, *display, *waylandDisplay; // null: unset
        bool missing;
    } cases[] = {
        // Under Qt's default platform, every way the two variables can name no display server.
        {{}, nullptr, nullptr, nullptr, true},
        {{}, nullptr, "", nullptr, true},
        {{}, nullptr, nullptr, "", true},
        {{}, nullptr, ":0", "", false},
        {{}, nullptr, "", "wayland-0", false},
        // Lists as users write them: missing unless some platform needs no display server (Qt
        // goes on to the next when one fails).
        {{}, "", nullptr, nullptr, true},
        {{}, "wayland;xcb", "", nullptr, true},
        {{}, "xcb;wayland", nullptr, "", true},
        {{}, "wayland-egl", nullptr, nullptr, true},
        {{}, "wayland-egl;xcb:option=1", nullptr, nullptr, true},
        {{}, ";xcb", nullptr, nullptr, true},
        {{}, "xcb;;wayland;", nullptr, nullptr, true},
        {{}, ";", nullptr, nullptr, true},
        {{}, "wayland;xcb", ":1", nullptr, false},
        {{}, "offscreen", nullptr, nullptr, false},
        {{}, "offscreen:configfile=x.json", nullptr, nullptr, false},
        {{}, "xcb;offscreen", nullptr, nullptr, false},
        // The argument goes before the variable, as in Qt.
        {{"-platform", "xcb"}, "offscreen", nullptr, nullptr, true},
        {{"--platform", "wayland-egl"}, "offscreen", nullptr, nullptr, true},
        {{"-style", "fusion", "-platform", "offscreen"}, "xcb", nullptr, nullptr, false},
        {{"-platform"}, "offscreen", nullptr, nullptr, false},
    };
    for (auto c : cases) {
        QByteArray row = c.arguments.join(' ');
        for (const auto &[name, value] : {std::pair("QT_QPA_PLATFORM", c.platforms),
                 std::pair("DISPLAY", c.display), std::pair("WAYLAND_DISPLAY", c.waylandDisplay)}) {
            row += QByteArray(" ") + name + (value ? "=\"" + QByteArray(value) + '"' : " unset");
            value ? qputenv(name, value) : qunsetenv(name);
        }
        QByteArray program("tavrolin");
        std::vector<char *> argv {program.data()};
        for (QByteArray &argument : c.arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr); // as main() gets them
        QVERIFY2(tavrolin::displayServerMissing(int(argv.size()) - 1, argv.data()) == c.missing,
            row.constData());
    }
}

QTEST_APPLESS_MAIN(DisplaySessionTest)
#include "display_session_test.moc"
