// The QR dynamic content dialog on its own and opened from the QR code panel's "可变" button: composing
// counter and date/time placeholders, and what acceptance and cancelling do to the item.
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "qrcodedynamicstyledialog.h"
#include "settimemodedialog.h"
#include "sprdocument.h"
#include "ui_widget.h"
#include "widget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <functional>

#ifdef SPR_HAVE_ZXING
#define ZX_USE_UTF8
#include "widgettestaccess.h"
#include <ZXing/ReadBarcode.h>
#endif

namespace
{

QLineEdit *textOf(QDialog &dialog)
{
    return dialog.findChild<QLineEdit *>("lineEdit");
}

void chooseCounter(QDialog &dialog, const QString &digits)
{
    dialog.findChild<QComboBox *>("comboBox_type")->setCurrentText(digits);
}

void click(QDialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

// Runs the dynamic dialog with the given steps and answers a nested format dialog with timeMode.
// Records the style sheet the format dialog was given.
struct dialogScript {
    std::function<void(QRCodeDynamicStyleDialog &)> steps;
    QString timeMode = QStringLiteral("yyyy-MM-dd");
    bool acceptTime = true;
    QString formatStyleSheet;
    QStringList seenStyleSheetPaths;
    int formatRuns = 0;
};

void runDialogsBy(dialogScript &script)
{
    modalHooks::setDialogRunner([&script](QDialog &dialog) -> int {
        if (auto *format = qobject_cast<setTimeModeDialog *>(&dialog)) {
            ++script.formatRuns;
            script.formatStyleSheet = format->styleSheet();
            format->timeMode = script.timeMode;
            return script.acceptTime ? QDialog::Accepted : QDialog::Rejected;
        }
        auto *dynamic = qobject_cast<QRCodeDynamicStyleDialog *>(&dialog);
        if (!dynamic)
            return QDialog::Rejected;
        script.seenStyleSheetPaths = dynamic->styleSheetPaths;
        script.steps(*dynamic);
        return dynamic->result();
    });
}

#ifdef SPR_HAVE_ZXING
// Decodes the QR picture as shown, on a white page with a quiet zone around it.
QString decodeQR(const QPixmap &symbol)
{
    const int margin = 60;
    QImage page(symbol.width() + 2 * margin, symbol.height() + 2 * margin, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    painter.drawPixmap(margin, margin, symbol);
    painter.end();
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    const ZXing::ImageView view(page.constBits(), page.width(), page.height(), ZXing::ImageFormat::Lum,
                                page.bytesPerLine());
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QStringLiteral("<no symbol>");
}
#endif

} // namespace

class QRDynamicDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { modalHooks::setDialogRunner({}); }

    void formIsFramelessAndStartsEmpty();
    void counterAfterTypedText();
    void eachCounterChoiceAppendsARun();
    void timeButtonAppendsTheFormat();
    void placeholdersFollowEditsOrAreDropped();
    void cancelledFormatDialogAppendsNothing();
    void formatDialogStyleFollowsTheme();

    void emptyAcceptanceGivesVoranex();
    void untouchedAcceptanceChangesNothing();
    void cancellingLeavesTheItem();
    void composedContentReachesTheItemAndDecodes();
};

void QRDynamicDialogTest::formIsFramelessAndStartsEmpty()
{
    QRCodeDynamicStyleDialog dialog;
    QCOMPARE(dialog.size(), QSize(480, 272));
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    QCOMPARE(dialog.windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    QCOMPARE(textOf(dialog)->text(), QString());
    QCOMPARE(dialog.content, QString());
    QCOMPARE(dialog.cntMode, 0);
    auto *type = dialog.findChild<QComboBox *>("comboBox_type");
    QCOMPARE(type->count(), 8);
    QCOMPARE(type->itemText(7), QString("8"));
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton_timeMode")->text(), QString("时间设置"));
}

void QRDynamicDialogTest::counterAfterTypedText()
{
    QRCodeDynamicStyleDialog dialog;
    QTest::keyClicks(textOf(dialog), "LOT");
    chooseCounter(dialog, "3");
    QCOMPARE(textOf(dialog)->text(), QString("LOT000"));
    QCOMPARE(dialog.content, QString("LOT000"));
    QCOMPARE(dialog.cntMode, 3);
    QCOMPARE(dialog.insertCntPos, 3);
    QCOMPARE(dialog.cntText, QString("000"));
    click(dialog, "pushButton_OK");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.insertCnt);
    QVERIFY(!dialog.insertTime);
}

void QRDynamicDialogTest::eachCounterChoiceAppendsARun()
{
    QRCodeDynamicStyleDialog dialog;
    chooseCounter(dialog, "2");
    chooseCounter(dialog, "4");
    QCOMPARE(dialog.content, QString("000000"));
    QCOMPARE(dialog.cntMode, 4);
    QCOMPARE(dialog.insertCntPos, 2);
}

void QRDynamicDialogTest::timeButtonAppendsTheFormat()
{
    dialogScript script;
    script.timeMode = QStringLiteral("yyMMdd");
    runDialogsBy(script);
    QRCodeDynamicStyleDialog dialog;
    QTest::keyClicks(textOf(dialog), "D:");
    click(dialog, "pushButton_timeMode");
    QCOMPARE(script.formatRuns, 1);
    QCOMPARE(dialog.content, QString("D:yyMMdd"));
    QCOMPARE(dialog.timeModeStr, QString("yyMMdd"));
    QCOMPARE(dialog.insertTimePos, 2);
    click(dialog, "pushButton_OK");
    QVERIFY(dialog.insertTime);
    QVERIFY(!dialog.insertCnt);
    QCOMPARE(dialog.insertTimePos, 2);
}

void QRDynamicDialogTest::placeholdersFollowEditsOrAreDropped()
{
    dialogScript script;
    script.timeMode = QStringLiteral("hh:mm");
    runDialogsBy(script);

    QRCodeDynamicStyleDialog moved;
    QTest::keyClicks(textOf(moved), "LOT");
    chooseCounter(moved, "3");
    click(moved, "pushButton_timeMode");
    QCOMPARE(moved.content, QString("LOT000hh:mm"));
    textOf(moved)->setText("No." + moved.content); // typed in front of both placeholders
    click(moved, "pushButton_OK");
    QCOMPARE(moved.content, QString("No.LOT000hh:mm"));
    QCOMPARE(moved.insertCntPos, 6);
    QCOMPARE(moved.insertTimePos, 9);
    QVERIFY(moved.insertCnt && moved.insertTime);

    QRCodeDynamicStyleDialog deleted;
    QTest::keyClicks(textOf(deleted), "LOT");
    chooseCounter(deleted, "4");
    click(deleted, "pushButton_timeMode");
    textOf(deleted)->setText("LOT"); // both placeholders erased again
    click(deleted, "pushButton_OK");
    QVERIFY(!deleted.insertCnt);
    QVERIFY(!deleted.insertTime);
    QCOMPARE(deleted.cntMode, 0);
    QCOMPARE(deleted.insertCntPos, 0);
    QCOMPARE(deleted.timeModeStr, QString());
    QCOMPARE(deleted.insertTimePos, 0);
}

void QRDynamicDialogTest::cancelledFormatDialogAppendsNothing()
{
    dialogScript script;
    script.acceptTime = false;
    runDialogsBy(script);
    QRCodeDynamicStyleDialog dialog;
    click(dialog, "pushButton_timeMode");
    QCOMPARE(script.formatRuns, 1);
    QCOMPARE(dialog.content, QString());
    QCOMPARE(dialog.timeModeStr, QString());
    click(dialog, "pushButton_OK");
    QVERIFY(!dialog.insertTime);
}

void QRDynamicDialogTest::formatDialogStyleFollowsTheme()
{
    QTemporaryDir dir;
    QStringList sheets;
    for (int i = 0; i < 6; ++i) {
        const QString path = dir.filePath(QString::number(i) + ".qss");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("QDialog { border: %1px solid; }").arg(i + 1).toUtf8());
        sheets << path;
    }
    dialogScript script;
    runDialogsBy(script);

    struct themeCase {
        const char *language, *theme;
        int sheet; // -1: none
    };
    const themeCase cases[] = {
        {"", "", -1},      {":/translate/en.qm", "", -1},      {":/translate/en.qm", "red", 0},
        {"", "red", 1},    {":/translate/en.qm", "orange", 2}, {":/translate/turkish.qm", "blue", 5},
        {"", "green", -1},
    };
    for (const themeCase &c : cases) {
        QRCodeDynamicStyleDialog dialog;
        dialog.languageFile = c.language;
        dialog.themeName = c.theme;
        dialog.styleSheetPaths = sheets;
        click(dialog, "pushButton_timeMode");
        const QString expected =
            c.sheet < 0 ? QString() : QStringLiteral("QDialog { border: %1px solid; }").arg(c.sheet + 1);
        QVERIFY2(script.formatStyleSheet == expected, c.theme);
    }

    // A theme whose sheet cannot be read, or no paths at all, applies nothing.
    QRCodeDynamicStyleDialog noPaths;
    noPaths.themeName = "blue";
    click(noPaths, "pushButton_timeMode");
    QCOMPARE(script.formatStyleSheet, QString());
}

void QRDynamicDialogTest::emptyAcceptanceGivesVoranex()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    dialogScript script;
    script.steps = [](QRCodeDynamicStyleDialog &dialog) {
        textOf(dialog)->clear();
        click(dialog, "pushButton_OK");
    };
    runDialogsBy(script);
    diagramQRCodeItem *item = a.qr();
    item->insertCnt = true; // an earlier description is replaced
    item->cntMode = 5;
    item->insertCntPos = 4;
    item->timeModeStr = "hh";

    a.qrPanel()->findChild<QPushButton *>("pushButton_QRCodeItemDyna")->click();
    QCOMPARE(item->content, QString("VORANEX"));
    QCOMPARE(a.editor()->text(), QString("VORANEX"));
    QVERIFY(!item->insertCnt);
    QVERIFY(!item->insertTime);
    QCOMPARE(item->cntMode, 0);
    QCOMPARE(item->insertCntPos, 0);
    QCOMPARE(item->timeModeStr, QString());
    QCOMPARE(w.shownPanel(), 7);
    // The opener hands over the six theme sheets, red, orange, blue, each English then Chinese.
    QCOMPARE(script.seenStyleSheetPaths,
             QStringList({":/qss/red/en/dynamicQRCode.qss", ":/qss/red/cn/dynamicQRCode.qss",
                          ":/qss/orange/en/dynamicQRCode.qss", ":/qss/orange/cn/dynamicQRCode.qss",
                          ":/qss/blue/en/dynamicQRCode.qss", ":/qss/blue/cn/dynamicQRCode.qss"}));
}

// The dialog opens on the item's content and placeholders; OK without an edit changes nothing, not
// even the history.
void QRDynamicDialogTest::untouchedAcceptanceChangesNothing()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    diagramQRCodeItem *item = a.qr();
    a.editor()->setText("LOT000-yyMMdd");
    w.on_editPushButton_clicked();
    item->insertCnt = true; // as a file describes the placeholders
    item->cntMode = 3;
    item->insertCntPos = 3;
    item->insertTime = true;
    item->timeModeStr = "yyMMdd";
    item->insertTimePos = 7;
    QString shown;
    dialogScript script;
    script.steps = [&shown](QRCodeDynamicStyleDialog &dialog) {
        shown = textOf(dialog)->text();
        click(dialog, "pushButton_OK");
    };
    runDialogsBy(script);
    const QByteArray before = sprFileBytes(*w.designScene());
    const int steps = w.undoStack()->count();
    a.qrPanel()->findChild<QPushButton *>("pushButton_QRCodeItemDyna")->click();
    QCOMPARE(shown, QString("LOT000-yyMMdd"));
    QCOMPARE(sprFileBytes(*w.designScene()), before);
    QCOMPARE(w.undoStack()->count(), steps);

    // A counter added after the loaded text keeps the time placeholder where it was.
    script.steps = [](QRCodeDynamicStyleDialog &dialog) {
        chooseCounter(dialog, "2");
        click(dialog, "pushButton_OK");
    };
    a.qrPanel()->findChild<QPushButton *>("pushButton_QRCodeItemDyna")->click();
    QCOMPARE(item->content, QString("LOT000-yyMMdd00"));
    QCOMPARE(item->insertCntPos, 13);
    QCOMPARE(item->insertTimePos, 7);
    QCOMPARE(w.undoStack()->count(), steps + 1);
}

void QRDynamicDialogTest::cancellingLeavesTheItem()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    dialogScript script;
    script.steps = [](QRCodeDynamicStyleDialog &dialog) {
        QTest::keyClicks(textOf(dialog), "LOT");
        chooseCounter(dialog, "3");
        click(dialog, "pushButton_timeMode");
        click(dialog, "pushButton_cancel");
    };
    runDialogsBy(script);
    diagramQRCodeItem *item = a.qr();
    const QImage before = item->pixmap().toImage();
    a.editor()->setText("typed");

    a.qrPanel()->findChild<QPushButton *>("pushButton_QRCodeItemDyna")->click();
    QCOMPARE(script.formatRuns, 1);
    QCOMPARE(item->content, QString("TALMOR_K3"));
    QCOMPARE(a.editor()->text(), QString("typed"));
    QVERIFY(!item->insertCnt);
    QVERIFY(!item->insertTime);
    QCOMPARE(item->cntMode, 0);
    QCOMPARE(item->timeModeStr, QString());
    QCOMPARE(item->pixmap().toImage(), before);
}

void QRDynamicDialogTest::composedContentReachesTheItemAndDecodes()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    dialogScript script;
    script.timeMode = QStringLiteral("yyyy/MM/dd hh:mm");
    script.steps = [](QRCodeDynamicStyleDialog &dialog) {
        textOf(dialog)->clear();
        QTest::keyClicks(textOf(dialog), "LOT");
        chooseCounter(dialog, "5");
        textOf(dialog)->setText(textOf(dialog)->text() + "-");
        click(dialog, "pushButton_timeMode");
        click(dialog, "pushButton_OK");
    };
    runDialogsBy(script);

    a.qrPanel()->findChild<QPushButton *>("pushButton_QRCodeItemDyna")->click();
    diagramQRCodeItem *item = a.qr();
    const QString composed = QStringLiteral("LOT00000-yyyy/MM/dd hh:mm");
    QCOMPARE(item->content, composed);
    QCOMPARE(a.editor()->text(), composed);
    QVERIFY(item->insertCnt);
    QCOMPARE(item->cntMode, 5);
    QCOMPARE(item->insertCntPos, 3);
    QVERIFY(item->insertTime);
    QCOMPARE(item->timeModeStr, QString("yyyy/MM/dd hh:mm"));
    QCOMPARE(item->insertTimePos, 9);
    QVERIFY(!item->pixmap().isNull());
    // 25 characters at level Q no longer fit version 1: the symbol grows.
    QVERIFY(item->pixmap().width() > 273);
#ifdef SPR_HAVE_ZXING
    QCOMPARE(decodeQR(item->pixmap()), composed);
#else
    QSKIP("zxing-cpp not available: decode check skipped");
#endif
}

QTEST_MAIN(QRDynamicDialogTest)
#include "test_qrdynamicdialog.moc"
