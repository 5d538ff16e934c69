// End to end in German (run under LC_ALL=de_DE.UTF-8): results are written with a
// comma, what the window writes reads back as the value it shows, and the failure
// message and what a screen reader hears are German.
#include "main_window.h"
#include "translations.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <clocale>

class WindowLocaleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { tavrolin::installTranslations(); }
    void threeSteps_data();
    void threeSteps();
};

void WindowLocaleTest::threeSteps_data()
{
    QTest::addColumn<QString>("megabytes");
    QTest::addColumn<QString>("kilobytes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("hours");
    // 56 kbit/s: 6,84 KB/s, read back as 6.84.
    QTest::newRow("700 MB") << "700"
                            << "716800"
                            << "104795,32"
                            << "1746,59"
                            << "29,11";
    QTest::newRow("0.1 MB") << "0.1"
                            << "102,4"
                            << "14,97"
                            << "0,25"
                            << "0,00";
}

void WindowLocaleTest::threeSteps()
{
    QFETCH(QString, megabytes);
    // QApplication has taken the locale from the environment.
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));

    Tavrolin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto box
        = [&](const char *name) { return qobject_cast<QLineEdit *>(control(&window, name)); };
    const auto label
        = [&](const char *name) { return qobject_cast<QLabel *>(control(&window, name))->text(); };
    const auto heard = [&] { return control(&window, "announcer")->accessibleName(); };

    QTest::mouseClick(control(&window, "calcmd"), Qt::LeftButton);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("failureBalloon"))->text(),
        QStringLiteral("Bei einer Datenrate von 0 lässt sich keine Download-Dauer berechnen. "
                       "Geben Sie in dem Feld „Datenrate in kB/s“ eine Datenrate über 0 ein, "
                       "oder rechnen Sie zuerst Ihre Bandbreite um."));

    QTest::keyClicks(box("spetext"), "56");
    QTest::mouseClick(control(&window, "Command1"), Qt::LeftButton);
    QCOMPARE(box("kbstext")->text(), QStringLiteral("6,84"));
    QCOMPARE(heard(), QStringLiteral("6,84 Kilobyte pro Sekunde"));

    QTest::keyClicks(box("mbstext"), megabytes);
    QTest::mouseClick(control(&window, "kbscmd"), Qt::LeftButton);
    QTEST(box("kbsctext")->text(), "kilobytes");
    QCOMPARE(heard(), box("kbsctext")->text() + QStringLiteral(" Kilobyte"));

    QTest::mouseClick(control(&window, "calcmd"), Qt::LeftButton);
    QTEST(label("sectime"), "seconds");
    QTEST(label("mintime"), "minutes");
    QTEST(label("hrstime"), "hours");
    QCOMPARE(heard(),
        QStringLiteral("%1 Sekunden, %2 Minuten, %3 Stunden")
            .arg(label("sectime"), label("mintime"), label("hrstime")));
}

QTEST_MAIN(WindowLocaleTest)
#include "window_locale_test.moc"
