#pragma once
#include <QColor>
#include <QFont>
#include <QGraphicsTextItem>
#include <optional>

// What the text, time and both counter items share: movable and selectable, a working font ("simsun"
// at 150 pixels) applied when the item first shows its text, and painting. Text, time and counter 1
// show selection as red text without the toolkit's dashed frame; counter 2 keeps the frame.
//
// At 150 pixels the toolkit fills every glyph as an outline on each paint, the most costly part of
// showing or rendering a large design. On pictures (the canvas's and the exports') the glyphs come
// from kept glyph pictures (textglyphs.h). On other devices, painted without rotation, a text painted
// before is drawn from a shared picture instead: every item showing the same text in the same font,
// colour, scale and place within a device pixel (a column of "000000" counters, the time items of one
// design, the visible items at each repaint) uses one picture, drawn once. The picture is made only
// when a painting covers most of the item; the strips that scrolling uncovers are filled in place.
//
// A toolkit text document with its layout and text control costs about 15 KB per item, so a design of
// many text items would hold mostly documents. Until the item takes part in events (clicks, hover,
// focus) or its document is asked for, it keeps only its text, font and colour, and one shared toolkit
// text item measures and draws it: same size, same pixels. Use the text calls below through the item's
// own class; the toolkit's versions, reached through a QGraphicsTextItem pointer, do not see what is
// kept here.
class textFamilyItem : public QGraphicsTextItem
{
public:
    enum class selectionLook { redText, toolkitFrame };

    explicit textFamilyItem(selectionLook look = selectionLook::redText, QGraphicsItem *parent = nullptr);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Applies itemFont and shows text (creation, loading and every edit that changes the text).
    void showText(const QString &text);

    QFont font() const;
    void setFont(const QFont &font);
    QString toPlainText() const;
    void setPlainText(const QString &text);
    QColor defaultTextColor() const;
    void setDefaultTextColor(const QColor &color);
    // The item's own toolkit document, made on first use.
    QTextDocument *document() const;
    void setTextInteractionFlags(Qt::TextInteractionFlags flags);
    // Whether the item holds a toolkit document of its own.
    bool hasOwnDocument() const { return ownDocument; }

    QFont itemFont;

protected:
    bool sceneEvent(QEvent *event) override;

private:
    // Draws the item from its shared picture; false when the painter's transformation does not allow it,
    // or when the picture is not held and wholePainting (most of the item is painted at once) is false.
    bool paintShared(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget,
                     bool wholePainting);
    // The item's document or the shared one set to the item's text; null while nothing is shown.
    QGraphicsTextItem *drawingItem();
    // Draws the text from kept glyph pictures; false when the toolkit has to draw it.
    bool paintGlyphs(QPainter *painter, const QStyleOptionGraphicsItem *option);
    // The toolkit's own painting, by the item's document or the shared one.
    void paintToolkit(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget);
    // Gives the kept text, font and colour to a document of the item's own.
    void makeOwnDocument() const;
    // A new kept text or font: the new size, and a repaint.
    void keptChanged();

    selectionLook look;
    // Kept while the item has no document of its own; unset values are the toolkit's defaults.
    mutable bool ownDocument = false;
    bool keptShown = false; // a text, font or colour was given; before that the toolkit shows nothing
    std::optional<QFont> keptFont;
    std::optional<QColor> keptColor;
    QString keptText;
    QSizeF keptSize;
    QString keptKey; // font and text as one key, made once per change
};
