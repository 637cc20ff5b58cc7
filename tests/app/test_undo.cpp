// The window's history: every kind of step undone back to an empty design and redone to the same file,
// merged spin-box runs, the modified flag and the keys that reach it.
#include "diagramscene.h"
#include "modalhooks.h"
#include "scanverdictlabel.h"
#include "sprdocument.h"
#include "textsetting.h"
#include "widgettestaccess.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsView>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QtMath>

class UndoTest : public QObject
{
    Q_OBJECT

    static QSpinBox *spin(QWidget *panel, const char *name) { return panel->findChild<QSpinBox *>(name); }
    static QByteArray bytes(Widget &w) { return sprFileBytes(*w.designScene()); }

private slots:
    void initTestCase()
    {
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return 0; });
        modalHooks::setDialogRunner([](QDialog &) { return 0; });
    }

    void everyKindUndoesToEmptyAndRedoesToTheSameFile()
    {
        Widget w;
        WidgetTestAccess a(w);
        QUndoStack *stack = w.undoStack();
        QVector<QByteArray> states{bytes(w)};
        auto step = [&](const std::function<void()> &change) {
            const int before = stack->count();
            change();
            QCOMPARE(stack->count(), before + 1);
            states.append(bytes(w));
        };
        for (int id : {1, 2, 4, 5, 6, 7})
            step([&] { w.buttonItemsClicked(id); });
        step([&] { WidgetTestAccess(w).kind<textRouting>().textXChange(300); });
        step([&] { WidgetTestAccess(w).kind<textRouting>().textFontChange(3); });
        step([&] { WidgetTestAccess(w).kind<cntRouting>().cntModeChange(2); });
        step([&] { WidgetTestAccess(w).kind<timeRouting>().timeModeChange("yyyy-MM-dd"); });
        step([&] { WidgetTestAccess(w).kind<barRouting>().barModeChange(6); });
        step([&] { WidgetTestAccess(w).kind<barRouting>().barTextStateChange(false); });
        step([&] { WidgetTestAccess(w).kind<imageRouting>().imageWidthChange(120); });
        step([&] { WidgetTestAccess(w).kind<imageRouting>().imageConverseChange(); });
        step([&] { WidgetTestAccess(w).kind<qrRouting>().QRCodeLevelChange(0); });
        step([&] {
            w.itemSelected(a.bar());
            a.editor()->setText("ABC-123");
            w.on_editPushButton_clicked();
        });
        step([&] {
            w.designScene()->clearSelection();
            a.qr()->setSelected(true);
            w.on_deletePushButton_clicked();
        });
        QVERIFY(w.isWindowModified());

        for (int i = states.size() - 2; i >= 0; --i) {
            stack->undo();
            QCOMPARE(bytes(w), states.at(i));
        }
        QVERIFY(w.designScene()->items().isEmpty());
        QVERIFY(!w.isWindowModified());
        for (const QGraphicsItem *item : a.currents())
            QVERIFY(!item->scene() || item->scene() == w.designScene());
        for (int i = 1; i < states.size(); ++i) {
            stack->redo();
            QCOMPARE(bytes(w), states.at(i));
        }
        // Every current item is in the design or one of the off-scene initial items.
        for (QGraphicsItem *item : a.currents())
            QVERIFY(item->scene() == w.designScene() || a.initials().contains(item));
    }

    void spinBoxRunIsOneStep()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(1);
        const int count = w.undoStack()->count();
        auto *box = a.textPanel()->findChild<QSpinBox *>("textXSpin");
        QVERIFY(box);
        for (int x : {10, 11, 12, 13})
            box->setValue(x);
        QCOMPARE(w.undoStack()->count(), count + 1);
        QCOMPARE(a.text()->x(), 13.0);
        w.undoStack()->undo();
        QCOMPARE(a.text()->x(), 0.0);
        QCOMPARE(box->value(), 0); // the panel shows the undone value
    }

    // Combo choices, applied contents and accepted formats never merge, even one after another.
    void choicesAndContentsAreStepsOfTheirOwn()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(7);
        auto *combo = a.barPanel()->findChild<QComboBox *>("barModeCombo");
        const int start = w.undoStack()->count();
        for (int mode : {6, 2})
            combo->setCurrentIndex(mode);
        for (const char *content : {"ABC", "XYZ"}) {
            a.editor()->setText(content);
            w.on_editPushButton_clicked();
        }
        w.buttonItemsClicked(4);
        const int timeStart = w.undoStack()->count();
        for (const char *format : {"yy/MM/dd", "dd.MM.yyyy"})
            WidgetTestAccess(w).kind<timeRouting>().timeModeChange(format);
        QCOMPARE(w.undoStack()->count(), timeStart + 2);
        w.undoStack()->undo();
        QCOMPARE(a.time()->mode, QString("yy/MM/dd"));
        w.undoStack()->setIndex(timeStart - 1);
        w.itemSelected(a.bar());

        QCOMPARE(timeStart - 1, start + 4);
        const QList<QPair<int, QString>> back{
            {2, "XYZ"}, {2, "ABC"}, {2, "6901234567892"}, {6, "6901234567892"}, {0, "6901234567892"}};
        for (const auto &state : back) {
            QCOMPARE(a.bar()->mode, state.first);
            QCOMPARE(a.bar()->content, state.second);
            QCOMPARE(combo->currentIndex(), state.first);
            w.undoStack()->undo();
        }
    }

    // The content line and the panels show the current item after undo, redo, delete, New and Open, so
    // "完成" never applies an old text to another item.
    void contentLineFollowsTheDesign()
    {
        Widget w;
        WidgetTestAccess a(w);
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Discard); });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.buttonItemsClicked(6);
        for (const char *content : {"ABC", "XYZ"}) {
            a.editor()->setText(content);
            w.on_editPushButton_clicked();
        }
        auto *scale = a.qrPanel()->findChild<QSpinBox *>("spinBox_QRCodeItemScale");
        scale->setValue(scale->value() + 1);
        QCOMPARE(a.editor()->text(), QString("XYZ"));
        const QStringList undone{"XYZ", "ABC", "TALMOR_K3"};
        for (const QString &content : undone) {
            w.undoStack()->undo();
            QCOMPARE(a.editor()->text(), content);
            QCOMPARE(a.qr()->content, content);
        }
        w.undoStack()->redo();
        QCOMPARE(a.editor()->text(), QString("ABC"));
        diagramQRCodeItem *qr = a.qr();
        w.on_deletePushButton_clicked();
        QCOMPARE(a.editor()->text(), QString());

        w.undoStack()->undo();
        w.itemSelected(qr);
        auto *verdict = a.qrPanel()->findChild<scanVerdictLabel *>();
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        QCOMPARE(verdict->text(), QString("✓ ABC"));
        QTemporaryDir dir;
        const QString path = dir.filePath("design.spr");
        QVERIFY(saveSprFile(path, *w.designScene()));
        w.newActionSlot();
        QCOMPARE(a.editor()->text(), QString());
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        QCOMPARE(verdict->text(), QString());

        w.buttonItemsClicked(7);
        QVERIFY(w.openDocumentFile(path));
        QCOMPARE(a.editor()->text(), QString());
        const QByteArray opened = bytes(w);
        w.on_editPushButton_clicked();
        QCOMPARE(bytes(w), opened);
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return 0; });
    }

    void editsOfItemsOutsideTheDesignAreNotSteps()
    {
        Widget w;
        WidgetTestAccess(w).kind<textRouting>().textXChange(40);
        QCOMPARE(w.undoStack()->count(), 0);
        QVERIFY(!w.isWindowModified());
    }

    void keysReachTheHistory()
    {
        Widget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.buttonItemsClicked(1);
        w.buttonItemsClicked(2);
        QCOMPARE(w.designScene()->items().size(), 2);
        QTest::keySequence(&w, QKeySequence(QKeySequence::Delete));
        QCOMPARE(w.designScene()->items().size(), 1);
        QTest::keySequence(&w, QKeySequence(QKeySequence::Undo));
        QCOMPARE(w.designScene()->items().size(), 2);
        QTest::keySequence(&w, QKeySequence(QKeySequence::Redo));
        QCOMPARE(w.designScene()->items().size(), 1);
    }

    // Each key sequence reaches one action only: an ambiguous one does nothing at all. Duplicate and
    // Ctrl+Y redo reach their actions.
    void shortcutsAreUniqueAndWork()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QHash<QKeySequence, QString> owner;
        for (QAction *action : w.findChildren<QAction *>()) {
            for (const QKeySequence &keys : action->shortcuts()) {
                QVERIFY2(!owner.contains(keys),
                         qPrintable(keys.toString() + ": " + owner.value(keys) + ", " + action->text()));
                owner.insert(keys, action->text());
            }
        }
        w.buttonItemsClicked(1);
        QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
        QCOMPARE(w.designScene()->items().size(), 2);
        QTest::keySequence(&w, QKeySequence(QKeySequence::Undo));
        QCOMPARE(w.designScene()->items().size(), 1);
        QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(w.designScene()->items().size(), 2);
    }

    void nudgesAreOneStepAndStayInRange()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.buttonItemsClicked(1);
        a.ui()->graphicsView->setFocus();
        const int count = w.undoStack()->count();
        QTest::keyClick(a.ui()->graphicsView, Qt::Key_Right);
        QTest::keyClick(a.ui()->graphicsView, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(a.ui()->graphicsView, Qt::Key_Down);
        QCOMPARE(a.text()->pos(), QPointF(11, 1));
        QCOMPARE(w.undoStack()->count(), count + 1);
        QTest::keyClick(a.ui()->graphicsView, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(a.text()->y(), 0.0);
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(a.ui()->graphicsView, Qt::Key_Down, Qt::ShiftModifier);
        // The text's last row lies on the strip's last row.
        QVERIFY(a.text()->sceneBoundingRect().bottom() > 299 &&
                a.text()->sceneBoundingRect().bottom() <= 300);
        w.undoStack()->undo();
        QCOMPARE(a.text()->pos(), QPointF(0, 0));
    }

    // A 30-pixel text reaches the strip's bottom, and the checker finds nothing wrong with where it lies.
    void dragIsClampedAndOneStep()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.buttonItemsClicked(1);
        a.textPanel()->findChild<QSpinBox *>("textSizeSpin")->setValue(30);
        QGraphicsView *view = a.ui()->graphicsView;
        view->centerOn(0, 0);
        const QPoint start = view->mapFromScene(a.text()->sceneBoundingRect().center());
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, start);
        for (int dy = 20; dy <= 400; dy += 20) {
            const QPoint at = start + QPoint(0, dy);
            QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, {});
            QApplication::sendEvent(view->viewport(), &move);
        }
        const int count = w.undoStack()->count();
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, start + QPoint(0, 400));
        const qreal bottom = a.text()->sceneBoundingRect().bottom();
        QVERIFY2(bottom > 299 && bottom <= 300, qPrintable(QString::number(bottom)));
        QVERIFY(a.text()->y() > 250);
        QCOMPARE(w.undoStack()->count(), count + 1);
        auto *yBox = a.textPanel()->findChild<QSpinBox *>("textYSpin");
        QCOMPARE(yBox->value(), int(a.text()->y()));
        QCOMPARE(yBox->maximum(), yBox->value());
        sprReadOptions options;
        options.collectFindings = true;
        QGraphicsScene back;
        for (const sprFinding &finding : readSprData(bytes(w), back, options).findings)
            QVERIFY2(!finding.message.contains("TextAtY"), qPrintable(finding.message));
        QCOMPARE(back.items().first()->pos(), a.text()->pos());
        w.undoStack()->undo();
        QCOMPARE(a.text()->y(), 0.0);
    }

    void copyAndPasteBetweenTwoWindows()
    {
        Widget from;
        Widget to;
        WidgetTestAccess a(from);
        WidgetTestAccess b(to);
        from.buttonItemsClicked(7);
        a.bar()->content = "ABC";
        a.bar()->mode = 6;
        a.bar()->regenerate();
        WidgetTestAccess(from).canvas()->copySelection();
        QVERIFY(QApplication::clipboard()->text().startsWith("[BarItemInfo]"));
        // Pasted where the originals are: offset, then on past the original's right quiet zone (10 modules
        // of 5 px), selected and shown in the panel.
        const qreal originalRight = a.bar()->sceneBoundingRect().right();
        WidgetTestAccess(from).canvas()->pasteSections();
        QCOMPARE(from.designScene()->items().size(), 2);
        QCOMPARE(a.bar()->pos(), QPointF(qCeil(originalRight) + 50, 20));
        QCOMPARE(from.designScene()->selectedItems(), QList<QGraphicsItem *>{a.bar()});
        QCOMPARE(a.bar()->content, QString("ABC"));
        QCOMPARE(spin(a.barPanel(), "barXSpin")->value(), int(a.bar()->x()));
        // Another window without the originals: at its right edge, which is 0 for an empty design, and its
        // left quiet zone (10 modules of 5 px) clear of the text there.
        to.buttonItemsClicked(1);
        const int right = int(b.text()->sceneBoundingRect().right());
        WidgetTestAccess(to).canvas()->pasteSections();
        QCOMPARE(to.designScene()->items().size(), 2);
        QCOMPARE(b.bar()->pos(), QPointF(right + 50, 0));
        QCOMPARE(b.bar()->mode, 6);
        to.undoStack()->undo();
        QCOMPARE(to.designScene()->items().size(), 1);
    }

    void junkOnTheClipboardDoesNothing()
    {
        Widget w;
        for (const char *junk : {"", "hello", "[BarItemInfo]\nBarAtX =zzz", "[FileInfo]\r\n[FileInfo]"}) {
            QApplication::clipboard()->setText(QString::fromUtf8(junk));
            WidgetTestAccess(w).canvas()->pasteSections();
        }
        // Sections without values make items with defaults; nothing else may come of it.
        for (QGraphicsItem *item : w.designScene()->items())
            QVERIFY(item->x() >= 0 && item->x() <= 79999 && item->y() >= 0 && item->y() <= 299);
    }

    void zoomKeysAndFit()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The start zoom fits the strip's height when the canvas allows it, so it depends on the fonts.
        const double start = a.ui()->graphicsView->transform().m11();
        QTest::keySequence(&w, QKeySequence(QKeySequence::ZoomIn));
        QVERIFY(a.ui()->graphicsView->transform().m11() > start);
        QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_0));
        QCOMPARE(a.ui()->graphicsView->transform().m11(), 0.58);
        for (int i = 0; i < 4; ++i)
            w.buttonItemsClicked(7);
        WidgetTestAccess(w).canvas()->zoomToFit();
        QGraphicsView *view = a.ui()->graphicsView;
        const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
        QVERIFY(shown.contains(QRectF(0, 0, designRightEdge(*w.designScene()), 300).adjusted(1, 1, -1, -1)));
    }

    void canvasTakesTheExtraSpace()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.minimumSize(), QSize(870, 590));
        const QSize before = a.ui()->graphicsView->size();
        w.resize(1400, 900);
        QApplication::processEvents();
        const QSize after = a.ui()->graphicsView->size();
        QCOMPARE(after - before, QSize(1400, 900) - QSize(870, 590));
        // The tool column stays in view at the right edge, the panels keep their height.
        QCOMPARE(a.ui()->filePushButton->mapTo(&w, QPoint()).x() + a.ui()->filePushButton->width() + 11,
                 1400);
        QCOMPARE(a.ui()->textScrollArea->height(), 310);
    }

    void newStartsAFreshHistory()
    {
        Widget w;
        w.buttonItemsClicked(7);
        QVERIFY(w.undoStack()->canUndo());
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Discard); });
        w.newActionSlot();
        modalHooks::setMessageBoxRunner({});
        QVERIFY(!w.undoStack()->canUndo());
        QVERIFY(!w.isWindowModified());
    }
};

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
