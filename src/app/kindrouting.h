#pragma once
// The window's side of one item kind: its panel in its scroll area, the item that panel edits and the
// routing of the panel's edits to that item. The window keeps one of these per kind, keyed by kind.
#include "itemkinds.h"
#include "widget.h"

#include <QObject>
#include <QPushButton>
#include <QScrollArea>
#include <memory>

class diagramScene;

// No Q_OBJECT: the slots are reached by function pointer, and the texts are the window's (Widget::tr).
class kindRouting : public QObject
{
public:
    kindRouting(Widget *window, itemKind kind);
    ~kindRouting() override;

    const itemKindRow &row() const { return kindRow; }
    Widget *owner() const { return window; }
    QScrollArea *area() const;
    QPushButton *toolButton() const; // makes an item of the kind
    virtual QWidget *panelWidget() const = 0;
    // The item panel edits go to. Never null: the off-scene initial item of the kind until an item of
    // the kind is selected or made.
    virtual QGraphicsItem *current() const = 0;
    virtual QGraphicsItem *initial() const = 0;
    virtual void makeCurrent(QGraphicsItem *item) = 0;
    // Points the current item back at the initial one when it is gone (whatever it is, for nullptr).
    void forget(const QGraphicsItem *gone);
    // Loads the panel from the current item; every control that changes writes back to it.
    virtual void loadPanel() = 0;
    // The content the editor shows for the current item; nullptr for kinds without one.
    virtual const QString *content() const { return nullptr; }
    // "完成": the editor's text applied to the current item, for kinds with a content.
    virtual void applyContent(const QString &text);

protected:
    using editScope = Widget::editScope;
    // Each control the kind's field list names without a slot of its own sets its field on the current
    // item, one undo step per edit (per run of a spin box), and shows the item again.
    void routeFields();
    void showPanel(int kind);
    void refreshPanel();
    diagramScene *scene() const;
    // The folder of the design's file; "." while it has none.
    QString documentFolder() const;

    Widget *window;
    Ui::Widget *ui;

private:
    const itemKindRow &kindRow;
};

// A kind's item class and panel class: the current and the initial item, and the panel placed in the
// scroll area of the kind.
template <typename Item, typename Panel> class kindRoutingOf : public kindRouting
{
public:
    kindRoutingOf(Widget *window, itemKind kind)
        : kindRouting(window, kind), initialItem(static_cast<Item *>(row().create())),
          item(initialItem.get()), panel(new Panel)
    {
        area()->setWidget(panel);
        routeFields();
    }

    QWidget *panelWidget() const override { return panel; }
    QGraphicsItem *current() const override { return item; }
    Item *currentItem() const { return item; }
    QGraphicsItem *initial() const override { return initialItem.get(); }
    void makeCurrent(QGraphicsItem *current) override { item = static_cast<Item *>(current); }
    void loadPanel() override { panel->loadFromItem(item); }

protected:
    // The initial item never joins the scene, so nothing else owns it.
    std::unique_ptr<Item> initialItem;
    Item *item;

public:
    Panel *const panel; // owned by its scroll area
};
