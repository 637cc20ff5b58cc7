// Every field of every item kind's field list, changed: saved and opened again it comes back, undo puts
// back the value before, and the kind's panel shows it once loaded; a field whose control has no slot
// of its own is edited through that control in the window, undone and redone. Each kind of control
// edits the value of its row.
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
#include "itemkinds.h"
#include "modalhooks.h"
#include "paneledit.h"
#include "qrcodesetting.h"
#include "sprdocument.h"
#include "sprsections.h"
#include "textsetting.h"
#include "timesetting.h"
#include "undocommands.h"
#include "widgettestaccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
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

// The operator sets the control to the field's value.
void operate(QWidget *control, const itemField &row, const QVariant &value)
{
    if (auto *spin = qobject_cast<QSpinBox *>(control))
        spin->setValue(value.toInt());
    else if (auto *decimal = qobject_cast<QDoubleSpinBox *>(control))
        decimal->setValue(value.toDouble());
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setCurrentIndex(value.toInt() - row.panel.firstValue);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setChecked(value.toBool());
    else if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->setText(value.toString());
        emit line->editingFinished();
    }
}

bool editedThroughRow(const itemField &row)
{
    return row.isField() && row.panel.name && *row.panel.name && !row.panel.ownSlot;
}

// The field edited through its control in a window: one step, and a run of a spin box one step too.
void checkWindowEdit(int type, const itemField &field)
{
    Widget w;
    WidgetTestAccess a(w);
    const itemKindRow &kind = *itemKindForType(type);
    w.buttonItemsClicked(kind.toolId);
    QGraphicsItem *item = a.currents().at(int(kind.kind));
    QWidget *panel = a.panelOf(kind.kind);
    QWidget *control = panel->findChild<QWidget *>(QLatin1String(field.panel.name));
    QVERIFY2(control, field.panel.name);
    if (qobject_cast<QLineEdit *>(control) && qobject_cast<QLineEdit *>(control)->isReadOnly())
        return;
    const QVariant before = field.get(*item);
    const QVariant changed = changedValue(field, before, *panel);
    QUndoStack &undo = *w.undoStack();
    const int steps = undo.count();
    if (qobject_cast<QSpinBox *>(control) || qobject_cast<QDoubleSpinBox *>(control))
        operate(control, field, changedValue(field, changed, *panel));
    operate(control, field, changed);
    QCOMPARE(undo.count(), steps + 1);
    QCOMPARE(field.get(*item), changed);
    undo.undo();
    QCOMPARE(field.get(*item), before);
    QCOMPARE(shownValue(field, control).toString(), before.toString());
    undo.redo();
    QCOMPARE(field.get(*item), changed);
}

QVariant noValue(const QGraphicsItem &)
{
    return QVariant();
}

} // namespace

class TestItemFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return 0; });
    }

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

        if (editedThroughRow(field))
            checkWindowEdit(type, field);
    }

    // Rows of a list made here, one per kind of control: what the operator does reaches the row as its
    // value, and only spin boxes merge their runs; a read-only line and a control with a slot of its
    // own are left to others.
    void controlsEditTheirRows_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("merges");
        QTest::newRow("check box") << "check" << QVariant(true) << false;
        QTest::newRow("spin box") << "spin" << QVariant(17) << true;
        QTest::newRow("decimal spin box") << "decimal" << QVariant(2.5) << true;
        QTest::newRow("combo from 2") << "combo" << QVariant(4) << false;
        QTest::newRow("line edit") << "line" << QVariant(QStringLiteral("Ab7")) << false;
    }
    void controlsEditTheirRows()
    {
        QFETCH(QString, control);
        QFETCH(QVariant, value);
        QFETCH(bool, merges);
        QWidget panel;
        auto *combo = new QComboBox(&panel);
        combo->addItems({"a", "b", "c", "d"});
        auto *shown = new QLineEdit(&panel);
        shown->setReadOnly(true);
        const QList<QPair<QWidget *, const char *>> controls = {{new QCheckBox(&panel), "check"},
                                                                {new QSpinBox(&panel), "spin"},
                                                                {new QDoubleSpinBox(&panel), "decimal"},
                                                                {combo, "combo"},
                                                                {new QLineEdit(&panel), "line"},
                                                                {shown, "shown"},
                                                                {new QSpinBox(&panel), "own"}};
        for (const auto &c : controls)
            c.first->setObjectName(QLatin1String(c.second));
        const auto row = [](const char *name, int firstValue = 0, bool ownSlot = false) {
            return itemField{"Key",
                             valueForm::text,
                             rowValue::field,
                             1,
                             0,
                             nullptr,
                             {name, firstValue, false, 0, ownSlot},
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             noValue,
                             nullptr};
        };
        const itemField rows[] = {row("check"), row("spin"),  row("decimal"),     row("combo", 2),
                                  row("line"),  row("shown"), row("own", 0, true)};
        QList<std::tuple<const itemField *, QVariant, bool>> edits;
        QObject context;
        const int connected =
            panelEdit::connectFields(panel, {rows, int(std::size(rows)), 0, 0}, &context,
                                     [&edits](const itemField &r, const QVariant &v, bool m) {
                                         edits.append({&r, v, m});
                                     });
        QCOMPARE(connected, 5);

        QWidget *target = panel.findChild<QWidget *>(control);
        const itemField *targetRow = nullptr;
        for (const itemField &r : rows)
            targetRow = control == QLatin1String(r.panel.name) ? &r : targetRow;
        operate(target, *targetRow, value);
        operate(shown, rows[5], QStringLiteral("not an edit"));
        operate(panel.findChild<QWidget *>("own"), rows[6], 5);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(std::get<0>(edits.first()), targetRow);
        QCOMPARE(std::get<1>(edits.first()).toString(), value.toString());
        QCOMPARE(std::get<2>(edits.first()), merges);
    }
};

QTEST_MAIN(TestItemFields)
#include "test_itemfields.moc"
