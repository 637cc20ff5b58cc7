#include "diagramscene.h"
#include "layoutaids.h"
#include "placement.h"
#include "sprdocument.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QUndoStack>
#include <QtTest>

// Align, distribute, stacking and snapping on three items of different sizes, each one undoable step
// that keeps every item inside the strip.
class LayoutAidsTest : public QObject
{
    Q_OBJECT

    struct fixture {
        Widget w;
        layoutAids &aids = *w.findChild<layoutAids *>();
        QList<QGraphicsItem *> items;
        QList<QPointF> start;

        fixture()
        {
            const QStringList texts{"first", "second item", "third, the longest text"};
            const QList<QPointF> places{{10, 20}, {300, 150}, {700, 60}};
            for (int i = 0; i < texts.size(); ++i) {
                w.buttonItemsClicked(1);
                WidgetTestAccess(w).editor()->setText(texts[i]);
                w.on_editPushButton_clicked();
                items << WidgetTestAccess(w).text();
                items.last()->setPos(places[i]);
                start << places[i];
            }
            for (QGraphicsItem *item : items)
                item->setSelected(true);
        }
        QList<QPointF> positions() const
        {
            QList<QPointF> now;
            for (const QGraphicsItem *item : items)
                now << item->pos();
            return now;
        }
    };

    static void verifyInsideStrip(const QList<QGraphicsItem *> &items)
    {
        for (const QGraphicsItem *item : items)
            QCOMPARE(clampedPlacement(*item, item->pos()), item->pos());
    }

private slots:
    void alignEachUndone_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("edge"); // what all items share afterwards
        QTest::newRow("left") << int(layoutAids::alignment::left) << "left";
        QTest::newRow("right") << int(layoutAids::alignment::right) << "right";
        QTest::newRow("top") << int(layoutAids::alignment::top) << "top";
        QTest::newRow("bottom") << int(layoutAids::alignment::bottom) << "bottom";
        QTest::newRow("horizontal centres") << int(layoutAids::alignment::horizontalCentre) << "centreX";
        QTest::newRow("vertical centres") << int(layoutAids::alignment::verticalCentre) << "centreY";
        QTest::newRow("strip's height") << int(layoutAids::alignment::stripCentre) << "strip";
    }
    void alignEachUndone()
    {
        QFETCH(int, how);
        QFETCH(QString, edge);
        fixture f;
        const int steps = f.w.undoStack()->count();
        f.aids.align(layoutAids::alignment(how));
        QCOMPARE(f.w.undoStack()->count(), steps + 1);
        const std::function<qreal(const QRectF &)> measures[] = {
            [](const QRectF &r) { return r.left(); },       [](const QRectF &r) { return r.right(); },
            [](const QRectF &r) { return r.top(); },        [](const QRectF &r) { return r.bottom(); },
            [](const QRectF &r) { return r.center().x(); }, [](const QRectF &r) { return r.center().y(); },
            [](const QRectF &r) { return r.center().y(); },
        };
        const qreal first = measures[how](f.items[0]->sceneBoundingRect());
        for (const QGraphicsItem *item : f.items)
            QVERIFY2(qAbs(measures[how](item->sceneBoundingRect()) - first) <= 1, qPrintable(edge));
        if (edge == "strip")
            QVERIFY(qAbs(first - 150) <= 1);
        verifyInsideStrip(f.items);
        f.w.undoStack()->undo();
        QCOMPARE(f.positions(), f.start);
    }

    // Aligning to an item at the strip's foot keeps taller ones inside: the placement rule wins.
    void alignStaysInsideTheStrip()
    {
        fixture f;
        f.items[0]->setPos(10, placementMaxY(*f.items[0]));
        f.aids.align(layoutAids::alignment::bottom);
        verifyInsideStrip(f.items);
    }

    void distributeWithEqualGaps()
    {
        fixture f;
        f.items[1]->setPos(100, 150); // gaps 1 and 2 differ a lot before
        f.aids.distributeHorizontally();
        QList<QRectF> r;
        for (const QGraphicsItem *item : f.items)
            r << item->sceneBoundingRect();
        QVERIFY(qAbs((r[1].left() - r[0].right()) - (r[2].left() - r[1].right())) <= 1);
        QCOMPARE(f.items[0]->pos(), QPointF(10, 20)); // the outer two stay
        QCOMPARE(f.items[2]->pos(), QPointF(700, 60));
        f.w.undoStack()->undo();
        QCOMPARE(f.items[1]->pos(), QPointF(100, 150));
    }

    // The file lists the top-most item first; the stacking order the operator asks for reaches it.
    void stackingReachesTheSavedFile_data()
    {
        QTest::addColumn<bool>("front");
        QTest::addColumn<QStringList>("fileOrder");
        QTest::newRow("first to front") << true << QStringList{"first", "third", "second"};
        QTest::newRow("third to back") << false << QStringList{"second", "first", "third"};
    }
    void stackingReachesTheSavedFile()
    {
        QFETCH(bool, front);
        QFETCH(QStringList, fileOrder);
        fixture f;
        auto order = [&f] {
            const QByteArray bytes = sprFileBytes(*f.w.designScene());
            QStringList names{"first", "second item", "third"};
            std::sort(names.begin(), names.end(), [&bytes](const QString &a, const QString &b) {
                return bytes.indexOf(a.toUtf8()) < bytes.indexOf(b.toUtf8());
            });
            return names.replaceInStrings("second item", "second");
        };
        const QStringList before = order();
        QCOMPARE(before, (QStringList{"third", "second", "first"})); // the newest is on top
        f.w.designScene()->clearSelection();
        f.items[front ? 0 : 2]->setSelected(true);
        front ? f.aids.bringToFront() : f.aids.sendToBack();
        QCOMPARE(order(), fileOrder);
        f.w.undoStack()->undo();
        QCOMPARE(order(), before);
    }

    void dragsSnapToTheGrid_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QPointF>("dropped");
        QTest::addColumn<QPointF>("kept");
        QTest::newRow("off by default") << -1 << QPointF(23, 37) << QPointF(23, 37);
        QTest::newRow("10 dots") << 10 << QPointF(23, 37) << QPointF(20, 40);
        QTest::newRow("50 dots, half way up") << 50 << QPointF(75, 24) << QPointF(100, 0);
        QTest::newRow("never below the strip") << 50 << QPointF(20, 299) << QPointF(0, -1);
    }
    void dragsSnapToTheGrid()
    {
        QFETCH(int, grid);
        QFETCH(QPointF, dropped);
        QFETCH(QPointF, kept);
        fixture f;
        QCOMPARE(f.aids.grid(), 0);
        if (grid >= 0)
            f.aids.setGrid(grid);
        QGraphicsItem *item = f.items[0];
        item->setPos(dropped);
        const int steps = f.w.undoStack()->count();
        emit f.w.designScene()->itemsMoved({item}, {QPointF(10, 20)});
        if (kept.y() < 0) // the grid line below the strip is out of reach: the lowest place instead
            kept.setY(placementMaxY(*item));
        QCOMPARE(item->pos(), kept);
        QCOMPARE(f.w.undoStack()->count(), steps + 1);
        f.w.undoStack()->undo();
        QCOMPARE(item->pos(), QPointF(10, 20));
    }
};

QTEST_MAIN(LayoutAidsTest)
#include "test_layoutaids.moc"
