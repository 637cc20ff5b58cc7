#include "barsetting.h"
#include "cnt2setting.h"
#include "cntsetting.h"
#include "designview.h"
#include "diagramscene.h"
#include "gs1digitallinkdialog.h"
#include "helppage.h"
#include "imagesetting.h"
#include "itemtypes.h"
#include "modalhooks.h"
#include "printerdialog.h"
#include "qrcodedynamicstyledialog.h"
#include "qrcodesetting.h"
#include "settimemodedialog.h"
#include "startup.h"
#include "textsetting.h"
#include "timesetting.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QtTest>
#include <functional>

// Every control of every form (the window, the panels, the dialogs) carries a tooltip and an accessible
// name, in every language; the help page is built in and translated.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    static bool isControl(const QWidget *widget)
    {
        return qobject_cast<const QAbstractButton *>(widget) ||
               qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget) ||
               qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget) ||
               qobject_cast<const QPlainTextEdit *>(widget) ||
               qobject_cast<const QAbstractSlider *>(widget) ||
               qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QGraphicsView *>(widget);
    }

    // The controls of a form, leaving out the parts of other controls (a spin box's editor, a combo's
    // list) and the toolkit's own (scroll bars, and so the property panels inside the window's scroll
    // areas, which are forms of their own).
    static QList<QWidget *> controlsOf(QWidget &form)
    {
        QList<QWidget *> controls;
        for (QWidget *child : form.findChildren<QWidget *>()) {
            bool part = false;
            for (QWidget *up = child; up != &form && !part; up = up->parentWidget())
                part = up->objectName().startsWith("qt_") || (up != child && isControl(up));
            if (isControl(child) && !part)
                controls << child;
        }
        return controls;
    }

    static void verifyDescribed(QWidget &form)
    {
        const QList<QWidget *> controls = controlsOf(form);
        QVERIFY(!controls.isEmpty());
        for (QWidget *control : controls) {
            const QString name = control->objectName() + " " + control->metaObject()->className();
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(name));
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
            // A tooltip says more than the control's name.
            QVERIFY2(control->toolTip() != control->accessibleName(), qPrintable(name));
        }
    }

    // Pixels of the selection outline's colour along the left edge of an item, as the canvas shows it.
    static int outlinePixels(QGraphicsView &view, const QGraphicsItem &item)
    {
        const QImage shown = view.viewport()->grab().toImage();
        const QRectF bounds = item.sceneBoundingRect();
        const int x = view.mapFromScene(bounds.topLeft()).x();
        int count = 0;
        for (int y = view.mapFromScene(bounds.topLeft()).y() + 5;
             y < view.mapFromScene(bounds.bottomLeft()).y() - 5; ++y)
            for (int dx = -1; dx <= 1; ++dx)
                count +=
                    shown.rect().contains(x + dx, y) && shown.pixelColor(x + dx, y) == QColor(0, 120, 215);
        return count;
    }

    using formCheck = std::function<void(QWidget &)>;
    // Builds a form and checks it while it is up: panels and form dialogs as objects, the dialogs built in
    // code through the dialog hook.
    static void withForm(const QString &form, const formCheck &check)
    {
        const auto hooked = [&check](const std::function<void()> &open) {
            modalHooks::setDialogRunner([&check](QDialog &dialog) {
                check(dialog);
                return int(QDialog::Rejected);
            });
            open();
            modalHooks::setDialogRunner({});
        };
        const std::pair<const char *, std::function<void()>> forms[] = {
            {"textSetting",
             [&] {
                 textSetting f;
                 check(f);
             }},
            {"timeSetting",
             [&] {
                 timeSetting f;
                 check(f);
             }},
            {"cntSetting",
             [&] {
                 cntSetting f;
                 check(f);
             }},
            {"cnt2Setting",
             [&] {
                 cnt2Setting f;
                 check(f);
             }},
            {"barSetting",
             [&] {
                 barSetting f;
                 check(f);
             }},
            {"imageSetting",
             [&] {
                 imageSetting f;
                 check(f);
             }},
            {"QRCodeSetting",
             [&] {
                 QRCodeSetting f;
                 check(f);
             }},
            {"setTimeModeDialog",
             [&] {
                 setTimeModeDialog f;
                 check(f);
             }},
            {"QRCodeDynamicStyleDialog",
             [&] {
                 QRCodeDynamicStyleDialog f;
                 check(f);
             }},
            {"gs1DigitalLinkDialog",
             [&] {
                 gs1DigitalLinkDialog f;
                 check(f);
             }},
            {"printerDialog", [&] { hooked([] { printerDialog::edit(nullptr); }); }},
            {"helpPage", [&] { hooked([] { helpPage::show(nullptr); }); }},
        };
        for (const auto &row : forms)
            if (form == QLatin1String(row.first))
                return row.second();
        QFAIL(qPrintable("no form " + form));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(translations);
        QStandardPaths::setTestModeEnabled(true);
    }

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
        const QList<QWidget *> controls = controlsOf(w);
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

    // Each form in Chinese, then in English at once: one control of each follows the language.
    void formsAreDescribed_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("probe");   // a control of the form, empty for dialogs built anew each time
        QTest::addColumn<QString>("english"); // its tooltip in English
        const QString x = "Distance of the left edge from the start of the strip (dots, 0 to 79999)";
        QTest::newRow("text") << "textSetting"
                              << "textXSpin" << x;
        QTest::newRow("time")
            << "timeSetting"
            << "timeValidSpin"
            << "Validity (months, 0 to 120): when not 0, the date shown is this many months "
               "later, less one day";
        QTest::newRow("counter 1") << "cntSetting"
                                   << "cntNameCombo"
                                   << "The printer has two counters: the one this item prints";
        QTest::newRow("counter 2") << "cnt2Setting"
                                   << "cnt2ModeCombo"
                                   << "Number of digits the counter prints, padded with leading zeros";
        QTest::newRow("barcode") << "barSetting"
                                 << "barWidthSpin"
                                 << "Width of one module (the narrowest bar) in dots, 1 to 20";
        QTest::newRow("image") << "imageSetting"
                               << "imageConversePush"
                               << "Swap black and white";
        QTest::newRow("QR code") << "QRCodeSetting"
                                 << "spinBox_QRCodeItemScale"
                                 << "Side of one module (dots, 0 to 77)";
        QTest::newRow("date/time format") << "setTimeModeDialog"
                                          << "daySuffixCombox"
                                          << "Separator after this part";
        QTest::newRow("QR dynamic content") << "QRCodeDynamicStyleDialog"
                                            << "pushButton_cancel"
                                            << "Close without changing the QR code";
        QTest::newRow("GS1 Digital Link") << "gs1DigitalLinkDialog"
                                          << "lineEdit_batch"
                                          << "Batch or lot, up to 20 characters; may stay empty";
        QTest::newRow("printer") << "printerDialog" << QString() << QString();
        QTest::newRow("help") << "helpPage" << QString() << QString();
    }
    void formsAreDescribed()
    {
        QFETCH(QString, form);
        QFETCH(QString, probe);
        QFETCH(QString, english);
        switchTranslation(":/translate/cn.qm");
        bool reached = false;
        withForm(form, [&](QWidget &f) {
            reached = true;
            verifyDescribed(f);
            if (probe.isEmpty() || QTest::currentTestFailed())
                return;
            QWidget *control = f.findChild<QWidget *>(probe);
            QVERIFY(control);
            const QString chinese = control->toolTip(), chineseName = control->accessibleName();
            switchTranslation(":/translate/en.qm");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCOMPARE(control->toolTip(), english);
            QVERIFY(control->accessibleName() != chineseName);
            switchTranslation(":/translate/cn.qm");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCOMPARE(control->toolTip(), chinese);
        });
        switchTranslation(":/translate/cn.qm");
        QVERIFY(reached);
    }

    void helpPageIsBuiltInAndTranslated_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("中文") << ":/translate/cn.qm"
                              << QStringList{"喷印条", "快捷键", "键盘操作", "打印预览", "数据文件与恢复"};
        QTest::newRow("English") << ":/translate/en.qm"
                                 << QStringList{"The strip", "Shortcuts", "Keyboard", "Print preview",
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

    // Tab and Shift+Tab walk the items along the strip, each shown in its panel and scrolled into view,
    // and leave the canvas past either end.
    void tabWalksItemsAlongTheStrip()
    {
        Widget w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        designView *view = WidgetTestAccess(w).ui()->graphicsView;
        QHash<int, QGraphicsItem *> byType;
        for (int tool : {1, 7, 4}) { // text, barcode, time: placed one after the other
            w.buttonItemsClicked(tool);
            byType[w.designScene()->selectedItems().value(0)->type()] =
                w.designScene()->selectedItems().value(0);
        }
        // The text item moves to the end of the strip, far out of view: the walk follows the positions.
        byType[textItemType]->setPos(4000, 40);
        view->centerOn(0, 0);
        const struct {
            int type;
            int panel;
        } walk[] = {{barItemType, 3}, {timeItemType, 2}, {textItemType, 0}};
        const auto verifyAt = [&](int step) {
            QGraphicsItem *item = byType[walk[step].type];
            QVERIFY(view->hasFocus());
            QCOMPARE(w.designScene()->selectedItems(), QList<QGraphicsItem *>{item});
            QCOMPARE(w.shownPanel(), walk[step].panel);
            QVERIFY(WidgetTestAccess(w).currents().contains(item));
            QVERIFY(view->mapToScene(view->viewport()->rect())
                        .boundingRect()
                        .contains(item->sceneBoundingRect().topLeft() + QPointF(10, 10)));
            if (item->type() == barItemType)
                QVERIFY2(outlinePixels(*view, *item) > 10, "the selected barcode is outlined on the canvas");
        };
        const auto press = [](bool forward) {
            QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                            forward ? Qt::NoModifier : Qt::ShiftModifier);
        };

        WidgetTestAccess(w).editor()->setFocus();
        view->setFocus(Qt::TabFocusReason); // tabbing in selects the first item
        for (int step = 0; step < 3; ++step) {
            if (step > 0)
                press(true);
            verifyAt(step);
            if (QTest::currentTestFailed())
                return;
        }
        press(true);
        QVERIFY(!view->hasFocus());
        for (int step = 2; step >= 0; --step) { // back in at the last item
            press(false);
            verifyAt(step);
            if (QTest::currentTestFailed())
                return;
        }
        press(false);
        QVERIFY(!view->hasFocus());

        // Without items the canvas is one stop of the window's Tab chain.
        WidgetTestAccess(w).canvas()->selectAllItems();
        w.on_deletePushButton_clicked();
        WidgetTestAccess(w).editor()->setFocus();
        view->setFocus(Qt::TabFocusReason);
        QVERIFY(w.designScene()->selectedItems().isEmpty());
        press(true);
        QVERIFY(!view->hasFocus());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
