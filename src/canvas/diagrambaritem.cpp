#include "diagrambaritem.h"

#include "barcodeencoders.h"
#include "barcodeerror.h"
#include "barcoderender.h"
#include "emptypicture.h"
#include "modalhooks.h"
#include "sharedpictures.h"
#include "shownrecord.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionGraphicsItem>

diagramBarItem::diagramBarItem(QGraphicsItem *parent) : deferredPixmapItem(parent), content(defaultContent())
{
    setItemFlags();
}

// The content of a new item: the default of its first symbology, which new items start in.
QString diagramBarItem::defaultContent()
{
    return QLatin1String(barcodeSymbologies[0].defaultContent);
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
    deferredPixmapItem::paint(painter, &plain, widget);
}

QRectF diagramBarItem::boundingRect() const
{
    return pictureSize().isEmpty() ? emptyPicture::frame() : deferredPixmapItem::boundingRect();
}

QPainterPath diagramBarItem::shape() const
{
    return showsFrame() ? emptyPicture::boxShape(boundingRect()) : deferredPixmapItem::shape();
}

bool diagramBarItem::showsFrame() const
{
    if (pictureSize().isEmpty())
        return true;
    return symbol(printedContent(*this, content)).refusal.has_value();
}

QString diagramBarItem::emptyReason() const
{
    if (const QString problem = shownRecordProblem(*this); !problem.isEmpty())
        return problem;
    const QString content = printedContent(*this, this->content);
    const barcodeSymbol made = symbol(content);
    if (!made.refusal)
        return emptyPicture::noPictureReason();
    const QString detail = barcodeRefusedCharacter(*made.refusal, content, made.encodedCharacters);
    return detail.isEmpty() ? barcodeErrorMessage(*made.refusal)
                            : barcodeErrorMessage(*made.refusal) + QLatin1Char('\n') + detail;
}

QString diagramBarItem::refusedCharacter() const
{
    const barcodeSymbol made = symbol(content);
    return made.refusal ? barcodeRefusedCharacter(*made.refusal, content, made.encodedCharacters) : QString();
}

const barcodeSymbol &diagramBarItem::symbol(const QString &content) const
{
    if (keptMode != mode || content != keptContent || keptOptions.isTextOn != isTextOn ||
        keptOptions.d != lineWidth || keptOptions.e != lineHeight) {
        keptOptions = {isTextOn, lineWidth, lineHeight};
        keptSymbol = encodeBarcode(mode, keptOptions, content);
        keptMode = mode;
        keptContent = content;
    }
    return keptSymbol;
}

QPixmap diagramBarItem::createBarcodePixmap(const diagramBarItem *item, QString content)
{
    return renderBarcodePixmap(item->symbol(content));
}

namespace
{
// Everything that shapes a barcode picture; the text font is the same for all.
QString pictureKey(int mode, const barcodeOptions &options, const QString &content)
{
    return QStringLiteral("bar %1 %2 %3 %4 ")
               .arg(mode)
               .arg(int(options.isTextOn))
               .arg(options.d)
               .arg(options.e) +
           content;
}
} // namespace

std::optional<quint8> diagramBarItem::regenerate()
{
    const std::optional<quint8> refusal = regenerateLater();
    pixmap();
    return refusal;
}

std::optional<quint8> diagramBarItem::regenerateLater()
{
    const barcodeSymbol made = symbol(content);
    deferredMode = mode;
    deferredOptions = {isTextOn, lineWidth, lineHeight};
    deferredContent = content;
    barPixmap = QPixmap();
    deferPixmap(made.size);
    return made.refusal;
}

void diagramBarItem::makeDeferredPixmap()
{
    const QString key = pictureKey(deferredMode, deferredOptions, deferredContent);
    barPixmap = sharedPictures::picture(key, [this] {
        return renderBarcodePixmap(encodeBarcode(deferredMode, deferredOptions, deferredContent));
    });
    setPixmap(barPixmap);
}

void diagramBarItem::dropDeferredPixmap()
{
    barPixmap = QPixmap();
}

void showBarcodeFormatErrorBox(quint8 code, const QString &detail)
{
    const QString message = barcodeErrorMessage(code);
    const QString title = QCoreApplication::translate("QObject", "警告");
    const QString caption = QCoreApplication::translate("QObject", "确认");
    QMessageBox box;
    box.setWindowTitle(title);
    box.setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    box.setInformativeText(detail);
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

void showBarcodeFormatErrorBox(const std::optional<quint8> &refusal, const diagramBarItem &item)
{
    if (refusal)
        showBarcodeFormatErrorBox(*refusal, item.refusedCharacter());
}
