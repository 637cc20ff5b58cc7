#include "symbolverdict.h"

#include "barcodeerror.h"
#include "barcoderender.h"
#include "symbologytable.h"
#include "symbolscan.h"

#include <QCoreApplication>
#include <functional>

QString scanFailureText(scanFailure failure)
{
    switch (failure) {
    case scanFailure::noPicture:
        return QCoreApplication::translate("symbolVerdict", "没有图片");
    case scanFailure::damaged:
        return QCoreApplication::translate("symbolVerdict", "符号损坏");
    case scanFailure::checksum:
        return QCoreApplication::translate("symbolVerdict", "校验不符");
    default:
        return QCoreApplication::translate("symbolVerdict", "未找到符号");
    }
}

namespace
{
QString quoted(const QString &text)
{
    return QCoreApplication::translate("symbolVerdict", "“%1”").arg(text);
}

// EAN and UPC: the text a scanner reports is the data digits the encoder read and its own check digit.
void explainEanUpc(const symbologyRow &row, const QString &content, symbolVerdict &verdict)
{
    const int index = row.checkDigitAt;
    const QByteArray latin = content.toLatin1();
    const char check = row.checkDigitOf(latin.left(index));
    verdict.expected = content.left(index) + QLatin1Char(check);
    if (content.size() > index && latin.at(index) != check) {
        verdict.typedCheckDigit = content.at(index);
        verdict.computedCheckDigit = QLatin1Char(check);
    }
    if (!verdict.typedCheckDigit.isNull())
        verdict.notes << QCoreApplication::translate("symbolVerdict",
                                                     "输入的校验位 %1 与计算出的校验位 %2 不同，条码中是 %2")
                             .arg(quoted(content.mid(index, 1)), QString(QChar(check)));
    if (content.size() > index + 1)
        verdict.unencodedCharacters = content.mid(index + 1);
    if (!verdict.unencodedCharacters.isEmpty())
        verdict.notes << QCoreApplication::translate("symbolVerdict", "多余的字符 %1 未编码")
                             .arg(quoted(content.mid(index + 1)));
    if (row.numberSystemZeroOnly && latin.at(0) != '0') {
        verdict.notes << QCoreApplication::translate("symbolVerdict", "UPC-E 的数制位 %1 按 0 的规则编码")
                             .arg(quoted(content.left(1)));
        verdict.expected[0] = QLatin1Char('0');
    }
}

// Code 39, 93 and 128 encode the characters before any refusal; Code 128 turns characters outside
// Latin-1 into "?".
void explainCharacters(const symbologyRow &row, const QString &content, const barcodeSymbol &symbol,
                       symbolVerdict &verdict)
{
    const QString encoded = content.left(symbol.encodedCharacters);
    verdict.expected = encoded;
    if (row.replacesBeyondLatin1) {
        QString replaced;
        for (int i = 0; i < encoded.size(); ++i) {
            if (encoded.at(i).unicode() > 0xFF) {
                verdict.expected[i] = QLatin1Char('?');
                if (!replaced.contains(encoded.at(i)))
                    replaced += encoded.at(i);
            }
        }
        verdict.replacedCharacters = replaced;
        if (!replaced.isEmpty())
            verdict.notes << QCoreApplication::translate("symbolVerdict",
                                                         "Code 128 无法编码的字符 %1 被替换为 “?”")
                                 .arg(quoted(replaced));
    }
    if (!symbol.refusal && encoded.size() < content.size())
        verdict.unencodedCharacters = content.mid(encoded.size());
    if (!verdict.unencodedCharacters.isEmpty())
        verdict.notes << QCoreApplication::translate("symbolVerdict", "超出长度的字符 %1 未编码")
                             .arg(quoted(content.mid(encoded.size())));
}

void compareDecoded(symbolVerdict &verdict)
{
    if (verdict.readable && verdict.decoded != verdict.expected)
        verdict.notes << QCoreApplication::translate("symbolVerdict", "扫描结果与预期的 %1 不同")
                             .arg(quoted(verdict.expected));
}

void takeScan(const scanResult &scanned, symbolVerdict &verdict)
{
    verdict.readable = scanned.found;
    verdict.decoded = scanned.text;
    if (!scanned.found && verdict.reason.isEmpty())
        verdict.reason = scanFailureText(scanned.failure);
}
} // namespace

QString symbolVerdict::summary() const
{
    if (readable)
        return QCoreApplication::translate("symbolVerdict", "✓ %1").arg(decoded);
    return QCoreApplication::translate("symbolVerdict", "✗ 无法识别：%1").arg(reason);
}

QString symbolVerdict::details() const
{
    QStringList lines{summary()};
    lines << facts << notes;
    return lines.join(QLatin1Char('\n'));
}

namespace
{
// A scanner reads a line across the bars; a band of rows through their middle is what it sees, the
// text band left out.
QRect scanBand(const QSize &picture, const barcodeSymbol &symbol)
{
    const int barRows = qMin(picture.height(), symbol.options.e);
    const int band = qMin(barRows, 3);
    return QRect(0, (barRows - band) / 2, picture.width(), band);
}

// The verdict on a symbol; bars gives the rows of its picture in a band, picture is the picture's size
// (empty when there is none).
symbolVerdict barcodeVerdict(int mode, const QString &content, const barcodeSymbol &symbol,
                             const std::function<QImage(const QRect &)> &bars, const QSize &picture)
{
    symbolVerdict verdict = describeBarcode(mode, content, symbol);
    if (!isBarcodeMode(mode))
        return verdict;
    const int d = symbol.options.d;
    takeScanOf(verdict, scanPicture(bars(scanBand(picture, symbol)), scanSymbologyForMode(mode), 12 * d, d),
               !picture.isEmpty());
    return verdict;
}
} // namespace

symbolVerdict describeBarcode(int mode, const QString &content, const barcodeSymbol &symbol)
{
    symbolVerdict verdict;
    if (!isBarcodeMode(mode)) {
        verdict.reason = scanFailureText(scanFailure::noPicture);
        return verdict;
    }
    const symbologyRow &row = barcodeSymbology(mode);
    verdict.refused = symbol.refusal.has_value();
    if (symbol.refusal)
        verdict.reason = QCoreApplication::translate("symbolVerdict", "内容无法编码：%1")
                             .arg(barcodeErrorMessage(*symbol.refusal));
    else if (row.checkDigitOf)
        explainEanUpc(row, content, verdict);
    if (!row.checkDigitOf)
        explainCharacters(row, content, symbol, verdict);
    return verdict;
}

void takeScanOf(symbolVerdict &verdict, const scanResult &scanned, bool drawn)
{
    takeScan(scanned, verdict);
    verdict.failedScanOnly = !verdict.readable && !verdict.refused && drawn;
    compareDecoded(verdict);
}

symbolVerdict verifyBarcode(int mode, const QString &content, const barcodeSymbol &symbol,
                            const QImage &picture)
{
    return barcodeVerdict(
        mode, content, symbol, [&](const QRect &band) { return picture.copy(band); }, picture.size());
}

symbolVerdict verifyBarcodeSymbol(int mode, const QString &content, const barcodeSymbol &symbol)
{
    return barcodeVerdict(
        mode, content, symbol,
        [&](const QRect &band) { return renderBarcodeRows(symbol, band.top(), band.height()); }, symbol.size);
}

symbolVerdict verifyQrCode(const QImage &picture, int moduleSize, bool converse, const QString &expected)
{
    symbolVerdict verdict;
    verdict.expected = expected;
    takeScanOf(verdict,
               scanPicture(picture, scanSymbology::qrCode, 4 * qMax(1, moduleSize), moduleSize, converse),
               !picture.isNull());
    return verdict;
}
