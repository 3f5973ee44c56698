// The Cessna layout menu's images as compiled into the resource tree.
#include <QImage>
#include <QtTest>

class TestCessnaImages : public QObject
{
    Q_OBJECT

private slots:
    void menuImagesAreDrawn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("background") << ":/Cessna/images/bg_config.jpg" << QSize(1804, 1542);
        QTest::newRow("tick") << ":/Cessna/images/check.jpg" << QSize(72, 72);
        QTest::newRow("preview") << ":/Cessna/images/previewPainel.png" << QSize(1600, 1052);
    }
    void menuImagesAreDrawn()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        // Stand-ins for images that could not be drawn are 64 x 64.
        QCOMPARE(image.size(), size);
    }

    // The preview is a picture of the panel: mostly black panel, gauges in
    // it, and none of the magenta that marks a missing image.
    void previewShowsThePanel()
    {
        const QImage image = QImage(":/Cessna/images/previewPainel.png").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        int lit = 0;
        int magenta = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 40 && c.blue() > 200)
                    ++magenta;
                if (c.value() > 60)
                    ++lit;
            }
        }
        const int samples = (image.width() / 2) * (image.height() / 2);
        QCOMPARE(magenta, 0);
        QVERIFY2(lit > samples / 20, "the gauges are drawn");
        QVERIFY2(lit < samples / 2, "the panel is black around them");
    }
};

QTEST_MAIN(TestCessnaImages)
#include "tst_cessnaimages.moc"
