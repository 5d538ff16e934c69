// End to end in a locale whose decimal separator is a comma (run under
// LC_ALL=de_DE.UTF-8): results are written with a comma, input is read with
// a period, so a comma ends the number.
#include "main_window.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <clocale>

class WindowLocaleTest : public QObject
{
    Q_OBJECT

private slots:
    void commaLocaleRound();
};

void WindowLocaleTest::commaLocaleRound()
{
    // QApplication has taken the locale from the environment.
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));

    Tavrolin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto box
        = [&](const char *name) { return qobject_cast<QLineEdit *>(control(&window, name)); };
    const auto label
        = [&](const char *name) { return qobject_cast<QLabel *>(control(&window, name))->text(); };

    QTest::keyClicks(box("spetext"), "56");
    QTest::mouseClick(control(&window, "Command1"), Qt::LeftButton);
    QCOMPARE(box("kbstext")->text(), QStringLiteral("6,84"));

    QTest::keyClicks(box("mbstext"), "0.1");
    QTest::mouseClick(control(&window, "kbscmd"), Qt::LeftButton);
    QCOMPARE(box("kbsctext")->text(), QStringLiteral("102,4"));

    // 102,4 reads as 102 and 6,84 as 6: 17 seconds.
    QTest::mouseClick(control(&window, "calcmd"), Qt::LeftButton);
    QCOMPARE(label("sectime"), QStringLiteral("17,00"));
    QCOMPARE(label("mintime"), QStringLiteral("0,28"));
    QCOMPARE(label("hrstime"), QStringLiteral("0,00"));
}

QTEST_MAIN(WindowLocaleTest)
#include "window_locale_test.moc"
