#include "languagemenu.h"
#include "modalhooks.h"
#include "startup.h"
#include "textsetting.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>

// The language menu retranslates the open window at once and is remembered; without any language.ini
// the start offers the choice.
class LanguageTest : public QObject
{
    Q_OBJECT

    static QAction *entry(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::installTranslator(&designerTranslator());
        QFile::remove(perUserLanguageIni());
    }
    void cleanupTestCase()
    {
        QFile::remove(perUserLanguageIni());
        modalHooks::setDialogRunner({});
    }

    void menuRetranslatesAtOnce_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QStringList>("texts"); // tool button, file menu's first action, panel label, preview
        QTest::newRow("English") << "English"
                                 << ":/translate/en.qm"
                                 << QStringList{"Text", "New", "Font", "Print preview"};
        QTest::newRow("Türkçe") << "Türkçe"
                                << ":/translate/turkish.qm"
                                << QStringList{"Metin", "Yeni", "Yazı tipi", "Baskı önizleme"};
        QTest::newRow("العربية") << "العربية"
                                 << ":/translate/arabic.qm"
                                 << QStringList{"نص", "جديد", "الخط", "معاينة الطباعة"};
        QTest::newRow("中文") << "中文"
                              << ":/translate/cn.qm" << QStringList{"文字", "新建", "字体", "打印预览"};
    }
    void menuRetranslatesAtOnce()
    {
        QFETCH(QString, language);
        QFETCH(QString, translation);
        QFETCH(QStringList, texts);
        Widget w;
        WidgetTestAccess a(w);
        languageMenu *menu = w.findChild<languageMenu *>();
        QVERIFY(menu);
        QVERIFY(a.fileMenu()->actions().contains(menu->menuAction()));
        QAction *choice = entry(menu, language);
        QVERIFY(choice);
        choice->trigger();
        QCoreApplication::sendPostedEvents(); // the language change reaches every window
        QCOMPARE(a.ui()->textPushButton->text(), texts[0]);
        QCOMPARE(a.fileMenu()->actions().first()->text(), texts[1]);
        QCOMPARE(a.textPanel()->findChild<QLabel *>("label_font")->text(), texts[2]);
        QCOMPARE(w.findChild<QCheckBox *>("previewToggle")->text(), texts[3]);
        QVERIFY(choice->isChecked());
        // Remembered for the next start, in the per-user language.ini.
        QCOMPARE(findLanguageIni(), perUserLanguageIni());
        QCOMPARE(readTranslationPath(findLanguageIni()), translation);
    }

    // Only without any language.ini: the choice is offered, stored and used; cancelling keeps Chinese.
    void startOffersTheChoice_data()
    {
        QTest::addColumn<QString>("answer"); // empty: cancelled
        QTest::addColumn<QString>("translation");
        QTest::newRow("English") << "English"
                                 << ":/translate/en.qm";
        QTest::newRow("العربية") << "العربية"
                                 << ":/translate/arabic.qm";
        QTest::newRow("cancelled") << ""
                                   << ":/translate/cn.qm";
    }
    void startOffersTheChoice()
    {
        QFETCH(QString, answer);
        QFETCH(QString, translation);
        QFile::remove(perUserLanguageIni());
        QStringList offered;
        modalHooks::setDialogRunner([&](QDialog &dialog) {
            auto &input = static_cast<QInputDialog &>(dialog);
            offered = input.comboBoxItems();
            input.setTextValue(answer);
            return int(answer.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
        });
        QCOMPARE(chooseTranslationPath(), translation);
        QCOMPARE(offered, (QStringList{"中文", "English", "Türkçe", "العربية"}));
        QCOMPARE(QFile::exists(perUserLanguageIni()), !answer.isEmpty());
        if (!answer.isEmpty()) {
            offered.clear();
            QCOMPARE(chooseTranslationPath(), translation); // asked once only
            QVERIFY(offered.isEmpty());
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
