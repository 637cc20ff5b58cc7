#pragma once
#include "barcodesymbol.h"
#include "deferredpixmapitem.h"
#include "itemtypes.h"
#include "symbologytable.h"

#include <QPixmap>

class diagramBarItem : public deferredPixmapItem
{
public:
    explicit diagramBarItem(QGraphicsItem *parent = nullptr);
    ~diagramBarItem() override;
    // The content a new item shows, and what stands in for an empty one (applied or read).
    static QString defaultContent();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override { return barItemType; }
    // Without a picture the item is the frame of emptypicture.h in the view.
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    // Why the picture is empty: the symbology's refusal, shown in the frame and the panel.
    QString emptyReason() const;
    // The sentence naming the first character of content the symbology refuses; empty when none is.
    QString refusedCharacter() const;
    // Whether the view shows the frame: no picture, or the blank picture of refused content.
    bool showsFrame() const;

    // Selectable, then movable; the document reader calls it once more on a loaded item.
    void setItemFlags();

    // The symbol of content in the item's symbology, module width, bar height and text switch. The
    // symbol last encoded is kept: drawing, hit tests, export and verification ask for the same one.
    const barcodeSymbol &symbol(const QString &content) const;
    // The natural-size picture of content in the item's symbology; the item itself is not changed.
    static QPixmap createBarcodePixmap(const diagramBarItem *item, QString content);
    // Regenerate barPixmap from content and show it at its natural size. Returns the refusal code when
    // the content or the size was refused; the caller decides whom to tell.
    std::optional<quint8> regenerate();
    // The same, but the picture is only drawn when first painted or asked for (barPixmap stays null
    // until then); the size and the refusal are known at once.
    std::optional<quint8> regenerateLater();

    QString content;
    int mode = 0;
    QPixmap barPixmap; // the natural picture; null while deferred (pixmap() makes it)
    // The natural picture, made now if it was deferred.
    const QPixmap &naturalPixmap() const
    {
        pixmap();
        return barPixmap;
    }
    bool isTextOn = true;
    int lineWidth = 5;
    int lineHeight = 230;
    quint32 extDataStartLine = 1;
    quint32 extDataEndLine = 1;
    QString extDataFilePath;
    quint32 extDataCurLine = 1;
    bool isExtVariable = false;
    bool isAllPrinted = false;

private:
    void makeDeferredPixmap() override;
    void dropDeferredPixmap() override;
    // What shapes the deferred picture, taken when it was deferred.
    int deferredMode = 0;
    barcodeOptions deferredOptions;
    QString deferredContent;
    // The symbol last encoded and what shaped it. Hit tests ask for it often (is the content refused?),
    // and asking must neither encode again nor draw a deferred picture.
    mutable barcodeSymbol keptSymbol;
    mutable QString keptContent;
    mutable int keptMode = -1;
    mutable barcodeOptions keptOptions;
};

// The operator's warning box for refused barcode content; built fresh for every refusal and run through
// the message-box hook. Given the item, it also names the first character the symbology cannot encode.
// The optional form shows nothing when there was no refusal.
void showBarcodeFormatErrorBox(quint8 code, const QString &detail = QString());
void showBarcodeFormatErrorBox(const std::optional<quint8> &refusal);
void showBarcodeFormatErrorBox(const std::optional<quint8> &refusal, const diagramBarItem &item);
