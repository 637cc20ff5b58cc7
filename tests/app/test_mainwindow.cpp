#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "modalhooks.h"
#include "ui_widget.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

    static QScrollArea *visibleArea(Widget &w)
    {
        QScrollArea *shown = nullptr;
        for (QScrollArea *a : w.findChildren<QScrollArea *>())
            if (a->isVisibleTo(&w)) {
                if (shown)
                    return nullptr; // more than one visible
                shown = a;
            }
        return shown;
    }
    static QGraphicsItem *addText(Widget &w, qreal x, const QString &text = "ABC")
    {
        w.buttonItemsClicked(1);
        WidgetTestAccess a(w);
        a.text()->setPlainText(text);
        a.text()->setX(x);
        return a.text();
    }
    // Press, move and release the left button on the view between two scene points.
    static void dragOnView(QGraphicsView *view, QPointF from, QPointF to,
                           Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget *vp = view->viewport();
        const QPoint a = view->mapFromScene(from), b = view->mapFromScene(to);
        QTest::mousePress(vp, button, {}, a);
        QMouseEvent move(QEvent::MouseMove, (a + b) / 2, vp->mapToGlobal((a + b) / 2), button, button, {});
        QApplication::sendEvent(vp, &move);
        QMouseEvent move2(QEvent::MouseMove, b, vp->mapToGlobal(b), button, button, {});
        QApplication::sendEvent(vp, &move2);
        QTest::mouseRelease(vp, button, {}, b);
    }

private slots:
    void initTestCase()
    {
        // The barcode warning box must never block: record refusals instead.
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Yes); });
    }

    void formAndCanvas()
    {
        Widget w;
        WidgetTestAccess a(w);
        QCOMPARE(w.size(), QSize(870, 590));
        QCOMPARE(w.windowTitle(), QString("编辑软件[*]")); // untitled: the mark shows once changed
        QCOMPARE(w.designScene()->sceneRect(), QRectF(0, 0, 80000, 300));
        QCOMPARE(w.designScene()->backgroundBrush().color(), QColor(Qt::white));
        QGraphicsView *view = a.ui()->graphicsView;
        QCOMPARE(view->transform().m11(), 0.58);
        QCOMPARE(view->transform().m22(), 0.58);
        QCOMPARE(view->dragMode(), QGraphicsView::RubberBandDrag);
        QVERIFY(!a.ui()->cnt2PushButton->isVisibleTo(&w));
        QCOMPARE(visibleArea(w), a.ui()->textScrollArea); // the panels share one place: text shows at start
        QVERIFY(a.ui()->editPushButton->isDefault());
        QCOMPARE(a.ui()->editPushButton->text(), QString("完成"));
        QStringList actions;
        for (QAction *act : a.fileMenu()->actions())
            actions << act->text();
        // The file actions come first; the recent files and the settings follow them.
        QCOMPARE(actions.mid(0, 7).join(','), QString("新建,打开,保存,另存为,写入打印机U盘…,退出,删除"));
        QCOMPARE(a.ui()->filePushButton->menu(), a.fileMenu());
        QVERIFY(w.designScene()->items().isEmpty());
    }

    void insertionPoint()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(1);
        QCOMPARE(a.text()->pos(), QPointF(0, 0));
        QCOMPARE(w.shownPanel(), 0);
        // A right edge at 812.6 places the next item at 812.
        a.text()->setX(812.6 - a.text()->boundingRect().width());
        w.buttonItemsClicked(2);
        QCOMPARE(a.cnt()->pos(), QPointF(812, 0));
        QCOMPARE(w.shownPanel(), 5);
        // Items reaching beyond 79999 or lying left of the origin do not count.
        a.cnt()->setX(79990);
        w.buttonItemsClicked(4);
        QCOMPARE(a.time()->x(), 812.0);
        a.time()->setX(-5000);
        w.buttonItemsClicked(1);
        QCOMPARE(a.text()->x(), 812.0);
        QCOMPARE(w.designScene()->items().size(), 4);
    }

    void unknownToolIdMakesText()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(42);
        QCOMPARE(w.designScene()->items().size(), 1);
        QCOMPARE(w.designScene()->items().first()->type(), 65539);
        QCOMPARE(a.text()->toPlainText(), QString("Input text"));
        QCOMPARE(a.text()->font().pixelSize(), 150);
    }

    void createEveryKind()
    {
        Widget w;
        WidgetTestAccess a(w);
        const int ids[] = {1, 2, 4, 5, 6, 7};
        const int types[] = {65539, 65541, 65545, 65544, 65546, 65543};
        const int panels[] = {0, 5, 2, 4, 7, 3};
        for (int i = 0; i < 6; ++i) {
            w.buttonItemsClicked(ids[i]);
            QGraphicsItem *top = w.designScene()->items(Qt::AscendingOrder).last();
            QCOMPARE(top->type(), types[i]);
            QCOMPARE(w.shownPanel(), panels[i]);
            QVERIFY(top->isSelected());
            QVERIFY(a.currents().contains(top));
        }
        QCOMPARE(a.cnt()->toPlainText(), QString("000000"));
        QCOMPARE(a.time()->toPlainText(), a.time()->dateTime.toString("yyyy/MM/dd hh:mm:ss"));
    }

    void selectionDispatch()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(1);
        QGraphicsItem *text = a.text();
        a.text()->content = "hello";
        w.buttonItemsClicked(2);
        QGraphicsItem *cnt = a.cnt();
        a.ui()->lineEdit->setText("kept");
        w.itemSelected(cnt);
        QCOMPARE(w.shownPanel(), 5);
        QCOMPARE(visibleArea(w), a.ui()->cntScrollArea);
        QVERIFY(!a.ui()->editPushButton->isEnabled());
        QCOMPARE(a.ui()->lineEdit->text(), QString()); // a counter has no content to edit
        text->setX(-30.5);
        text->setY(10);
        w.itemSelected(text);
        QCOMPARE(text->x(), 0.0);
        QCOMPARE(text->y(), 10.0);
        QCOMPARE(w.shownPanel(), 0);
        QCOMPARE(visibleArea(w), a.ui()->textScrollArea);
        QVERIFY(a.ui()->editPushButton->isEnabled());
        QCOMPARE(a.ui()->lineEdit->text(), QString("hello"));
        QCOMPARE(static_cast<QGraphicsItem *>(a.text()), text);
        // An item of an unknown kind changes nothing.
        QGraphicsRectItem other(0, 0, 5, 5);
        w.itemSelected(&other);
        QCOMPARE(w.shownPanel(), 0);
    }

    void editButtonByPanel()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(1);
        a.ui()->lineEdit->setText("NEW");
        a.ui()->editPushButton->click();
        QCOMPARE(a.text()->toPlainText(), QString("NEW"));
        QCOMPARE(a.text()->content, QString("NEW"));
        a.ui()->lineEdit->clear();
        a.ui()->editPushButton->click();
        QCOMPARE(a.text()->toPlainText(), QString());
        QCOMPARE(a.ui()->lineEdit->text(), QString());

        w.buttonItemsClicked(7);
        QCOMPARE(a.ui()->lineEdit->text(), QString("6901234567892"));
        a.ui()->lineEdit->clear();
        a.ui()->editPushButton->click();
        // An empty line applies the item's own default, whose check digit is right.
        QCOMPARE(a.bar()->content, diagramBarItem::defaultContent());
        w.buttonItemsClicked(6);
        a.ui()->lineEdit->clear();
        a.ui()->editPushButton->click();
        QCOMPARE(a.qr()->content, QString("123"));
        a.ui()->lineEdit->setText("X1");
        a.ui()->editPushButton->click();
        QCOMPARE(a.qr()->content, QString("X1"));
        QCOMPARE(a.ui()->lineEdit->text(), QString("X1"));

        // Time panel: the button does nothing.
        w.buttonItemsClicked(4);
        const QString shown = a.time()->toPlainText();
        w.on_editPushButton_clicked();
        QCOMPARE(a.time()->toPlainText(), shown);
        QCOMPARE(a.qr()->content, QString("X1"));
    }

    void deleteSelection()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(1);
        w.buttonItemsClicked(2);
        // Nothing selected: nothing happens and the panels stay enabled.
        w.designScene()->clearSelection();
        w.on_deletePushButton_clicked();
        QCOMPARE(w.designScene()->items().size(), 2);
        QVERIFY(a.ui()->cntScrollArea->isEnabled());

        QGraphicsItem *cnt = a.cnt();
        cnt->setSelected(true);
        a.ui()->deletePushButton->click();
        QCOMPARE(w.designScene()->items().size(), 1);
        QVERIFY(!a.ui()->cntScrollArea->isEnabled());
        QVERIFY(!a.ui()->textScrollArea->isEnabled());
        QVERIFY(!a.ui()->editPushButton->isEnabled());
        QVERIFY(!a.currents().contains(cnt));

        // Every routing path that could touch the deleted counter reaches the off-scene item instead.
        WidgetTestAccess(w).kind<cntRouting>().cntXChange(50);
        WidgetTestAccess(w).kind<cntRouting>().cntYChange(20);
        WidgetTestAccess(w).kind<cntRouting>().cntRotateChange(90);
        WidgetTestAccess(w).kind<cntRouting>().cntFontChange(3);
        WidgetTestAccess(w).kind<cntRouting>().cntSizeChange(60);
        WidgetTestAccess(w).kind<cntRouting>().cntIntervalChange(4);
        WidgetTestAccess(w).kind<cntRouting>().cntModeChange(2);
        WidgetTestAccess(w).kind<cntRouting>().cntNameChange(1);
        QVERIFY(!w.designScene()->items().contains(a.cnt()));
        QCOMPARE(a.cnt()->pos(), QPointF(50, 20));

        // Selecting another item enables its panel again.
        w.itemSelected(w.designScene()->items().first());
        QVERIFY(a.ui()->textScrollArea->isEnabled());
        QVERIFY(a.ui()->editPushButton->isEnabled());
    }

    void deleteEveryKindThenRoute()
    {
        Widget w;
        WidgetTestAccess a(w);
        for (int id : {1, 2, 4, 5, 6, 7})
            w.buttonItemsClicked(id);
        for (QGraphicsItem *item : w.designScene()->items())
            item->setSelected(true);
        w.on_deletePushButton_clicked();
        QVERIFY(w.designScene()->items().isEmpty());
        for (QGraphicsItem *current : a.currents())
            QVERIFY(current && !current->scene());
        WidgetTestAccess(w).kind<textRouting>().textXChange(3);
        WidgetTestAccess(w).kind<timeRouting>().timeModeChange("hh");
        WidgetTestAccess(w).kind<barRouting>().barModeChange(1);
        WidgetTestAccess(w).kind<barRouting>().barHeightChange(100);
        WidgetTestAccess(w).kind<barRouting>().barTextStateChange(false);
        WidgetTestAccess(w).kind<imageRouting>().imageWidthChange(10);
        WidgetTestAccess(w).kind<imageRouting>().imageConverseChange();
        WidgetTestAccess(w).kind<qrRouting>().QRCodeLevelChange(1);
        WidgetTestAccess(w).kind<qrRouting>().QRCodeConverseChange(1);
        a.ui()->lineEdit->setText("Z");
        w.on_editPushButton_clicked();
        QVERIFY(w.designScene()->items().isEmpty());
    }

    void mouseSelectionOnView()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.resize(870, 590);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGraphicsItem *first = addText(w, 0);
        QGraphicsItem *second = addText(w, 400);
        QGraphicsView *view = a.ui()->graphicsView;
        view->centerOn(300, 150);
        QList<QGraphicsItem *> spy;
        connect(w.designScene(), &diagramScene::itemSelected, this,
                [&spy](QGraphicsItem *item) { spy << item; });

        // A plain click selects and reports once, on release.
        const QPointF inFirst = first->sceneBoundingRect().center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(inFirst));
        QVERIFY(first->isSelected());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last(), first);
        QCOMPARE(w.shownPanel(), 0);

        // A right click neither selects nor deselects; its release still reports the selection.
        spy.clear();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                          view->mapFromScene(second->sceneBoundingRect().center()));
        QVERIFY(first->isSelected());
        QVERIFY(!second->isSelected());
        QCOMPARE(spy, QList<QGraphicsItem *>{first});

        // Dragging moves the item and reports on every move and on release.
        spy.clear();
        const QPointF before = first->pos();
        dragOnView(view, inFirst, inFirst + QPointF(60, 20));
        QVERIFY(first->pos().x() > before.x());
        QCOMPARE(spy.count(), 3);

        // A rubber band over empty canvas catches nothing and reports nothing.
        spy.clear();
        dragOnView(view, QPointF(350, 250), QPointF(390, 290));
        QVERIFY(w.designScene()->selectedItems().isEmpty());
        QCOMPARE(spy.count(), 0);

        // A rubber band around both catches both and reports the first of them.
        spy.clear();
        const QRectF both = first->sceneBoundingRect().united(second->sceneBoundingRect());
        dragOnView(view, both.topLeft() - QPointF(10, 0), both.bottomRight() + QPointF(10, 0));
        QCOMPARE(w.designScene()->selectedItems().size(), 2);
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last(), w.designScene()->selectedItems().first());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
