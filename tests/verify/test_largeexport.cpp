// A large design exported by sprtool under an address-space limit: PDF and SVG are written as they are
// painted, with no picture kept per symbol, and the symbols still read back from the rasterised page.
#include "../document/designfixtures.h"
#include "designexport.h"
#include "exportreading.h"
#include "mixeddesign.h"
#include "printstrip.h"
#include "safewrite.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// Address space for sprtool: about 1.5 times what it needs to start, read this design and export it
// (some 210 MB), and below the 540 MB its SVG export took while every barcode kept a picture.
const QString addressLimitKiB = QStringLiteral("320000");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The SVG's page from x on: its view box and its width (in millimetres at 72 dots per inch) cut.
QByteArray viewBoxFrom(QByteArray svg, int x)
{
    const QRegularExpression box(QStringLiteral("viewBox=\"0 0 (\\d+) 300\""));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(svg.left(2000)));
    if (!match.hasMatch())
        return {};
    const int width = match.captured(1).toInt() - x;
    svg.replace(match.captured(0).toLatin1(),
                QStringLiteral("viewBox=\"%1 0 %2 300\"").arg(x).arg(width).toLatin1());
    const QRegularExpression millimetres(QStringLiteral("width=\"[0-9.]+mm\""));
    const QString head = QString::fromLatin1(svg.left(2000));
    svg.replace(millimetres.match(head).captured(0).toLatin1(),
                QStringLiteral("width=\"%1mm\"").arg(width * 25.4 / 72).toLatin1());
    return svg;
}

struct symbolSpot {
    QGraphicsItem *item;
    QString expected;
};
} // namespace

class largeExportTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportsWithinTheLimit_data();
    void exportsWithinTheLimit();

private:
    QTemporaryDir dir;
    QString design;
    QScopedPointer<readDesign> read;
    QList<symbolSpot> spots;
};

// 1,990 overlapping items of every kind, and on top of them, at the end of the strip, ten symbols that
// nothing covers.
void largeExportTest::initTestCase()
{
    QVERIFY(dir.isValid());
    read.reset(new readDesign(mixedDesign::designBytes(1990, 3)));
    QCOMPARE(read->scene.items().size(), 1990);
    QGraphicsScene &scene = read->scene;
    double x = designRightEdge(scene) + 40;
    for (int mode = 0; mode < 7; ++mode) {
        diagramBarItem *bar = addBarcode(scene, {x, 20});
        bar->mode = mode;
        bar->content = mixedDesign::barcodeContent(mode, 4711 + mode);
        bar->lineWidth = 3;
        bar->lineHeight = 150;
        QVERIFY(!bar->regenerate());
        spots.append({bar, QString()});
        x += bar->pictureSize().width() + 30;
    }
    for (bool converse : {false, true}) {
        diagramQRCodeItem *qr = addQRCode(scene, {x, 20});
        qr->content = QStringLiteral("https://example.com/lot/%1").arg(converse ? 8 : 9);
        qr->converse = converse;
        qr->scale = 4;
        qr->regenerate();
        spots.append({qr, qr->content});
        x += qr->pictureSize().width() + 30;
    }
    QVERIFY2(x < stripLength, qPrintable(QString::number(x)));
    // What each barcode reads as, taken from the design's own picture.
    for (symbolSpot &spot : spots) {
        if (spot.item->type() != barItemType)
            continue;
        auto *bar = static_cast<diagramBarItem *>(spot.item);
        QImage own(bar->pictureSize(), QImage::Format_ARGB32_Premultiplied);
        own.fill(Qt::white);
        QPainter painter(&own);
        painter.drawPixmap(0, 0, bar->pixmap());
        painter.end();
        const symbolVerdict verdict = verifyBarcode(bar->mode, bar->content, bar->symbol(bar->content), own);
        spot.expected = verdict.readable ? verdict.decoded : QStringLiteral("<%1>").arg(verdict.reason);
        QVERIFY2(!spot.expected.startsWith(QLatin1Char('<')), qPrintable(spot.expected));
    }
    design = dir.filePath("large.spr");
    QVERIFY(writeFileSafely(design, sprFileBytes(scene)));
}

void largeExportTest::exportsWithinTheLimit_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("rasteriser");
    QTest::newRow("pdf") << "pdf"
                         << "pdftoppm";
    QTest::newRow("svg") << "svg"
                         << "rsvg-convert";
    QTest::newRow("png") << "png" << QString();
}

void largeExportTest::exportsWithinTheLimit()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer reserves more address space than the limit");
#endif
    QFETCH(QString, suffix);
    QFETCH(QString, rasteriser);
    const QString out = dir.filePath("large." + suffix);
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    shell.setProcessEnvironment(env);
    shell.start("sh", {"-c", "ulimit -v " + addressLimitKiB + "; exec \"$0\" render \"$1\" -o \"$2\"",
                       SPRTOOL_PATH, design, out});
    QVERIFY(shell.waitForFinished(240000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QVERIFY2(shell.exitCode() == 0, shell.readAllStandardError());

    // rsvg-convert draws at most 32,767 pixels across: the SVG is read back from where the spots are.
    const QPoint origin(suffix == "svg" ? int(spots.first().item->x()) - 10 : 0, 0);
    QImage page;
    if (rasteriser.isEmpty()) {
        page = QImage(out);
    } else {
        if (QStandardPaths::findExecutable(rasteriser).isEmpty())
            QSKIP("the rasteriser is not installed (make test-deps)");
        const QString png = out + ".png";
        if (suffix == "pdf") {
            page = rasterised(rasteriser, {"-r", "72", "-png", "-singlefile", out, out}, png);
        } else {
            const QString part = dir.filePath("part.svg");
            QVERIFY(writeFileSafely(part, viewBoxFrom(fileBytes(out), origin.x())));
            page = rasterised(rasteriser, {"-d", "72", "-p", "72", "-b", "white", "-o", png, part}, png);
        }
    }
    QVERIFY(!page.isNull());
    QVERIFY(qAbs(origin.x() + page.width() - exportPageRect(read->scene).width()) <= 1);
    for (const symbolSpot &spot : spots)
        QCOMPARE(readSymbol(page, spot.item, origin), spot.expected);

    if (suffix == "svg") {
        // Shapes, not a rectangle per module: a QR code is one path on its white square, a barcode one
        // path for its light modules, one for its dark ones and one for its digits.
        const QByteArray svg = fileBytes(out);
        const int barcodes = 1990 / 5 + 7;
        const int qrCodes = 1990 / 5 + 2;
        QVERIFY2(svg.count("<path") <= 3 * barcodes + qrCodes,
                 qPrintable(QString::number(svg.count("<path"))));
        QVERIFY2(svg.count("<rect") <= qrCodes, qPrintable(QString::number(svg.count("<rect"))));
        // Nor a group that holds nothing.
        QVERIFY(!QString::fromUtf8(svg).contains(QRegularExpression(QStringLiteral("<g [^<>]*>\\s*</g>"))));
    }
}

QTEST_MAIN(largeExportTest)
#include "test_largeexport.moc"
