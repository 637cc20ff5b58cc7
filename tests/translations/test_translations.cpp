#include "diagrambaritem.h"
#include "diagramtextitem.h"
#include "fonttables.h"
#include "modalhooks.h"
#include "startup.h"
#include "widget.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{
struct tsFile {
    QSet<QString> messages;   // "context|source"
    QSet<QString> translated; // the subset that carries a translation
};

tsFile readTs(const QString &path)
{
    tsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ts;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            ts.messages.insert(context + '|' + source);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            if (!unfinished && !xml.readElementText().isEmpty())
                ts.translated.insert(context + '|' + source);
        }
    }
    return ts;
}

QString committed(const QString &name)
{
    return QString(SPR_SOURCE_DIR) + "/translations/" + name + ".ts";
}

const QStringList languages = {"en", "turkish", "arabic"};

QStringList sorted(QSet<QString> set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}
} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
    QStringList boxes;

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
        modalHooks::setMessageBoxRunner([this](QMessageBox &box) -> int {
            QStringList buttons;
            for (QAbstractButton *b : box.buttons())
                buttons << b->text();
            boxes << box.windowTitle() + "|" + box.text() + "|" + buttons.join(',');
            return QMessageBox::Yes;
        });
    }

    // A text added to the sources without an entry in the translation files fails here.
    void everyTextInTheSourcesHasAnEntry()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.start(LUPDATE_EXE, {"-no-obsolete", "-locations", "none", "-disable-heuristic", "number",
                                    QString(SPR_SOURCE_DIR) + "/src", "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const tsFile extracted = readTs(fresh);
        QVERIFY(extracted.messages.size() > 200);
        for (const QString &language : languages) {
            const tsFile file = readTs(committed(language));
            const QSet<QString> missing = extracted.messages - file.messages;
            QVERIFY2(missing.isEmpty(), qPrintable(language + ": " + sorted(missing).join("; ")));
        }
    }

    // The counter-1 and time panels translate the shared font rows in their own contexts.
    void sharedFontRowsHaveEntries()
    {
        for (const QString &language : languages) {
            const tsFile file = readTs(committed(language));
            for (const char *context : {"cntSetting", "timeSetting"})
                for (int i = 0; i < cntFontTable.count; ++i) {
                    const QString key =
                        QString(context) + '|' + QString::fromUtf8(cntFontTable.rows[i].displayText);
                    QVERIFY2(file.messages.contains(key), qPrintable(language + ": " + key));
                }
        }
    }

    void filesCoverTheSameTexts()
    {
        const tsFile en = readTs(committed("en"));
        QVERIFY(en.translated.size() > 150);
        QVERIFY(en.translated.contains("Widget|编辑软件"));
        QVERIFY(!en.translated.contains("Widget|Image Files(*.jpg *.jpeg *.bmp *.png)"));
        for (const char *language : {"turkish", "arabic"}) {
            const tsFile other = readTs(committed(language));
            QCOMPARE(sorted(other.messages), sorted(en.messages));
            QCOMPARE(sorted(other.translated), sorted(en.translated));
        }
    }

    void interfaceInEachLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("tools");
        QTest::addColumn<QString>("heightLabel");
        QTest::addColumn<QString>("warning");
        QTest::newRow("chinese") << ""
                                 << "编辑软件"
                                 << "文字,时间,序号1,图片,条形码,二维码,删除,文件"
                                 << "高度"
                                 << "警告|条码格式错误，本条码为13位阿拉伯数字！|确认";
        QTest::newRow("english")
            << ":/translate/en.qm"
            << "Editor"
            << "Text,Time,Cnt1,Image,BarCode,QRCode,Delete,File"
            << "Height"
            << "warning|Barcode format error,the barcode is 13 - bit Arabic numerals!|OK";
        QTest::newRow("turkish") << ":/translate/turkish.qm"
                                 << "Düzenleyici"
                                 << "Metin,Zaman,Sayaç1,Resim,Barkod,QR Kod,Sil,Dosya"
                                 << "Yükseklik"
                                 << "Uyarı|Barkod biçimi hatalı, bu barkod 13 rakamdan oluşur!|Tamam";
        QTest::newRow("arabic") << ":/translate/arabic.qm"
                                << "المحرر"
                                << "نص,الوقت,عداد1,صورة,باركود,رمز QR,حذف,ملف"
                                << "الارتفاع"
                                << "تحذير|خطأ في تنسيق الباركود، يتكون هذا الباركود من 13 رقمًا!|موافق";
    }
    void interfaceInEachLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, tools);
        QFETCH(QString, heightLabel);
        QFETCH(QString, warning);
        QTranslator translator;
        if (!file.isEmpty())
            QVERIFY(loadTranslation(translator, file));
        qApp->installTranslator(&translator);
        {
            Widget w;
            QCOMPARE(w.windowTitle(), title + QStringLiteral("[*]"));
            QStringList texts;
            for (const char *name :
                 {"textPushButton", "timePushButton", "cntPushButton", "imagePushButton", "barPushButton",
                  "QRCodePushButton", "deletePushButton", "filePushButton"})
                texts << w.findChild<QPushButton *>(name)->text();
            QCOMPARE(texts.join(','), tools);

            // A panel label is translated; "X" has no translation and shows its source everywhere.
            QStringList barLabels;
            for (QLabel *label : w.findChild<QScrollArea *>("barScrollArea")->findChildren<QLabel *>())
                barLabels << label->text();
            QVERIFY2(barLabels.contains(heightLabel), qPrintable(barLabels.join(',')));
            QVERIFY(barLabels.contains("X"));
            QVERIFY(barLabels.contains("Y"));

            // The barcode warning box.
            boxes.clear();
            showBarcodeFormatErrorBox(1);
            QCOMPARE(boxes, QStringList{warning});

            // The default text of a text item never follows the language.
            diagramTextItem text;
            QCOMPARE(text.content, QString("Input text"));
        }
        qApp->removeTranslator(&translator);
    }

    // The display texts follow the language, the families behind them never do.
    void fontFamiliesDoNotDependOnLanguage()
    {
        QTranslator translator;
        QVERIFY(loadTranslation(translator, ":/translate/en.qm"));
        qApp->installTranslator(&translator);
        const QStringList shown = textFontTable.displayTexts("textSetting");
        const QStringList counterShown = cntFontTable.displayTexts("cntSetting");
        qApp->removeTranslator(&translator);
        QCOMPARE(shown.value(0), QString("Simsun"));
        QCOMPARE(shown.value(4), QString("Arial"));
        QCOMPARE(counterShown.value(14), QString("dot_5"));
        QCOMPARE(textFontTable.familyAt(0), QString("simsun"));
        QCOMPARE(textFontTable.familyAt(15), QString("DejaVu Sans"));
        QCOMPARE(textFontTable.displayTexts("textSetting").value(0), QString("宋体"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
