// GS1 Digital Link contents through sprtool: a design the composer made, rendered at chosen moments and
// counter values and read back with zxing-cpp; check's findings with their lines; info's AIs.
#include "diagramqrcodeitem.h"
#include "gs1digitallink.h"
#include "qrdecode.h"
#include "qrgs1check.h"
#include "sprdocument.h"
#include "sprtoolprocess.h"

#include <QGraphicsScene>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
gs1LinkFields composedFields()
{
    gs1LinkFields fields;
    fields.domain = QStringLiteral("https://id.gs1.org");
    fields.gtin = QStringLiteral("09501101020917");
    fields.batch = QStringLiteral("ABC/123");
    fields.productionDate = true;
    fields.expiry = QDate(2029, 3, 5);
    fields.serial = gs1LinkFields::counterSerial;
    fields.counterWidth = 6;
    return fields;
}

// A design of one QR code holding content with the placeholders described.
void writeDesign(const QString &path, const gs1LinkContent &content)
{
    QGraphicsScene scene;
    setUpDesignScene(scene);
    auto *item = new diagramQRCodeItem;
    item->content = content.content;
    item->insertCnt = content.cntMode != 0;
    item->cntMode = content.cntMode;
    item->insertCntPos = content.insertCntPos;
    item->insertTime = !content.timeModeStr.isEmpty();
    item->timeModeStr = content.timeModeStr;
    item->insertTimePos = content.insertTimePos;
    item->scale = 4;
    item->regenerate();
    scene.addItem(item);
    QVERIFY(saveSprFile(path, scene));
}

gs1LinkContent withoutPlaceholders(const QString &text)
{
    gs1LinkContent content;
    content.content = text;
    return content;
}

int contentLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).startsWith("QRcodeContent"))
            return i + 1;
    return -1;
}
} // namespace

class gs1QrTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void renderedSymbolCarriesTheAIs_data();
    void renderedSymbolCarriesTheAIs();
    void checkFindings_data();
    void checkFindings();
    void infoListsTheAIs();
    void documentedExamplePassesCheck();

private:
    QTemporaryDir dir;
    QString composed;
};

void gs1QrTest::initTestCase()
{
    QVERIFY(dir.isValid());
    composed = dir.filePath(QStringLiteral("composed.spr"));
    writeDesign(composed, composeGs1Link(composedFields()));
}

void gs1QrTest::renderedSymbolCarriesTheAIs_data()
{
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("elements");
    const QString gtinAndBatch = QStringLiteral("(01) 09501101020917 (10) ABC/123 ");
    QTest::newRow("leap day") << "2028-02-29T09:00:00"
                              << "42" << gtinAndBatch + "(21) 000042 (11) 280229 (17) 290305";
    QTest::newRow("year end") << "2028-12-31T23:59:59"
                              << "999999" << gtinAndBatch + "(21) 999999 (11) 281231 (17) 290305";
    QTest::newRow("first of March") << "2029-03-01T00:00:00"
                                    << "0" << gtinAndBatch + "(21) 000000 (11) 290301 (17) 290305";
}

void gs1QrTest::renderedSymbolCarriesTheAIs()
{
    QFETCH(QString, at);
    QFETCH(QString, counter);
    QFETCH(QString, elements);
    const QString png = dir.filePath(QStringLiteral("render.png"));
    const sprtoolRun render = runSprtool({"render", composed, "-o", png, "--at", at, "--counter1", counter});
    QCOMPARE(render.exitCode, 0);
    const decodedQr read = decodeQr(QImage(png), 40);
    QVERIFY(read.found);
    const gs1DigitalLink link = parseGs1DigitalLink(read.text, QDate(2028, 1, 1));
    QCOMPARE(link.elementsText(), elements);
    QVERIFY(link.problems.isEmpty());
    // check agrees at the same moment and counter: nothing to report.
    const sprtoolRun check = runSprtool({"check", composed, "--at", at, "--counter1", counter});
    QCOMPARE(check.out, QByteArray());
    QCOMPARE(check.exitCode, 0);
}

void gs1QrTest::checkFindings_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("finding"); // empty: none
    QTest::newRow("check digit") << "https://id.gs1.org/01/09501101020918"
                                 << ""
                                 << "(01) 09501101020918: the check digit typed is 8, the computed one is 7";
    QTest::newRow("plain text") << "LOT 12"
                                << ""
                                << "";
    QTest::newRow("composed, printed after the expiry")
        << ""
        << "2029-04-01T08:00:00"
        << "expiry (17) 290305 is before the production date (11) 290401";
}

void gs1QrTest::checkFindings()
{
    QFETCH(QString, content);
    QFETCH(QString, at);
    QFETCH(QString, finding);
    QString design = composed;
    if (!content.isEmpty()) {
        design = dir.filePath(QStringLiteral("check.spr"));
        writeDesign(design, withoutPlaceholders(content));
    }
    QStringList args{"check", design};
    if (!at.isEmpty())
        args << "--at" << at;
    const sprtoolRun check = runSprtool(args);
    if (finding.isEmpty()) {
        QCOMPARE(check.out, QByteArray());
        QCOMPARE(check.exitCode, 0);
        return;
    }
    QCOMPARE(check.exitCode, 1);
    const QString out = QString::fromUtf8(check.out);
    QCOMPARE(out.count(QLatin1Char('\n')), 1);
    QVERIFY2(out.startsWith(QStringLiteral("%1: QRcodeContent").arg(contentLine(design))), qPrintable(out));
    QVERIFY2(out.contains(finding), qPrintable(out));
}

void gs1QrTest::infoListsTheAIs()
{
    const QString plain = dir.filePath(QStringLiteral("plain.spr"));
    writeDesign(plain, withoutPlaceholders(QStringLiteral("TALMOR_K3")));
    const sprtoolRun info =
        runSprtool({"info", "--at", "2028-02-29T09:00:00", "--counter1", "7", composed, plain});
    QCOMPARE(info.exitCode, 0);
    const QList<QByteArray> lines = info.out.split('\n');
    const QJsonObject first = QJsonDocument::fromJson(lines.at(0)).object();
    QCOMPARE(first["schemaVersion"].toInt(), 4);
    const QJsonObject link = first["items"].toArray().at(0).toObject()["gs1DigitalLink"].toObject();
    QCOMPARE(link["stem"].toString(), QStringLiteral("https://id.gs1.org"));
    QStringList elements;
    for (const QJsonValue &element : link["elements"].toArray())
        elements << element["ai"].toString() + QLatin1Char('=') + element["value"].toString();
    QCOMPARE(elements,
             QStringList({"01=09501101020917", "10=ABC/123", "21=000007", "11=280229", "17=290305"}));
    QCOMPARE(link["problems"].toArray().size(), 0);
    QCOMPARE(link["readBackDiffers"].toBool(), false);
    const QJsonObject second = QJsonDocument::fromJson(lines.at(1)).object();
    QVERIFY(second["items"].toArray().at(0).toObject()["gs1DigitalLink"].isNull());
}

// The example the documentation points to passes check, and carries a Digital Link.
void gs1QrTest::documentedExamplePassesCheck()
{
    const QString example = QStringLiteral(SPR_TEST_DATA "/../../docs/examples/gs1-digital-link.spr");
    QVERIFY(QFile::exists(example));
    const sprtoolRun check = runSprtool({"check", example});
    QCOMPARE(check.out, QByteArray());
    QCOMPARE(check.exitCode, 0);
    const sprtoolRun info = runSprtool({"info", example});
    const QJsonObject design = QJsonDocument::fromJson(info.out).object();
    bool found = false;
    for (const QJsonValue &item : design["items"].toArray())
        found = found || item.toObject()["gs1DigitalLink"].isObject();
    QVERIFY(found);
    // As the page says it prints.
    const QString png = dir.filePath(QStringLiteral("example.png"));
    QCOMPARE(runSprtool({"render", example, "-o", png, "--at", "2026-12-09T08:00:00", "--counter1", "42"})
                 .exitCode,
             0);
    QCOMPARE(decodeQr(QImage(png), 40).text,
             QStringLiteral("https://id.gs1.org/01/09501101020917/10/ABC123/21/000042?11=261209&17=351231"));
}

QTEST_MAIN(gs1QrTest)
#include "test_gs1qr.moc"
