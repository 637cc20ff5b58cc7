#include "helppage.h"
#include "modalhooks.h"
#include "startup.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>
#include <QtTest>

// The window's own controls (canvas, editor, tool column, preview bar) all carry a tooltip and an
// accessible name, in every language; the help page is built in and translated.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    // Every control of the window outside the property panels.
    static QList<QWidget *> windowControls(Widget &w)
    {
        QList<QWidget *> controls;
        for (QWidget *child : w.findChildren<QWidget *>()) {
            const bool control = qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child) ||
                                 qobject_cast<QAbstractSpinBox *>(child) ||
                                 qobject_cast<QComboBox *>(child) || qobject_cast<QGraphicsView *>(child);
            bool inPanel = false;
            for (QWidget *up = child; up && !inPanel; up = up->parentWidget())
                inPanel = qobject_cast<QScrollArea *>(up) && up != WidgetTestAccess(w).ui()->graphicsView;
            // Editors inside spin boxes and combo boxes belong to their control.
            const bool part = qobject_cast<QAbstractSpinBox *>(child->parentWidget()) ||
                              qobject_cast<QComboBox *>(child->parentWidget());
            if (control && !inPanel && !part && !child->objectName().startsWith("qt_"))
                controls << child;
        }
        return controls;
    }

private slots:
    void initTestCase() { Q_INIT_RESOURCE(translations); }

    void windowControlsAreDescribed_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::newRow("中文") << ":/translate/cn.qm";
        QTest::newRow("English") << ":/translate/en.qm";
        QTest::newRow("العربية") << ":/translate/arabic.qm";
    }
    void windowControlsAreDescribed()
    {
        QFETCH(QString, translation);
        switchTranslation(translation);
        Widget w;
        const QList<QWidget *> controls = windowControls(w);
        QVERIFY(controls.size() >= 18); // canvas, editor, ten tool buttons, two fit buttons, preview bar
        for (QWidget *control : controls) {
            const QString name = control->objectName() + " " + control->metaObject()->className();
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(name));
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
        }
        if (translation.endsWith("en.qm"))
            QCOMPARE(WidgetTestAccess(w).ui()->textPushButton->toolTip(), QString("Add a text"));
        switchTranslation(":/translate/cn.qm");
    }

    void helpPageIsBuiltInAndTranslated_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("中文") << ":/translate/cn.qm"
                              << QStringList{"喷印条", "快捷键", "打印预览", "数据文件与恢复"};
        QTest::newRow("English") << ":/translate/en.qm"
                                 << QStringList{"The strip", "Shortcuts", "Print preview",
                                                "Files and recovery"};
    }
    void helpPageIsBuiltInAndTranslated()
    {
        QFETCH(QString, translation);
        QFETCH(QStringList, headings);
        switchTranslation(translation);
        QString shown;
        modalHooks::setDialogRunner([&shown](QDialog &dialog) {
            shown = dialog.findChild<QTextBrowser *>("helpText")->toPlainText();
            return int(QDialog::Rejected);
        });
        Widget w;
        QAction *help = nullptr;
        for (QAction *action : WidgetTestAccess(w).fileMenu()->actions())
            if (action->shortcut() == QKeySequence(QKeySequence::HelpContents))
                help = action;
        QVERIFY(help);
        help->trigger();
        for (const QString &heading : headings)
            QVERIFY2(shown.contains(heading), qPrintable(heading));
        QVERIFY(shown.contains("Ctrl+Z"));
        modalHooks::setDialogRunner({});
        switchTranslation(":/translate/cn.qm");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
