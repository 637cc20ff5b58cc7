#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

class TextItemsTest : public QObject
{
    Q_OBJECT

    // Paint the item as the scene would with the given state, and count red and black pixels.
    static QPair<int, int> redAndBlack(QGraphicsTextItem *item, bool selected)
    {
        QImage image(item->boundingRect().size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QStyleOptionGraphicsItem option;
        option.state = selected ? QStyle::State_Selected : QStyle::State_None;
        item->paint(&p, &option, nullptr);
        p.end();
        int red = 0, black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
                black += c.red() < 60 && c.green() < 60 && c.blue() < 60;
            }
        return {red, black};
    }

private slots:
    void typeIdsAndFlags()
    {
        diagramTextItem text;
        diagramTimeItem time;
        diagramCntItem cnt;
        diagramCnt2Item cnt2;
        QCOMPARE(text.type(), 65539);
        QCOMPARE(cnt2.type(), 65540);
        QCOMPARE(cnt.type(), 65541);
        QCOMPARE(time.type(), 65545);
        for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{&text, &time, &cnt, &cnt2}) {
            QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
            QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
        }
    }

    void defaults()
    {
        diagramTextItem text;
        QCOMPARE(text.content, QString("Input text"));
        QCOMPARE(text.itemFont.family(), QString("simsun"));
        QCOMPARE(text.itemFont.pixelSize(), 150);
        QCOMPARE(text.extDataStartLine, 1u);
        QVERIFY(!text.isExtVariable);
        diagramTimeItem time;
        QCOMPARE(time.mode, QString("yyyy/MM/dd hh:mm:ss"));
        QCOMPARE(time.modeIndex, 17);
        QCOMPARE(time.valid, 0);
        QVERIFY(qAbs(time.dateTime.secsTo(QDateTime::currentDateTime())) < 5);
        diagramCntItem cnt;
        QCOMPARE(cnt.mode, 6);
        QCOMPARE(cnt.counterText(cnt.value), QString("000000"));
    }

    void counterText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("eight zeros") << 8 << 0 << "00000000";
        QTest::newRow("one digit") << 1 << 0 << "0";
        QTest::newRow("never cut") << 3 << 12345 << "12345";
        QTest::newRow("padded") << 6 << 42 << "000042";
        QTest::newRow("negative as unsigned") << 3 << -1 << "4294967295";
        QTest::newRow("mode zero") << 0 << 7 << "7";
    }
    void counterText()
    {
        QFETCH(int, mode);
        QFETCH(int, value);
        QFETCH(QString, text);
        diagramCntItem cnt;
        diagramCnt2Item cnt2;
        cnt.mode = cnt2.mode = mode;
        QCOMPARE(cnt.counterText(value), text);
        QCOMPARE(cnt2.counterText(value), text);
    }

    void timeText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("months");
        QTest::addColumn<QString>("text");
        QTest::newRow("no validity") << QDate(2018, 11, 1) << 0 << "2018/11/01";
        QTest::newRow("a year") << QDate(2018, 11, 1) << 12 << "2019/10/31";
        QTest::newRow("31 Jan plus one month") << QDate(2019, 1, 31) << 1 << "2019/02/27";
        QTest::newRow("leap year") << QDate(2020, 1, 31) << 1 << "2020/02/28";
        QTest::newRow("negative") << QDate(2020, 3, 31) << -1 << "2020/02/28";
        QTest::newRow("across year end") << QDate(2020, 12, 15) << 2 << "2021/02/14";
    }
    void timeText()
    {
        QFETCH(QDate, date);
        QFETCH(int, months);
        QFETCH(QString, text);
        diagramTimeItem time;
        time.mode = "yyyy/MM/dd";
        QCOMPARE(time.timeText(QDateTime(date, QTime(8, 30)), months), text);
        time.mode = "hh:mm";
        QCOMPARE(time.timeText(QDateTime(date, QTime(8, 30)), months), QString("08:30"));
    }

    void selectedTextPaintsRedWithoutFrame()
    {
        diagramTextItem text;
        text.setFont(text.itemFont);
        text.setPlainText("HI");
        const auto unselected = redAndBlack(&text, false);
        QCOMPARE(unselected.first, 0);
        QVERIFY(unselected.second > 0);
        const auto selected = redAndBlack(&text, true);
        QVERIFY(selected.first > 0);
        // No dashed frame: nothing but the red glyphs is drawn.
        QCOMPARE(selected.second, 0);

        diagramCntItem cnt;
        cnt.setFont(cnt.itemFont);
        cnt.setPlainText(cnt.counterText(0));
        QVERIFY(redAndBlack(&cnt, true).first > 0);
        QCOMPARE(redAndBlack(&cnt, true).second, 0);
    }

    void counter2KeepsToolkitFrame()
    {
        diagramCnt2Item cnt2;
        cnt2.setPlainText("00");
        const auto selected = redAndBlack(&cnt2, true);
        QCOMPARE(selected.first, 0);
        QVERIFY(selected.second > redAndBlack(&cnt2, false).second);
    }
};

QTEST_MAIN(TextItemsTest)
#include "test_textitems.moc"
