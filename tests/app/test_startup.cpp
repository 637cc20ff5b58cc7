#include "modalhooks.h"
#include "startup.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString oldCwd;
    QStringList boxes;

    void writeIni(const QByteArray &bytes, const QString &path = QString())
    {
        QFile f(path.isEmpty() ? dir.filePath("language.ini") : path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
        oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        modalHooks::setMessageBoxRunner([this](QMessageBox &box) -> int {
            boxes << box.windowTitle() + "|" + box.text();
            if (box.icon() != QMessageBox::Information || !(box.windowFlags() & Qt::WindowTitleHint))
                boxes << QString("wrong icon or flags %1").arg(box.windowFlags(), 0, 16);
            return QMessageBox::Ok;
        });
    }
    void cleanupTestCase()
    {
        QDir::setCurrent(oldCwd);
        modalHooks::setMessageBoxRunner({});
    }
    void init()
    {
        boxes.clear();
        QFile::remove(dir.filePath("language.ini"));
    }

    // A per-user language.ini counts when the working directory has none; the working directory's wins.
    void perUserLanguageIniComesSecond()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(QDir().mkpath(folder));
        const QString perUser = folder + QStringLiteral("/language.ini");
        writeIni("language=:/translate/en.qm\n", perUser);
        QCOMPARE(chooseTranslationPath(), QString(":/translate/en.qm"));
        QVERIFY(boxes.isEmpty());
        writeIni("language=:/translate/turkish.qm\n");
        QCOMPARE(chooseTranslationPath(), QString(":/translate/turkish.qm"));
        QFile::remove(perUser);
        QStandardPaths::setTestModeEnabled(false);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("printed");
        QTest::newRow("nothing") << QStringList{"spr-designer"} << -1 << QString() << QString();
        QTest::newRow("a file") << QStringList{"spr-designer", "a.spr"} << -1 << "a.spr" << QString();
        QTest::newRow("after --") << QStringList{"spr-designer", "--", "-x.spr"} << -1 << "-x.spr"
                                  << QString();
        QTest::newRow("help") << QStringList{"spr-designer", "--help"} << 0 << QString() << "[file]";
        QTest::newRow("version") << QStringList{"spr-designer", "--version"} << 0 << QString() << "9.8.7";
        QTest::newRow("two files") << QStringList{"spr-designer", "a.spr", "b.spr"} << 1 << QString()
                                   << "只能打开一个文件";
        QTest::newRow("unknown option") << QStringList{"spr-designer", "--bold"} << 1 << QString() << "bold";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, file);
        QFETCH(QString, printed);
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        const CommandLineRequest request = parseCommandLine(arguments);
        QCOMPARE(request.exitCode, exitCode);
        QCOMPARE(request.file, file);
        QVERIFY((request.output + request.error).contains(printed));
    }

    void firstLineValue_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("path");
        QTest::newRow("any key") << QByteArray("lang=:/translate/turkish.qm\n") << ":/translate/turkish.qm";
        QTest::newRow("empty key") << QByteArray("=:/translate/en.qm") << ":/translate/en.qm";
        QTest::newRow("crlf") << QByteArray("x=:/translate/en.qm\r\nmore") << ":/translate/en.qm";
        QTest::newRow("two equals") << QByteArray("a=b=c\n") << "b=c";
        QTest::newRow("trailing blank kept") << QByteArray("a=:/translate/en.qm \n") << ":/translate/en.qm ";
        QTest::newRow("no equals") << QByteArray("language\n") << "";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("second line ignored") << QByteArray("\nlanguage=:/translate/en.qm\n") << "";
        QTest::newRow("utf8") << QByteArray("k=/tmp/语言.qm\n") << "/tmp/语言.qm";
    }
    void firstLineValue()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, path);
        writeIni(ini);
        QCOMPARE(chooseTranslationPath(), path);
        QVERIFY(boxes.isEmpty());
    }

    void translationResourcesLoad()
    {
        for (const char *name : {":/translate/en.qm", ":/translate/turkish.qm", ":/translate/arabic.qm"}) {
            QTranslator t;
            QVERIFY2(loadTranslation(t, name), name);
        }
        // The path is used as it stands: no suffix is added and nothing is stripped from it.
        QTranslator t;
        QVERIFY(!loadTranslation(t, ":/translate/en.qm "));
        QVERIFY(!loadTranslation(t, ":/translate/en"));
        QVERIFY(!loadTranslation(t, ":/translate/cn.qm"));
    }

    void englishWindowTexts()
    {
        QTranslator t;
        QVERIFY(loadTranslation(t, ":/translate/en.qm"));
        qApp->installTranslator(&t);
        {
            Widget w;
            QCOMPARE(w.windowTitle(), QString("Editor[*]"));
            QStringList texts;
            for (const char *name :
                 {"textPushButton", "timePushButton", "cntPushButton", "imagePushButton", "barPushButton",
                  "QRCodePushButton", "deletePushButton", "filePushButton"})
                texts << w.findChild<QPushButton *>(name)->text();
            QCOMPARE(texts.join(','), QString("Text,Time,Cnt1,Image,BarCode,QRCode,Delete,File"));
            QCOMPARE(w.findChild<QPushButton *>("editPushButton")->text(), QString("finish"));
        }
        qApp->removeTranslator(&t);
        Widget chinese;
        QCOMPARE(chinese.windowTitle(), QString("编辑软件[*]"));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
