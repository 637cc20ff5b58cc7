// Random designs of every kind: saved, read back and saved again, they give the same bytes.
#include "designfixtures.h"

#include "barcodeerror.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

class designMaker
{
public:
    designMaker(quint32 seed, const QString &pictureDir) : random(seed), pictureDir(pictureDir) {}

    void compose(QGraphicsScene &scene)
    {
        const int count = 1 + int(random.bounded(12));
        for (int i = 0; i < count; ++i) {
            QGraphicsItem *item = addOne(scene, int(random.bounded(6)));
            item->setPos(coordinate(), coordinate());
            item->setRotation(random.bounded(3) == 0 ? random.bounded(1440) / 4.0 - 180
                                                     : int(random.bounded(181)));
        }
    }

private:
    QGraphicsItem *addOne(QGraphicsScene &scene, int kind)
    {
        switch (kind) {
        case 0:
            return text(scene);
        case 1:
            return counter(scene);
        case 2:
            return time(scene);
        case 3:
            return barcode(scene);
        case 4:
            return qrcode(scene);
        default:
            return image(scene);
        }
    }

    // Whole numbers as the panels set them, or any fraction, as dragging at a zoom gives.
    double coordinate() { return random.bounded(2) ? int(random.bounded(20000)) : random.bounded(20000.0); }
    quint32 lineNumber() { return random.bounded(2) ? 1 + random.bounded(100u) : random.generate(); }
    bool flag() { return random.bounded(2) == 1; }

    // Printable text, "=" and blanks included, with some Chinese; never a line break.
    QString someText(int maxLength)
    {
        static const QString alphabet = QStringLiteral(" =ABCxyz0123456789-_/.:#%中文字条码");
        QString out;
        const int length = int(random.bounded(maxLength + 1));
        for (int i = 0; i < length; ++i)
            out += alphabet.at(int(random.bounded(alphabet.size())));
        return out;
    }

    void styleFont(textFamilyItem &item, QFont &font)
    {
        static const char *families[] = {"simsun", "Microsoft Yahei", "8Pin Matrix", "Arial"};
        font.setFamily(QLatin1String(families[random.bounded(4)]));
        font.setPixelSize(6 + int(random.bounded(395)));
        font.setLetterSpacing(QFont::AbsoluteSpacing, int(random.bounded(301)) - 100);
        item.setFont(font);
    }

    QGraphicsItem *text(QGraphicsScene &scene)
    {
        auto *item = addText(scene, someText(30));
        styleFont(*item, item->itemFont);
        item->isExtVariable = flag();
        item->isAllPrinted = flag();
        item->extDataStartLine = lineNumber();
        item->extDataEndLine = lineNumber();
        item->extDataCurLine = lineNumber();
        item->extDataFilePath = someText(20);
        return item;
    }

    QGraphicsItem *counter(QGraphicsScene &scene)
    {
        auto *item = addCounter(scene);
        item->mode = 1 + int(random.bounded(8));
        item->name = int(random.bounded(2));
        styleFont(*item, item->itemFont);
        item->setPlainText(item->counterText(item->value));
        return item;
    }

    QGraphicsItem *time(QGraphicsScene &scene)
    {
        static const char *formats[] = {"yyyy/MM/dd hh:mm:ss", "yy-MM-dd", "hh:mm", "dd.MM.yyyy"};
        auto *item = addTime(scene);
        item->mode = QLatin1String(formats[random.bounded(4)]);
        item->valid = int(random.bounded(37));
        item->modeIndex = int(random.bounded(30));
        item->userDefined = flag();
        styleFont(*item, item->itemFont);
        item->setPlainText(item->timeText(item->dateTime, item->valid));
        return item;
    }

    QGraphicsItem *barcode(QGraphicsScene &scene)
    {
        static const char *contents[] = {"6901234567892", "1234567",     "012345678905", "0123456",
                                         "CODE-39 $",     "Mixed128abc", "bad!content"};
        auto *item = new diagramBarItem;
        item->mode = int(random.bounded(barcodeModeCount));
        item->content = QLatin1String(contents[random.bounded(7)]);
        item->isTextOn = flag();
        item->lineWidth = 1 + int(random.bounded(6));
        item->lineHeight = 50 + int(random.bounded(300));
        item->isExtVariable = flag();
        item->isAllPrinted = flag();
        item->extDataStartLine = lineNumber();
        item->extDataFilePath = someText(10);
        item->regenerate();
        scene.addItem(item);
        return item;
    }

    QGraphicsItem *qrcode(QGraphicsScene &scene)
    {
        auto *item = new diagramQRCodeItem;
        item->content = someText(40);
        if (item->content.isEmpty())
            item->content = QStringLiteral("123");
        item->level = int(random.bounded(4));
        item->scale = 1 + int(random.bounded(20));
        item->version = 1 + int(random.bounded(5));
        item->converse = flag();
        item->insertCnt = flag();
        item->cntMode = int(random.bounded(9));
        item->insertCntPos = int(random.bounded(40));
        item->insertTime = flag();
        item->timeModeStr = someText(8);
        item->insertTimePos = int(random.bounded(40));
        item->isInsVariable = flag();
        item->isExtVariable = flag();
        item->extStartLine = lineNumber();
        item->extEndLine = lineNumber();
        item->extFilePath = someText(10);
        item->isAllPrinted = flag();
        item->extCurLine = lineNumber();
        item->isUartVariable = flag();
        item->regenerate();
        scene.addItem(item);
        return item;
    }

    QGraphicsItem *image(QGraphicsScene &scene)
    {
        auto *item = addImage(scene);
        if (random.bounded(3) != 0) {
            const QString file = QStringLiteral("%1/pic%2.bmp").arg(pictureDir).arg(random.bounded(3));
            item->setPictureFile(file);
        }
        if (random.bounded(3) == 0)
            item->invertColors();
        item->setShownWidth(1 + int(random.bounded(600)));
        item->setShownHeight(1 + int(random.bounded(400)));
        return item;
    }

    QRandomGenerator random;
    QString pictureDir;
};

} // namespace

class SprRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
        QVERIFY(pictures.isValid());
        for (int i = 0; i < 3; ++i) {
            QImage picture(20 + 17 * i, 10 + 9 * i, QImage::Format_RGB32);
            picture.fill(Qt::white);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); x += 2 + i)
                    picture.setPixel(x, y, qRgb(0, 0, 0));
            QVERIFY(picture.save(pictures.filePath(QStringLiteral("pic%1.bmp").arg(i)), "BMP"));
        }
    }

    void savedAgainAfterReadingGivesTheSameBytes_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 60; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void savedAgainAfterReadingGivesTheSameBytes()
    {
        QFETCH(quint32, seed);
        QGraphicsScene scene;
        setUpDesignScene(scene);
        designMaker(seed, pictures.path()).compose(scene);
        // Saved beside its pictures, as the printer's folder names them.
        const QString path = pictures.filePath(QStringLiteral("design%1.spr").arg(seed));
        QVERIFY(saveSprFile(path, scene));
        QGraphicsScene back;
        setUpDesignScene(back);
        QVERIFY(loadSprFile(path, back));
        QCOMPARE(back.items().size(), scene.items().size());
        const QByteArray first = sprFileBytes(scene);
        const QByteArray second = sprFileBytes(back);
        if (first != second) {
            const QStringList a = linesOf(first), b = linesOf(second);
            for (int i = 0; i < qMin(a.size(), b.size()); ++i)
                QCOMPARE(b.at(i), a.at(i));
        }
        QCOMPARE(second, first);
    }

    // resave of resave's own output changes nothing, SceneWidth included, over every design the tests and
    // the fuzzer keep, and for an item dragged to a fraction finer than six digits.
    void secondResaveChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("folder");
        for (const QString &folder :
             {QStringLiteral(SPR_TEST_DATA "/golden"), QStringLiteral(SPR_TEST_DATA "/fuzzfound"),
              QStringLiteral(SPR_TEST_DATA "/../../fuzz/corpus/fuzz_sprreader")}) {
            for (const QFileInfo &file : QDir(folder).entryInfoList({"*.spr"}, QDir::Files)) {
                QFile in(file.filePath());
                QVERIFY(in.open(QIODevice::ReadOnly));
                QTest::newRow(qPrintable(file.fileName())) << in.readAll() << folder;
            }
        }
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("dragged"), {12345.6789, 3.25});
        addBarcode(scene, {0.1 + 0.2, 0});
        QTest::newRow("fractions") << sprFileBytes(scene) << QString();
    }
    void secondResaveChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, folder);
        sprReadOptions options;
        options.documentDir = folder;
        const QByteArray first = resaved(bytes, options);
        QCOMPARE(resaved(first, options), first);
    }

private:
    static QByteArray resaved(const QByteArray &bytes, const sprReadOptions &options)
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        readSprData(bytes, scene, options);
        return sprFileBytes(scene);
    }

    QTemporaryDir pictures;
};

QTEST_MAIN(SprRoundTripTest)
#include "test_sprroundtrip.moc"
