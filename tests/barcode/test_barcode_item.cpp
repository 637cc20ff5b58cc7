// The barcode item: defaults, its picture through createBarcodePixmap, regeneration, painting without a
// selection frame, and the operator's warning box for refused content.
#include "barcodeerror.h"
#include "diagrambaritem.h"
#include "modalhooks.h"

#include <QGraphicsScene>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QtTest>
#include <iterator>

namespace
{
QImage rendered(QGraphicsScene &scene)
{
    QImage image(700, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 700, 300), QRectF(-10, -10, 700, 300));
    return image;
}

struct boxSeen {
    QString title;
    QString text;
    Qt::WindowFlags flags;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QMessageBox::ButtonRole role = QMessageBox::InvalidRole;
    QFont font;
    QFont buttonFont;
    bool hasParent = true;
};
} // namespace

class barcodeItemTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void defaults();
    void pictureFollowsFields();
    void createDoesNotChangeItem();
    void selectedLooksUnselected();
    void warningBox_data();
    void warningBox();
    void refusalShowsBoxOncePerGeneration();
};

void barcodeItemTest::cleanup()
{
    modalHooks::setMessageBoxRunner({});
}

void barcodeItemTest::defaults()
{
    diagramBarItem item;
    QCOMPARE(item.type(), 65543);
    QCOMPARE(item.content, QStringLiteral("6901234567892"));
    QCOMPARE(item.mode, 0);
    QVERIFY(item.barPixmap.isNull());
    QVERIFY(item.pixmap().isNull()); // no picture until a caller generates one
    QVERIFY(item.isTextOn);
    QCOMPARE(item.lineWidth, 5);
    QCOMPARE(item.lineHeight, 230);
    QCOMPARE(item.extDataStartLine, 1u);
    QCOMPARE(item.extDataEndLine, 1u);
    QCOMPARE(item.extDataCurLine, 1u);
    QVERIFY(item.extDataFilePath.isEmpty());
    QVERIFY(!item.isExtVariable);
    QVERIFY(!item.isAllPrinted);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsMovable);
}

void barcodeItemTest::pictureFollowsFields()
{
    diagramBarItem item;
    item.regenerate();
    QCOMPARE(item.barPixmap.size(), QSize(565, 275));
    QCOMPARE(item.pixmap().size(), QSize(565, 275));
    item.isTextOn = false;
    item.regenerate();
    QCOMPARE(item.pixmap().size(), QSize(565, 230));
    item.isTextOn = true;
    item.mode = 1;
    item.regenerate();
    QCOMPARE(item.pixmap().size(), QSize(405, 275));
    // The natural sizes of the modes pinned so far, in mode order.
    const QSize sizes[] = {{565, 275}, {405, 275}, {975, 275}, {807, 275},
                           {565, 275}, {335, 275}, {890, 275}};
    for (int mode = 0; mode < int(std::size(sizes)); ++mode) {
        item.mode = mode;
        item.regenerate();
        QCOMPARE(item.barPixmap.size(), sizes[mode]);
    }
    item.mode = barcodeModeCount;
    item.regenerate();
    QVERIFY(item.barPixmap.isNull());
    item.mode = -1;
    QVERIFY(diagramBarItem::createBarcodePixmap(&item, item.content).isNull());
}

void barcodeItemTest::createDoesNotChangeItem()
{
    diagramBarItem item;
    const QPixmap picture = diagramBarItem::createBarcodePixmap(&item, QStringLiteral("6901234567891"));
    QCOMPARE(picture.toImage(), diagramBarItem::createBarcodePixmap(&item, item.content).toImage());
    QCOMPARE(item.content, QStringLiteral("6901234567892"));
    QVERIFY(item.barPixmap.isNull());
    QVERIFY(item.pixmap().isNull());
}

void barcodeItemTest::selectedLooksUnselected()
{
    QGraphicsScene scene;
    auto *bar = new diagramBarItem;
    bar->regenerate();
    scene.addItem(bar);
    const QImage unselected = rendered(scene);
    bar->setSelected(true);
    QVERIFY(bar->isSelected());
    QCOMPARE(rendered(scene), unselected);

    // The plain pixmap item does draw a frame, so the comparison above can see one.
    auto *plain = new QGraphicsPixmapItem(bar->barPixmap);
    plain->setFlag(QGraphicsItem::ItemIsSelectable);
    delete bar;
    scene.addItem(plain);
    const QImage plainUnselected = rendered(scene);
    plain->setSelected(true);
    QVERIFY(rendered(scene) != plainUnselected);
}

void barcodeItemTest::warningBox_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << 0 << QString::fromUtf8("条码格式错误！");
    QTest::newRow("1") << 1 << QString::fromUtf8("条码格式错误，本条码为13位阿拉伯数字！");
    QTest::newRow("2") << 2 << QString::fromUtf8("条码格式错误，本条码为8位阿拉伯数字！");
    QTest::newRow("3") << 3 << QString::fromUtf8("条码格式错误，本条码内容仅包含数字与大写字母及部分符号！");
    QTest::newRow("4") << 4 << QString::fromUtf8("条码格式错误，本条码内容仅包含数字与大写字母及部分符号！");
    QTest::newRow("5") << 5 << QString::fromUtf8("条码格式错误，本条码为12位阿拉伯数字！");
    QTest::newRow("6") << 6 << QString::fromUtf8("条码格式错误，本条码为8位阿拉伯数字！");
    QTest::newRow("7") << 7 << QString::fromUtf8("条码格式错误，本条码内容仅包含数字与英文字母及部分符号！");
    QTest::newRow("8") << 8 << QString::fromUtf8("条码格式错误！");
    QTest::newRow("255") << 255 << QString::fromUtf8("条码格式错误！");
}

void barcodeItemTest::warningBox()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QList<boxSeen> seen;
    modalHooks::setMessageBoxRunner([&seen](QMessageBox &box) {
        boxSeen s;
        s.title = box.windowTitle();
        s.text = box.text();
        s.flags = box.windowFlags();
        s.icon = box.icon();
        for (QAbstractButton *button : box.buttons()) {
            s.buttons << button->text();
            s.role = box.buttonRole(button);
            s.buttonFont = button->font();
        }
        s.font = box.font();
        s.hasParent = box.parentWidget() != nullptr;
        seen << s;
        return 0;
    });
    showBarcodeFormatErrorBox(quint8(code));
    QCOMPARE(seen.size(), 1);
    const boxSeen &box = seen.first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QString::fromUtf8("警告"));
    // The two hints set; the toolkit itself makes a parentless widget a window.
    QCOMPARE(box.flags, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QStringList{QString::fromUtf8("确认")});
    QCOMPARE(box.role, QMessageBox::YesRole);
    QCOMPARE(box.font.family(), QStringLiteral("simsun"));
    QCOMPARE(box.font.pointSize(), 9);
    QCOMPARE(box.buttonFont.family(), QStringLiteral("simsun"));
    QCOMPARE(box.buttonFont.pointSize(), 9);
    QVERIFY(!box.hasParent);
}

// The item returns its refusal and shows nothing; the box comes from whoever shows the returned code.
void barcodeItemTest::refusalShowsBoxOncePerGeneration()
{
    QStringList texts;
    modalHooks::setMessageBoxRunner([&texts](QMessageBox &box) {
        texts << box.text();
        return 0;
    });
    diagramBarItem item;
    item.content = QStringLiteral("690123456789");
    const std::optional<quint8> refusal = item.regenerate();
    QCOMPARE(refusal, std::optional<quint8>(1));
    QVERIFY(texts.isEmpty());
    showBarcodeFormatErrorBox(refusal);
    QCOMPARE(texts, QStringList{QString::fromUtf8("条码格式错误，本条码为13位阿拉伯数字！")});
    QCOMPARE(item.barPixmap.size(), QSize(565, 275)); // blank, at full size
    QCOMPARE(item.content, QStringLiteral("690123456789"));
    QCOMPARE(item.mode, 0);
    item.mode = 2;
    showBarcodeFormatErrorBox(item.regenerate()); // digits are fine for Code 39
    QCOMPARE(texts.size(), 1);
    item.content = QStringLiteral("abc");
    QCOMPARE(item.regenerate(), std::optional<quint8>(3));
    QCOMPARE(texts.size(), 1);
}

QTEST_MAIN(barcodeItemTest)
#include "test_barcode_item.moc"
