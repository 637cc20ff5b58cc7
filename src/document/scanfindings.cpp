#include "scanfindings.h"

#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "shownrecord.h"
#include "symbolscan.h"

#include <QCoreApplication>

namespace
{
QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString failureText(const symbolVerdict &verdict)
{
    return verdict.decoded.isEmpty() ? QCoreApplication::translate("scanFindings", "扫描器读不出它")
                                     : verdict.decoded;
}
} // namespace

std::optional<symbolVerdict> itemVerdict(const QGraphicsItem &item)
{
    // A deferred picture is drawn for the scan only and not kept: checking a design must not hold every
    // symbol's picture at once.
    if (item.type() == barItemType) {
        const auto &bar = static_cast<const diagramBarItem &>(item);
        // A record shown in preview is verified as it prints; the item's own picture is of its content.
        const QString content = printedContent(bar, bar.content);
        const barcodeSymbol &symbol = bar.symbol(content);
        if (bar.isDeferred() || content != bar.content)
            return verifyBarcodeSymbol(bar.mode, content, symbol);
        return verifyBarcode(bar.mode, content, symbol, bar.naturalPixmap().toImage());
    }
    if (item.type() == qrItemType) {
        // The scanner samples modules at scanQrModulePixels; the picture at that module size reads as the
        // item's own, which at a large scale takes hundreds of megabytes.
        const auto &qr = static_cast<const diagramQRCodeItem &>(item);
        qrCodeRecord scanned = printedQrRecord(qr, std::nullopt);
        scanned.scale = qMin(qr.scale, scanQrModulePixels);
        const QImage picture =
            qr.pictureSize().isEmpty()
                ? QImage()
                : diagramQRCodeItem::pictureOf(qr.encodedModules(scanned), scanned).toImage();
        return verifyQrCode(picture, scanned.scale, qr.converse, scanned.content);
    }
    return std::nullopt;
}

std::optional<symbolVerdict> itemDescription(const QGraphicsItem &item)
{
    if (item.type() == barItemType) {
        const auto &bar = static_cast<const diagramBarItem &>(item);
        const QString content = printedContent(bar, bar.content);
        return describeBarcode(bar.mode, content, bar.symbol(content));
    }
    if (item.type() == qrItemType) {
        symbolVerdict verdict;
        verdict.expected =
            printedQrRecord(static_cast<const diagramQRCodeItem &>(item), std::nullopt).content;
        return verdict;
    }
    return std::nullopt;
}

QStringList scanFindings(const QGraphicsItem &item, const symbolVerdict &verdict)
{
    const QString key =
        item.type() == barItemType ? QStringLiteral("BarContent") : QStringLiteral("QRcodeContent");
    const QString content = item.type() == barItemType ? static_cast<const diagramBarItem &>(item).content
                                                       : static_cast<const diagramQRCodeItem &>(item).content;
    return verdictFindings(verdict, key, content);
}

QStringList verdictFindings(const symbolVerdict &verdict, const QString &key, const QString &content)
{
    QStringList findings;
    if (verdict.failedScanOnly)
        findings << QCoreApplication::translate("scanFindings", "%1 %2 画出来了，但扫描不出（%3）")
                        .arg(key, quoted(content), failureText(verdict));
    if (!verdict.typedCheckDigit.isNull())
        findings << QCoreApplication::translate("scanFindings",
                                                "%1 %2：输入的校验位 %3 与计算出的 %4 不同，条码中用的是 %4")
                        .arg(key, quoted(content), verdict.typedCheckDigit, verdict.computedCheckDigit);
    if (!verdict.replacedCharacters.isEmpty())
        findings << QCoreApplication::translate("scanFindings", "%1 %2：Code 128 无法编码 %3；条码中改为“?”")
                        .arg(key, quoted(content), quoted(verdict.replacedCharacters));
    if (!verdict.unencodedCharacters.isEmpty())
        findings << QCoreApplication::translate("scanFindings", "%1 %2：字符 %3 没有被编码")
                        .arg(key, quoted(content), quoted(verdict.unencodedCharacters));
    if (verdict.readable && verdict.decoded != verdict.expected)
        findings << QCoreApplication::translate("scanFindings", "%1 %2 扫描结果为 %3，而不是 %4")
                        .arg(key, quoted(content), quoted(verdict.decoded), quoted(verdict.expected));
    return findings;
}
