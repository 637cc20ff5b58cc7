// The barcode, image and QR code panels driven together with the main window: loading an item into its
// panel, edits reaching the item, and the write-back of values a control cannot show.
#include "barcodeerror.h"
#include "barsetting.h"
#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "sprdocument.h"
#include "symbologytable.h"
#include "ui_widget.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace
{

template <typename T> T *child(QWidget *panel, const char *name)
{
    T *found = panel->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("missing control %s", name);
    return found;
}

QSpinBox *spin(QWidget *panel, const char *name)
{
    return child<QSpinBox>(panel, name);
}

QComboBox *combo(QWidget *panel, const char *name)
{
    return child<QComboBox>(panel, name);
}

QStringList itemTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// A one-bit view of a picture: true where the pixel is dark.
QVector<bool> darkPixels(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    QVector<bool> dark;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark << (qGray(image.pixel(x, y)) < 128);
    return dark;
}

// Left half black, right half white.
QString writeHalfBlackBmp(const QTemporaryDir &dir, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("half%1x%2.bmp").arg(width).arg(height));
    if (!image.save(path, "BMP"))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Makes every file dialog answer with the given files and records what it was shown.
struct fileDialogAnswer {
    QStringList files;
    QString title, directory;
    QStringList filters;
    int runs = 0;
};

void answerFileDialogs(fileDialogAnswer &answer)
{
    modalHooks::setFileDialogRunner([&answer](QFileDialog &dialog) {
        ++answer.runs;
        answer.title = dialog.windowTitle();
        answer.directory = dialog.directory().absolutePath();
        answer.filters = dialog.nameFilters();
        return answer.files;
    });
}

} // namespace

class MediaPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { modalHooks::setFileDialogRunner({}); }

    void formsOfferTheirLists();

    void newBarcodeLoadsIntoThePanel();
    void barcodeHeightAndWidthAreKeptAndSaved();
    void barcodeReadAtItsSavedHeight();
    void barcodeTextSwitchReactsToClicksOnly();
    void barcodeRefusalNamesTheCharacter_data();
    void barcodeRefusalNamesTheCharacter();
    void barcodeLoadClampsAndWritesBackOnlyOnChange();
    void barcodeLoadClampsATallBarTo400();
    void barcodeLoadWithUnknownModeLeavesCombo();
    void barcodeLoadEmitsInFormOrder();

    void newImageLoadsIntoThePanel();
    void imageChooseResizeAndInvert();
    void imageCancelledDialogChangesNothing();
    void imagePngKeepsItsName();
    void imageLoadClampsATallPicture();
    void imageButtonsEmitOnce();

    void newQRCodeLoadsIntoThePanel();
    void qrPanelSendsLevelVersionAndScale();
    void qrLoadWithUnknownLevelAndVersionSendsNoRow();
    void qrConverseRoutingRegenerates();
};

void MediaPanelsTest::formsOfferTheirLists()
{
    Widget w;
    WidgetTestAccess a(w);
    QStringList symbologies;
    for (const symbologyRow &row : barcodeSymbologies)
        symbologies << QLatin1String(row.panelName);
    QCOMPARE(itemTexts(combo(a.barPanel(), "barModeCombo")), symbologies);
    QCOMPARE(itemTexts(combo(a.qrPanel(), "comboBox_QRCodeItemLevel")),
             QStringList({"低", "中", "高", "精准"}));
    QCOMPARE(itemTexts(combo(a.qrPanel(), "comboBox_QRCodeItemVersion")),
             QStringList({"21px", "25px", "29px", "33px", "37px"}));
    QCOMPARE(child<QCheckBox>(a.barPanel(), "checkBox_showText")->text(), QString("显示数字"));
    QCOMPARE(child<QPushButton>(a.imagePanel(), "imageSelectPush")->text(), QString("选择图形"));
    QCOMPARE(child<QPushButton>(a.qrPanel(), "pushButton_QRCodeItemDyna")->text(), QString("可变"));

    struct range {
        QWidget *panel;
        const char *name;
        int maximum;
    };
    const range ranges[] = {
        {a.barPanel(), "barXSpin", 79999},        {a.barPanel(), "barYSpin", 299},
        {a.barPanel(), "barHeightSpin", 400},     {a.barPanel(), "barWidthSpin", 20},
        {a.barPanel(), "barRotateSpin", 180},     {a.imagePanel(), "imageXSpin", 79999},
        {a.imagePanel(), "imageYSpin", 299},      {a.imagePanel(), "imageWidthSpin", 20000},
        {a.imagePanel(), "imageHeightSpin", 400}, {a.imagePanel(), "imageRotateSpin", 180},
        {a.qrPanel(), "QRCodeXSpin", 79999},      {a.qrPanel(), "QRCodeYSpin", 299},
        {a.qrPanel(), "QRCodeRotateSpin", 180},   {a.qrPanel(), "spinBox_QRCodeItemScale", 77},
    };
    for (const range &r : ranges) {
        QSpinBox *box = spin(r.panel, r.name);
        // A bar height or module width of no pixels would draw nothing.
        const QByteArray name(r.name);
        const int lowest = name == "barHeightSpin" || name == "barWidthSpin" ? 1 : 0;
        QVERIFY2(box->minimum() == lowest && box->maximum() == r.maximum, r.name);
    }
}

void MediaPanelsTest::newBarcodeLoadsIntoThePanel()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(1); // something to the left, so the barcode is placed further right
    w.buttonItemsClicked(7);
    QCOMPARE(w.shownPanel(), 3);
    QCOMPARE(combo(a.barPanel(), "barModeCombo")->currentText(),
             QLatin1String(barcodeSymbology(0).panelName));
    QCOMPARE(spin(a.barPanel(), "barHeightSpin")->value(), 230); // the bars, without the text band
    QCOMPARE(spin(a.barPanel(), "barWidthSpin")->value(), 5);
    QVERIFY(child<QCheckBox>(a.barPanel(), "checkBox_showText")->isChecked());
    QVERIFY(a.bar()->x() > 0);
    QCOMPARE(spin(a.barPanel(), "barXSpin")->value(), int(a.bar()->x()));
    QCOMPARE(a.bar()->pixmap().size(), QSize(565, 275));
}

// The height box sets the bar height so that the whole picture has that height, the module width box the
// module width; both draw the symbol again, survive a change of symbology, undo one by one and come back
// from the file as the same picture.
void MediaPanelsTest::barcodeHeightAndWidthAreKeptAndSaved()
{
    QTemporaryDir dir;
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7);
    const int steps = w.undoStack()->count();
    spin(a.barPanel(), "barHeightSpin")->setValue(120);
    spin(a.barPanel(), "barWidthSpin")->setValue(3);
    QCOMPARE(a.bar()->lineHeight, 120);
    QCOMPARE(a.bar()->lineWidth, 3);
    QCOMPARE(a.bar()->pixmap().size(), QSize(339, 143)); // the text band below the 120-pixel bars
    QCOMPARE(w.undoStack()->count(), steps + 2);

    combo(a.barPanel(), "barModeCombo")->setCurrentIndex(1);
    QCOMPARE(a.bar()->pixmap().size(), QSize(243, 143));
    combo(a.barPanel(), "barModeCombo")->setCurrentIndex(0);

    const QString path = dir.filePath("bars.spr");
    QVERIFY(saveSprFile(path, *w.designScene()));
    Widget reopened;
    WidgetTestAccess b(reopened);
    QVERIFY(reopened.openDocumentFile(path));
    auto *back = static_cast<diagramBarItem *>(reopened.designScene()->items().first());
    QCOMPARE(back->pixmap().toImage(), a.bar()->pixmap().toImage());
    reopened.itemSelected(back);
    QCOMPARE(spin(b.barPanel(), "barHeightSpin")->value(), 120);
    QCOMPARE(spin(b.barPanel(), "barWidthSpin")->value(), 3);

    w.undoStack()->setIndex(steps + 1);
    QCOMPARE(a.bar()->lineWidth, 5);
    QCOMPARE(a.bar()->pixmap().size(), QSize(565, 143));
    w.undoStack()->undo();
    QCOMPARE(a.bar()->pixmap().size(), QSize(565, 275));
}

// A file written when the height box only stretched the picture comes back at the height it showed.
void MediaPanelsTest::barcodeReadAtItsSavedHeight()
{
    QGraphicsScene scene;
    auto *bar = new diagramBarItem;
    bar->regenerate();
    scene.addItem(bar);
    QByteArray bytes = sprFileBytes(scene);
    bytes.replace("BarHeight =275", "BarHeight =120");
    QGraphicsScene back;
    sprReadOptions options;
    options.collectFindings = true;
    const sprReadResult result = readSprData(bytes, back, options);
    auto *read = static_cast<diagramBarItem *>(back.items().first());
    QCOMPARE(read->pictureSize(), QSize(565, 119)); // the tallest picture of at most 120 rows
    QCOMPARE(read->lineHeight, 100);
    QStringList found;
    for (const sprFinding &finding : result.findings)
        found << finding.message;
    QVERIFY2(found.filter("BarHeight").size() == 1 &&
                 found.filter("BarHeight").first().startsWith("BarHeight 120"),
             qPrintable(found.join('\n')));
}

// A refused content names its first character the symbology cannot encode, with its place: in the
// warning box below its unchanged first sentence, in the frame and in check. Length refusals name none.
void MediaPanelsTest::barcodeRefusalNamesTheCharacter_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("named");
    QTest::newRow("Code 128") << 6 << QString("Größe-1") << QString("第 3 个字符“ö”无法用该码制编码。");
    QTest::newRow("Code 39") << 2 << QString("ABc") << QString("第 3 个字符“c”无法用该码制编码。");
    QTest::newRow("EAN-13 letter") << 0 << QString("12345678901a3")
                                   << QString("第 12 个字符“a”无法用该码制编码。");
    QTest::newRow("EAN-13 too short") << 0 << QString("12345") << QString();
}

void MediaPanelsTest::barcodeRefusalNamesTheCharacter()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(QString, named);
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7);
    WidgetTestAccess(w).kind<barRouting>().barModeChange(mode);
    QStringList texts, details;
    modalHooks::setMessageBoxRunner([&](QMessageBox &box) {
        texts << box.text();
        details << box.informativeText();
        return 0;
    });
    a.editor()->setText(content);
    w.on_editPushButton_clicked();
    // Opening the saved design shows the same box, with the same character named.
    QTemporaryDir dir;
    const QString path = dir.filePath("refused.spr");
    QVERIFY(saveSprFile(path, *w.designScene()));
    Widget reopened;
    QVERIFY(reopened.openDocumentFile(path));
    modalHooks::setMessageBoxRunner({});
    QCOMPARE(details, (QStringList{named, named}));
    QCOMPARE(texts.first(), barcodeErrorMessage(mode == 0 ? 1 : mode == 2 ? 3 : 7));
    QCOMPARE(texts.last(), texts.first());
    QCOMPARE(a.bar()->emptyReason(), named.isEmpty() ? texts.first() : texts.first() + '\n' + named);

    sprReadOptions options;
    options.collectFindings = true;
    QGraphicsScene back;
    QStringList found;
    for (const sprFinding &finding : readSprData(sprFileBytes(*w.designScene()), back, options).findings)
        found << finding.message;
    QVERIFY2(found.filter("BarContent").size() == 1, qPrintable(found.join('\n')));
    if (!named.isEmpty())
        QVERIFY2(found.filter("BarContent").first().contains(named), qPrintable(found.join('\n')));
}

void MediaPanelsTest::barcodeTextSwitchReactsToClicksOnly()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7);
    QCheckBox *box = child<QCheckBox>(a.barPanel(), "checkBox_showText");
    QSignalSpy textSpy(a.barPanel(), SIGNAL(barTextStateChange(bool)));

    box->setChecked(false); // from code: no click, nothing emitted
    QCOMPARE(textSpy.count(), 0);
    QVERIFY(a.bar()->isTextOn);
    box->setChecked(true);

    box->click();
    QCOMPARE(textSpy.count(), 1);
    QCOMPARE(textSpy.at(0).at(0).toBool(), false);
    QVERIFY(!a.bar()->isTextOn);
    QCOMPARE(a.bar()->pixmap().size(), QSize(565, 230));
    QCOMPARE(spin(a.barPanel(), "barHeightSpin")->value(), 230); // the panel follows the new picture

    box->click();
    QCOMPARE(a.bar()->pixmap().size(), QSize(565, 275));
}

void MediaPanelsTest::barcodeLoadClampsAndWritesBackOnlyOnChange()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7);
    diagramBarItem *bar = a.bar();

    spin(a.barPanel(), "barRotateSpin")->setValue(45);
    bar->setPos(30.7, 150.4);
    bar->setRotation(-20);
    w.itemSelected(bar);
    // Truncated and clamped values come back; the Y box reaches the item's own Y, below the rule's 25.
    QCOMPARE(spin(a.barPanel(), "barYSpin")->value(), 150);
    QCOMPARE(spin(a.barPanel(), "barYSpin")->maximum(), 150);
    QCOMPARE(bar->pos(), QPointF(30, 150));
    QCOMPARE(bar->rotation(), 0.0);

    // The boxes already show 150 and 30: nothing changes, so the item keeps what it has.
    bar->setPos(30.7, 150.4);
    w.itemSelected(bar);
    QCOMPARE(bar->pos(), QPointF(30.7, 150.4));
}

void MediaPanelsTest::barcodeLoadClampsATallBarTo400()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7);
    auto *bar = new diagramBarItem; // as a document would bring it
    bar->lineHeight = 500;
    bar->regenerate();
    QCOMPARE(bar->pixmap().height(), 599);
    w.designScene()->addItem(bar);

    w.itemSelected(bar);
    QCOMPARE(spin(a.barPanel(), "barHeightSpin")->value(), 400);
    QCOMPARE(bar->lineHeight, 400);
    QCOMPARE(bar->pixmap().size(), QSize(565, 479));
}

void MediaPanelsTest::barcodeLoadWithUnknownModeLeavesCombo()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7);
    combo(a.barPanel(), "barModeCombo")->setCurrentIndex(2);
    QSignalSpy modeSpy(a.barPanel(), SIGNAL(barModeChange(int)));

    auto *odd = new diagramBarItem;
    odd->mode = 9;
    w.designScene()->addItem(odd);
    w.itemSelected(odd);
    QCOMPARE(combo(a.barPanel(), "barModeCombo")->currentIndex(), 2);
    QCOMPARE(modeSpy.count(), 0);
    QCOMPARE(odd->mode, 9);

    // A known mode that differs from the combo regenerates the item, dropping a scaled height.
    auto *scaled = new diagramBarItem;
    scaled->regenerate();
    scaled->setPixmap(scaled->barPixmap.scaled(565, 100));
    w.designScene()->addItem(scaled);
    w.itemSelected(scaled);
    QCOMPARE(modeSpy.count(), 1);
    QCOMPARE(scaled->mode, 0);
    QCOMPARE(scaled->pixmap().size(), QSize(565, 275));
}

void MediaPanelsTest::barcodeLoadEmitsInFormOrder()
{
    Widget w;
    WidgetTestAccess a(w);
    auto *panel = qobject_cast<barSetting *>(a.barPanel());
    QVERIFY(panel);
    QStringList order;
    const auto record = [&order](const char *name) { return [&order, name](int) { order << name; }; };
    connect(panel, &barSetting::barXChange, &w, record("x"));
    connect(panel, &barSetting::barYChange, &w, record("y"));
    connect(panel, &barSetting::barHeightChange, &w, record("height"));
    connect(panel, &barSetting::barRotateChange, &w, record("rotate"));
    connect(panel, &barSetting::barModeChange, &w, record("mode"));

    auto *bar = new diagramBarItem;
    bar->mode = 3;
    bar->regenerate();
    bar->setPos(12, 5);
    bar->setRotation(30);
    w.designScene()->addItem(bar);
    w.itemSelected(bar);
    QCOMPARE(order, QStringList({"x", "y", "height", "rotate", "mode"}));
    QCOMPARE(bar->pos(), QPointF(12, 5));
    QCOMPARE(bar->rotation(), 30.0);
    QCOMPARE(bar->mode, 3);
}

void MediaPanelsTest::newImageLoadsIntoThePanel()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(5);
    QCOMPARE(w.shownPanel(), 4);
    QCOMPARE(spin(a.imagePanel(), "imageWidthSpin")->value(), 240);
    QCOMPARE(spin(a.imagePanel(), "imageHeightSpin")->value(), 240);
    QCOMPARE(child<QLineEdit>(a.imagePanel(), "imagePathLineEdit")->text(), QString());
    QCOMPARE(a.image()->pixmap().size(), QSize(240, 240));
}

void MediaPanelsTest::imageChooseResizeAndInvert()
{
    QTemporaryDir dir;
    const QString path = writeHalfBlackBmp(dir, 100, 50);
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(5);
    diagramImageItem *image = a.image();

    fileDialogAnswer answer;
    answer.files = QStringList{path};
    answerFileDialogs(answer);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("path =  \"%1\"").arg(path)));
    child<QPushButton>(a.imagePanel(), "imageSelectPush")->click();
    QCOMPARE(answer.runs, 1);
    QCOMPARE(answer.title, QString("打开图片"));
    QCOMPARE(answer.directory, QDir(".").absolutePath());
    QCOMPARE(answer.filters, QStringList{"Image Files(*.jpg *.jpeg *.bmp *.png)"});
    QCOMPARE(image->pixPath, path);
    QCOMPARE(image->pixmap().size(), QSize(100, 50));
    const QVector<bool> original = darkPixels(image->pixmap());
    QVERIFY(original.at(0) && !original.at(99)); // black left, white right

    // The panel shows the chosen picture's size at once.
    QCOMPARE(spin(a.imagePanel(), "imageWidthSpin")->value(), 100);
    w.itemSelected(image);
    QCOMPARE(spin(a.imagePanel(), "imageWidthSpin")->value(), 100);
    QCOMPARE(child<QLineEdit>(a.imagePanel(), "imagePathLineEdit")->text(), path);

    spin(a.imagePanel(), "imageWidthSpin")->setValue(200);
    QCOMPARE(image->pixmap().size(), QSize(200, 50));
    spin(a.imagePanel(), "imageWidthSpin")->setValue(100);

    QPushButton *invert = child<QPushButton>(a.imagePanel(), "imageConversePush");
    invert->click();
    QVERIFY(image->isColorConverse);
    QCOMPARE(image->sourcePixmap.size(), QSize(240, 240));
    QCOMPARE(image->pixmap().size(), QSize(100, 50));
    const QVector<bool> inverted = darkPixels(image->pixmap());
    QVERIFY(!inverted.at(0) && inverted.at(99));

    invert->click();
    QVERIFY(image->isColorConverse);
    QCOMPARE(image->pixmap().size(), QSize(100, 50));
    QCOMPARE(darkPixels(image->pixmap()), original);
    QCOMPARE(image->pixPath, path);

    spin(a.imagePanel(), "imageWidthSpin")->setValue(0);
    QVERIFY(image->pixmap().isNull());
}

// A PNG chosen in the dialog is shown, and the saved path keeps the file's own name.
void MediaPanelsTest::imagePngKeepsItsName()
{
    QTemporaryDir dir;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(picture.save(path, "PNG"));
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(5);
    fileDialogAnswer answer;
    answer.files = QStringList{path};
    answerFileDialogs(answer);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("path =  \"%1\"").arg(path)));
    child<QPushButton>(a.imagePanel(), "imageSelectPush")->click();
    QCOMPARE(a.image()->pixmap().size(), QSize(30, 20));
    QVERIFY(sprFileBytes(*w.designScene()).contains("ImagePixPath =/udisk/bmp/logo.png\r\n"));
}

void MediaPanelsTest::imageCancelledDialogChangesNothing()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(5);
    const QVector<bool> before = darkPixels(a.image()->pixmap());
    fileDialogAnswer answer; // no files: cancelled
    answerFileDialogs(answer);
    child<QPushButton>(a.imagePanel(), "imageSelectPush")->click();
    QCOMPARE(answer.runs, 1);
    QCOMPARE(a.image()->pixPath, QString());
    QCOMPARE(darkPixels(a.image()->pixmap()), before);
}

void MediaPanelsTest::imageLoadClampsATallPicture()
{
    QTemporaryDir dir;
    const QString path = writeHalfBlackBmp(dir, 60, 500);
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(5);
    auto *tall = new diagramImageItem;
    tall->setPictureFile(path);
    tall->setPos(10, 90);
    w.designScene()->addItem(tall);
    QCOMPARE(tall->pixmap().size(), QSize(60, 500));

    w.itemSelected(tall);
    QCOMPARE(spin(a.imagePanel(), "imageHeightSpin")->value(), 400);
    QCOMPARE(tall->pixmap().size(), QSize(60, 400));
    QCOMPARE(tall->pos(), QPointF(10, 90));

    // The boxes already show 400 and 90, so a second load leaves the item as it is.
    tall->setShownHeight(500);
    tall->setY(90);
    w.itemSelected(tall);
    QCOMPARE(tall->pixmap().size(), QSize(60, 500));
    QCOMPARE(tall->y(), 90.0);
}

void MediaPanelsTest::imageButtonsEmitOnce()
{
    Widget w;
    WidgetTestAccess a(w);
    fileDialogAnswer answer;
    answerFileDialogs(answer);
    QSignalSpy select(a.imagePanel(), SIGNAL(imageSelectChange()));
    QSignalSpy converse(a.imagePanel(), SIGNAL(imageConverseChange()));
    child<QPushButton>(a.imagePanel(), "imageSelectPush")->click();
    child<QPushButton>(a.imagePanel(), "imageConversePush")->click();
    QCOMPARE(select.count(), 1);
    QCOMPARE(converse.count(), 1);
    QCOMPARE(answer.runs, 1);
}

void MediaPanelsTest::newQRCodeLoadsIntoThePanel()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(7); // a barcode first, so the QR code lands at a non-zero x
    w.buttonItemsClicked(6);
    QCOMPARE(w.shownPanel(), 7);
    QWidget *panel = a.qrPanel();
    QVERIFY(a.qr()->x() > 0);
    QCOMPARE(spin(panel, "QRCodeXSpin")->value(), int(a.qr()->x()));
    QCOMPARE(spin(panel, "QRCodeYSpin")->value(), 0);
    QCOMPARE(spin(panel, "QRCodeRotateSpin")->value(), 0);
    QCOMPARE(combo(panel, "comboBox_QRCodeItemLevel")->currentText(), QString("高"));
    QCOMPARE(combo(panel, "comboBox_QRCodeItemVersion")->currentText(), QString("21px"));
    QCOMPARE(spin(panel, "spinBox_QRCodeItemScale")->value(), 13);
    QCOMPARE(a.qr()->pixmap().size(), QSize(273, 273));
}

void MediaPanelsTest::qrPanelSendsLevelVersionAndScale()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    QWidget *panel = a.qrPanel();
    QSignalSpy version(panel, SIGNAL(QRCodeVersionChange(int)));
    QSignalSpy level(panel, SIGNAL(QRCodeLevelChange(int)));
    QSignalSpy scale(panel, SIGNAL(QRCodeScaleChange(int)));

    combo(panel, "comboBox_QRCodeItemVersion")->setCurrentText("37px");
    QCOMPARE(version.count(), 1);
    QCOMPARE(version.at(0).at(0).toInt(), 5);
    QCOMPARE(a.qr()->version, 5);
    QCOMPARE(a.qr()->pixmap().size(), QSize(37 * 13, 37 * 13));

    combo(panel, "comboBox_QRCodeItemLevel")->setCurrentText("精准");
    QCOMPARE(level.at(0).at(0).toInt(), 3);
    QCOMPARE(a.qr()->level, 3);

    spin(panel, "spinBox_QRCodeItemScale")->setValue(1);
    QCOMPARE(a.qr()->pixmap().size(), QSize(37, 37));
    spin(panel, "spinBox_QRCodeItemScale")->setValue(0);
    QCOMPARE(scale.last().at(0).toInt(), 0);
    QCOMPARE(a.qr()->scale, 0);
    QVERIFY(a.qr()->pixmap().isNull());
}

void MediaPanelsTest::qrLoadWithUnknownLevelAndVersionSendsNoRow()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    auto *odd = new diagramQRCodeItem; // as a hand-edited document would bring it
    odd->level = 7;
    odd->version = 9;
    odd->scale = 200;
    odd->regenerate();
    w.designScene()->addItem(odd);

    w.itemSelected(odd);
    QCOMPARE(combo(a.qrPanel(), "comboBox_QRCodeItemLevel")->currentIndex(), -1);
    QCOMPARE(combo(a.qrPanel(), "comboBox_QRCodeItemVersion")->currentIndex(), -1);
    QCOMPARE(odd->level, -1);
    QCOMPARE(odd->version, 0);
    QCOMPARE(odd->scale, 77);
    QVERIFY(!odd->pixmap().isNull()); // the encoder picks the smallest version that holds the text

    // Extreme values from a file must not overflow on the way into the combo.
    auto *extreme = new diagramQRCodeItem;
    extreme->version = std::numeric_limits<int>::min();
    extreme->level = std::numeric_limits<int>::max();
    w.designScene()->addItem(extreme);
    w.itemSelected(extreme);
    QCOMPARE(combo(a.qrPanel(), "comboBox_QRCodeItemVersion")->currentIndex(), -1);
}

void MediaPanelsTest::qrConverseRoutingRegenerates()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    WidgetTestAccess(w).kind<qrRouting>().QRCodeConverseChange(1);
    QVERIFY(a.qr()->converse);
    QCOMPARE(a.qr()->pixmap().size(), QSize(299, 299));
    WidgetTestAccess(w).kind<qrRouting>().QRCodeConverseChange(0);
    QVERIFY(!a.qr()->converse);
    QCOMPARE(a.qr()->pixmap().size(), QSize(273, 273));
}

QTEST_MAIN(MediaPanelsTest)
#include "test_mediapanels.moc"
