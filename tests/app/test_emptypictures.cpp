// Items whose picture is empty stay within reach: a frame with the reason in the view, clicked, caught
// by a rubber band, dragged and deleted like any item, while the file and the printed strip are what
// they always were.
#include "diagramscene.h"
#include "emptypicture.h"
#include "modalhooks.h"
#include "sprdocument.h"
#include "widgettestaccess.h"

#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

void dragOnView(QGraphicsView *view, QPointF from, QPointF to)
{
    QWidget *vp = view->viewport();
    const QPoint a = view->mapFromScene(from), b = view->mapFromScene(to);
    QTest::mousePress(vp, Qt::LeftButton, {}, a);
    for (const QPoint &p : {(a + b) / 2, b}) {
        QMouseEvent move(QEvent::MouseMove, p, vp->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(vp, &move);
    }
    QTest::mouseRelease(vp, Qt::LeftButton, {}, b);
}

int reddish(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 150 && c.green() < 120;
        }
    return count;
}

} // namespace

class EmptyPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Yes); });
        QVERIFY(dir.isValid());
        notAPicture = dir.filePath(QStringLiteral("broken.bmp"));
        QFile file(notAPicture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is no picture");
        file.close();
        modalHooks::setFileDialogRunner([this](QFileDialog &) { return QStringList{notAPicture}; });
    }

    void reachableButNeverPrinted_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("EAN-13 content refused")
            << 0 << QStringLiteral("条码格式错误，本条码为13位阿拉伯数字！");
        QTest::newRow("QR text beyond capacity") << 1 << QStringLiteral("内容无法生成二维码");
        QTest::newRow("QR scale 0") << 2 << QStringLiteral("无图像");
        QTest::newRow("file that is no picture") << 3 << QStringLiteral("图片无法读取");
        // The text panel has no line for the reason: the frame says it.
        QTest::newRow("empty text") << 4 << QString();
    }
    void reachableButNeverPrinted()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        Widget w;
        WidgetTestAccess a(w);
        w.resize(870, 590);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGraphicsItem *item = makeEmpty(w, kind);
        // A refused barcode keeps the blank picture of its symbol; the others have none at all.
        QCOMPARE(emptyPicture::isEmpty(*item), kind != 0);
        const auto *picture = dynamic_cast<deferredPixmapItem *>(item);
        const QSize blank = picture ? picture->pixmap().size() : QSize();
        QVERIFY(blank.isEmpty() ||
                qAlpha(picture->pixmap().toImage().pixel(blank.width() / 2, blank.height() / 2)) == 0);
        item->setPos(500, 40);
        item->setSelected(false);

        // The file is what it always was: the item counts with its picture's size, which for no picture
        // is its position.
        // (the toolkit's picture item adds half a pixel on each side).
        const QRectF printed = blank.isEmpty()
                                   ? QRectF(500, 40, 0, 0)
                                   : QRectF(QPointF(500, 40), QSizeF(blank)).adjusted(-0.5, -0.5, 0.5, 0.5);
        QCOMPARE(emptyPicture::printedSceneRect(*item), printed);
        QCOMPARE(designRightEdge(*w.designScene()), quint32(printed.right()));
        const QByteArray saved = sprFileBytes(*w.designScene());
        QVERIFY(saved.contains("\r\nSceneWidth =" + QByteArray::number(int(printed.right())) + "\r\n"));
        QGraphicsScene back;
        setUpDesignScene(back);
        sprReadOptions options;
        options.collectFindings = true;
        const sprReadResult result = readSprData(saved, back, options);
        QCOMPARE(sprFileBytes(back), saved);
        if (kind == 4) {
            QCOMPARE(result.findings.size(), 1);
            QVERIFY(result.findings.first().message.startsWith("TextContent"));
            QCOMPARE(emptyPicture::emptyTextReason(), QStringLiteral("空文本"));
        }

        // The view shows the frame and its reason; a scene rendered for print shows nothing.
        QGraphicsView *view = a.ui()->graphicsView;
        view->centerOn(600, 150);
        if (kind != 0)
            QCOMPARE(item->boundingRect(), emptyPicture::frame());
        const QRect onView = view->mapFromScene(item->sceneBoundingRect()).boundingRect();
        QVERIFY(reddish(view->viewport()->grab().toImage(), onView) > 50);
        QImage print(800, 300, QImage::Format_RGB32);
        print.fill(Qt::white);
        {
            QPainter painter(&print);
            w.designScene()->render(&painter, QRectF(0, 0, 800, 300), QRectF(0, 0, 800, 300));
        }
        QCOMPARE(reddish(print, item->sceneBoundingRect().toRect().intersected(print.rect())), 0);
        QCOMPARE(print.pixelColor(item->sceneBoundingRect().center().toPoint()), QColor(Qt::white));

        // A click inside the frame selects it, and its panel tells why it is empty.
        const QPointF inside = item->sceneBoundingRect().center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(inside));
        QVERIFY(item->isSelected());
        QStringList shownReasons;
        for (QLabel *label : w.findChildren<QLabel *>(QStringLiteral("emptyPictureLabel")))
            if (label->isVisibleTo(&w))
                shownReasons << label->text();
        QCOMPARE(shownReasons, reason.isEmpty() ? QStringList() : QStringList{reason});

        // A rubber band from empty canvas around it catches it.
        w.designScene()->clearSelection();
        const QRectF around = item->sceneBoundingRect().adjusted(-20, -20, 20, 20);
        dragOnView(view, around.topLeft(), around.bottomRight());
        QCOMPARE(w.designScene()->selectedItems(), QList<QGraphicsItem *>{item});

        // Dragged by its frame, it moves.
        w.designScene()->clearSelection();
        dragOnView(view, inside, inside + QPointF(100, 10));
        QVERIFY2(item->x() > 550, qPrintable(QString::number(item->x())));

        // Selected and deleted, it is gone.
        item->setSelected(true);
        w.on_deletePushButton_clicked();
        QVERIFY(w.designScene()->items().isEmpty());
    }

private:
    QGraphicsItem *makeEmpty(Widget &w, int kind)
    {
        WidgetTestAccess a(w);
        switch (kind) {
        case 0:
            w.buttonItemsClicked(7);
            a.editor()->setText(QStringLiteral("12345"));
            w.on_editPushButton_clicked();
            return a.bar();
        case 1:
            w.buttonItemsClicked(6);
            a.editor()->setText(QString(2000, QLatin1Char('a')));
            w.on_editPushButton_clicked();
            return a.qr();
        case 2:
            w.buttonItemsClicked(6);
            WidgetTestAccess(w).kind<qrRouting>().QRCodeScaleChange(0);
            return a.qr();
        case 3:
            w.buttonItemsClicked(5);
            WidgetTestAccess(w).kind<imageRouting>().imageSelectChange();
            return a.image();
        default:
            w.buttonItemsClicked(1);
            a.editor()->clear();
            w.on_editPushButton_clicked();
            return a.text();
        }
    }

    QTemporaryDir dir;
    QString notAPicture;
};

QTEST_MAIN(EmptyPicturesTest)
#include "test_emptypictures.moc"
