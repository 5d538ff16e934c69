// The pixels decoded into the program when it was built, against their files decoded now: the
// pictures against assets/modem.jpg and modem@2x.jpg, the icon against the PNG of each size,
// and the icon the program sets where its window is not an X11 window.
#include "baked_assets.h"
#include "main_window.h"
#include "window_icon.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTest>

namespace {

// The sizes the program ships its icon at, smallest first.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString iconFile(int size)
{
    return QStringLiteral(TAVROLIN_ASSETS_DIR "/icons/tavrolin-%1.png").arg(size);
}

} // namespace

class BakedAssetsTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsTheDecodedJpeg();
    void iconHoldsEverySizeAsItsPng();
    void iconOffX11();
};

void BakedAssetsTest::pictureIsTheDecodedJpeg()
{
    const QByteArray jpeg = readFile(QStringLiteral(TAVROLIN_ASSETS_DIR "/modem.jpg"));
    QVERIFY(!jpeg.isEmpty());
    // The JPEG in the program's resources is the asset itself.
    QCOMPARE(readFile(QStringLiteral(":/pictures/modem.jpg")), jpeg);

    // The picture, and the same drawing at twice the size for denser screens.
    const struct
    {
        const char *file;
        const tavrolin::baked::BakedPicture &baked;
        QSize size;
    } pictures[] = {
        {"modem.jpg", tavrolin::baked::picture, {100, 120}},
        {"modem@2x.jpg", tavrolin::baked::picture2x, {200, 240}},
    };
    for (const auto &picture : pictures) {
        const QString path = QStringLiteral(TAVROLIN_ASSETS_DIR "/") + picture.file;
        const QImage decoded = QImage(path, "JPEG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded.size(), picture.size);
        const QImage baked(reinterpret_cast<const uchar *>(picture.baked.pixels),
            picture.baked.width, picture.baked.height, QImage::Format_RGB32);
        QVERIFY2(baked == decoded, picture.file);
    }
}

void BakedAssetsTest::iconHoldsEverySizeAsItsPng()
{
    const std::span<const std::uint32_t> data = tavrolin::baked::windowIcon;
    std::size_t at = 0;
    for (const int size : kIconSizes) {
        const QByteArray what = "icon " + QByteArray::number(size);
        QVERIFY2(at + 2 <= data.size(), what.constData());
        QCOMPARE(QSize(int(data[at]), int(data[at + 1])), QSize(size, size));
        at += 2;
        const std::size_t pixels = std::size_t(size) * std::size_t(size);
        QVERIFY2(at + pixels <= data.size(), what.constData());
        const QImage baked(
            reinterpret_cast<const uchar *>(data.data() + at), size, size, QImage::Format_ARGB32);
        const QImage png = QImage(iconFile(size)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!png.isNull(), what.constData());
        QCOMPARE(baked, png);
        at += pixels;
    }
    QCOMPARE(at, data.size()); // nothing after the largest size
}

void BakedAssetsTest::iconOffX11()
{
    Tavrolin window;
    tavrolin::setProgramIcon(window);
    const QIcon icon = QApplication::windowIcon();
    QList<QSize> expected;
    for (const int size : kIconSizes)
        expected << QSize(size, size);
    QCOMPARE(icon.availableSizes(), expected);
    // The 16 and 32 pixel drawings have no part-transparent pixels, so they come back exactly.
    for (const int size : {16, 32}) {
        const QImage shown = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown, QImage(iconFile(size)).convertToFormat(QImage::Format_ARGB32));
    }
}

QTEST_MAIN(BakedAssetsTest)
#include "baked_assets_test.moc"
