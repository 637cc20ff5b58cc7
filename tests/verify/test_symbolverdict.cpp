// Scan verification: every symbology read back from its picture, typed check digits against computed
// ones, characters Code 128 replaced, refused content and pictures damaged on purpose.
#include "barcodeencoders.h"
#include "barcoderender.h"
#include "diagramqrcodeitem.h"
#include "symbolverdict.h"

#include <QPainter>
#include <QtTest>

namespace
{
symbolVerdict verified(int mode, const QString &content, int d = 5, bool text = true)
{
    const barcodeSymbol symbol = encodeBarcode(mode, {text, d, 230}, content);
    return verifyBarcode(mode, content, symbol, renderBarcodePixmap(symbol).toImage());
}

// A white block over the middle of the picture, as a scratched or smudged label.
QImage damaged(const QImage &picture, double fraction)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&out);
    const int w = int(out.width() * fraction);
    painter.fillRect(QRect((out.width() - w) / 2, 0, w, out.height()), Qt::white);
    return out;
}
} // namespace

class symbolVerdictTest : public QObject
{
    Q_OBJECT
private slots:
    void barcodes_data();
    void barcodes();
    void refusedContent_data();
    void refusedContent();
    void damagedBarcode();
    void qrCodes_data();
    void qrCodes();
    void damagedQrCode();
    void summaries();
};

void symbolVerdictTest::barcodes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("decoded");
    QTest::addColumn<QStringList>("notes");

    const QStringList none;
    QTest::newRow("EAN-13 right check digit") << 0 << "6901234567892" << 5 << "6901234567892" << none;
    QTest::newRow("EAN-13 wrong check digit")
        << 0 << "6901234567891" << 5 << "6901234567892"
        << QStringList{"输入的校验位 “1” 与计算出的校验位 2 不同，条码中是 2"};
    QTest::newRow("EAN-13 extra characters")
        << 0 << "690123456789245" << 5 << "6901234567892" << QStringList{"多余的字符 “45” 未编码"};
    QTest::newRow("EAN-13 one-pixel modules") << 0 << "4006381333931" << 1 << "4006381333931" << none;
    QTest::newRow("EAN-8 right") << 1 << "12345670" << 5 << "12345670" << none;
    QTest::newRow("EAN-8 without check digit") << 1 << "1234567" << 5 << "12345670" << none;
    QTest::newRow("EAN-8 wrong") << 1 << "12345679" << 5 << "12345670"
                                 << QStringList{"输入的校验位 “9” 与计算出的校验位 0 不同，条码中是 0"};
    QTest::newRow("UPC-A right") << 4 << "036000291452" << 5 << "036000291452" << none;
    QTest::newRow("UPC-A wrong") << 4 << "036000291457" << 3 << "036000291452"
                                 << QStringList{"输入的校验位 “7” 与计算出的校验位 2 不同，条码中是 2"};
    QTest::newRow("UPC-E right") << 5 << "01234565" << 5 << "01234565" << none;
    QTest::newRow("UPC-E wrong") << 5 << "01234568" << 5 << "01234565"
                                 << QStringList{"输入的校验位 “8” 与计算出的校验位 5 不同，条码中是 5"};
    QTest::newRow("Code 39") << 2 << "ABC-123 $/+%" << 5 << "ABC-123 $/+%" << none;
    QTest::newRow("Code 93") << 3 << "HELLO 93" << 2 << "HELLO 93" << none;
    QTest::newRow("Code 128") << 6 << "Abc~1 x" << 5 << "Abc~1 x" << none;
    QTest::newRow("Code 128 replaced characters")
        << 6 << QString::fromUtf8("A中B文中") << 5 << "A?B??"
        << QStringList{QString::fromUtf8("Code 128 无法编码的字符 “中文” 被替换为 “?”")};
}

void symbolVerdictTest::barcodes()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(int, d);
    QFETCH(QString, decoded);
    QFETCH(QStringList, notes);
    const symbolVerdict verdict = verified(mode, content, d);
    QVERIFY2(verdict.readable, qPrintable(verdict.reason));
    QCOMPARE(verdict.decoded, decoded);
    QCOMPARE(verdict.notes, notes);
}

void symbolVerdictTest::refusedContent_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::newRow("EAN-13 too short") << 0 << "690123";
    QTest::newRow("Code 39 lower case") << 2 << "abc";
    QTest::newRow("Code 93 lower case") << 3 << "HELLO world";
    QTest::newRow("Code 128 apostrophe") << 6 << "it's";
}

void symbolVerdictTest::refusedContent()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    const symbolVerdict verdict = verified(mode, content);
    QVERIFY(!verdict.readable);
    QVERIFY2(verdict.reason.startsWith("内容无法编码：条码格式错误"), qPrintable(verdict.reason));
    QVERIFY(verdict.summary().startsWith("✗ 无法识别："));
}

void symbolVerdictTest::damagedBarcode()
{
    const barcodeSymbol symbol = encodeBarcode(0, {}, "6901234567892");
    const QImage picture = renderBarcodePixmap(symbol).toImage();
    QVERIFY(verifyBarcode(0, "6901234567892", symbol, picture).readable);
    const symbolVerdict verdict = verifyBarcode(0, "6901234567892", symbol, damaged(picture, 0.3));
    QVERIFY(!verdict.readable);
    QVERIFY(!verdict.reason.isEmpty());
    QVERIFY(verdict.decoded.isEmpty());
    const symbolVerdict none = verifyBarcode(0, "6901234567892", symbol, QImage());
    QVERIFY(!none.readable);
    QCOMPARE(none.reason, QString("没有图片"));
}

void symbolVerdictTest::qrCodes_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("converse");
    QTest::newRow("default") << "TALMOR_K3" << 13 << false;
    QTest::newRow("inverted") << "TALMOR_K3" << 13 << true;
    QTest::newRow("one pixel per module") << "LOT12345678 2024/02/29" << 1 << false;
    QTest::newRow("Chinese") << QString::fromUtf8("批号 二〇二四") << 4 << false;
}

void symbolVerdictTest::qrCodes()
{
    QFETCH(QString, content);
    QFETCH(int, scale);
    QFETCH(bool, converse);
    qrCodeRecord record;
    record.content = content;
    record.scale = scale;
    record.converse = converse;
    const QImage picture = diagramQRCodeItem::createQRPixmap(record).toImage();
    const symbolVerdict verdict = verifyQrCode(picture, scale, converse, content);
    QVERIFY2(verdict.readable, qPrintable(verdict.reason));
    QCOMPARE(verdict.decoded, content);
    QVERIFY(verdict.notes.isEmpty());
    // Read against a text it does not hold, the difference is named.
    const symbolVerdict other = verifyQrCode(picture, scale, converse, "OTHER");
    QCOMPARE(other.notes, QStringList{"扫描结果与预期的 “OTHER” 不同"});
}

void symbolVerdictTest::damagedQrCode()
{
    qrCodeRecord record;
    const QImage picture = diagramQRCodeItem::createQRPixmap(record).toImage();
    const symbolVerdict verdict = verifyQrCode(damaged(picture, 0.6), record.scale, false, record.content);
    QVERIFY(!verdict.readable);
    QVERIFY(!verdict.reason.isEmpty());
}

void symbolVerdictTest::summaries()
{
    const symbolVerdict good = verified(0, "6901234567891");
    QCOMPARE(good.summary(), QString("✓ 6901234567892"));
    QCOMPARE(good.details(),
             QString("✓ 6901234567892\n输入的校验位 “1” 与计算出的校验位 2 不同，条码中是 2"));
    const symbolVerdict bad = verified(2, "abc");
    QCOMPARE(bad.summary(), "✗ 无法识别：" + bad.reason);
}

QTEST_MAIN(symbolVerdictTest)
#include "test_symbolverdict.moc"
