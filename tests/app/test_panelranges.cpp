// The checker's ranges are the panels' ranges: the table that sprtool check uses names the control of
// each range, and every design the panels can make, at the ends of every control, passes the checker.
#include "diagramscene.h"
#include "modalhooks.h"
#include "placement.h"
#include "qrcodedynamicstyledialog.h"
#include "sprdocument.h"
#include "sprsections.h"
#include "widgettestaccess.h"

#include <QComboBox>
#include <QMessageBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace
{

// Findings of a design saved from the window and read back as sprtool check reads it.
QStringList findingsOf(const QGraphicsScene &scene, const QString &pictureDir)
{
    sprReadOptions options;
    options.collectFindings = true;
    options.documentDir = pictureDir;
    QGraphicsScene back;
    setUpDesignScene(back);
    const sprReadResult result = readSprData(sprFileBytes(scene), back, options);
    QStringList found;
    for (const sprFinding &f : result.findings)
        found << QStringLiteral("%1: %2").arg(f.line).arg(f.message);
    return found;
}

// The controls at an end of their range that leave the item without a picture: the checker must say so
// (the printer prints nothing for it), and says nothing else.
QString expectedAtEnd(const QString &control, int value)
{
    // An item placed at the strip's last column reaches past its end: the printer cuts it there.
    if (control.endsWith(QLatin1String("XSpin")) && value == placementMaxX)
        return QStringLiteral("past the strip's end at 80000");
    // Bars one pixel high are drawn, but no scanner reads them.
    if (control == QLatin1String("barHeightSpin") && value == 1)
        return QStringLiteral("does not scan");
    if (value != 0)
        return QString();
    if (control == QLatin1String("spinBox_QRCodeItemScale"))
        return QStringLiteral("QRcodeScale 0: the QR code has no picture");
    if (control == QLatin1String("imageWidthSpin") || control == QLatin1String("imageHeightSpin"))
        return QStringLiteral("so it has no picture");
    return QString();
}

} // namespace

class PanelRangesTest : public QObject
{
    Q_OBJECT

private slots:
    // The findings are compared in English, as sprtool prints them in the C locale.
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
        Q_INIT_RESOURCE(translations);
        QVERIFY(english.load(QStringLiteral(":/translate/en.qm")));
        QCoreApplication::installTranslator(&english);
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Yes); });
        QVERIFY(dir.isValid());
        picture = dir.filePath(QStringLiteral("logo.bmp"));
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QVERIFY(image.save(picture, "BMP"));
        modalHooks::setFileDialogRunner([this](QFileDialog &) { return QStringList{picture}; });
    }

    // Each range of the table is the range of the control it names, found in the window's panels or the
    // QR dynamic content dialog.
    void tableRangesAreTheControlsRanges()
    {
        Widget w;
        QRCodeDynamicStyleDialog dialog;
        int tied = 0;
        for (int s = 0; s < sectionSpecCount(); ++s) {
            const sectionSpec &section = sectionSpecs()[s];
            for (int r = 0; r < section.rowCount; ++r) {
                const keyRow &row = section.rows[r];
                if (!row.control)
                    continue;
                ++tied;
                const QString name = QString::fromLatin1(row.control);
                QWidget *control = w.findChild<QWidget *>(name);
                if (!control)
                    control = dialog.findChild<QWidget *>(name);
                QVERIFY2(control, row.control);
                QVERIFY2(row.hasRange(), row.key);
                if (auto *spin = qobject_cast<QSpinBox *>(control)) {
                    QCOMPARE(row.low, double(spin->minimum()));
                    QCOMPARE(row.high, double(spin->maximum()));
                } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
                    // One value per row, and one more where the combo may show no row at all.
                    const double values = row.high - row.low + 1;
                    QVERIFY2(values == combo->count() || values == combo->count() + 1, row.key);
                } else {
                    QFAIL(row.control);
                }
            }
        }
        QCOMPARE(tied, 35);
    }

    // Every spin box and combo of every panel at both ends of its range: the design saved passes the
    // checker.
    void designsAtTheEndsOfEveryControlPass_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("text") << 1;
        QTest::newRow("counter") << 2;
        QTest::newRow("time") << 4;
        QTest::newRow("image") << 5;
        QTest::newRow("QR code") << 6;
        QTest::newRow("barcode") << 7;
    }
    void designsAtTheEndsOfEveryControlPass()
    {
        QFETCH(int, tool);
        // Each end is tried on a fresh item: an image shown 0 pixels wide has lost its height, as it
        // would for the operator.
        QStringList spins, combos;
        {
            Widget w;
            QWidget *panel = panelFor(w, tool);
            QVERIFY(panel);
            QVERIFY(findingsOf(*w.designScene(), dir.path()).isEmpty());
            for (QSpinBox *spin : panel->findChildren<QSpinBox *>())
                spins << spin->objectName();
            for (QComboBox *combo : panel->findChildren<QComboBox *>())
                combos << combo->objectName();
        }
        QVERIFY(spins.size() >= 3);
        for (const QString &name : spins) {
            for (bool top : {false, true}) {
                Widget w;
                auto *spin = panelFor(w, tool)->findChild<QSpinBox *>(name);
                const int value = top ? spin->maximum() : spin->minimum();
                spin->setValue(value);
                const QStringList found = findingsOf(*w.designScene(), dir.path());
                const QString expected = expectedAtEnd(name, value);
                const QString what = name + QLatin1Char(' ') + QString::number(value) + QStringLiteral(": ") +
                                     found.join(QLatin1Char('\n'));
                if (expected.isEmpty())
                    QVERIFY2(found.isEmpty(), qPrintable(what));
                else
                    QVERIFY2(found.size() == 1 && found.first().contains(expected), qPrintable(what));
            }
        }
        for (const QString &name : combos) {
            Widget w;
            auto *combo = panelFor(w, tool)->findChild<QComboBox *>(name);
            // The QR level and size lists show no row for an item loaded with a value they lack.
            QList<int> indexes{0, combo->count() - 1};
            if (name.startsWith(QLatin1String("comboBox_QRCodeItem")))
                indexes << -1;
            for (int index : indexes) {
                combo->setCurrentIndex(index);
                const QStringList found = findingsOf(*w.designScene(), dir.path());
                QVERIFY2(found.isEmpty(), qPrintable(name + QLatin1Char(' ') + QString::number(index) +
                                                     QStringLiteral(": ") + found.join(QLatin1Char('\n'))));
            }
        }
    }

private:
    // A new item of the tool's kind made through the window; the panel the window then shows.
    QWidget *panelFor(Widget &w, int tool)
    {
        w.buttonItemsClicked(tool);
        // A picture the checker finds beside the document.
        if (tool == 5)
            WidgetTestAccess(w).kind<imageRouting>().imageSelectChange();
        for (QScrollArea *area : w.findChildren<QScrollArea *>())
            if (area->isVisibleTo(&w))
                return area->widget();
        return nullptr;
    }

    QTranslator english;
    QTemporaryDir dir;
    QString picture;
};

QTEST_MAIN(PanelRangesTest)
#include "test_panelranges.moc"
