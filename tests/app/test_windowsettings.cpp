#include "designersettings.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "printerdialog.h"
#include "recentfiles.h"
#include "widget.h"
#include "windowsettings.h"

#include "widgettestaccess.h"
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// What the window remembers between runs, in the test's own settings folder.
class WindowSettingsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QStringList boxes;

    QString makeFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
    static QStringList menuTexts(QMenu *menu)
    {
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        return texts;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        openDesignerSettings()->clear();
        modalHooks::setMessageBoxRunner([this](QMessageBox &box) {
            boxes << box.text();
            return int(QMessageBox::Ok);
        });
    }
    void cleanupTestCase()
    {
        openDesignerSettings()->clear();
        modalHooks::setMessageBoxRunner({});
        modalHooks::setFileDialogRunner({});
        modalHooks::setDialogRunner({});
    }
    void init() { boxes.clear(); }

    void geometryRoundTrip()
    {
        QWidget first;
        QVERIFY(!windowSettings::restoreGeometry(first)); // nothing stored yet: the form's size stays
        first.setGeometry(40, 50, 1000, 700);
        windowSettings::saveGeometry(first);
        QWidget second;
        QVERIFY(windowSettings::restoreGeometry(second));
        QCOMPARE(second.size(), QSize(1000, 700));
        openDesignerSettings()->setValue("window/geometry", QByteArray("not a geometry"));
        QWidget third;
        third.resize(300, 200);
        QVERIFY(!windowSettings::restoreGeometry(third));
        QCOMPARE(third.size(), QSize(300, 200));
    }

    void lastFolderPerDialog_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("file"); // relative to the test folder; empty: cancelled
        QTest::addColumn<QString>("folder");
        QTest::newRow("open") << "open"
                              << "a/one.spr"
                              << "a";
        QTest::newRow("save apart from open") << "save"
                                              << "b/two.spr"
                                              << "b";
        QTest::newRow("cancel keeps the last") << "open"
                                               << ""
                                               << "a";
        QTest::newRow("folder gone") << "delete"
                                     << "gone/x.spr"
                                     << ".";
    }
    void lastFolderPerDialog()
    {
        QFETCH(QString, key);
        QFETCH(QString, file);
        QFETCH(QString, folder);
        if (!file.isEmpty()) {
            makeFile(file);
            windowSettings::rememberFolder(key, dir.filePath(file));
        }
        if (file.startsWith("gone"))
            QDir(dir.filePath("gone")).removeRecursively();
        QCOMPARE(windowSettings::lastFolder(key), folder == "." ? folder : dir.filePath(folder));
    }

    void recentListKeepsTenNewestFirst()
    {
        QMenu menu;
        recentFiles recent(&menu, nullptr);
        recent.clear();
        QStringList paths;
        for (int i = 0; i < 12; ++i) {
            paths << makeFile(QString("r/%1.spr").arg(i));
            recent.add(paths.last());
        }
        recent.add(paths[5]); // again: moves to the top, listed once
        const QStringList files = recent.files();
        QCOMPARE(files.size(), recentFiles::maxFiles);
        QCOMPARE(files.first(), paths[5]);
        QCOMPARE(files.count(paths[5]), 1);
        QVERIFY(!files.contains(paths[0]) && !files.contains(paths[1]));
        QCOMPARE(menuTexts(&menu).size(), 2 + recentFiles::maxFiles); // separator, entries, clear
        QCOMPARE(menuTexts(&menu).last(), QString("清除列表"));
        QVERIFY(menuTexts(&menu).at(1).endsWith("5.spr"));

        // A file gone since it was listed is dropped with a note; one that exists is asked for.
        QSignalSpy opened(&recent, &recentFiles::openRequested);
        QFile::remove(paths[5]);
        menu.actions().at(1)->trigger();
        QCOMPARE(opened.count(), 0);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains("5.spr"));
        QVERIFY(!recent.files().contains(paths[5]));
        menu.actions().at(1)->trigger();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened[0][0].toString(), recent.files().first());

        menu.actions().last()->trigger(); // "清除列表"
        QVERIFY(recent.files().isEmpty());
        QCOMPARE(menuTexts(&menu).size(), 2);
        QVERIFY(!menu.actions().last()->isEnabled());
    }

    // Opening and saving in the window list the file and remember the dialog's folder.
    void windowListsOpenedAndSavedFiles()
    {
        const QString design = makeFile("w/design.spr");
        QFile f(design);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[FileInfo]\nTotalItemNum=0\n");
        f.close();
        const QString saved = dir.filePath("w2/copy.spr");
        QDir().mkpath(dir.filePath("w2"));
        QString chosen = design;
        QStringList startFolders;
        modalHooks::setFileDialogRunner([&](QFileDialog &dialog) {
            startFolders << dialog.directory().absolutePath();
            return QStringList{chosen};
        });
        Widget w;
        w.openActionSlot();
        QCOMPARE(w.designScene()->items().size(), 0);
        chosen = saved;
        w.saveAsActionSlot();
        w.openActionSlot();
        recentFiles *recent = w.findChild<recentFiles *>();
        QVERIFY(recent);
        QCOMPARE(recent->files().mid(0, 2), (QStringList{saved, design}));
        QCOMPARE(windowSettings::lastFolder("open"), dir.filePath("w2"));
        QCOMPARE(startFolders.last(), dir.filePath("w"));
        QCOMPARE(windowSettings::lastFolder("save"), dir.filePath("w2"));
    }

    void printerResolutionDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("along");
        QTest::newRow("ok stores both") << true << 12.0 << 8.5;
        QTest::newRow("cancel keeps") << false << 30.0 << 30.0;
    }
    void printerResolutionDialog()
    {
        QFETCH(bool, accept);
        QFETCH(double, across);
        QFETCH(double, along);
        const PrinterResolution before = loadPrinterResolution();
        modalHooks::setDialogRunner([&](QDialog &dialog) {
            dialog.findChild<QDoubleSpinBox *>("acrossDotsPerMm")->setValue(across);
            dialog.findChild<QDoubleSpinBox *>("alongDotsPerMm")->setValue(along);
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
        QCOMPARE(printerDialog::edit(nullptr), accept);
        const PrinterResolution after = loadPrinterResolution();
        QCOMPARE(after.acrossDotsPerMm, accept ? across : before.acrossDotsPerMm);
        QCOMPARE(after.alongDotsPerMm, accept ? along : before.alongDotsPerMm);
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "test_windowsettings.moc"
