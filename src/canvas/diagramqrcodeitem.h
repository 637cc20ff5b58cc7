#pragma once
#include "deferredpixmapitem.h"
#include "itemtypes.h"

#include <QPixmap>
#include <vector>

// The fields that make a QR symbol, held as one value record so that a copy can be handed to the
// generator.
struct qrCodeRecord {
    QString content = QStringLiteral("TALMOR_K3");
    QPixmap qrPixmap;
    int level = 2;
    int scale = 13;
    int version = 1;
    bool isInsVariable = false;
    bool insertCnt = false;
    bool insertTime = false;
    bool converse = false;
    int cntMode = 0;
    int insertCntPos = 0;
    QString timeModeStr;
    int insertTimePos = 0;
    quint32 extStartLine = 1;
    quint32 extEndLine = 1;
    QString extFilePath;
    quint32 extCurLine = 1;
    bool isExtVariable = false;
    bool isAllPrinted = false;
    bool isUartVariable = false;
};

// The module matrix of a symbol, row-major: side × side modules, true for dark. Side 0: no symbol.
struct qrModules {
    int side = 0;
    std::vector<bool> dark;
    bool isDark(int x, int y) const { return dark[size_t(y) * size_t(side) + size_t(x)]; }
};

class diagramQRCodeItem : public deferredPixmapItem, public qrCodeRecord
{
public:
    explicit diagramQRCodeItem(QGraphicsItem *parent = nullptr);

    int type() const override { return qrItemType; }
    // Without a picture the item is the frame of emptypicture.h in the view.
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    QString emptyReason() const; // why the picture is empty, for the frame and the panel
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The symbol picture for a copy of an item's record; empty when no symbol can be made.
    static QPixmap createQRPixmap(qrCodeRecord record);
    // The same picture drawn from the record's modules, already encoded.
    static QPixmap pictureOf(const qrModules &modules, const qrCodeRecord &record);
    // Modules per side of the symbol the record gives (the version the encoder settles on); 0 when there
    // is no symbol. Lets a caller learn a picture's size before drawing it.
    static int symbolModules(const qrCodeRecord &record);
    // The modules the picture of a record shows, for painting them as vectors.
    static qrModules modules(const qrCodeRecord &record);
    // The same for a record this item prints (its own, or one filled in from it): the modules last
    // encoded are kept, so verifying and exporting the item encode it once.
    const qrModules &encodedModules(const qrCodeRecord &record) const;
    // Regenerate qrPixmap from the item's record and show it.
    void regenerate();
    // The same, but the picture is only drawn when first painted or asked for (qrPixmap stays null until
    // then); its size is known at once.
    void regenerateLater();

    const qrCodeRecord &record() const { return *this; }

    // `scale` names the module size; the toolkit's scale factor stays reachable as QGraphicsItem::scale().
    using qrCodeRecord::scale;

private:
    void makeDeferredPixmap() override;
    void dropDeferredPixmap() override;
    qrCodeRecord deferredRecord; // what shapes the deferred picture, taken when it was deferred
    // The modules last encoded and what shaped them.
    mutable qrModules keptModules;
    mutable QString keptContent;
    mutable int keptVersion = -1;
    mutable int keptLevel = -1;
};
