#include "designview.h"
#include "diagramscene.h"
#include "mixeddesign.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <QtTest>

// Seeing the strip: status texts in dots and millimetres, the outline's end, fit height and fit design,
// scrolling along it with the wheel.
class CanvasAidsTest : public QObject
{
    Q_OBJECT

private slots:
    void statusTexts_data()
    {
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("along");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QRectF>("selection");
        QTest::addColumn<QString>("pointerShown");
        QTest::addColumn<QString>("selectionShown");
        const double head = PrinterResolution::defaultDotsPerMm;
        QTest::newRow("default head") << head << head << QPointF(300.7, 150.9) << QRectF(0, 0, 300, 150)
                                      << "X 300 Y 150 点（12.70 × 6.35 毫米）"
                                      << "所选 300 × 150 点（12.70 × 6.35 毫米）";
        QTest::newRow("coarser along")
            << 10.0 << 5.0 << QPointF(50, 20) << QRectF(5, 5, 100, 40) << "X 50 Y 20 点（10.00 × 2.00 毫米）"
            << "所选 100 × 40 点（20.00 × 4.00 毫米）";
        QTest::newRow("nothing selected")
            << head << head << QPointF(0, 0) << QRectF() << "X 0 Y 0 点（0.00 × 0.00 毫米）"
            << "";
    }
    void statusTexts()
    {
        QFETCH(double, across);
        QFETCH(double, along);
        QFETCH(QPointF, pointer);
        QFETCH(QRectF, selection);
        QFETCH(QString, pointerShown);
        QFETCH(QString, selectionShown);
        PrinterResolution resolution;
        resolution.acrossDotsPerMm = across;
        resolution.alongDotsPerMm = along;
        QCOMPARE(pointerText(pointer, resolution), pointerShown);
        QCOMPARE(selectionText(selection, resolution), selectionShown);
    }

    void statusLineFollowsPointerAndSelection()
    {
        Widget w;
        auto *view = qobject_cast<designView *>(WidgetTestAccess(w).ui()->graphicsView);
        QVERIFY(view);
        auto *line = w.findChild<QLabel *>("statusLine");
        QVERIFY(line);
        w.buttonItemsClicked(5); // a picture item: 240 × 240 dots
        emit view->pointerMoved(QPointF(12, 34));
        QVERIFY2(line->text().startsWith("X 12 Y 34 点"), qPrintable(line->text()));
        QVERIFY2(line->text().contains("所选 240 × 240 点"), qPrintable(line->text()));
    }

    void fitButtons()
    {
        Widget w;
        w.resize(1300, 900);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGraphicsView *view = WidgetTestAccess(w).ui()->graphicsView;
        w.findChild<QPushButton *>("fitHeightButton")->click();
        // The whole height shows, filling the view's height.
        const QPoint foot = view->mapFromScene(QPointF(0, 300));
        const QPoint head = view->mapFromScene(QPointF(0, 0));
        QVERIFY(head.y() >= 0 && foot.y() <= view->viewport()->height());
        QVERIFY(foot.y() - head.y() >= view->viewport()->height() - 4);
        QVERIFY(head.x() >= 0 && head.x() < 4); // from the strip's start
        for (int i = 0; i < 3; ++i) {
            w.buttonItemsClicked(5);
            WidgetTestAccess(w).image()->setX(2000 + i * 400);
        }
        w.findChild<QPushButton *>("fitDesignButton")->click();
        const QPoint end = view->mapFromScene(QPointF(2000 + 2 * 400 + 240, 150));
        QVERIFY(end.x() <= view->viewport()->width());
    }

    // A wheel notch over a large design moves the strip along by the window's step, every notch alike.
    void wheelStepsMoveTheStripByOneStep()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mixed.spr"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mixedDesign::designBytes(800, 1));
        file.close();
        Widget w;
        w.resize(1280, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.openDocumentFile(path));
        QGraphicsView *view = WidgetTestAccess(w).ui()->graphicsView;
        QWidget *viewport = view->viewport();
        QApplication::processEvents();
        QScrollBar *bar = view->horizontalScrollBar();
        const QPointF middle(viewport->width() / 2.0, viewport->height() / 2.0);
        for (int step = 0; step < 16; ++step) {
            const int before = bar->value();
            QWheelEvent wheel(middle, viewport->mapToGlobal(middle.toPoint()), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
            QApplication::processEvents();
            QCOMPARE(bar->value(), before + 120);
        }
    }
};

QTEST_MAIN(CanvasAidsTest)
#include "test_canvasaids.moc"
