// The pictures of a fixed set of cases, hashed: the published examples of every symbology and a few
// thousand random contents, module widths, bar heights and text switches. The bars were recorded from
// the encoders that painted their pictures directly, before the symbol model and its renderer replaced
// them; the text from the glyph placement that made pictures the same on every toolkit build. Any pixel
// that changes since fails here, on every build. Each hash stands beside its case (the symbology's sprtool
// name, text switch, module width, bar height and content), so a new symbology adds lines and moves none.
// SPR_RECORD_PICTURES=1 rewrites the file.
#include "barcodetestsupport.h"
#include "symbologytable.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace
{
const char hashFile[] = SPR_TEST_DATA "/data/pictures.sha1";

struct pictureCase {
    int mode;
    bool text;
    int d;
    int e;
    QString content;
};

QString randomContent(QRandomGenerator &random, int length)
{
    static const char capitals[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-. $/+%";
    QString content;
    for (int k = 0; k < length; ++k) {
        const int kind = random.bounded(10);
        if (kind == 0)
            content += QChar(ushort(random.bounded(0x20, 0xD800)));
        else if (kind == 1)
            content += QChar(ushort(random.bounded(256)));
        else if (kind < 6)
            content += QLatin1Char(char('0' + random.bounded(10)));
        else
            content += QLatin1Char(capitals[random.bounded(int(sizeof capitals) - 1)]);
    }
    return content;
}

QVector<pictureCase> cases()
{
    const QStringList examples = {
        "6901234567892",
        "6901234567891",
        "8001234567895",
        "4006381333931",
        "012345678901X",
        "1234567",
        "12345670",
        "96385074",
        "ABC",
        "HELLO WORLD",
        "CODE-39 $/+%.",
        "TEST93",
        "A-B.C D$E/F+G%H",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123",
        "03600029145",
        "036000291452",
        "12345678901",
        "0123456",
        "0123451",
        "0123453",
        "0123454",
        "0123450",
        "0123459",
        "M",
        "5H",
        " ",
        "az09~ !{|}",
        "Hello, World!",
        "",
        "abc",
        "AB*C",
        "HELLO world",
        "it's",
        "a\\b",
        QString::fromUtf8("条码"),
        "69012345678",
        "0123",
        "01234567890123456789",
    };
    // The random cases are dealt in turn to seven groups, as they were to the seven symbologies they were
    // first recorded for; each mode takes the group of its number modulo seven.
    constexpr int groups = 7;
    QVector<pictureCase> drawn;
    QRandomGenerator random(13131313);
    for (int k = 0; k < 3000; ++k) {
        drawn.append({k % groups, random.bounded(4) != 0, random.bounded(1, 9), random.bounded(1, 320),
                      randomContent(random, random.bounded(k % 5 == 0 ? 60 : 16))});
    }
    QVector<pictureCase> all;
    for (int mode = 0; mode < barcodeModeCount; ++mode) {
        for (const QString &content : examples) {
            all.append({mode, true, 5, 230, content});
            all.append({mode, false, 2, 100, content});
        }
        for (pictureCase c : drawn) {
            if (c.mode != mode % groups)
                continue;
            c.mode = mode;
            all.append(c);
        }
    }
    return all;
}

// The case as its line names it; the content percent-encoded, so that the key has no spaces of its own.
QByteArray caseKey(const pictureCase &c)
{
    return QByteArray(barcodeSymbology(c.mode).cliName) + ' ' + (c.text ? '1' : '0') + ' ' +
           QByteArray::number(c.d) + ' ' + QByteArray::number(c.e) + " \"" +
           c.content.toUtf8().toPercentEncoding() + '"';
}

QByteArray pictureHash(const QImage &picture, bool hasAlpha, int refusal)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(picture.width()) + 'x' + QByteArray::number(picture.height()) + ' ' +
                 QByteArray::number(int(hasAlpha)) + ' ' + QByteArray::number(refusal));
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(QByteArray::fromRawData(reinterpret_cast<const char *>(pixels.constScanLine(y)),
                                             pixels.width() * 4));
    return hash.result().toHex().left(20);
}
} // namespace

class barcodePicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void picturesUnchanged();
};

void barcodePicturesTest::picturesUnchanged()
{
    QByteArrayList keys;
    QHash<QByteArray, QByteArray> hashes;
    for (const pictureCase &c : cases()) {
        const drawnPicture picture = drawnWithRefusal(c.mode, c.content, c.text, c.d, c.e);
        const QByteArray key = caseKey(c);
        if (!hashes.contains(key))
            keys << key;
        hashes.insert(key, pictureHash(picture.image, picture.hasAlpha, picture.refusal));
    }
    if (qEnvironmentVariableIsSet("SPR_RECORD_PICTURES")) {
        QFile out(QString::fromUtf8(hashFile));
        QVERIFY(out.open(QIODevice::WriteOnly));
        for (const QByteArray &key : keys)
            out.write(key + ' ' + hashes.value(key) + '\n');
        QSKIP("hashes recorded");
    }
    QFile in(QString::fromUtf8(hashFile));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QHash<QByteArray, QByteArray> recorded;
    for (const QByteArray &line : in.readAll().trimmed().split('\n')) {
        const int cut = line.lastIndexOf(' ');
        recorded.insert(line.left(cut), line.mid(cut + 1));
    }
    for (const QByteArray &key : keys) {
        if (!recorded.contains(key))
            QFAIL(qPrintable("case " + key + " not recorded (SPR_RECORD_PICTURES=1 records it)"));
        if (recorded.value(key) != hashes.value(key))
            QFAIL(qPrintable("case " + key + " changed"));
    }
    QCOMPARE(recorded.size(), keys.size());
}

QTEST_MAIN(barcodePicturesTest)
#include "test_barcode_pictures.moc"
