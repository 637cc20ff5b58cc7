#pragma once
// The window's per-kind container: one routing per item kind, keyed by kind, and which kind's panel is
// shown. The window asks it which panel to show, which item an edit goes to and what the content
// editor holds.
#include "itemkinds.h"

#include <array>
#include <memory>

class QGraphicsItem;
class QString;
class Widget;
class kindRouting;

class kindPanels
{
public:
    explicit kindPanels(Widget *window);
    ~kindPanels();

    kindRouting &operator[](itemKind kind) const { return *routings[int(kind)]; }
    const std::array<std::unique_ptr<kindRouting>, itemKindCount> &all() const { return routings; }
    // The routing class of a kind, as its Routing::kind names it.
    template <typename Routing> Routing &get() const
    {
        return static_cast<Routing &>((*this)[Routing::kind]);
    }
    // The kind whose panel was shown last (the text panel's before any); nullptr after a panel kind no
    // kind has.
    kindRouting *shown() const;
    int shownPanel() const { return currentPanel; }

    // Shows the panel of a panel kind and hides the others; the content editor's button follows.
    void show(int panelKind);
    // Disables every panel and the content button until the next show.
    void disable();
    // Makes item the current one of its kind, shows and loads its panel and the editor its content.
    void select(QGraphicsItem *item);
    // Loads the shown panel again from its item, after anything changed the item's values.
    void refresh();
    // The content editor shows the content of the item the shown panel edits; nothing when that item is
    // not in the design.
    void showContent();
    // Every current item that is gone (every one, for nullptr) falls back to its kind's initial item.
    void forget(const QGraphicsItem *gone);

    // While a panel is loaded, the write-back of its controls is no step in the history.
    bool loading = false;

private:
    Widget *window;
    std::array<std::unique_ptr<kindRouting>, itemKindCount> routings;
    int currentPanel = 0;
};
