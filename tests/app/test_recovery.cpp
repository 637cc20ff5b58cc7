#include "diagramscene.h"
#include "diagramtextitem.h"
#include "modalhooks.h"
#include "recovery.h"
#include "safewrite.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <cstdio>
#include <cstring>

namespace
{
recoveryKeeper &keeperOf(Widget &w)
{
    return *w.findChild<recoveryKeeper *>();
}

// One undoable edit: a new text item whose content is text.
void addText(Widget &w, const QString &text)
{
    w.buttonItemsClicked(1);
    WidgetTestAccess(w).editor()->setText(text);
    w.on_editPushButton_clicked();
}

QStringList copiesInFolder()
{
    return QDir(recoveryKeeper::folder()).entryList({"*.spr"}, QDir::Files);
}

// The designer that is killed: it edits, reports each recovery copy it writes and runs until killed.
int runChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Widget w;
    keeperOf(w).setInterval(50);
    QObject::connect(&keeperOf(w), &recoveryKeeper::written, [](const QString &copy) {
        std::printf("written %s\n", qPrintable(copy));
        std::fflush(stdout);
    });
    addText(w, QStringLiteral("恢复我"));
    return app.exec();
}
} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    int answer = QMessageBox::Open;
    QStringList boxes;

    // A copy as a designer that ended abruptly leaves it: its session's lock is held by nobody.
    void leaveCopy(const QString &original)
    {
        QDir().mkpath(recoveryKeeper::folder());
        const QString session = recoveryKeeper::folder() + "/1-left";
        QVERIFY(writeFileSafely(session + "~left.spr", "[FileInfo]\nTotalItemNum=0\n"));
        QVERIFY(writeFileSafely(session + ".path", original.toUtf8()));
    }

private slots:
    void initTestCase()
    {
        modalHooks::setMessageBoxRunner([this](QMessageBox &box) {
            boxes << box.text();
            return answer;
        });
    }
    void init()
    {
        boxes.clear();
        QDir(recoveryKeeper::folder()).removeRecursively();
    }

    // Exactly what the operator meets: an edit, kill -9, a new start.
    void killedDesignerIsRecovered()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--child"});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains("written") && child.waitForReadyRead(20000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.contains("written"), said.constData());
        child.kill(); // SIGKILL: nothing of the designer's own clean-up runs
        QVERIFY(child.waitForFinished());
        QCOMPARE(copiesInFolder().size(), 1);

        answer = QMessageBox::Open;
        {
            Widget w;
            w.offerRecovery();
            QCOMPARE(boxes.size(), 1);
            QVERIFY(boxes[0].contains("未命名"));
            const QList<QGraphicsItem *> items = w.designScene()->items();
            QCOMPARE(items.size(), 1);
            QCOMPARE(static_cast<diagramTextItem *>(items[0])->content, QString("恢复我"));
            QVERIFY(w.isWindowModified());
            QVERIFY(WidgetTestAccess(w).isUntitled());
            // The left-behind copy is replaced by this designer's own.
            QVERIFY(recoveryKeeper::leftovers().isEmpty());
            QVERIFY(QFileInfo::exists(keeperOf(w).copyPath()));
        }
        QVERIFY(copiesInFolder().isEmpty()); // a clean exit removes it
    }

    void offeredCopy_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<int>("leftAfter");
        QTest::newRow("open") << int(QMessageBox::Open) << true << 0;
        QTest::newRow("discard") << int(QMessageBox::Discard) << false << 0;
        QTest::newRow("later") << int(QMessageBox::Ignore) << false << 1;
    }
    void offeredCopy()
    {
        QFETCH(int, choice);
        QFETCH(bool, opened);
        QFETCH(int, leftAfter);
        const QString original = dir.filePath("line 4.spr");
        leaveCopy(original);
        answer = choice;
        Widget w;
        w.offerRecovery();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains("line 4.spr"));
        QCOMPARE(recoveryKeeper::leftovers().size(), leftAfter);
        QCOMPARE(w.isWindowModified(), opened);
        QCOMPARE(WidgetTestAccess(w).path() == original, opened); // tied to the original's path
        if (opened)
            QVERIFY(w.windowTitle().startsWith("line 4.spr"));
    }

    // When the copy exists and when it goes, for each way an edit ends.
    void copyLifetime_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("saved") << "save";
        QTest::newRow("discarded by New") << "new";
        QTest::newRow("undone to the saved state") << "undo";
    }
    void copyLifetime()
    {
        QFETCH(QString, ending);
        answer = QMessageBox::Discard; // the question New asks
        const QString saved = dir.filePath("kept.spr");
        modalHooks::setFileDialogRunner([&](QFileDialog &) { return QStringList{saved}; });
        Widget w;
        recoveryKeeper &keeper = keeperOf(w);
        keeper.writeNow();
        QVERIFY(keeper.copyPath().isEmpty()); // nothing unsaved, nothing written
        addText(w, "A");
        keeper.writeNow();
        const QString copy = keeper.copyPath();
        QVERIFY(QFileInfo::exists(copy));
        if (ending == "save")
            w.saveAsActionSlot();
        else if (ending == "new")
            w.newActionSlot();
        else
            w.undoStack()->setIndex(0);
        QVERIFY(!QFileInfo::exists(copy));
        QVERIFY(keeper.copyPath().isEmpty());
        modalHooks::setFileDialogRunner({});
    }

    void twoDesignersNeverShare()
    {
        Widget first, second;
        addText(first, "1");
        addText(second, "2");
        keeperOf(first).writeNow();
        keeperOf(second).writeNow();
        QVERIFY(keeperOf(first).copyPath() != keeperOf(second).copyPath());
        QCOMPARE(copiesInFolder().size(), 2);
        // Both still run: neither copy is offered as left behind.
        QVERIFY(recoveryKeeper::leftovers().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    if (argc > 1 && !std::strcmp(argv[1], "--child"))
        return runChild(argc, argv);
    // Settings and data folders of this test and of the designer it kills, never the user's.
    QTemporaryDir home;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(name, (home.path() + '/' + name).toUtf8());
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recovery.moc"
