#include "diagrambaritem.h"

#include "barcodeencoders.h"
#include "barcodeerror.h"
#include "barcoderender.h"
#include "emptypicture.h"
#include "modalhooks.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionGraphicsItem>

diagramBarItem::diagramBarItem(QGraphicsItem *parent) : QGraphicsPixmapItem(parent), content("6901234567892")
{
    setItemFlags();
}

diagramBarItem::~diagramBarItem() = default;

void diagramBarItem::setItemFlags()
{
    setFlag(ItemIsSelectable);
    setFlag(ItemIsMovable);
}

// A fresh option with no state flags: a selected barcode looks exactly like an unselected one.
void diagramBarItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    if (showsFrame())
        return emptyPicture::paint(painter, widget, emptyReason(), boundingRect());
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    QGraphicsPixmapItem::paint(painter, &plain, widget);
}

QRectF diagramBarItem::boundingRect() const
{
    return pixmap().isNull() ? emptyPicture::frame() : QGraphicsPixmapItem::boundingRect();
}

QPainterPath diagramBarItem::shape() const
{
    return showsFrame() ? emptyPicture::boxShape(boundingRect()) : QGraphicsPixmapItem::shape();
}

bool diagramBarItem::showsFrame() const
{
    if (pixmap().isNull())
        return true;
    if (pixmap().cacheKey() != frameCheckedKey) {
        frameCheckedKey = pixmap().cacheKey();
        refusedContent = symbol(content).refusal.has_value();
    }
    return refusedContent;
}

QString diagramBarItem::emptyReason() const
{
    const std::optional<quint8> refusal = symbol(content).refusal;
    return refusal ? barcodeErrorMessage(*refusal) : emptyPicture::noPictureReason();
}

barcodeSymbol diagramBarItem::symbol(const QString &content) const
{
    return encodeBarcode(mode, {isTextOn, lineWidth, lineHeight}, content);
}

QPixmap diagramBarItem::createBarcodePixmap(const diagramBarItem *item, QString content)
{
    return renderBarcodePixmap(item->symbol(content));
}

std::optional<quint8> diagramBarItem::regenerate()
{
    const barcodeSymbol made = symbol(content);
    barPixmap = renderBarcodePixmap(made);
    setPixmap(barPixmap);
    return made.refusal;
}

void showBarcodeFormatErrorBox(quint8 code)
{
    const QString message = barcodeErrorMessage(code);
    const QString title = QCoreApplication::translate("QObject", "警告");
    const QString caption = QCoreApplication::translate("QObject", "确认");
    QMessageBox box;
    box.setWindowTitle(title);
    box.setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    QPushButton *button = box.addButton(caption, QMessageBox::YesRole);
    const QFont font(QStringLiteral("simsun"), 9);
    box.setFont(font);
    button->setFont(font);
    modalHooks::execMessageBox(box);
}

void showBarcodeFormatErrorBox(const std::optional<quint8> &refusal)
{
    if (refusal)
        showBarcodeFormatErrorBox(*refusal);
}
