// The .spr writer and reader: golden files, the reader's positional rules and the mended faults.
#include "designexport.h"
#include "designfixtures.h"
#include "emptypicture.h"

#include "barcodeerror.h"

#include <QBitmap>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <algorithm>

namespace
{
QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(SPR_TEST_DATA "/golden/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// On a mismatch the bytes written are kept beside the temporary files for inspection.
bool matchesGolden(const QByteArray &written, const QString &name)
{
    if (written == golden(name))
        return true;
    QFile actual(QDir::temp().filePath(name + QStringLiteral(".actual")));
    if (actual.open(QIODevice::WriteOnly))
        actual.write(written);
    qWarning() << "written bytes kept in" << actual.fileName();
    return false;
}

void writeBmp(const QString &path, QSize size, QColor colour = Qt::black)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "BMP"));
}

// A design of one item of each kind, as the writer sees it.
void composeEveryKind(QGraphicsScene &scene)
{
    setUpDesignScene(scene);
    addText(scene, QStringLiteral("Input text"), {12.5, -3});
    auto *counter = addCounter(scene, {600, 10});
    counter->itemFont.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    counter->setFont(counter->itemFont);
    counter->name = 1;
    auto *time = addTime(scene, {1200, 0});
    time->setRotation(90);
    time->valid = 12;
    auto *bar = addBarcode(scene, {2000, 5});
    bar->extDataStartLine = 4000000000u;
    bar->extDataFilePath = QStringLiteral("data.txt");
    auto *qr = addQRCode(scene, {3000.25, 0});
    qr->insertCnt = true;
    qr->cntMode = 4;
    qr->timeModeStr = QStringLiteral("yyMMdd");
    auto *image = addImage(scene, QString(), {4000, 20});
    image->pixPath = QStringLiteral("C:/logos/mark.bmp");
    image->setShownWidth(100);
    image->setShownHeight(50);
}
} // namespace

class SprFileTest : public QObject
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
    }

    // --- writer ---

    void emptySceneIsFiveLines()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        QCOMPARE(sprFileBytes(scene), QByteArray("[FileInfo]\r\nSceneWidth =0\r\nSceneHeight =300\r\n"
                                                 "DynamicItemNum =0\r\nTotalItemNum =0\r\n"));
    }

    void everyKindMatchesGoldenFile()
    {
        QGraphicsScene scene;
        composeEveryKind(scene);
        QVERIFY(matchesGolden(sprFileBytes(scene), QStringLiteral("everykind.spr")));
        // The path in memory is not rewritten.
        QCOMPARE(static_cast<diagramImageItem *>(scene.items().first())->pixPath,
                 QStringLiteral("C:/logos/mark.bmp"));
    }

    void counter2ItemsAreCountedButNotWritten()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addCounter2(scene);
        addCounter2(scene);
        addText(scene, QStringLiteral("A"));
        const QStringList lines = linesOf(sprFileBytes(scene));
        QCOMPARE(lines.at(4), QStringLiteral("TotalItemNum =3"));
        QCOMPARE(lines.size(), 5 + 14);
        QCOMPARE(lines.at(5), QStringLiteral("[TextItemInfo]"));

        readDesign back(sprFileBytes(scene));
        QCOMPARE(back.scene.items().size(), 1);
        QCOMPARE(back.scene.items().first()->type(), int(textItemType));
    }

    void sceneWidthIgnoresItemsOutsideTheStrip()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        auto *inside = addImage(scene, QString(), {700.2, 0}); // right edge 940.7 (half a pixel of frame)
        addImage(scene, QString(), {79800, 0});                // reaches beyond 79999
        addImage(scene, QString(), {-500, 0});                 // right edge negative
        QCOMPARE(designRightEdge(scene), 940u);
        inside->setX(79759); // right edge 79999 exactly still counts
        QCOMPARE(designRightEdge(scene), 79999u);
        inside->setX(1e12); // far beyond any integer range: ignored, no overflow
        QCOMPARE(designRightEdge(scene), 0u);
    }

    // Reals are written in the shortest form that reads back exactly, so a save never moves an item.
    // An item that starts on the strip and reaches past its end keeps SceneWidth at the strip's last
    // column through every resave, is drawn up to the end, and the checker names it.
    void itemsPastTheStripsEnd()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"), {10, 0});
        addImage(scene, QString(), {79900, 0}); // 240 wide: reaches 80140
        const QByteArray bytes = sprFileBytes(scene);
        const QStringList lines = linesOf(bytes);
        QVERIFY(lines.contains(QStringLiteral("SceneWidth =79999")));
        QCOMPARE(exportPageRect(scene).width(), 79999.0);
        QCOMPARE(designRightEdge(scene),
                 10u + quint32(itemsInFileOrder(scene).last()->boundingRect().width()));
        sprReadOptions options;
        options.collectFindings = true;
        readDesign back(bytes, options);
        QCOMPARE(sprFileBytes(back.scene), bytes);
        const int imageLine = lines.indexOf(QStringLiteral("[ImageItemInfo]")) + 1;
        QVERIFY(
            std::any_of(back.result.findings.cbegin(), back.result.findings.cend(), [&](const sprFinding &f) {
                return f.line == imageLine &&
                       f.message.contains(QLatin1String("past the strip's end at 80000"));
            }));
    }

    void realsAreWrittenExactly()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"), {1000000, 0.1234567})->setRotation(-90);
        addText(scene, QStringLiteral("B"), {12345.6789, 12.5})->setRotation(0.1 + 0.2);
        const QStringList lines = linesOf(sprFileBytes(scene));
        for (const char *line : {"TextAtX =1e+06", "TextAtY =0.1234567", "TextRotate =-90",
                                 "TextAtX =12345.6789", "TextAtY =12.5", "TextRotate =0.30000000000000004"})
            QVERIFY2(lines.contains(QLatin1String(line)), line);
    }

    // --- reader: the positional rules ---

    void everyKindReadsBack()
    {
        QGraphicsScene scene;
        composeEveryKind(scene);
        readDesign back(sprFileBytes(scene));
        const QList<QGraphicsItem *> items = itemsInFileOrder(back.scene);
        QCOMPARE(items.size(), 6);
        QVector<int> types;
        for (QGraphicsItem *item : items)
            types << item->type();
        // File order is top-most first, and the stacking read back is the one saved.
        QCOMPARE(types, (QVector<int>{imageItemType, qrItemType, barItemType, timeItemType, cntItemType,
                                      textItemType}));
        auto *time = static_cast<diagramTimeItem *>(items[3]);
        QCOMPARE(time->rotation(), 90.0);
        QCOMPARE(time->valid, 12);
        QCOMPARE(time->toPlainText(), time->timeText(time->dateTime, 12));
        auto *counter = static_cast<diagramCntItem *>(items[4]);
        QCOMPARE(counter->toPlainText(), QStringLiteral("000000"));
        QCOMPARE(counter->font().letterSpacing(), 2.0);
        QCOMPARE(counter->name, 1);
        auto *bar = static_cast<diagramBarItem *>(items[2]);
        QCOMPARE(bar->extDataStartLine, 4000000000u);
        QCOMPARE(bar->pixmap().size(), QSize(565, 275));
        auto *qr = static_cast<diagramQRCodeItem *>(items[1]);
        QCOMPARE(qr->pos(), QPointF(3000.25, 0));
        QCOMPARE(qr->cntMode, 4);
        QCOMPARE(qr->timeModeStr, QStringLiteral("yyMMdd"));
        for (QGraphicsItem *item : items) {
            QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
            QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
        }
    }

    void lineEndsCrLfAndCrCrLfReadAlike()
    {
        QGraphicsScene scene;
        composeEveryKind(scene);
        const QByteArray crlf = sprFileBytes(scene);
        QByteArray crcrlf = crlf;
        crcrlf.replace("\r\n", "\r\r\n");
        QByteArray lf = crlf;
        lf.replace("\r\n", "\n");
        readDesign a(crlf), b(crcrlf), c(lf);
        QCOMPARE(sprFileBytes(b.scene), sprFileBytes(a.scene));
        QCOMPARE(sprFileBytes(c.scene), sprFileBytes(a.scene));
        QCOMPARE(b.scene.items().size(), 6);
    }

    void blankLineShiftsEverySection()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("first"));
        addText(scene, QStringLiteral("second"));
        QStringList lines = linesOf(sprFileBytes(scene));
        lines.insert(5 + 14, QString()); // between the two sections
        readDesign back(fileOf(lines));
        QCOMPARE(back.scene.items().size(), 1);
        QCOMPARE(static_cast<diagramTextItem *>(back.scene.items().first())->content,
                 QStringLiteral("second"));
    }

    void filteredFieldsKeepTheirDefaults()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addBarcode(scene)->mode = 3;
        addCounter(scene)->mode = 2;
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("BarMode"), QStringLiteral("9"));
        setKey(lines, QStringLiteral("CntMode"), QStringLiteral("0"));
        readDesign back(fileOf(lines));
        auto *counter = static_cast<diagramCntItem *>(itemsInFileOrder(back.scene).at(0));
        auto *bar = static_cast<diagramBarItem *>(itemsInFileOrder(back.scene).at(1));
        QCOMPARE(counter->mode, 6);
        QCOMPARE(counter->toPlainText(), QStringLiteral("000000"));
        QCOMPARE(bar->mode, 0);

        setKey(lines, QStringLiteral("BarMode"), QStringLiteral("5"));
        setKey(lines, QStringLiteral("CntMode"), QStringLiteral(" 8 "));
        readDesign valid(fileOf(lines));
        QCOMPARE(static_cast<diagramCntItem *>(itemsInFileOrder(valid.scene).at(0))->mode, 8);
        QCOMPARE(static_cast<diagramBarItem *>(itemsInFileOrder(valid.scene).at(1))->mode, 5);
    }

    void emptyContentsGetTheirStandIns()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addBarcode(scene);
        addQRCode(scene);
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("BarContent"), QString());
        setKey(lines, QStringLiteral("QRcodeContent"), QString());
        readDesign back(fileOf(lines));
        auto *qr = static_cast<diagramQRCodeItem *>(itemsInFileOrder(back.scene).at(0));
        auto *bar = static_cast<diagramBarItem *>(itemsInFileOrder(back.scene).at(1));
        QCOMPARE(qr->content, QStringLiteral("empty!"));
        QVERIFY(!qr->pixmap().isNull());
        QCOMPARE(bar->content, QStringLiteral("6901234567892"));
        QCOMPARE(bar->pixmap().size(), QSize(565, 275));
    }

    void numbersAreReadInTheirForm()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        addCounter(scene);
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("CntFontSize"), QStringLiteral("40.7"));
        setKey(lines, QStringLiteral("CntAtX"), QStringLiteral("  12.25  "));
        setKey(lines, QStringLiteral("TextSpace"), QStringLiteral("2.5"));
        setKey(lines, QStringLiteral("TextAtY"), QStringLiteral("abc"));
        setKey(lines, QStringLiteral("TextFontSize"), QStringLiteral(" 48"));
        readDesign back(fileOf(lines));
        auto *counter = static_cast<diagramCntItem *>(itemsInFileOrder(back.scene).at(0));
        auto *text = static_cast<diagramTextItem *>(itemsInFileOrder(back.scene).at(1));
        QCOMPARE(counter->font().pixelSize(), 40);
        QCOMPARE(counter->x(), 12.25);
        QCOMPARE(text->font().letterSpacing(), 0.0);
        QCOMPARE(text->y(), 0.0);
        QCOMPARE(text->font().pixelSize(), 48);
        QCOMPARE(text->itemFont.pixelSize(), 48);
    }

    void contentsKeepEqualsSignsAndLeadingBlanks()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("  a=b==c "));
        QStringList lines = linesOf(sprFileBytes(scene));
        QCOMPARE(lines.at(setKey(lines, QStringLiteral("TextContent"), QStringLiteral("  a=b==c "))),
                 QStringLiteral("TextContent =  a=b==c "));
        readDesign back(fileOf(lines));
        auto *text = static_cast<diagramTextItem *>(back.scene.items().first());
        QCOMPARE(text->content, QStringLiteral("  a=b==c "));
        QCOMPARE(text->toPlainText(), QStringLiteral("  a=b==c "));
    }

    void sceneLengthFollowsTheBands_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<double>("length");
        const double unchanged = 80000;
        QTest::newRow("100") << "100" << unchanged;
        QTest::newRow("5000") << "5000" << unchanged;
        QTest::newRow("5001") << "5001" << 8000.0;
        QTest::newRow("6000") << "6000" << 8000.0;
        QTest::newRow("8000 boundary") << "8000" << 8000.0;
        QTest::newRow("8001") << "8001" << 20000.0;
        QTest::newRow("20000 boundary") << "20000" << 20000.0;
        QTest::newRow("34999") << "34999" << 35000.0;
        QTest::newRow("35000 boundary") << "35000" << 35000.0;
        QTest::newRow("50000 boundary") << "50000" << 50000.0;
        QTest::newRow("65000 boundary") << "65000" << 65000.0;
        QTest::newRow("79999") << "79999" << 80000.0;
        QTest::newRow("80000") << "80000" << unchanged;
        QTest::newRow("not a number") << "wide" << unchanged;
    }
    void sceneLengthFollowsTheBands()
    {
        QFETCH(QString, width);
        QFETCH(double, length);
        QGraphicsScene scene;
        setUpDesignScene(scene);
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("SceneWidth"), width);
        readDesign back(fileOf(lines));
        QCOMPARE(back.scene.sceneRect(), QRectF(0, 0, length, 300));
    }

    void qrSectionIsFollowedByTheOthers()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("after"));
        addImage(scene);
        addQRCode(scene)->content = QStringLiteral("QR");
        readDesign back(sprFileBytes(scene));
        QCOMPARE(back.scene.items().size(), 3);
        QCOMPARE(itemsInFileOrder(back.scene).at(0)->type(), int(qrItemType));
        QCOMPARE(static_cast<diagramTextItem *>(itemsInFileOrder(back.scene).at(2))->content,
                 QStringLiteral("after"));
    }

    void foreignFirstLineReadsNothing()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("SceneWidth"), QStringLiteral("6000"));
        lines[0] = QStringLiteral("[fileinfo]");
        readDesign back(fileOf(lines));
        QVERIFY(!back.result.headerFound);
        QCOMPARE(back.scene.items().size(), 0);
        QCOMPARE(back.scene.sceneRect(), QRectF(0, 0, 80000, 300));
    }

    void itemCountGoesToTheDebugOutput()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, "totalNum = 1");
        readDesign back(sprFileBytes(scene));
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
    }

    void readerAddsToTheItemsAlreadyThere()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        const QByteArray bytes = sprFileBytes(scene);
        readSprData(bytes, scene);
        QCOMPARE(scene.items().size(), 2);
    }

    // --- mended faults ---

    void byteOrderMarkIsAccepted()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        readDesign back(QByteArray("\xEF\xBB\xBF") + sprFileBytes(scene));
        QCOMPARE(back.scene.items().size(), 1);
    }

    void passesStopAtTheEndOfTheFile()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("TotalItemNum"), QStringLiteral("2147483647"));
        QElapsedTimer clock;
        clock.start();
        readDesign back(fileOf(lines));
        QCOMPARE(back.scene.items().size(), 1);
        QCOMPARE(back.result.totalItemNum, 2147483647);
        QCOMPARE(back.result.itemsBuilt, 1);
    }

    void picturePathsGoToThePrintersFolder_data()
    {
        QTest::addColumn<QString>("pixPath");
        QTest::addColumn<QString>("written");
        QTest::newRow("Unix path") << "/home/op/logo.bmp"
                                   << "/udisk/bmp/logo.bmp";
        QTest::newRow("Windows path") << "C:\\pics\\logo.bmp"
                                      << "/udisk/bmp/logo.bmp";
        QTest::newRow("Windows path, forward slashes") << "C:/logos/mark.bmp"
                                                       << "/udisk/bmp/mark.bmp";
        QTest::newRow("mixed separators") << "D:\\a/b\\c.jpg"
                                          << "/udisk/bmp/c.jpg";
        QTest::newRow("bare name") << "logo.bmp"
                                   << "/udisk/bmp/logo.bmp";
        QTest::newRow("none") << ""
                              << "/udisk/bmp/";
    }
    void picturePathsGoToThePrintersFolder()
    {
        QFETCH(QString, pixPath);
        QFETCH(QString, written);
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addImage(scene)->pixPath = pixPath;
        QVERIFY(linesOf(sprFileBytes(scene)).contains(QStringLiteral("ImagePixPath =") + written));
    }

    void missingPictureKeepsItsItem()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("kept"));
        auto *image = addImage(scene);
        image->pixPath = QStringLiteral("C:/logos/mark.bmp");
        image->setShownWidth(120);
        image->setShownHeight(60);
        const QByteArray bytes = sprFileBytes(scene);

        readDesign back(bytes);
        QCOMPARE(back.scene.items().size(), 2);
        auto *read = static_cast<diagramImageItem *>(itemsInFileOrder(back.scene).at(0));
        QCOMPARE(read->pixPath, QStringLiteral("/udisk/bmp/mark.bmp"));
        QCOMPARE(read->pixmap().size(), QSize(120, 60));
        QCOMPARE(read->sourcePixmap.toImage(), diagramImageItem::loadImagePixmap(QString()).toImage());
        // Saved again, the section is written back unchanged.
        QCOMPARE(sprFileBytes(back.scene), bytes);
    }

    void pictureIsFoundBesideTheDocument()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bmp")));
        writeBmp(dir.filePath(QStringLiteral("beside.bmp")), {30, 20});
        writeBmp(dir.filePath(QStringLiteral("bmp/inbmp.bmp")), {40, 10});
        QGraphicsScene scene;
        setUpDesignScene(scene);
        for (const char *name : {"beside.bmp", "inbmp.bmp"}) {
            auto *image = addImage(scene);
            image->pixPath = QStringLiteral("D:/elsewhere/") + QLatin1String(name);
            image->setShownWidth(90);
            image->setShownHeight(45);
        }
        const QString path = dir.filePath(QStringLiteral("design.spr"));
        QVERIFY(saveSprFile(path, scene));
        QGraphicsScene back;
        setUpDesignScene(back);
        QVERIFY(loadSprFile(path, back));
        const QImage placeholder = diagramImageItem::loadImagePixmap(QString()).toImage();
        for (QGraphicsItem *item : back.items()) {
            auto *image = static_cast<diagramImageItem *>(item);
            QCOMPARE(image->pixmap().size(), QSize(90, 45));
            QCOMPARE(image->sourcePixmap.depth(), 1);
            QVERIFY(image->sourcePixmap.size() == QSize(30, 20) ||
                    image->sourcePixmap.size() == QSize(40, 10));
        }
    }

    // Equivalent paths of one file are decoded once: the items share one source picture.
    void equivalentPicturePathsDecodeOnce()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        writeBmp(dir.filePath(QStringLiteral("logo.bmp")), {30, 20});
        QVERIFY(
            QFile::link(dir.filePath(QStringLiteral("logo.bmp")), dir.filePath(QStringLiteral("link.bmp"))));
        QGraphicsScene scene;
        setUpDesignScene(scene);
        const QStringList paths{"logo.bmp", "./logo.bmp", "sub/../logo.bmp", "link.bmp"};
        for (int i = 0; i < paths.size(); ++i)
            addImage(scene);
        QStringList lines = linesOf(sprFileBytes(scene));
        // The written path is the printer's; the file names the pictures where they are.
        for (int i = 0, from = 0; i < paths.size(); ++i)
            from = setKey(lines, QStringLiteral("ImagePixPath"),
                          dir.path() + QStringLiteral("//") + paths.at(i), from) +
                   1;
        readDesign back(fileOf(lines));
        const QList<QGraphicsItem *> items = back.scene.items();
        QCOMPARE(items.size(), 4);
        for (QGraphicsItem *item : items) {
            const auto *image = static_cast<diagramImageItem *>(item);
            QCOMPARE(image->sourcePixmap.size(), QSize(30, 20));
            QCOMPARE(image->sourcePixmap.cacheKey(),
                     static_cast<diagramImageItem *>(items.first())->sourcePixmap.cacheKey());
        }
    }

    void colourConverseInvertsAgainstBlack()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("two.bmp"));
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(0, 0, 0));
        picture.setPixel(1, 0, qRgb(200, 200, 200));
        QVERIFY(picture.save(file, "BMP"));
        QGraphicsScene scene;
        setUpDesignScene(scene);
        auto *image = addImage(scene, file);
        image->isColorConverse = true;
        readDesign back(sprFileBytes(scene));
        QCOMPARE(back.scene.items().size(), 1); // found nowhere: placeholder
        sprReadOptions options;
        options.documentDir = dir.path();
        readDesign beside(sprFileBytes(scene), options);
        const QImage shown = static_cast<diagramImageItem *>(beside.scene.items().first())
                                 ->pixmap()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(2, 1));
        QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::white));
        QCOMPARE(QColor(shown.pixel(1, 0)), QColor(Qt::black));
    }

    void failedSaveLeavesNoFileAndSaysWhy()
    {
        QTemporaryDir dir;
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        QString reason;
        QVERIFY(!saveSprFile(dir.filePath(QStringLiteral("missing/folder/a.spr")), scene, &reason));
        QVERIFY(!reason.isEmpty());
        // A good save replaces the old file whole.
        const QString path = dir.filePath(QStringLiteral("a.spr"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        QVERIFY(saveSprFile(path, scene));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), sprFileBytes(scene));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.spr")});
    }

    void extremeValuesAreMadeHarmless()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        addBarcode(scene);
        addQRCode(scene);
        addImage(scene);
        addTime(scene);
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("TextFontSize"), QStringLiteral("2000000000"));
        setKey(lines, QStringLiteral("TextSpace"), QStringLiteral("-2000000000"));
        setKey(lines, QStringLiteral("TextAtX"), QStringLiteral("1e308"));
        setKey(lines, QStringLiteral("TextAtY"), QStringLiteral("nan"));
        setKey(lines, QStringLiteral("TextRotate"), QStringLiteral("inf"));
        setKey(lines, QStringLiteral("TextFont"), QStringLiteral("simsun,99999999,-1,5,50,0,0,0,0,0"));
        setKey(lines, QStringLiteral("QRcodeVersion"), QStringLiteral("2000000000"));
        setKey(lines, QStringLiteral("ImageWidth"), QStringLiteral("1e300"));
        setKey(lines, QStringLiteral("ImageHeight"), QStringLiteral("-1e300"));
        setKey(lines, QStringLiteral("TimeValid"), QStringLiteral("2147483647"));
        setKey(lines, QStringLiteral("TimeFontSize"), QStringLiteral("-5"));
        // With no size of its own the description's size counts.
        setKey(lines, QStringLiteral("TimeFont"), QStringLiteral("simsun,99999999,-1,5,50,0,0,0,0,0"));
        sprReadOptions options;
        options.collectFindings = true;
        readDesign back(fileOf(lines), options);
        QCOMPARE(back.scene.items().size(), 5);
        for (QGraphicsItem *item : back.scene.items()) {
            const QRectF box = item->sceneBoundingRect();
            QVERIFY(qIsFinite(box.left()) && qIsFinite(box.width()));
            QVERIFY(std::abs(item->x()) <= 1e6 && std::abs(item->y()) <= 1e6);
        }
        auto *text = static_cast<diagramTextItem *>(itemsInFileOrder(back.scene).last());
        QVERIFY(text->font().pixelSize() <= 1000);
        QVERIFY(text->font().letterSpacing() >= -1000);
        QVERIFY(back.result.findings.size() >= 10);
        // Every value taken in at a bound is named, on its own line.
        for (const char *key : {"TextFontSize", "TextSpace", "TextAtX", "ImageWidth", "TimeFont"}) {
            const int line = lines.indexOf(QRegularExpression(QStringLiteral("%1 =.*").arg(key))) + 1;
            const bool named = std::any_of(
                back.result.findings.cbegin(), back.result.findings.cend(), [&](const sprFinding &f) {
                    return f.line == line && f.message.startsWith(QLatin1String(key)) &&
                           f.message.contains(QLatin1String("the reader takes"));
                });
            QVERIFY2(named, qPrintable(QString::fromLatin1(key) + QString::number(line)));
        }
        // What the reader made of them saves and reads back to the same bytes.
        const QByteArray saved = sprFileBytes(back.scene);
        readDesign again(saved);
        QCOMPARE(sprFileBytes(again.scene), saved);
    }

    // A picture beyond the reader's budget is not drawn: its item shows the dashed placeholder and keeps
    // every field, and the checker names the limit. The file opens, so whatever the designer saves (a QR
    // code at the panel's largest scale and level with a long content) it opens again.
    void picturesBeyondTheBudgetArePlaceholders_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("bar module width") << QStringList{"BarLineWidth"} << QStringList{"2000000000"};
        QTest::newRow("bar height") << QStringList{"BarLineHeight"} << QStringList{"2000000000"};
        QTest::newRow("QR module size") << QStringList{"QRcodeScale"} << QStringList{"2000000000"};
        QTest::newRow("QR at level H, scale 77, 800 characters")
            << QStringList{"QRcodeLevel", "QRcodeScale", "QRcodeContent"}
            << QStringList{"3", "77", QString(800, QLatin1Char('a'))};
    }
    void picturesBeyondTheBudgetArePlaceholders()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, values);
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addBarcode(scene);
        addQRCode(scene, {600, 0});
        QStringList lines = linesOf(sprFileBytes(scene));
        for (int i = 0; i < keys.size(); ++i)
            QVERIFY(setKey(lines, keys.at(i), values.at(i)) >= 0);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.spr"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileOf(lines));
        file.close();
        QGraphicsScene into;
        setUpDesignScene(into);
        sprReadResult result;
        QVERIFY(loadSprFile(path, into, &result, nullptr, true));
        QCOMPARE(into.items().size(), 2);
        const QList<QGraphicsItem *> items = into.items();
        QCOMPARE(std::count_if(items.cbegin(), items.cend(),
                               [](const QGraphicsItem *item) { return emptyPicture::isEmpty(*item); }),
                 1);
        QVERIFY(std::any_of(result.findings.cbegin(), result.findings.cend(), [](const sprFinding &f) {
            return f.message.contains(QLatin1String("256 MiB")) &&
                   f.message.contains(QLatin1String("placeholder"));
        }));
        const QStringList saved = linesOf(sprFileBytes(into));
        for (int i = 0; i < keys.size(); ++i)
            QVERIFY(saved.contains(keys.at(i) + QStringLiteral(" =") + values.at(i)));
    }

    // The writer refuses what the reader would refuse, naming the limit, before anything is written.
    void writerRefusesWhatTheReaderRefuses()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("one"));
        addCounter(scene, {300, 0});
        addCounter2(scene, {600, 0}); // no section, so not counted
        const QByteArray bytes = sprFileBytes(scene);
        sprReadLimits limits;
        QCOMPARE(sprWriteRefusal(scene, bytes, limits), QString());
        limits.maxItems = 1;
        QVERIFY(sprWriteRefusal(scene, bytes, limits).contains(QLatin1String("2 items")));
        limits.maxItems = 2;
        QCOMPARE(sprWriteRefusal(scene, bytes, limits), QString());
        limits.maxFileBytes = bytes.size() - 1;
        QVERIFY(sprWriteRefusal(scene, bytes, limits).contains(QString::number(bytes.size())));
    }

    void checkerNamesWhatIsWrong()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        addBarcode(scene)->content = QStringLiteral("12345");
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("TextAtY"), QStringLiteral("150"));
        lines.insert(5, QStringLiteral("stray"));
        setKey(lines, QStringLiteral("TotalItemNum"), QStringLiteral("3"));
        sprReadOptions options;
        options.collectFindings = true;
        readDesign back(fileOf(lines), options);
        QStringList found;
        for (const sprFinding &f : back.result.findings)
            found << QStringLiteral("%1: %2").arg(f.line).arg(f.message);
        const QString all = found.join('\n');
        QVERIFY2(all.contains(QStringLiteral("5: TotalItemNum is 3 but the file holds 2 item sections")),
                 qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("6: expected an item section header, found \"stray\"")),
                 qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("BarContent \"12345\" is refused by the symbology")),
                 qPrintable(all));
        QVERIFY2(
            all.contains(QStringLiteral("TextAtY 150: the item's last row lies below the strip's last row")),
            qPrintable(all));
        QCOMPARE(back.result.barcodeRefusals.size(), 1); // returned to the caller, never shown by the reader
    }

    // One flaw at a time in a clean design of every kind the checker can see without a picture file:
    // exactly the findings listed, on the line of the key changed (or of its section), nothing else.
    void checkerFindsEachFlawOnce_data()
    {
        QTest::addColumn<QStringList>("edits"); // key, value, key, value ...
        QTest::addColumn<QString>("lineKey");   // the key whose line the finding names; "[" for the section
        QTest::addColumn<QStringList>("expected");
        const QStringList none;
        QTest::newRow("QR level and size the panel leaves unset")
            << QStringList{"QRcodeLevel", "-1", "QRcodeVersion", "0"} << QString() << none;
        QTest::newRow("zero module width is no content fault")
            << QStringList{"BarLineWidth", "0"} << "BarLineWidth"
            << QStringList{"BarLineWidth: 0 is outside 1 to 20, the range the designer allows"};
        QTest::newRow("integers stay integers")
            << QStringList{"SceneWidth", "4294967295"} << "SceneWidth"
            << QStringList{"SceneWidth: 4294967295 is outside 0 to 79999, the range the designer allows"};
        QTest::newRow("empty barcode content")
            << QStringList{"BarContent", ""} << "BarContent"
            << QStringList{
                   "BarContent is empty: the designer shows 6901234567892, the printer gets no content"};
        QTest::newRow("empty QR content")
            << QStringList{"QRcodeContent", ""} << "QRcodeContent"
            << QStringList{
                   "QRcodeContent is empty: the designer shows \"empty!\", the printer gets no content"};
        QTest::newRow("counter placeholder beyond the content")
            << QStringList{"QRcodeInsertCnt", "1", "QRcodeInsertCntPos", "40"} << "QRcodeInsertCntPos"
            << QStringList{"QRcodeInsertCntPos 40 lies outside the content's 9 characters; the printer "
                           "cannot insert the counter there"};
        QTest::newRow("time placeholder before the content")
            << QStringList{"QRcodeInsertTime", "1", "QRcodeInsertTimePos", "-1"} << "QRcodeInsertTimePos"
            << QStringList{"QRcodeInsertTimePos -1 lies outside the content's 9 characters; the printer "
                           "cannot insert the date/time there"};
        QTest::newRow("format beyond any the dialog makes")
            << QStringList{"TimeMode", QString(300, QLatin1Char('y'))} << "TimeMode"
            << QStringList{"TimeMode: 300 characters, more than the 256 a date/time format may have; the "
                           "designer uses only the first 256"};
        QTest::newRow("QR code of no pixels")
            << QStringList{"QRcodeScale", "0"} << "QRcodeScale"
            << QStringList{"QRcodeScale 0: the QR code has no picture; the designer shows a placeholder "
                           "frame, the printer prints nothing"};
        QTest::newRow("refused content")
            << QStringList{"BarContent", "12345"} << "BarContent"
            << QStringList{
                   QStringLiteral("BarContent \"12345\" is refused by the symbology (code 1: %1); the "
                                  "designer shows a placeholder frame, the printer prints nothing")
                       .arg(barcodeErrorMessage(1))};
    }
    void checkerFindsEachFlawOnce()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, lineKey);
        QFETCH(QStringList, expected);
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        addTime(scene, {300, 0})->mode = QStringLiteral("yyyy-MM-dd");
        addBarcode(scene, {600, 0});
        addQRCode(scene, {1300, 0});
        QStringList lines = linesOf(sprFileBytes(scene));
        int line = 0;
        for (int i = 0; i + 1 < edits.size(); i += 2) {
            const int at = setKey(lines, edits[i], edits[i + 1]);
            QVERIFY2(at >= 0, qPrintable(edits[i]));
            if (edits[i] == lineKey)
                line = at + 1;
        }
        sprReadOptions options;
        options.collectFindings = true;
        readDesign back(fileOf(lines), options);
        QStringList found;
        for (const sprFinding &f : back.result.findings)
            found << QStringLiteral("%1: %2").arg(f.line).arg(f.message);
        QStringList wanted;
        for (const QString &message : expected)
            wanted << QStringLiteral("%1: %2").arg(line).arg(message);
        QVERIFY2(found == wanted, qPrintable(found.join('\n')));
        QCOMPARE(back.scene.items().size(), 4); // reported, never dropped
    }

    // Damage to the bytes: a cut, another encoding, a NUL; each said once, where it is.
    void checkerSeesDamagedBytes()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        addCounter(scene, {300, 0});
        const QByteArray clean = sprFileBytes(scene);
        sprReadOptions options;
        options.collectFindings = true;
        auto report = [&](const QByteArray &bytes) {
            readDesign back(bytes, options);
            QStringList found;
            for (const sprFinding &f : back.result.findings)
                found << QStringLiteral("%1: %2").arg(f.line).arg(f.message);
            return std::make_pair(found, back.result);
        };
        QCOMPARE(report(clean).first, QStringList());

        // Cut in the middle of the second section (line 6 is the first header, 15 the second).
        const QList<QByteArray> cleanLines = clean.split('\n');
        QByteArray cut;
        for (int i = 0; i < 18; ++i)
            cut += cleanLines[i] + '\n';
        const QStringList cutReport = report(cut).first;
        // The text read as empty is told too: it prints nothing.
        QCOMPARE(cutReport.size(), 2);
        QVERIFY2(cutReport.last().contains(QLatin1String("TextContent is empty")),
                 qPrintable(cutReport.join('\n')));
        QVERIFY2(cutReport.first().startsWith(
                     QLatin1String("15: the file ends inside this section: the last 10 of "
                                   "its 13 key lines")),
                 qPrintable(cutReport.join('\n')));

        // The text content in GBK: the line is named, for the checker and for the window.
        QByteArray gbk = clean;
        gbk.replace("TextContent =A", "TextContent =\xD6\xD0\xCE\xC4");
        const auto [gbkReport, gbkResult] = report(gbk);
        const int contentLine = linesOf(clean).indexOf(QStringLiteral("TextContent =A")) + 1;
        QCOMPARE(gbkResult.invalidUtf8Lines, QVector<int>{contentLine});
        QCOMPARE(gbkReport.size(), 1);
        QVERIFY(
            gbkReport.first().startsWith(QStringLiteral("%1: the line is not valid UTF-8").arg(contentLine)));
        QVERIFY(report(clean).second.invalidUtf8Lines.isEmpty());

        // A NUL after a header makes it no header: the section is not read as one.
        QByteArray nul = clean;
        nul.replace("[TextItemInfo]", QByteArray("[TextItemInfo]\0junk", 19));
        const auto [nulReport, nulResult] = report(nul);
        QCOMPARE(nulResult.itemsBuilt, 1);
        QVERIFY2(nulReport.join('\n').contains(QLatin1String("the line holds a NUL byte")),
                 qPrintable(nulReport.join('\n')));
        QVERIFY2(nulReport.join('\n').contains(QLatin1String("found \"[TextItemInfo]\\x00junk\"")),
                 qPrintable(nulReport.join('\n')));

        // More sections than TotalItemNum, or fewer: the count is named once, nothing repeats it.
        for (const QByteArray &total : {QByteArray("1"), QByteArray("5")}) {
            QByteArray counted = clean;
            counted.replace("TotalItemNum =2", "TotalItemNum =" + total);
            QCOMPARE(report(counted).first,
                     QStringList{QStringLiteral("5: TotalItemNum is %1 but the file holds 2 item sections")
                                     .arg(QString::fromLatin1(total))});
        }
    }

    // Every input that once made the fuzzer stop: read without harm, and what is saved reads back alike.
    void inputsTheFuzzerFoundStayHarmless()
    {
        const QDir found(QStringLiteral(SPR_TEST_DATA "/fuzzfound"));
        const QStringList names = found.entryList(QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString &name : names) {
            QFile file(found.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            sprReadOptions options;
            options.collectFindings = true;
            readDesign first(file.readAll(), options);
            const QByteArray saved = sprFileBytes(first.scene);
            readDesign second(saved);
            // SceneWidth was computed from the input's reals at full precision, which the file rounds.
            QStringList a = linesOf(saved), b = linesOf(sprFileBytes(second.scene));
            QVERIFY(a.size() > 1 && b.size() > 1);
            a[1] = b[1] = QString();
            QVERIFY2(a == b, qPrintable(name));
        }
    }

private:
    QTranslator english;
};

QTEST_MAIN(SprFileTest)
#include "test_sprfile.moc"
