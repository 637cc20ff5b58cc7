// Every field of every item kind's field list, changed: saved and opened again it comes back, undo puts
// back the value before, and the kind's panel shows it once loaded.
#include "barsetting.h"
#include "cnt2setting.h"
#include "cntsetting.h"
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "imagesetting.h"
#include "itemfields.h"
#include "qrcodesetting.h"
#include "sprdocument.h"
#include "sprsections.h"
#include "textsetting.h"
#include "timesetting.h"
#include "undocommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSpinBox>
#include <QUndoStack>
#include <QtTest>
#include <memory>

namespace
{

const struct {
    int type;
    const char *name;
} kinds[] = {{textItemType, "text"}, {cntItemType, "counter"}, {cnt2ItemType, "counter2"},
             {timeItemType, "time"}, {barItemType, "barcode"}, {imageItemType, "image"},
             {qrItemType, "qrcode"}};

// The item shows what its fields give, as the window has it do after every edit.
void show(QGraphicsItem *item)
{
    switch (item->type()) {
    case textItemType:
        static_cast<diagramTextItem *>(item)->showFields();
        break;
    case cntItemType:
        static_cast<diagramCntItem *>(item)->showFields();
        break;
    case cnt2ItemType:
        static_cast<diagramCnt2Item *>(item)->showFields();
        break;
    case timeItemType:
        static_cast<diagramTimeItem *>(item)->showFields();
        break;
    case barItemType:
        static_cast<diagramBarItem *>(item)->regenerate();
        break;
    case imageItemType:
        break;
    default:
        static_cast<diagramQRCodeItem *>(item)->regenerate();
        break;
    }
}

// A new item of the kind with its defaults, shown.
QGraphicsItem *newItem(int type)
{
    QGraphicsItem *item = nullptr;
    switch (type) {
    case textItemType:
        item = new diagramTextItem;
        break;
    case cntItemType:
        item = new diagramCntItem;
        break;
    case cnt2ItemType:
        item = new diagramCnt2Item;
        break;
    case timeItemType:
        item = new diagramTimeItem;
        break;
    case barItemType:
        item = new diagramBarItem;
        break;
    case imageItemType:
        item = new diagramImageItem;
        static_cast<diagramImageItem *>(item)->showPlaceholder();
        break;
    default:
        item = new diagramQRCodeItem;
        break;
    }
    show(item);
    return item;
}

// The kind's panel, loaded from the item.
std::unique_ptr<QWidget> loadedPanel(const QGraphicsItem *item)
{
    switch (item->type()) {
    case textItemType: {
        auto panel = std::make_unique<textSetting>();
        panel->loadFromItem(static_cast<const diagramTextItem *>(item));
        return panel;
    }
    case cntItemType: {
        auto panel = std::make_unique<cntSetting>();
        panel->loadFromItem(static_cast<const diagramCntItem *>(item));
        return panel;
    }
    case cnt2ItemType: {
        auto panel = std::make_unique<cnt2Setting>();
        panel->loadFromItem(static_cast<const diagramCnt2Item *>(item));
        return panel;
    }
    case timeItemType: {
        auto panel = std::make_unique<timeSetting>();
        panel->loadFromItem(static_cast<const diagramTimeItem *>(item));
        return panel;
    }
    case barItemType: {
        auto panel = std::make_unique<barSetting>();
        panel->loadFromItem(static_cast<const diagramBarItem *>(item));
        return panel;
    }
    case imageItemType: {
        auto panel = std::make_unique<imageSetting>();
        panel->loadFromItem(static_cast<const diagramImageItem *>(item));
        return panel;
    }
    default: {
        auto panel = std::make_unique<QRCodeSetting>();
        panel->loadFromItem(static_cast<const diagramQRCodeItem *>(item));
        return panel;
    }
    }
}

// A number other than `now` within low to high.
int otherWithin(int low, int high, int now)
{
    const int middle = low + (high - low) / 2;
    return middle != now ? middle : high;
}

// A value other than the field's own, one that its panel control can show and its range allows.
QVariant changedValue(const itemField &row, const QVariant &now, const QWidget &panel)
{
    const QWidget *control = row.panel.name && *row.panel.name
                                 ? panel.findChild<QWidget *>(QLatin1String(row.panel.name))
                                 : nullptr;
    switch (now.userType()) {
    case QMetaType::Bool:
        return !now.toBool();
    case QMetaType::QString:
        return now.toString() + QStringLiteral("Ab7");
    case QMetaType::QDateTime:
        return now.toDateTime().addSecs(3600);
    case QMetaType::UInt:
        return QVariant::fromValue(now.value<quint32>() + 7);
    default:
        break;
    }
    const int value = now.toInt();
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        return otherWithin(spin->minimum(), spin->maximum(), value);
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return row.panel.firstValue + otherWithin(0, combo->count() - 1, value - row.panel.firstValue);
    if (row.hasRange())
        return otherWithin(int(row.low), int(row.high), value);
    return value + 3;
}

// What the control shows, in the field's own terms.
QVariant shownValue(const itemField &row, const QWidget *control)
{
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        return spin->value();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentIndex() + row.panel.firstValue;
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return check->isChecked();
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    return QVariant();
}

} // namespace

class TestItemFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false")); }

    void everyFieldRoundTrips_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("row");
        for (const auto &kind : kinds) {
            const itemFieldList *list = itemFieldsOf(kind.type);
            QVERIFY(list);
            for (int r = 0; r < list->count; ++r) {
                if (!list->rows[r].isField())
                    continue;
                const QString name = list->rows[r].fieldName(list->prefixLength);
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kind.name, name))) << kind.type << r;
            }
        }
    }
    void everyFieldRoundTrips()
    {
        QFETCH(int, type);
        QFETCH(int, row);
        const itemFieldList &list = *itemFieldsOf(type);
        const itemField &field = list.rows[row];
        QGraphicsScene scene;
        QGraphicsItem *item = newItem(type);
        scene.addItem(item);
        item->setPos(40, 10);

        const QVariant before = field.get(*item);
        const QVariant changed = changedValue(field, before, *loadedPanel(item));
        QVERIFY(changed != before);
        const itemSnapshot old = itemSnapshot::of(item);
        field.set(*item, changed);
        show(item);
        QCOMPARE(field.get(*item), changed);
        QUndoStack undo;
        undo.push(new editItemCommand(item, old, itemSnapshot::of(item), -1));

        // Saved and opened: the field comes back (a picture path as the printer's path).
        if (field.key) {
            QGraphicsScene opened;
            readSprData(sprFileBytes(scene), opened);
            QCOMPARE(opened.items().size(), 1);
            const QVariant expected = field.value == rowValue::picturePath
                                          ? QVariant(printerPicturePath(changed.toString()))
                                          : changed;
            QCOMPARE(field.get(*opened.items().constFirst()), expected);
        }

        // The panel shows it.
        if (field.panel.name && *field.panel.name) {
            const std::unique_ptr<QWidget> panel = loadedPanel(item);
            const QWidget *control = panel->findChild<QWidget *>(QLatin1String(field.panel.name));
            QVERIFY2(control, field.panel.name);
            QCOMPARE(shownValue(field, control).toString(), changed.toString());
        }

        // Undo puts the value before back, redo the changed one.
        undo.undo();
        QCOMPARE(field.get(*item), before);
        undo.redo();
        QCOMPARE(field.get(*item), changed);
    }
};

QTEST_MAIN(TestItemFields)
#include "test_itemfields.moc"
