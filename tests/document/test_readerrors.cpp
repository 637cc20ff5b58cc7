// A failing disk, made by the preloaded eioshim: reads of one file fail with EIO part-way. The window
// keeps its design and says why, sprtool exits 2 and leaves every file as it was, and nothing waits for
// the end of a device that errs.
#include "designfixtures.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "sprtoolprocess.h"
#include "widget.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace
{
QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shim's settings: reads of path fail once after bytes have been read.
QStringList failingDisk(const QString &path, qint64 after)
{
    return {QStringLiteral("SPR_EIO_FILE=") + QFileInfo(path).canonicalFilePath(),
            QStringLiteral("SPR_EIO_AFTER=%1").arg(after)};
}

// The same settings for this process while it lives.
struct failingDiskHere {
    failingDiskHere(const QString &path, qint64 after)
    {
        for (const QString &entry : failingDisk(path, after))
            qputenv(qPrintable(entry.section('=', 0, 0)), entry.section('=', 1).toLocal8Bit());
    }
    ~failingDiskHere()
    {
        qunsetenv("SPR_EIO_FILE");
        qunsetenv("SPR_EIO_AFTER");
    }
};

QString ioErrorText()
{
    return QString::fromLocal8Bit(std::strerror(EIO));
}
} // namespace

class ReadErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
        QVERIFY2(qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("eioshim")),
                 "run through ctest, which preloads the shim");
        QVERIFY(dir.isValid());
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("one"), {0, 0});
        addCounter(scene, {300, 0});
        addTime(scene, {600, 0});
        addBarcode(scene, {900, 0});
        addQRCode(scene, {1500, 0});
        addText(scene, QStringLiteral("six"), {1900, 0});
        designBytes = sprFileBytes(scene);
        QVERIFY(designBytes.size() > 1200);
    }

    // The shim itself: the bytes before the bad block read, then every read fails with EIO.
    void theDiskFailsWhereTold()
    {
        const QString path = freshDesign();
        const failingDiskHere disk(path, 600);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        QByteArray block(4096, '\0');
        QCOMPARE(::read(file.handle(), block.data(), size_t(block.size())), ssize_t(600));
        QCOMPARE(block.left(600), designBytes.left(600));
        QCOMPARE(::read(file.handle(), block.data(), size_t(block.size())), ssize_t(-1));
        QCOMPARE(errno, EIO);
    }

    void windowKeepsItsDesign_data()
    {
        QTest::addColumn<qint64>("after");
        QTest::newRow("first read fails") << qint64(0);
        QTest::newRow("fails after 600 bytes") << qint64(600);
        QTest::newRow("fails at the end") << qint64(designBytes.size());
    }
    // File > Open of a file on the failing disk: one box with the system's reason, the design, its path
    // and its state unchanged.
    void windowKeepsItsDesign()
    {
        QFETCH(qint64, after);
        const QString path = freshDesign();
        QStringList boxes;
        modalHooks::setMessageBoxRunner([&boxes](QMessageBox &box) {
            if (box.standardButtons() & QMessageBox::Discard)
                return int(QMessageBox::Discard);
            boxes << box.text();
            return int(QMessageBox::Ok);
        });
        modalHooks::setFileDialogRunner([&path](QFileDialog &) { return QStringList{path}; });
        Widget w;
        w.buttonItemsClicked(1);
        const QByteArray before = sprFileBytes(*w.designScene());
        const QString title = w.windowTitle();
        {
            const failingDiskHere disk(path, after);
            w.openActionSlot();
        }
        modalHooks::setMessageBoxRunner({});
        modalHooks::setFileDialogRunner({});
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().contains(QDir::toNativeSeparators(path)), qPrintable(boxes.first()));
        QVERIFY2(boxes.first().contains(ioErrorText()), qPrintable(boxes.first()));
        QCOMPARE(sprFileBytes(*w.designScene()), before);
        QCOMPARE(w.windowTitle(), title);
        QVERIFY(w.isWindowModified());
        // Once the disk reads again, the same file opens whole.
        QVERIFY(w.openDocumentFile(path));
        QCOMPARE(sprFileBytes(*w.designScene()), designBytes);
    }

    void sprtoolExitsWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<qint64>("after");
        QTest::newRow("resave in place") << QStringList{"resave", "DESIGN", "DESIGN"} << qint64(600);
        QTest::newRow("resave, first read fails")
            << QStringList{"resave", "DESIGN", "DIR/out.spr"} << qint64(0);
        QTest::newRow("resave, fails at the end")
            << QStringList{"resave", "DESIGN", "DIR/out.spr"} << qint64(designBytes.size());
        QTest::newRow("check") << QStringList{"check", "DESIGN"} << qint64(600);
        QTest::newRow("info") << QStringList{"info", "DESIGN"} << qint64(600);
        QTest::newRow("render") << QStringList{"render", "DESIGN", "-o", "DIR/out.png"} << qint64(600);
    }
    // Every reading command fails with the system's reason; no output is written, the design keeps its
    // bytes. With the bad block past the end the same command succeeds.
    void sprtoolExitsWithTwo()
    {
        QFETCH(QStringList, args);
        QFETCH(qint64, after);
        const QString path = freshDesign();
        args.replaceInStrings(QStringLiteral("DESIGN"), path);
        args.replaceInStrings(QStringLiteral("DIR"), dir.path());
        QFile::remove(dir.filePath(QStringLiteral("out.spr")));
        QFile::remove(dir.filePath(QStringLiteral("out.png")));
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        sprtoolOptions failing;
        failing.environment = failingDisk(path, after);
        const sprtoolRun r = runSprtool(args, failing);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.errText().contains(ioErrorText()), r.err);
        QCOMPARE(contentsOf(path), designBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);

        failing.environment = failingDisk(path, designBytes.size() + 1);
        QVERIFY(runSprtool(args, failing).exitCode != 2);
    }

private:
    // A copy of the design of its own for each case.
    QString freshDesign()
    {
        const QString path = dir.filePath(QStringLiteral("design%1.spr").arg(++serial));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(designBytes);
        return path;
    }

    QTemporaryDir dir;
    QByteArray designBytes;
    int serial = 0;
};

QTEST_MAIN(ReadErrorsTest)
#include "test_readerrors.moc"
