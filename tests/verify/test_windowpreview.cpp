// The window's print preview, export and scan verdicts, used as the operator uses them.
#include "designexport.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "scanverdictlabel.h"
#include "shownrecord.h"
#include "sprdocument.h"
#include "symbolverdict.h"
#include "timesetting.h"
#include "widgettestaccess.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace
{
QImage rendered(QGraphicsScene &scene)
{
    QImage image(2500, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 2500, 300), QRectF(0, 0, 2500, 300));
    return image;
}

// The verdict once the window has settled: the scene reports its change, the view repaints, then the
// picture is verified.
QString verdictOf(QWidget *panel)
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    return panel->findChild<scanVerdictLabel *>()->text();
}
} // namespace

class windowPreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void verdictsFollowEdits();
    void previewShowsAndRestores();
    void shortcutsComeBackAfterPreview();
    void validityShowsTheExpiryDate();
    void exportWritesChosenFormat();
    void recordsAreShownAndVerified_data();
    void recordsAreShownAndVerified();
    void fileMenuKeepsItsActions();

private:
    Widget *window = nullptr;
    QCheckBox *toggle = nullptr;
};

void windowPreviewTest::init()
{
    modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Ok); });
    window = new Widget;
    window->show();
    toggle = window->findChild<QCheckBox *>("previewToggle");
    QVERIFY(toggle);
}

void windowPreviewTest::cleanup()
{
    delete window;
    modalHooks::setMessageBoxRunner({});
    modalHooks::setFileDialogRunner({});
    modalHooks::setDialogRunner({});
}

void windowPreviewTest::verdictsFollowEdits()
{
    WidgetTestAccess access(*window);
    window->buttonItemsClicked(7);
    QCOMPARE(verdictOf(access.barPanel()), QString("✓ 6901234567892"));
    access.editor()->setText("6901234567899");
    window->on_editPushButton_clicked();
    QCOMPARE(verdictOf(access.barPanel()),
             QString("✓ 6901234567892\n输入的校验位 “9” 与计算出的校验位 2 不同，条码中是 2"));
    access.kind<barRouting>().barModeChange(2);
    QCOMPARE(verdictOf(access.barPanel()), QString("✓ 6901234567899"));
    access.editor()->setText("lower");
    window->on_editPushButton_clicked();
    QVERIFY(verdictOf(access.barPanel()).startsWith("✗ 无法识别：内容无法编码："));

    window->buttonItemsClicked(6);
    QCOMPARE(verdictOf(access.qrPanel()), QString("✓ TALMOR_K3"));
    access.kind<qrRouting>().QRCodeConverseChange(1);
    QCOMPARE(verdictOf(access.qrPanel()), QString("✓ TALMOR_K3"));
}

void windowPreviewTest::previewShowsAndRestores()
{
    WidgetTestAccess access(*window);
    window->buttonItemsClicked(4); // time
    window->buttonItemsClicked(2); // counter 1
    window->buttonItemsClicked(6); // QR code
    diagramQRCodeItem *qr = access.qr();
    qr->content = "LOT000";
    qr->insertCnt = true;
    qr->cntMode = 3;
    qr->insertCntPos = 3;
    qr->regenerate();
    // Clear of the counter's eight digits in the preview, which would otherwise print over it.
    qr->setX(qr->x() + 600);
    QGraphicsScene &scene = *window->designScene();
    const QByteArray file = sprFileBytes(scene);
    const QImage canvas = rendered(scene);
    const int steps = window->undoStack()->count();
    const bool modified = window->isWindowModified();

    window->findChild<QDateTimeEdit *>("previewMoment")
        ->setDateTime(QDateTime(QDate(2024, 2, 29), QTime(6, 5, 4)));
    window->findChild<QSpinBox *>("previewCounter1")->setValue(previewCounterMax);
    toggle->setChecked(true);
    QVERIFY(window->isPreviewShown());
    QCOMPARE(access.time()->toPlainText(), QString("2024/02/29 06:05:04"));
    QCOMPARE(access.cnt()->toPlainText(), QString("99999999"));
    QCOMPARE(verdictOf(access.qrPanel()), QString("✓ LOT99999999"));
    // Editing is off while the preview is shown.
    QVERIFY(!access.editor()->isEnabled());
    QVERIFY(!access.ui()->graphicsView->isInteractive());
    // Another moment is shown at once.
    window->findChild<QDateTimeEdit *>("previewMoment")
        ->setDateTime(QDateTime(QDate(2023, 12, 31), QTime(23, 59)));
    QCOMPARE(access.time()->toPlainText(), QString("2023/12/31 23:59:00"));
    QCOMPARE(sprFileBytes(scene), file);

    toggle->setChecked(false);
    QVERIFY(!window->isPreviewShown());
    QCOMPARE(rendered(scene), canvas);
    QCOMPARE(sprFileBytes(scene), file);
    QCOMPARE(window->undoStack()->count(), steps);
    QCOMPARE(window->isWindowModified(), modified);
    QVERIFY(access.editor()->isEnabled());
    QCOMPARE(verdictOf(access.qrPanel()), QString("✓ LOT000"));
}

// However many preview values change while it is on, leaving it turns on exactly what was on before, and
// every key still reaches its command.
void windowPreviewTest::shortcutsComeBackAfterPreview()
{
    WidgetTestAccess access(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->buttonItemsClicked(1);
    window->buttonItemsClicked(2);
    const QList<QAction *> actions = window->actions();
    QList<bool> enabled;
    for (QAction *action : actions)
        enabled << action->isEnabled();
    QVERIFY(enabled.contains(true));

    toggle->setChecked(true);
    auto *counter = window->findChild<QSpinBox *>("previewCounter1");
    counter->setValue(5);
    counter->setValue(6);
    for (QAction *action : actions)
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
    toggle->setChecked(false);
    for (int i = 0; i < actions.size(); ++i)
        QCOMPARE(actions[i]->isEnabled(), enabled[i]);

    modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Cancel); });
    modalHooks::setFileDialogRunner([](QFileDialog &) { return QStringList(); });
    modalHooks::setDialogRunner([](QDialog &) { return int(QDialog::Rejected); }); // help (F1)
    for (QAction *action : actions) {
        if (action->shortcut().isEmpty() || !action->isEnabled())
            continue;
        QSignalSpy fired(action, &QAction::triggered);
        QTest::keySequence(window, action->shortcut());
        QVERIFY2(fired.count() == 1, qPrintable(action->shortcut().toString()));
    }
}

// The validity box makes a time item an expiry date, on the canvas and in the preview, as the printer
// computes it: the date plus that many months, minus one day; 0 is the date itself.
void windowPreviewTest::validityShowsTheExpiryDate()
{
    WidgetTestAccess access(*window);
    window->buttonItemsClicked(4);
    diagramTimeItem *time = access.time();
    time->dateTime = QDateTime(QDate(2018, 11, 1), QTime(8, 0));
    access.kind<timeRouting>().timeModeChange("yyyy/MM/dd");
    auto *valid = access.timePanel()->findChild<QSpinBox *>("timeValidSpin");
    QCOMPARE(valid->maximum(), 120);
    const int steps = window->undoStack()->count();
    const struct {
        int months;
        const char *canvas;
        const char *preview; // printed on 2024/01/31
    } rows[] = {
        {12, "2019/10/31", "2025/01/30"}, {1, "2018/11/30", "2024/02/28"}, {0, "2018/11/01", "2024/01/31"}};
    auto *moment = window->findChild<QDateTimeEdit *>("previewMoment");
    moment->setDateTime(QDateTime(QDate(2024, 1, 31), QTime(9, 0)));
    for (const auto &row : rows) {
        valid->setValue(row.months);
        QCOMPARE(time->valid, row.months);
        QCOMPARE(time->toPlainText(), QString(row.canvas));
        QVERIFY(
            sprFileBytes(*window->designScene()).contains("TimeValid =" + QByteArray::number(row.months)));
        toggle->setChecked(true);
        QCOMPARE(time->toPlainText(), QString(row.preview));
        toggle->setChecked(false);
    }
    // One run of the box is one step.
    QCOMPARE(window->undoStack()->count(), steps + 1);
    window->undoStack()->undo();
    QCOMPARE(time->valid, 0);
    QCOMPARE(valid->value(), 0);
}

void windowPreviewTest::exportWritesChosenFormat()
{
    window->buttonItemsClicked(7);
    QTemporaryDir dir;
    QString chosen = dir.filePath("proof");
    modalHooks::setFileDialogRunner([&](QFileDialog &dialog) {
        dialog.selectNameFilter("PDF (*.pdf)");
        return QStringList{chosen};
    });
    const QByteArray file = sprFileBytes(*window->designScene());
    const int steps = window->undoStack()->count();
    window->findChild<QPushButton *>("exportButton")->click();
    QFile pdf(chosen + ".pdf");
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
    chosen = dir.filePath("proof.svg");
    window->findChild<QPushButton *>("exportButton")->click();
    QVERIFY(QFile::exists(chosen));
    QCOMPARE(sprFileBytes(*window->designScene()), file);
    QCOMPARE(window->undoStack()->count(), steps);
    QVERIFY(!window->undoStack()->isClean() && window->isWindowModified());

    // A failed write is told, not swallowed.
    QString told;
    modalHooks::setMessageBoxRunner([&](QMessageBox &box) {
        told = box.text();
        return int(QMessageBox::Ok);
    });
    chosen = dir.filePath("missing/proof.png");
    window->findChild<QPushButton *>("exportButton")->click();
    QVERIFY2(told.startsWith("无法导出 proof.png："), qPrintable(told));
}

void windowPreviewTest::fileMenuKeepsItsActions()
{
    WidgetTestAccess access(*window);
    QStringList texts;
    for (QAction *action : access.fileMenu()->actions())
        texts << action->text();
    QCOMPARE(texts.mid(0, 7),
             (QStringList{"新建", "打开", "保存", "另存为", "写入打印机U盘…", "退出", "删除"}));
}

// A barcode (lines 1 to 3) and a QR code (lines 1 to 4) take their content from a three-line file beside
// the design; its second line is no EAN-13.
const char recordDesign[] =
    "[FileInfo]\nSceneWidth =900\nSceneHeight =300\nDynamicItemNum =0\nTotalItemNum =2\n"
    "[BarItemInfo]\nBarAtX =0\nBarAtY =0\nBarHeight =275\nBarRotate =0\nBarContent =6901234567892\n"
    "BarMode =0\nBarIsTextOn =1\nBarLineWidth =5\nBarIsExtVariable =1\nBarIsAllPrinted =0\n"
    "BarExtDataStartLine =1\nBarExtDataEndLine =3\nBarExtDataFilePath =/udisk/data.txt\n"
    "BarExtDataCurLine =1\nBarLineHeight =230\n"
    "[QRcodeItemInfo]\nQRcodeAtX =700\nQRcodeAtY =0\nQRcodeRotate =0\nQRcodeContent =own\nQRcodeLevel =2\n"
    "QRcodeScale =5\nQRcodeVersion =1\nQRcodeConverse =0\nQRcodeInsertCnt =0\nQRcodeCntMode =0\n"
    "QRcodeInsertCntPos =0\nQRcodeInsertTime =0\nQRcodeTimeModeStr =\nQRcodeInsertTimePos =0\n"
    "QRcodeIsInsVariable =0\nQRcodeIsExtVariable =1\nQRcodeExtStartLine =1\nQRcodeExtEndLine =4\n"
    "QRcodeExtFilePath =data.txt\nQRcodeIsAllPrinted =0\nQRcodeExtCurLine =1\nQRcodeIsUartVariable =0\n";

void windowPreviewTest::recordsAreShownAndVerified_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("barVerdict"); // its start
    QTest::addColumn<QString>("barFrame");   // the placeholder's reason; empty: the symbol is drawn
    QTest::addColumn<QString>("qrVerdict");
    QTest::addColumn<QString>("qrFrame");
    QTest::newRow("first") << 1 << "✓ 5901234123457"
                           << ""
                           << "✓ 5901234123457"
                           << "";
    QTest::newRow("refused line") << 2 << "✗ 无法识别"
                                  << "条码格式错误"
                                  << "✓ 12345"
                                  << "";
    QTest::newRow("last") << 3 << "✓ 4006381333931"
                          << ""
                          << "✓ 4006381333931"
                          << "";
    QTest::newRow("one past: the barcode holds its last line, the file has no fourth")
        << 4 << "✓ 4006381333931"
        << ""
        << "✗ 无法识别：数据文件只有 3 行"
        << "数据文件只有 3 行";
}

// Each data-file symbol shows the preview's record, encoded and verified as it prints; what cannot be
// shown is the dashed placeholder with its reason. Leaving the preview puts every item back.
void windowPreviewTest::recordsAreShownAndVerified()
{
    QFETCH(int, record);
    QFETCH(QString, barVerdict);
    QFETCH(QString, barFrame);
    QFETCH(QString, qrVerdict);
    QFETCH(QString, qrFrame);
    QTemporaryDir dir;
    QFile data(dir.filePath("data.txt"));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write("5901234123457\n12345\n4006381333931\n");
    data.close();
    QFile design(dir.filePath("d.spr"));
    QVERIFY(design.open(QIODevice::WriteOnly));
    design.write(QByteArray(recordDesign).replace("\n", "\r\n"));
    design.close();
    QVERIFY(window->openDocumentFile(design.fileName()));
    WidgetTestAccess access(*window);
    QGraphicsScene &scene = *window->designScene();
    const QByteArray file = sprFileBytes(scene);
    diagramBarItem *bar = nullptr;
    diagramQRCodeItem *qr = nullptr;
    for (QGraphicsItem *item : scene.items()) {
        if (item->type() == barItemType)
            bar = static_cast<diagramBarItem *>(item);
        else if (item->type() == qrItemType)
            qr = static_cast<diagramQRCodeItem *>(item);
    }
    QVERIFY(bar && qr);
    window->findChild<QSpinBox *>("previewRecord")->setValue(record);
    const struct {
        QGraphicsItem *item;
        QWidget *panel;
        QString verdict;
        QString frame;
    } rows[] = {{bar, access.barPanel(), barVerdict, barFrame}, {qr, access.qrPanel(), qrVerdict, qrFrame}};
    for (const auto &row : rows) {
        toggle->setChecked(false);
        window->itemSelected(row.item);
        toggle->setChecked(true);
        QVERIFY2(verdictOf(row.panel).startsWith(row.verdict), qPrintable(verdictOf(row.panel)));
        const bool framed = row.item == bar ? bar->showsFrame() : qr->pictureSize().isEmpty();
        QCOMPARE(framed, !row.frame.isEmpty());
        if (framed) {
            const QString reason = row.item == bar ? bar->emptyReason() : qr->emptyReason();
            QVERIFY2(reason.contains(row.frame), qPrintable(reason));
        }
    }
    toggle->setChecked(false);
    QVERIFY(!shownRecordOf(*bar) && !shownRecordOf(*qr));
    QVERIFY(!bar->showsFrame() && !qr->pictureSize().isEmpty());
    QCOMPARE(sprFileBytes(scene), file);
}

QTEST_MAIN(windowPreviewTest)
#include "test_windowpreview.moc"
