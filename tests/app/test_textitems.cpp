#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "picturedifference.h"
#include "textglyphs.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>
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

    // A picture with a pattern under the text, so blending onto colours other than white is compared.
    static QImage background(const QSize &size, QImage::Format format)
    {
        QImage image(size, format);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x + y) % 256));
        return image;
    }

    // The text drawn by the toolkit and from glyph pictures at `at` on the same background.
    static QPair<QImage, QImage> bothWays(const QFont &font, const QString &text, const QColor &color,
                                          const QPointF &at, QImage::Format format, bool *drawn)
    {
        QGraphicsTextItem item;
        item.setFont(font);
        item.setPlainText(text);
        item.setDefaultTextColor(color);
        const QSize size = (item.boundingRect().size() + QSizeF(40, 20)).toSize();
        QImage toolkit = background(size, format), glyphs = toolkit;
        QStyleOptionGraphicsItem option;
        for (QImage *image : {&toolkit, &glyphs}) {
            QPainter p(image);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.translate(at);
            if (image == &toolkit)
                item.paint(&p, &option, nullptr);
            else
                *drawn = paintTextGlyphs(
                    p, QString(), [&]() -> const QTextDocument & { return *item.document(); }, color);
        }
        return {toolkit, glyphs};
    }

    // Whether two drawings of the same text on the same background agree but for a few edge pixels moved
    // by 1/64 pixel: the toolkit's outline filling rounds by where on the device a glyph lies.
    static bool sameButRounding(const QImage &toolkit, const QImage &glyphs, const QImage &under)
    {
        const pictureDifference apart = differenceOf(toolkit, glyphs);
        return apart.most <= 4 && apart.differing * 200 <= differenceOf(toolkit, under).differing;
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

    // Large text drawn from glyph pictures has the toolkit's pixels but for rounding; where it cannot be,
    // nothing is drawn.
    void glyphPicturesMatchTheToolkit_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("spacing");
        QTest::addColumn<bool>("expectDrawn");
        QTest::newRow("design default") << "simsun" << 150 << "Lot 123456 A" << 0.0 << true;
        QTest::newRow("digits") << "DejaVu Sans" << 150 << "000123" << 0.0 << true;
        QTest::newRow("Chinese") << "WenQuanYi Micro Hei" << 120 << QString::fromUtf8("生产日期 批号") << 0.0
                                 << true;
        QTest::newRow("Arabic") << "DejaVu Sans" << 100 << QString::fromUtf8("تاريخ ١٢٣") << 0.0 << false;
        QTest::newRow("letter spacing") << "DejaVu Serif" << 90 << "Batch 42" << 3.3 << true;
        QTest::newRow("tight spacing") << "DejaVu Sans" << 150 << "WAVE" << -20.0 << false;
        QTest::newRow("cached size") << "DejaVu Sans" << 40 << "small" << 0.0 << false;
        QTest::newRow("mixed fonts") << "DejaVu Sans Mono" << 130 << QString::fromUtf8("ID 号 7") << 0.0
                                     << true;
    }

    void glyphPicturesMatchTheToolkit()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(QString, text);
        QFETCH(qreal, spacing);
        QFETCH(bool, expectDrawn);
        QFont font(family);
        font.setPixelSize(pixels);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        const QColor colors[] = {Qt::black, Qt::red, QColor(30, 90, 200)};
        const QPointF places[] = {{0, 0}, {13, 7}, {-25, -40}};
        for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32})
            for (const QColor &color : colors)
                for (const QPointF &at : places) {
                    bool drawn = false;
                    const auto [toolkit, glyphs] = bothWays(font, text, color, at, format, &drawn);
                    QCOMPARE(drawn, expectDrawn);
                    const QImage under = background(glyphs.size(), format);
                    QVERIFY(drawn ? sameButRounding(toolkit, glyphs, under) : glyphs == under);
                }
    }

    // Random texts, sizes and places: whatever is drawn from glyph pictures is the toolkit's picture.
    void randomGlyphPicturesMatchTheToolkit()
    {
        QRandomGenerator random(20261209);
        const QString letters =
            QString::fromUtf8("0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefgh-/:.号批日期");
        const QStringList families = {"simsun", "DejaVu Sans", "DejaVu Serif", "WenQuanYi Micro Hei"};
        int drawnCount = 0;
        for (int i = 0; i < 150; ++i) {
            QFont font(families[random.bounded(families.size())]);
            font.setPixelSize(65 + random.bounded(200));
            font.setBold(random.bounded(4) == 0);
            font.setItalic(random.bounded(5) == 0);
            QString text;
            for (int n = 1 + random.bounded(10); n > 0; --n)
                text += letters.at(random.bounded(letters.size()));
            const QPointF at(random.bounded(60) - 20, random.bounded(30) - 10);
            bool drawn = false;
            const auto [toolkit, glyphs] =
                bothWays(font, text, Qt::black, at, QImage::Format_ARGB32_Premultiplied, &drawn);
            drawnCount += drawn;
            QVERIFY2(!drawn || sameButRounding(toolkit, glyphs, background(toolkit.size(), toolkit.format())),
                     qPrintable(font.toString() + " " + text));
        }
        // Most texts have glyphs apart: the comparison above is not vacuous.
        QVERIFY(drawnCount > 100);
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
