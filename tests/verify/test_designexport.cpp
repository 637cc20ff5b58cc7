// Export: PNG at printer pixels, PDF and SVG as vectors. Every symbol of a design with every item kind
// is read back from the PDF (rasterised by pdftoppm) and the SVG (rasterised by rsvg-convert) and
// must give the same texts as the PNG; exporting changes nothing in the design.
#include "../document/designfixtures.h"
#include "designexport.h"
#include "exportreading.h"
#include "safewrite.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

struct symbolSpot {
    QGraphicsItem *item;
    QString expected;
};

class designExportTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formatsByExtension_data();
    void formatsByExtension();
    void symbolsReadBack_data();
    void symbolsReadBack();
    void vectorsNotPictures();
    void pageSizeFollowsDpi();
    void previewValuesAreExported();
    void designUnchanged();
    void failedWrites();

private:
    void buildDesign();
    QGraphicsScene scene;
    QList<symbolSpot> symbols;
    QTemporaryDir dir;
};

void designExportTest::initTestCase()
{
    QVERIFY(dir.isValid());
    buildDesign();
}

void designExportTest::buildDesign()
{
    setUpDesignScene(scene);
    addText(scene, "Input text", {0, 0});
    addTime(scene, {0, 150});
    addCounter(scene, {800, 0});
    addCounter2(scene, {800, 150});
    addImage(scene, {}, {1400, 0});
    double x = 1700;
    const struct {
        int mode;
        const char *content;
        const char *expected;
    } bars[] = {
        {0, "6901234567891", "6901234567892"},
        {1, "1234567", "12345670"},
        {2, "CODE-39", nullptr},
        {3, "CODE 93", nullptr},
        {4, "03600029145", "036000291452"},
        {5, "0123456", "01234565"},
        {6, "Code 128~", nullptr},
    };
    for (const auto &row : bars) {
        diagramBarItem *bar = addBarcode(scene, {x, 10});
        bar->mode = row.mode;
        bar->content = QString::fromLatin1(row.content);
        bar->lineWidth = 3;
        bar->lineHeight = 200;
        bar->regenerate();
        symbols.append({bar, QString::fromLatin1(row.expected ? row.expected : row.content)});
        x += bar->pixmap().width() + 60;
    }
    // One barcode turned and one with its height stretched by the panel.
    diagramBarItem *turned = addBarcode(scene, {x + 130, 20});
    turned->lineWidth = 2;
    turned->lineHeight = 100;
    turned->regenerate();
    turned->setRotation(90);
    symbols.append({turned, "6901234567892"});
    x += 190;
    diagramBarItem *stretched = addBarcode(scene, {x, 0});
    stretched->setPixmap(stretched->barPixmap.scaled(stretched->barPixmap.width(), 290));
    symbols.append({stretched, "6901234567892"});
    x += stretched->pixmap().width() + 60;
    for (bool converse : {false, true}) {
        diagramQRCodeItem *qr = addQRCode(scene, {x, 10});
        qr->content = converse ? "INVERTED 二维码" : "https://example.org/?lot=42";
        qr->converse = converse;
        qr->scale = 8;
        qr->regenerate();
        symbols.append({qr, qr->content});
        x += qr->pixmap().width() + 60;
    }
}

void designExportTest::formatsByExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format");
    QTest::newRow("png") << "a/label.png" << int(exportFormat::png);
    QTest::newRow("PDF upper case") << "LABEL.PDF" << int(exportFormat::pdf);
    QTest::newRow("svg") << "x.svg" << int(exportFormat::svg);
    QTest::newRow("other") << "x.jpg" << -1;
    QTest::newRow("none") << "label" << -1;
}

void designExportTest::formatsByExtension()
{
    QFETCH(QString, path);
    QFETCH(int, format);
    const std::optional<exportFormat> found = exportFormatForPath(path);
    QCOMPARE(found ? int(*found) : -1, format);
}

void designExportTest::symbolsReadBack_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("png") << int(exportFormat::png);
    QTest::newRow("pdf via pdftoppm") << int(exportFormat::pdf);
    QTest::newRow("svg via rsvg-convert") << int(exportFormat::svg);
}

void designExportTest::symbolsReadBack()
{
    QFETCH(int, format);
    exportOptions options;
    options.format = exportFormat(format);
    const QString base = dir.filePath(QStringLiteral("design%1").arg(format));
    const QString out = base + (format == 0 ? ".png" : format == 1 ? ".pdf" : ".svg");
    QString reason;
    QVERIFY2(exportDesignFile(out, scene, options, &reason), qPrintable(reason));
    QImage page;
    if (options.format == exportFormat::png) {
        page = QImage(out);
    } else if (options.format == exportFormat::pdf) {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        page = rasterised("pdftoppm", {"-r", "72", "-png", "-singlefile", out, base + "-pdf"},
                          base + "-pdf.png");
    } else {
        if (QStandardPaths::findExecutable("rsvg-convert").isEmpty())
            QSKIP("rsvg-convert (librsvg2-bin) is not installed");
        page =
            rasterised("rsvg-convert", {"-d", "72", "-p", "72", "-b", "white", "-o", base + "-svg.png", out},
                       base + "-svg.png");
    }
    QVERIFY(!page.isNull());
    // The SVG's size is written in millimetres, which may round the width by a dot.
    QVERIFY2(qAbs(page.width() - exportPageRect(scene).width()) <= 1,
             qPrintable(QString::number(page.width())));
    QCOMPARE(page.height(), 300);
    for (const symbolSpot &spot : symbols)
        QCOMPARE(readSymbol(page, spot.item), spot.expected);
}

void designExportTest::vectorsNotPictures()
{
    QGraphicsScene symbolsOnly;
    setUpDesignScene(symbolsOnly);
    addBarcode(symbolsOnly, {0, 0});
    addQRCode(symbolsOnly, {700, 0});
    addText(symbolsOnly, "Input text", {1000, 0});
    exportOptions options;
    options.format = exportFormat::svg;
    const QByteArray svg = exportDesignBytes(symbolsOnly, options);
    QVERIFY(svg.contains("<rect") || svg.contains("<path"));
    QVERIFY(!svg.contains("<image"));
    QVERIFY(svg.contains("<text"));
    options.format = exportFormat::pdf;
    const QByteArray pdf = exportDesignBytes(symbolsOnly, options);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(!pdf.contains("/Subtype /Image"));
    QVERIFY(pdf.contains("/Font"));
    // A picture item is embedded as a picture.
    addImage(symbolsOnly, {}, {1800, 0});
    QVERIFY(exportDesignBytes(symbolsOnly, options).contains("/Subtype /Image"));
}

void designExportTest::pageSizeFollowsDpi()
{
    const QRectF page = exportPageRect(scene);
    exportOptions options;
    options.format = exportFormat::svg;
    options.dpi = 254;
    const QByteArray svg = exportDesignBytes(scene, options);
    // 254 dots per inch: ten dots to the millimetre.
    QVERIFY2(svg.contains(QStringLiteral("width=\"%1mm\"").arg(page.width() / 10).toLatin1()), svg.left(400));
    QVERIFY(svg.contains("height=\"30mm\""));
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 %1 300\"").arg(page.width()).toLatin1()));
    options.format = exportFormat::png;
    options.dpi = 300;
    QImage png = QImage::fromData(exportDesignBytes(scene, options));
    QCOMPARE(png.size(), page.size().toSize());
    QCOMPARE(png.dotsPerMeterX(), qRound(300 / 0.0254));
    options.dpi = 0;
    QString reason;
    QVERIFY(exportDesignBytes(scene, options, &reason).isEmpty());
    QVERIFY(!reason.isEmpty());
}

// The QR placeholders are encoded filled in; a stale one as it stands.
void designExportTest::previewValuesAreExported()
{
    QGraphicsScene design;
    setUpDesignScene(design);
    diagramQRCodeItem *qr = addQRCode(design, {0, 0});
    qr->content = "LOT000yyyy/MM/dd";
    qr->insertCnt = qr->insertTime = true;
    qr->cntMode = 3;
    qr->insertCntPos = 3;
    qr->timeModeStr = "yyyy/MM/dd";
    qr->insertTimePos = 6;
    qr->scale = 8;
    qr->regenerate();
    previewValues values;
    values.moment = QDateTime(QDate(2024, 2, 29), QTime(8, 0));
    values.counter1 = 1234;
    exportOptions options;
    options.format = exportFormat::svg;
    options.preview = values;
    // The page is that of the design as previewed: the filled-in symbol may be larger.
    scenePreview preview(design);
    preview.show(values);
    const QString out = dir.filePath("preview.svg");
    QVERIFY(exportDesignFile(out, design, options));
    if (QStandardPaths::findExecutable("rsvg-convert").isEmpty())
        QSKIP("rsvg-convert (librsvg2-bin) is not installed");
    const QImage page = rasterised(
        "rsvg-convert", {"-d", "72", "-p", "72", "-b", "white", "-o", out + ".png", out}, out + ".png");
    const QImage cut = page.copy(qr->sceneBoundingRect().toAlignedRect());
    QCOMPARE(verifyQrCode(cut, qr->scale, false, "LOT12342024/02/29").decoded, QString("LOT12342024/02/29"));
}

void designExportTest::designUnchanged()
{
    const QByteArray before = sprFileBytes(scene);
    const QList<QGraphicsItem *> selected{symbols.first().item};
    selected.first()->setSelected(true);
    for (exportFormat format : {exportFormat::png, exportFormat::pdf, exportFormat::svg}) {
        exportOptions options;
        options.format = format;
        options.preview = previewValues();
        QVERIFY(!exportDesignBytes(scene, options).isEmpty());
    }
    QCOMPARE(sprFileBytes(scene), before);
    QVERIFY(selected.first()->isSelected());
    selected.first()->setSelected(false);
}

void designExportTest::failedWrites()
{
    exportOptions options;
    options.format = exportFormat::pdf;
    QString reason;
    const QString fifo = dir.filePath("pipe.pdf");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!exportDesignFile(fifo, scene, options, &reason));
    QVERIFY(!reason.isEmpty());
    reason.clear();
    QVERIFY(!exportDesignFile(dir.path(), scene, options, &reason));
    QVERIFY(!reason.isEmpty());
    reason.clear();
    QVERIFY(!exportDesignFile(dir.filePath("missing/folder/x.svg"), scene, options, &reason));
    QVERIFY(!reason.isEmpty());
}

QTEST_MAIN(designExportTest)
#include "test_designexport.moc"
