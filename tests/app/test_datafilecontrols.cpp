// The data-file controls of the text, barcode and QR code panels: each control writes its one field,
// is one undo step, marks the design modified and survives save and open byte for byte; the printer's
// own state is shown and kept as read.
#include "datafilefields.h"
#include "datafilegroup.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "previewbar.h"
#include "sprdocument.h"
#include "widgettestaccess.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <functional>

class DataFileControlsTest : public QObject
{
    Q_OBJECT

    static QByteArray bytes(Widget &w) { return sprFileBytes(*w.designScene()); }

    // The item a tool button made and the group of the panel it shows.
    static QGraphicsItem *current(WidgetTestAccess &a, int tool)
    {
        return tool == 1   ? static_cast<QGraphicsItem *>(a.text())
               : tool == 7 ? static_cast<QGraphicsItem *>(a.bar())
                           : a.qr();
    }
    static dataFileGroup *group(WidgetTestAccess &a, int tool)
    {
        QWidget *panel = tool == 1   ? a.ui()->textScrollArea->widget()
                         : tool == 7 ? a.barPanel()
                                     : a.qrPanel();
        return panel->findChild<dataFileGroup *>("dataFile");
    }

private slots:
    void initTestCase()
    {
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Discard); });
        modalHooks::setFileDialogRunner([](QFileDialog &) { return QStringList{"/data/serials.txt"}; });
    }

    void eachControlWritesItsFieldAsOneStep_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("keyLine");
        const struct {
            int tool;
            const char *prefix;
            const char *lineKey;
        } kinds[] = {{1, "Text", "TextExtData"}, {7, "Bar", "BarExtData"}, {6, "QRcode", "QRcodeExt"}};
        for (const auto &k : kinds) {
            const QByteArray p(k.prefix), l(k.lineKey);
            const QByteArray path = k.tool == 6 ? "QRcodeExtFilePath" : l + "FilePath";
            QTest::addRow("%s ext", k.prefix) << k.tool << "checkBox_extVariable" << p + "IsExtVariable =1";
            QTest::addRow("%s path", k.prefix) << k.tool << "lineEdit_extFilePath" << path + " =D:/lot 7.txt";
            QTest::addRow("%s chooser", k.prefix)
                << k.tool << "pushButton_extFileChoose" << path + " =/data/serials.txt";
            QTest::addRow("%s first", k.prefix) << k.tool << "spinBox_extStartLine" << l + "StartLine =12";
            QTest::addRow("%s last", k.prefix) << k.tool << "spinBox_extEndLine" << l + "EndLine =12";
        }
        QTest::addRow("QR serial") << 6 << "checkBox_uartVariable" << QByteArray("QRcodeIsUartVariable =1");
    }

    void eachControlWritesItsFieldAsOneStep()
    {
        QFETCH(int, tool);
        QFETCH(QString, control);
        QFETCH(QByteArray, keyLine);
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(tool);
        QUndoStack *stack = w.undoStack();
        stack->setClean();
        const int steps = stack->count();
        const QByteArray before = bytes(w);
        QVERIFY(!before.contains(keyLine));

        QWidget *c = group(a, tool)->findChild<QWidget *>(control);
        QVERIFY2(c && !c->toolTip().isEmpty() && !c->accessibleName().isEmpty(), qPrintable(control));
        if (auto *box = qobject_cast<QCheckBox *>(c))
            box->click();
        else if (auto *button = qobject_cast<QPushButton *>(c))
            button->click();
        else if (auto *edit = qobject_cast<QLineEdit *>(c)) {
            edit->setText("D:/lot 7.txt");
            emit edit->editingFinished();
            emit edit->editingFinished(); // leaving it again unchanged is no step
        } else
            qobject_cast<QSpinBox *>(c)->setValue(12);

        QCOMPARE(stack->count(), steps + 1);
        QVERIFY(w.isWindowModified());
        const QByteArray after = bytes(w);
        QVERIFY2(after.contains(keyLine + "\r\n"), after.constData());
        // One line of the file changed, nothing else.
        QCOMPARE(after.split('\n').size(), before.split('\n').size());
        stack->undo();
        QCOMPARE(bytes(w), before);
        QVERIFY(!w.isWindowModified());
        stack->redo();
        QCOMPARE(bytes(w), after);

        QTemporaryDir dir;
        const QString file = dir.filePath("d.spr");
        QVERIFY(saveSprFile(file, *w.designScene()));
        Widget reopened;
        QVERIFY(reopened.openDocumentFile(file));
        QCOMPARE(bytes(reopened), after);
    }

    // Selecting an item loads the group; nothing it cannot show (a first line of 0, a line beyond the
    // box) nor the printer's state is written back.
    void loadingKeepsThePrinterValuesAsRead()
    {
        Widget w;
        WidgetTestAccess a(w);
        for (int tool : {1, 7, 6}) {
            w.buttonItemsClicked(tool);
            QGraphicsItem *item = current(a, tool);
            dataFileSettings s = *dataFileSettingsOf(item);
            s = {true, "x.txt", 0, 4000000000u, 77, true, true, s.hasUart};
            applyDataFileSettings(item, s);
            const QByteArray before = bytes(w);
            w.designScene()->clearSelection();
            w.itemSelected(item);
            QCOMPARE(bytes(w), before);
            dataFileGroup *g = group(a, tool);
            QCOMPARE(g->findChild<QLineEdit *>("lineEdit_extCurLine")->text(), QString("77"));
            QVERIFY(g->findChild<QLineEdit *>("lineEdit_extCurLine")->isReadOnly());
            QVERIFY(!g->findChild<QCheckBox *>("checkBox_extAllPrinted")->isEnabled());
            QCOMPARE(g->findChild<QCheckBox *>("checkBox_uartVariable")->isVisibleTo(g), tool == 6);
        }
    }

    // File > "写入打印机U盘…": the disk written; a file there with other bytes is replaced only when the
    // operator agrees, and 取消 leaves it as it was.
    void packActionAsksBeforeReplacing()
    {
        QTemporaryDir dir;
        QVERIFY(QImage(16, 8, QImage::Format_Mono).save(dir.filePath("logo.bmp")));
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(5);
        a.image()->setPictureFile(dir.filePath("logo.bmp"));
        QVERIFY(saveSprFile(dir.filePath("label.spr"), *w.designScene()));
        QVERIFY(w.openDocumentFile(dir.filePath("label.spr")));
        const QString disk = dir.filePath("disk");
        QVERIFY(QDir().mkpath(disk));
        modalHooks::setFileDialogRunner([&](QFileDialog &) { return QStringList{disk}; });
        QStringList texts;
        int answer = QMessageBox::Cancel;
        modalHooks::setMessageBoxRunner([&](QMessageBox &box) {
            texts << box.text();
            return box.icon() == QMessageBox::Question ? answer : int(QMessageBox::Ok);
        });
        QAction *pack = a.fileMenu()->actions().at(4);
        pack->trigger();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.last().startsWith("已写入 2 个文件"), qPrintable(texts.last()));
        QFile logo(dir.filePath("logo.bmp"));
        QVERIFY(logo.open(QIODevice::ReadOnly));
        QFile packed(disk + "/bmp/logo.bmp");
        QVERIFY(packed.open(QIODevice::ReadOnly));
        QCOMPARE(packed.readAll(), logo.readAll());

        QFile old(disk + "/label.spr");
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        for (int choice : {int(QMessageBox::Cancel), int(QMessageBox::Yes)}) {
            answer = choice;
            pack->trigger();
            QVERIFY(texts.at(texts.size() - (choice == QMessageBox::Yes ? 2 : 1)).contains("label.spr"));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll() == "old", choice == QMessageBox::Cancel);
            old.close();
        }
        modalHooks::setFileDialogRunner([](QFileDialog &) { return QStringList{"/data/serials.txt"}; });
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Discard); });
    }

    // Preview shows one data-file line on every data-file item, each held to its own range; a file that
    // cannot be read empties the item and says why; leaving the preview changes nothing in the design.
    void previewShowsRecords_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("text");    // lines 2 to 3
        QTest::addColumn<QString>("barcode"); // lines 1 to 2
        QTest::newRow("first") << 1 << "T2"
                               << "5901234123457";
        QTest::newRow("last") << 3 << "T3"
                              << "4006381333931";
        QTest::newRow("one past the range") << 4 << "T3"
                                            << "4006381333931";
    }

    void previewShowsRecords()
    {
        QFETCH(int, record);
        QFETCH(QString, text);
        QFETCH(QString, barcode);
        QTemporaryDir dir;
        QFile lines(dir.filePath("lines.txt"));
        QVERIFY(lines.open(QIODevice::WriteOnly));
        lines.write("5901234123457\n4006381333931\nT3\n");
        lines.close();
        QFile texts(dir.filePath("texts.txt"));
        QVERIFY(texts.open(QIODevice::WriteOnly));
        texts.write("T1\nT2\nT3\n");
        texts.close();
        Widget w;
        WidgetTestAccess a(w);
        const struct {
            int tool;
            QString path;
            quint32 first, last;
        } items[] = {{1, dir.filePath("texts.txt"), 2, 3},
                     {7, dir.filePath("lines.txt"), 1, 2},
                     {6, dir.filePath("gone.txt"), 1, 1}};
        for (const auto &item : items) {
            w.buttonItemsClicked(item.tool);
            dataFileSettings s = *dataFileSettingsOf(current(a, item.tool));
            s.isExtVariable = true;
            s.path = item.path;
            s.firstLine = item.first;
            s.lastLine = item.last;
            applyDataFileSettings(current(a, item.tool), s);
        }
        const QByteArray design = bytes(w);
        const QString ownText = a.text()->toPlainText();
        auto *bar = w.findChild<previewBar *>();
        bar->record->setValue(record);
        bar->toggle->setChecked(true);
        QCOMPARE(a.text()->toPlainText(), text);
        QCOMPARE(a.bar()->pixmap().toImage(),
                 diagramBarItem::createBarcodePixmap(a.bar(), barcode).toImage());
        QVERIFY(a.qr()->pixmap().isNull());
        QCOMPARE(a.qr()->toolTip(), QString("找不到数据文件"));
        bar->toggle->setChecked(false);
        QCOMPARE(a.text()->toPlainText(), ownText);
        QVERIFY(!a.qr()->pixmap().isNull());
        QCOMPARE(a.qr()->toolTip(), QString());
        QCOMPARE(bytes(w), design);
    }
};

QTEST_MAIN(DataFileControlsTest)
#include "test_datafilecontrols.moc"
