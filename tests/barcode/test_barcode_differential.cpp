// Our pictures against two independent implementations: the module sequence libzint encodes for the same
// symbol, read back from the middle row where our layout puts the symbol, and the text zxing-cpp decodes.
#include "barcodetestsupport.h"
#include "zintreferences.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

namespace
{
using zintAlphabet::digits;

// The reference data of a mode's row; every row needs some.
const zintReference *infoFor(int mode)
{
    return zintReferenceFor(barcodeSymbology(mode).cliName);
}

// Data digits zint is given for the digit symbologies (it computes the check digit itself).
int dataDigits(int mode)
{
    return qMax(0, barcodeSymbology(mode).checkDigitAt);
}

struct zintResult {
    QByteArray modules;
    QByteArray text;
    QString error;
};

zintResult zintEncode(int symbology, const QByteArray &data)
{
    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = symbology;
    const int status =
        ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(data.constData()), data.size());
    zintResult result;
    if (status >= ZINT_ERROR) {
        result.error = QString::fromLatin1(symbol->errtxt);
    } else {
        const int row = symbol->rows - 1;
        for (int x = 0; x < symbol->width; ++x)
            result.modules += (symbol->encoded_data[row][x >> 3] >> (x & 7)) & 1 ? '1' : '0';
        result.text = QByteArray(reinterpret_cast<const char *>(symbol->text));
    }
    ZBarcode_Delete(symbol);
    return result;
}

// The picture flattened onto white with a quiet zone, as a scanner sees a printed label.
std::string zxingDecode(const QImage &picture, int d, ZXing::BarcodeFormat format)
{
    const int quiet = 12 * d;
    QImage flat(picture.width() + 2 * quiet, picture.height() + 2 * quiet, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(quiet, quiet, picture);
    const QImage grey = flat.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                grey.bytesPerLine());
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string("(not decoded)");
}

QString randomContent(QRandomGenerator &random, const char *alphabet, int length)
{
    QString content;
    for (int k = 0; k < length; ++k) {
        char c;
        if (alphabet)
            c = alphabet[random.bounded(int(qstrlen(alphabet)))];
        else
            do
                c = char(random.bounded(32, 127));
            while (c == '\'' || c == '\\');
        content += QLatin1Char(c);
    }
    return content;
}
} // namespace

class barcodeDifferentialTest : public QObject
{
    Q_OBJECT
private slots:
    void sameModulesAndDecodes_data();
    void sameModulesAndDecodes();
};

void barcodeDifferentialTest::sameModulesAndDecodes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("d");
    QRandomGenerator random(20261208);
    for (int mode = 0; mode < barcodeModeCount; ++mode) {
        const zintReference *info = infoFor(mode);
        QVERIFY2(info, barcodeSymbology(mode).name);
        QStringList contents = info->examples;
        if (mode == ean13) {
            for (int lead = 0; lead <= 9; ++lead) // every leading-digit parity row
                contents << QString::number(lead) + randomContent(random, digits, 12);
        }
        for (int k = 0; k < 30; ++k) {
            const int length = info->shortestContent ? info->shortestContent + random.bounded(2)
                                                     : 1 + random.bounded(k < 15 ? 14 : 40);
            QString content;
            do {
                content = randomContent(random, info->alphabet, length);
                if (mode == upce)
                    content[0] = QLatin1Char('0'); // number system 0, whose parity table we use
                // zint refuses UPC-E contents whose expansion is not a compliant UPC-A number
            } while (mode == upce && !zintEncode(BARCODE_UPCE, content.left(7).toLatin1()).error.isEmpty());
            contents << content;
        }
        for (int k = 0; k < contents.size(); ++k) {
            const QByteArray name = QByteArray::number(mode) + ": " + contents[k].toLatin1();
            QTest::newRow(name) << mode << contents[k] << (k < info->examples.size() ? 5 : 2 + k % 4);
        }
    }
}

void barcodeDifferentialTest::sameModulesAndDecodes()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(int, d);
    const zintReference &info = *infoFor(mode);
    const QByteArray data = dataDigits(mode) ? content.left(dataDigits(mode)).toLatin1() : content.toLatin1();
    const zintResult reference = zintEncode(info.zintSymbology, data);
    QVERIFY2(reference.error.isEmpty(), qPrintable(reference.error));

    errorRecorder errors;
    const int e = 80;
    const QImage picture = drawn(mode, content, true, d, e);
    QVERIFY(errors.codes.isEmpty());
    const int modules = picture.width() / d;
    QByteArray expected = QByteArray(info.firstModule, '0') + reference.modules;
    QVERIFY(expected.size() <= modules);
    expected += QByteArray(modules - expected.size(), '0');
    QCOMPARE(modulesAt(picture, d, e / 2, 0, modules), expected);

    const std::string decoded =
        zxingDecode(picture, d, ZXing::BarcodeFormatFromString(barcodeSymbology(mode).scanFormat));
    const QByteArray wanted = dataDigits(mode) ? reference.text : content.toLatin1();
    QCOMPARE(QByteArray::fromStdString(decoded), wanted);
}

QTEST_MAIN(barcodeDifferentialTest)
#include "test_barcode_differential.moc"
