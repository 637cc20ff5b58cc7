// The item-kind table against what each of its numbers stands for: the fixed numbers panel signals and
// stored designs rely on, the section the writer names, and the window's tool column, panels and
// content editor, walked row by row.
#include "diagramscene.h"
#include "itemkinds.h"
#include "sprsections.h"
#include "widgettestaccess.h"

#include <QButtonGroup>
#include <QScrollArea>
#include <QtTest>
#include <iterator>
#include <memory>

class itemKindsTest : public QObject
{
    Q_OBJECT

private slots:
    // Type ids are stored designs' and the writer's; panel kinds and tool ids are what shownPanel()
    // and buttonItemsClicked() have always meant.
    void numbersStayFixed()
    {
        const struct {
            itemKind kind;
            int typeId, panelKind, toolId;
        } fixed[] = {
            {itemKind::text, 65539, 0, 1}, {itemKind::cnt, 65541, 5, 2}, {itemKind::cnt2, 65540, 6, 3},
            {itemKind::time, 65545, 2, 4}, {itemKind::bar, 65543, 3, 7}, {itemKind::image, 65544, 4, 5},
            {itemKind::qr, 65546, 7, 6},
        };
        QCOMPARE(int(std::size(fixed)), itemKindCount);
        for (const auto &row : fixed) {
            const itemKindRow &kind = itemKindRowOf(row.kind);
            QCOMPARE(kind.kind, row.kind);
            QCOMPARE(kind.typeId, row.typeId);
            QCOMPARE(kind.panelKind, row.panelKind);
            QCOMPARE(kind.toolId, row.toolId);
            QCOMPARE(itemKindForType(row.typeId), &kind);
            QCOMPARE(itemKindForPanel(row.panelKind), &kind);
            QCOMPARE(itemKindForTool(row.toolId), &kind);
        }
        QCOMPARE(itemKindForType(0), nullptr);
        QCOMPARE(itemKindForTool(8), nullptr);
    }

    void eachKindFromItsRow_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = 0; k < itemKindCount; ++k)
            QTest::newRow(itemKindRows()[k].displayName) << k;
    }

    // A row's default item, section, tool button, panel and content editor belong together.
    void eachKindFromItsRow()
    {
        QFETCH(int, kind);
        const itemKindRow &row = itemKindRows()[kind];
        const std::unique_ptr<QGraphicsItem> fresh(row.create());
        QCOMPARE(fresh->type(), row.typeId);

        const sectionSpec *section = sectionForType(row.typeId);
        QCOMPARE(section ? section->header : nullptr, row.sectionHeader);
        if (section)
            QCOMPARE(sectionForHeader(QString::fromLatin1(row.sectionHeader)), section);

        Widget w;
        WidgetTestAccess a(w);
        QAbstractButton *tool = w.findChild<QButtonGroup *>()->button(row.toolId);
        QVERIFY(tool);
        w.buttonItemsClicked(row.toolId);
        QGraphicsItem *made = w.designScene()->selectedItems().value(0);
        QVERIFY(made);
        QCOMPARE(made->type(), row.typeId);
        QCOMPARE(a.currents().at(kind), made);
        QCOMPARE(w.shownPanel(), row.panelKind);
        QCOMPARE(a.ui()->editPushButton->isEnabled(), row.hasContent);
        // Only the kind's own panel is shown.
        for (const QScrollArea *area : w.findChildren<QScrollArea *>())
            QCOMPARE(area->isVisibleTo(&w), area->widget() == a.panelOf(row.kind));
    }
};

QTEST_MAIN(itemKindsTest)
#include "test_itemkinds.moc"
