// The choice of Qt Quick renderer for the machine: software where OpenGL
// could only be drawn by the CPU, never against an explicit choice.
#include "renderbackend.h"

#include <QtTest>

using RenderBackend::Machine;

class TestRenderBackend : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

void TestRenderBackend::choice_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("quickBackend");
    QTest::addColumn<QString>("rhiBackend");
    QTest::addColumn<bool>("softwareGl");
    QTest::addColumn<bool>("gpu");
    QTest::addColumn<bool>("software");

    QTest::newRow("desktop with a GPU") << QString() << QString() << QString() << false << true << false;
    QTest::newRow("X server without a GPU") << QStringLiteral("xcb") << QString() << QString() << false << false << true;
    QTest::newRow("software OpenGL forced") << QString() << QString() << QString() << true << true << true;
    QTest::newRow("offscreen") << QStringLiteral("offscreen") << QString() << QString() << false << true << true;
    QTest::newRow("OpenGL chosen, no GPU") << QStringLiteral("xcb") << QStringLiteral("opengl") << QString() << false
                                           << false << false;
    QTest::newRow("RHI backend chosen, offscreen") << QStringLiteral("offscreen") << QString()
                                                   << QStringLiteral("opengl") << false << false << false;
}

void TestRenderBackend::choice()
{
    QFETCH(QString, platform);
    QFETCH(QString, quickBackend);
    QFETCH(QString, rhiBackend);
    QFETCH(bool, softwareGl);
    QFETCH(bool, gpu);
    QFETCH(bool, software);
    Machine m;
    m.platform = platform;
    m.quickBackend = quickBackend;
    m.rhiBackend = rhiBackend;
    m.softwareGlForced = softwareGl;
    m.gpuDevice = gpu;
    QCOMPARE(RenderBackend::preferSoftware(m), software);
}

QTEST_MAIN(TestRenderBackend)
#include "tst_renderbackend.moc"
