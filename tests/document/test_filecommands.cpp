// The file menu's commands on the main window, with the dialogs answered through the modal hooks.
#include "designfixtures.h"

#include "diagramscene.h"
#include "modalhooks.h"
#include "widget.h"

#include "nondesigns.h"
#include "widgettestaccess.h"
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the dialogs were asked, and the answers they give.
struct dialogScript {
    QStringList answers; // one per dialog; an empty answer cancels
    QStringList titles;
    QList<QFileDialog::AcceptMode> modes;
    QStringList filters;
    QStringList boxes;     // texts of the message boxes shown
    QStringList questions; // texts of the boxes that could be cancelled
    QMessageBox::StandardButton unsavedAnswer = QMessageBox::Discard;
    QMessageBox::StandardButton confirmAnswer = QMessageBox::Yes;

    void install()
    {
        modalHooks::setFileDialogRunner([this](QFileDialog &dialog) {
            titles << dialog.windowTitle();
            modes << dialog.acceptMode();
            filters << dialog.nameFilters().join(';');
            const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
            return answer.isEmpty() ? QStringList() : QStringList{answer};
        });
        modalHooks::setMessageBoxRunner([this](QMessageBox &box) {
            if (!(box.standardButtons() & QMessageBox::Cancel)) {
                boxes << box.text();
                return int(QMessageBox::Ok);
            }
            questions << box.text();
            return int(box.standardButtons() & QMessageBox::Discard ? unsavedAnswer : confirmAnswer);
        });
    }
    ~dialogScript()
    {
        modalHooks::setFileDialogRunner({});
        modalHooks::setMessageBoxRunner({});
    }
};
} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false")); }
    void init() { QVERIFY(dir.isValid()); }

    void saveWhenUntitledAsksForAName()
    {
        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        QSignalSpy beeps(&w, &Widget::requireBeep);
        w.buttonItemsClicked(1);
        const QString path = dir.filePath(QStringLiteral("first.spr"));

        script.answers = QStringList{QString()}; // cancelled: nothing written, still untitled
        w.saveActionSlot();
        QVERIFY(!QFile::exists(path));
        QVERIFY(a.isUntitled());
        QCOMPARE(script.titles, QStringList{QStringLiteral("保存文件")});
        QCOMPARE(script.modes.first(), QFileDialog::AcceptSave);

        script.answers = QStringList{path}; // asked again
        w.saveActionSlot();
        QCOMPARE(script.titles.size(), 2);
        QCOMPARE(contentsOf(path), sprFileBytes(*w.designScene()));
        QVERIFY(!a.isUntitled());
        QCOMPARE(a.path(), path);

        w.buttonItemsClicked(7); // titled: Save rewrites without a dialog
        w.saveActionSlot();
        QCOMPARE(script.titles.size(), 2);
        QCOMPARE(contentsOf(path), sprFileBytes(*w.designScene()));
        QCOMPARE(beeps.size(), 3);
    }

    void saveAsAddsTheSuffix()
    {
        Widget w;
        dialogScript script;
        script.install();
        script.answers = QStringList{dir.filePath(QStringLiteral("plain"))};
        w.saveAsActionSlot();
        const QString path = dir.filePath(QStringLiteral("plain.spr"));
        QCOMPARE(contentsOf(path), sprFileBytes(*w.designScene()));
        QCOMPARE(WidgetTestAccess(w).path(), path);
        QCOMPARE(w.windowTitle(), QStringLiteral("plain.spr[*] - 编辑软件"));
        // Any other ending is part of the name; ".spr" in any case is kept as typed.
        const QStringList typed{"line2.v1", "line3.spr.bak", "kept.SPR"};
        const QStringList written{"line2.v1.spr", "line3.spr.bak.spr", "kept.SPR"};
        for (int i = 0; i < typed.size(); ++i) {
            script.answers = QStringList{dir.filePath(typed[i])};
            w.saveAsActionSlot();
            QCOMPARE(WidgetTestAccess(w).path(), dir.filePath(written[i]));
            QVERIFY(QFile::exists(dir.filePath(written[i])));
        }
    }

    void failedSaveIsToldToTheOperator()
    {
        Widget w;
        dialogScript script;
        script.install();
        const QString path = dir.filePath(QStringLiteral("no/such/folder/x.spr"));
        script.answers = QStringList{path};
        w.saveAsActionSlot();
        QCOMPARE(script.boxes.size(), 1);
        QVERIFY(script.boxes.first().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QFile::exists(path));
        // The design stays untitled, not tied to the path that failed.
        QVERIFY(WidgetTestAccess(w).isUntitled());
        QVERIFY(WidgetTestAccess(w).path().isEmpty());
    }

    // Exit, the close button, New and Open each ask before changes are lost; 取消, and a 保存 that is
    // cancelled, keep everything.
    void unsavedChangesAreGuarded_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("giveName");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        for (const char *command : {"exit", "close", "new", "open"}) {
            QTest::addRow("%s, 保存", command) << command << int(QMessageBox::Save) << true << true << true;
            QTest::addRow("%s, 保存 cancelled", command)
                << command << int(QMessageBox::Save) << false << false << false;
            QTest::addRow("%s, 不保存", command)
                << command << int(QMessageBox::Discard) << false << true << false;
            QTest::addRow("%s, 取消", command)
                << command << int(QMessageBox::Cancel) << false << false << false;
        }
    }
    void unsavedChangesAreGuarded()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, giveName);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        Widget w;
        w.show();
        dialogScript script;
        script.install();
        w.buttonItemsClicked(1);
        QVERIFY(w.isWindowModified());
        const QString path = dir.filePath(QStringLiteral("guarded.spr"));
        QFile::remove(path);
        script.unsavedAnswer = QMessageBox::StandardButton(answer);
        script.answers = QStringList{giveName ? path : QString(), QString()}; // the Open dialog cancels
        if (command == QLatin1String("exit"))
            w.exitActionSlot();
        else if (command == QLatin1String("close"))
            w.close();
        else if (command == QLatin1String("new"))
            w.newActionSlot();
        else
            w.openActionSlot();
        QCOMPARE(script.questions.size(), 1);
        QCOMPARE(QFile::exists(path), saved);
        const bool closing = command == QLatin1String("exit") || command == QLatin1String("close");
        if (closing)
            QCOMPARE(w.isVisible(), !goesOn);
        else if (command == QLatin1String("new"))
            QCOMPARE(w.designScene()->items().size(), goesOn ? 0 : 1);
        else
            QCOMPARE(script.titles.size(), (answer == int(QMessageBox::Save) ? 1 : 0) + (goesOn ? 1 : 0));
        if (!goesOn)
            QVERIFY(w.isWindowModified());
    }

    void selectingIsNoChange()
    {
        Widget w;
        dialogScript script;
        script.install();
        script.answers = QStringList{dir.filePath(QStringLiteral("sel.spr"))};
        w.buttonItemsClicked(1);
        w.saveActionSlot();
        QVERIFY(!w.isWindowModified());
        w.itemSelected(w.designScene()->items().first());
        QVERIFY(!w.isWindowModified());
        w.newActionSlot();
        QVERIFY(script.questions.isEmpty());
    }

    void openRebuildsTheDesign()
    {
        const QString path = dir.filePath(QStringLiteral("design.spr"));
        QByteArray saved;
        {
            Widget w;
            w.buttonItemsClicked(1);
            w.buttonItemsClicked(6);
            w.buttonItemsClicked(2);
            saved = sprFileBytes(*w.designScene());
            writeFile(path, saved);
        }
        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        w.buttonItemsClicked(7); // replaced by the opened design
        script.answers = QStringList{path};
        w.openActionSlot();
        QCOMPARE(script.titles, QStringList{QStringLiteral("打开文件")});
        QCOMPARE(script.filters, QStringList{QStringLiteral("Spr Files(*.spr )")});
        QCOMPARE(w.designScene()->items().size(), 3);
        QCOMPARE(a.currents(), a.initials());
        QVERIFY(!a.isUntitled());
        QCOMPARE(a.path(), path);
        QCOMPARE(sprFileBytes(*w.designScene()), saved);

        writeFile(path, QByteArray("overwritten"));
        w.saveActionSlot(); // rewrites the opened file without a dialog
        QCOMPARE(script.titles.size(), 1);
        QCOMPARE(contentsOf(path), saved);
    }

    // Two windows on one file, or another program writing it: a save over a file that changed since it
    // was opened or saved asks first, and only an answer to overwrite replaces the other's bytes.
    void changesOnDiskAreNotLostSilently_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("keep the other's changes") << false;
        QTest::newRow("overwrite them") << true;
    }
    void changesOnDiskAreNotLostSilently()
    {
        QFETCH(bool, overwrite);
        const QString path = dir.filePath(QStringLiteral("shared%1.spr").arg(++serial));
        dialogScript script;
        script.install();
        Widget a, b;
        a.buttonItemsClicked(1);
        script.answers = QStringList{path};
        a.saveAsActionSlot();
        QVERIFY(b.openDocumentFile(path));
        b.buttonItemsClicked(6);
        b.saveActionSlot(); // unchanged on disk since b opened it: no question
        QVERIFY(script.questions.isEmpty());
        const QByteArray fromB = contentsOf(path);
        QCOMPARE(fromB, sprFileBytes(*b.designScene()));

        a.buttonItemsClicked(2);
        script.confirmAnswer = overwrite ? QMessageBox::Yes : QMessageBox::Cancel;
        a.saveActionSlot();
        QCOMPARE(script.questions.size(), 1);
        QVERIFY(script.questions.first().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(contentsOf(path), overwrite ? sprFileBytes(*a.designScene()) : fromB);
        QCOMPARE(a.isWindowModified(), !overwrite);

        // Another program: the same question, also when b saves next.
        writeFile(path, contentsOf(path) + "\r\n");
        script.confirmAnswer = QMessageBox::Cancel;
        b.saveActionSlot();
        QCOMPARE(script.questions.size(), 2);
    }

    // Sections the reader does not read (past TotalItemNum, of an unknown kind) are named before a save
    // of their file would drop them; nothing is written unless the operator agrees.
    void unreadSectionsAreNamedBeforeASave_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancel") << false;
        QTest::newRow("save without them") << true;
    }
    void unreadSectionsAreNamedBeforeASave()
    {
        QFETCH(bool, save);
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("third"), {0, 0});
        addText(scene, QStringLiteral("second"), {300, 0});
        addText(scene, QStringLiteral("first"), {600, 0});
        QStringList lines = linesOf(sprFileBytes(scene));
        setKey(lines, QStringLiteral("TotalItemNum"), QStringLiteral("2"));
        lines.insert(5, QStringLiteral("[FooItemInfo]")); // takes the first pass; its key the second
        lines.insert(6, QStringLiteral("FooKey =1"));
        const QByteArray bytes = fileOf(lines);
        const QString path = dir.filePath(QStringLiteral("unread%1.spr").arg(++serial));
        writeFile(path, bytes);

        Widget w;
        dialogScript script;
        script.install();
        QVERIFY(w.openDocumentFile(path));
        QCOMPARE(w.designScene()->items().size(), 0);
        script.confirmAnswer = save ? QMessageBox::Yes : QMessageBox::Cancel;
        w.saveActionSlot();
        QCOMPARE(script.questions.size(), 1);
        const QString &question = script.questions.first();
        for (const QString &named :
             {QStringLiteral("第 6 行的 [FooItemInfo]"), QStringLiteral("第 8 行的 [TextItemInfo]"),
              QStringLiteral("第 22 行的 [TextItemInfo]"), QStringLiteral("第 36 行的 [TextItemInfo]")})
            QVERIFY2(question.contains(named), qPrintable(question));
        QCOMPARE(contentsOf(path), save ? sprFileBytes(*w.designScene()) : bytes);
        // Once saved without them, the file holds none to name.
        w.saveActionSlot();
        QCOMPARE(script.questions.size(), save ? 1 : 2);
    }

    void cancelledOpenChangesNothing()
    {
        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        w.buttonItemsClicked(1);
        script.answers = QStringList{QString()};
        w.openActionSlot();
        QCOMPARE(w.designScene()->items().size(), 1);
        QVERIFY(a.isUntitled());
        QVERIFY(a.path().isEmpty());
    }

    void openOfAMissingNameThenSaveCreatesIt()
    {
        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        w.buttonItemsClicked(1);
        const QString path = dir.filePath(QStringLiteral("typed.spr"));
        script.answers = QStringList{path};
        w.openActionSlot();
        QCOMPARE(w.designScene()->items().size(), 0);
        QCOMPARE(a.path(), path);
        QVERIFY(!a.isUntitled());
        QVERIFY(script.boxes.isEmpty());
        QCOMPARE(a.currents(), a.initials());
        w.buttonItemsClicked(4);
        w.saveActionSlot();
        QCOMPARE(script.titles.size(), 1);
        QCOMPARE(contentsOf(path), sprFileBytes(*w.designScene()));
    }

    void foreignOrUnreadableFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("not a design") << QByteArray("hello\r\nworld\r\n") << false;
        QTest::newRow("header in lower case") << QByteArray("[fileinfo]\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("cannot be read") << QByteArray() << true;
        QByteArray crowded("[FileInfo]\r\n"); // one item section more than the reader takes
        for (int i = 0; i <= sprReadLimits().maxItems; ++i)
            crowded += "[TextItemInfo]\r\n";
        QTest::newRow("too many items") << crowded << false;
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("first"));
        addQRCode(scene, {500, 0});
        // The files every sprtool command refuses too.
        for (const auto &file : nonDesigns::refused(sprFileBytes(scene)))
            QTest::newRow(qPrintable(QStringLiteral("no design: ") + file.first)) << file.second << false;
    }
    void foreignOrUnreadableFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, asFolder);
        const QString path = dir.filePath(QStringLiteral("foreign%1").arg(++serial));
        if (asFolder)
            QVERIFY(QDir(dir.path()).mkdir(QFileInfo(path).fileName()));
        else
            writeFile(path, bytes);
        const QString current = dir.filePath(QStringLiteral("current%1.spr").arg(serial));

        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        w.buttonItemsClicked(1);
        script.answers = QStringList{current};
        w.saveAsActionSlot();
        const QByteArray before = sprFileBytes(*w.designScene());
        script.answers = QStringList{path};
        w.openActionSlot();
        QCOMPARE(script.boxes.size(), 1);
        QVERIFY(script.boxes.first().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(sprFileBytes(*w.designScene()), before);
        QCOMPARE(a.path(), current);
        QVERIFY(!a.isUntitled());
        if (!asFolder)
            QCOMPARE(contentsOf(path), bytes);
    }

    // A file in another encoding opens, and the operator is told which lines a save would change.
    void otherEncodingsAreNamed()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A"));
        addText(scene, QStringLiteral("B"), {300, 0});
        QByteArray bytes = sprFileBytes(scene);
        bytes.replace("TextContent =B", "TextContent =\xD6\xD0\xCE\xC4"); // GBK
        const QString path = dir.filePath(QStringLiteral("gbk.spr"));
        writeFile(path, bytes);
        const int line =
            linesOf(bytes).indexOf(QRegularExpression(QStringLiteral("TextContent =.*[^AB]"))) + 1;
        QVERIFY(line > 0);
        Widget w;
        dialogScript script;
        script.install();
        script.answers = QStringList{path};
        w.openActionSlot();
        QCOMPARE(w.designScene()->items().size(), 2);
        QCOMPARE(script.boxes.size(), 1);
        QVERIFY2(script.boxes.first().contains(QStringLiteral("第 %1 行").arg(line)),
                 qPrintable(script.boxes.first()));
        QVERIFY(script.boxes.first().contains(QDir::toNativeSeparators(path)));
    }

    void byteOrderMarkOpens()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("marked"));
        const QString path = dir.filePath(QStringLiteral("bom.spr"));
        writeFile(path, QByteArray("\xEF\xBB\xBF") + sprFileBytes(scene));
        Widget w;
        dialogScript script;
        script.install();
        script.answers = QStringList{path};
        w.openActionSlot();
        QVERIFY(script.boxes.isEmpty());
        QCOMPARE(w.designScene()->items().size(), 1);
    }

    void deleteOfTheOpenFileKeepsTheDesign()
    {
        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        w.buttonItemsClicked(6);
        const QString path = dir.filePath(QStringLiteral("doomed.spr"));
        script.answers = QStringList{path};
        w.saveAsActionSlot();
        QVERIFY(QFile::exists(path));
        script.confirmAnswer = QMessageBox::Cancel; // a refused confirmation removes nothing
        script.answers = QStringList{path};
        w.deleteActionSlot();
        QCOMPARE(script.titles.last(), QStringLiteral("删除文件"));
        QVERIFY(script.questions.last().contains(QDir::toNativeSeparators(path)));
        QVERIFY(QFile::exists(path));
        script.confirmAnswer = QMessageBox::Yes;
        script.answers = QStringList{path};
        w.deleteActionSlot();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(w.designScene()->items().size(), 1);
        QVERIFY(a.isUntitled());
        QVERIFY(w.isWindowModified());
        script.answers = QStringList{path};
        w.saveActionSlot(); // asks for a name and writes anew
        QCOMPARE(contentsOf(path), sprFileBytes(*w.designScene()));
        script.answers = QStringList{QString()}; // a cancelled Delete removes nothing
        w.deleteActionSlot();
        QVERIFY(QFile::exists(path));
    }

    void newForgetsTheDesign()
    {
        Widget w;
        WidgetTestAccess a(w);
        dialogScript script;
        script.install();
        for (int id : {1, 2, 4, 5, 6, 7})
            w.buttonItemsClicked(id);
        script.answers = QStringList{dir.filePath(QStringLiteral("before-new.spr"))};
        w.saveAsActionSlot();
        const QRectF rect = w.designScene()->sceneRect();
        QSignalSpy beeps(&w, &Widget::requireBeep);
        w.newActionSlot();
        QCOMPARE(beeps.size(), 1);
        QVERIFY(a.isUntitled());
        QCOMPARE(a.path(), QStringLiteral("Spray/Untitled.spr"));
        QCOMPARE(w.designScene()->items().size(), 0);
        QCOMPARE(w.designScene()->sceneRect(), rect);
        QCOMPARE(a.currents(), a.initials());
        // Edits after New reach the off-scene items, never a destroyed one.
        WidgetTestAccess(w).kind<textRouting>().textXChange(5);
        WidgetTestAccess(w).kind<barRouting>().barModeChange(2);
        WidgetTestAccess(w).kind<imageRouting>().imageWidthChange(10);
        WidgetTestAccess(w).kind<qrRouting>().QRCodeScaleChange(3);
        script.answers = QStringList{QString()};
        w.saveActionSlot(); // untitled again: the dialog is asked
        QCOMPARE(script.titles.size(), 2);
    }

    void exitClosesTheWindow()
    {
        Widget w;
        w.show();
        QSignalSpy beeps(&w, &Widget::requireBeep);
        w.exitActionSlot();
        QCOMPARE(beeps.size(), 1);
        QVERIFY(!w.isVisible());
    }

private:
    QTemporaryDir dir;
    int serial = 0;
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
