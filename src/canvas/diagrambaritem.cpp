#include "diagrambaritem.h"

#include "barcodeencoders.h"
#include "barcodeerror.h"
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
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    QGraphicsPixmapItem::paint(painter, &plain, widget);
}

QPixmap diagramBarItem::createBarcodePixmap(const diagramBarItem *item, QString content)
{
    const barcodeEncoder encoder = barcodeEncoderForMode(item->mode);
    if (!encoder)
        return {};
    return encoder(item->isTextOn, item->lineWidth, item->lineHeight, content);
}

void diagramBarItem::regenerate()
{
    barPixmap = createBarcodePixmap(this, content);
    setPixmap(barPixmap);
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

void installBarcodeErrorBox()
{
    setBarcodeErrorHandler(showBarcodeFormatErrorBox);
}
