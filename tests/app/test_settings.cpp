#include "designersettings.h"

#include <QStandardPaths>
#include <QtTest>

// The per-user settings the window and sprtool share, kept in the test's own settings folder.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        openDesignerSettings()->clear();
    }

    void cleanupTestCase() { openDesignerSettings()->clear(); }

    void dotsPerMmText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("along");
        QTest::newRow("one value both ways") << "12" << true << 12.0 << 12.0;
        QTest::newRow("across and along") << "23.62, 11.8" << true << 23.62 << 11.8;
        QTest::newRow("three values") << "1,2,3" << false << 0.0 << 0.0;
        QTest::newRow("not a number") << "x" << false << 0.0 << 0.0;
        QTest::newRow("empty along") << "12," << false << 0.0 << 0.0;
        QTest::newRow("zero") << "0" << false << 0.0 << 0.0;
        QTest::newRow("absurdly fine") << "5000" << false << 0.0 << 0.0;
    }

    void dotsPerMmText()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        PrinterResolution resolution;
        QCOMPARE(parseDotsPerMm(text, &resolution), accepted);
        if (!accepted) {
            QVERIFY(resolution == PrinterResolution());
            return;
        }
        QFETCH(double, across);
        QFETCH(double, along);
        QCOMPARE(resolution.acrossDotsPerMm, across);
        QCOMPARE(resolution.alongDotsPerMm, along);
    }

    void resolutionRoundTripsAndFallsBack()
    {
        QCOMPARE(loadPrinterResolution().acrossDotsPerMm, PrinterResolution::defaultDotsPerMm);
        // 300 dots are half an inch at the default.
        QCOMPARE(PrinterResolution().acrossMm(300), 12.7);

        PrinterResolution chosen;
        chosen.acrossDotsPerMm = 12;
        chosen.alongDotsPerMm = 8;
        QVERIFY(savePrinterResolution(chosen));
        QVERIFY(loadPrinterResolution() == chosen);

        // A hand-edited file with nonsense in it gives the default, not an error.
        openDesignerSettings()->setValue(QStringLiteral("printer/alongDotsPerMm"), QStringLiteral("lots"));
        QCOMPARE(loadPrinterResolution().alongDotsPerMm, PrinterResolution::defaultDotsPerMm);
        QCOMPARE(loadPrinterResolution().acrossDotsPerMm, 12.0);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
