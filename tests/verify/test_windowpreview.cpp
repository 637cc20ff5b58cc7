// The window's print preview, export and scan verdicts, used as the operator uses them.
#include "designexport.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "scanverdictlabel.h"
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

QTEST_MAIN(windowPreviewTest)
#include "test_windowpreview.moc"
