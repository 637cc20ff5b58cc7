#pragma once
// Reading exported pages back: a page rasterised by an outside program, and the symbol an item left on
// it, verified as the panel verifies it.
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "symbolverdict.h"

#include <QDebug>
#include <QImage>
#include <QProcess>
#include <QTransform>

namespace
{
// What a symbol in a page picture reads as: the item's rectangle cut out and verified as the panel does.
// origin is the scene point at the picture's top-left corner.
QString readSymbol(const QImage &page, QGraphicsItem *item, const QPoint &origin = QPoint())
{
    const QRect box = item->sceneBoundingRect().toAlignedRect().translated(-origin);
    // A turned item is turned back, as a scanner held the other way would see it.
    const QImage cut = page.copy(box).transformed(QTransform().rotate(-item->rotation()));
    if (item->type() == barItemType) {
        auto *bar = static_cast<diagramBarItem *>(item);
        const barcodeSymbol symbol = bar->symbol(bar->content);
        const symbolVerdict verdict = verifyBarcode(bar->mode, bar->content, symbol, cut);
        return verdict.readable ? verdict.decoded : QStringLiteral("<unreadable: %1>").arg(verdict.reason);
    }
    auto *qr = static_cast<diagramQRCodeItem *>(item);
    // On the page an inverted symbol is dark on white already only around its border; read it inverted.
    const symbolVerdict verdict = verifyQrCode(cut, qr->scale, qr->converse, qr->content);
    return verdict.readable ? verdict.decoded : QStringLiteral("<unreadable: %1>").arg(verdict.reason);
}

QImage rasterised(const QString &program, const QStringList &arguments, const QString &png)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning() << program << process.readAllStandardError();
        return {};
    }
    return QImage(png);
}
} // namespace
