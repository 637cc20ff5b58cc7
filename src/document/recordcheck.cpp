#include "recordcheck.h"

#include "barcodeerror.h"
#include "datafilefields.h"
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "printstrip.h"
#include "scanfindings.h"
#include "sprsections.h"
#include "symbolscan.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QHash>

namespace
{
QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The key that names each kind's data file, for the findings.
QString pathKey(int type)
{
    switch (type) {
    case qrItemType:
        return QStringLiteral("QRcodeExtFilePath");
    case barItemType:
        return QStringLiteral("BarExtDataFilePath");
    case textItemType:
        return QStringLiteral("TextExtDataFilePath");
    case imageItemType:
        return QStringLiteral("ImagePixPath");
    default:
        return QString();
    }
}

recordVerdict verifyBarcodeRecord(const diagramBarItem &bar, const QString &content)
{
    recordVerdict v;
    const barcodeSymbol symbol = bar.symbol(content);
    v.refusal = symbol.refusal;
    if (symbol.refusal) {
        v.refusedCharacter = barcodeRefusedCharacter(*symbol.refusal, content, symbol.encodedCharacters);
        return v;
    }
    v.size = symbol.size;
    v.scan = verifyBarcodeSymbol(bar.mode, content, symbol);
    return v;
}

// Scanned at the scanner's module size, as the items themselves are.
recordVerdict verifyQrRecord(const diagramQRCodeItem &qr, const QString &content)
{
    recordVerdict v;
    qrCodeRecord record = qr.record();
    record.content = content;
    // The line is the whole content: the placeholders belong to the typed content.
    record.insertCnt = record.insertTime = record.isInsVariable = false;
    const int modules = diagramQRCodeItem::symbolModules(record);
    v.noSymbol = modules == 0;
    if (v.noSymbol)
        return v;
    const double side = double(modules + (record.converse ? 2 : 0)) * qMax(0, record.scale);
    v.size = QSizeF(side, side);
    record.scale = qMin(record.scale, scanQrModulePixels);
    const QImage picture = diagramQRCodeItem::createQRPixmap(record).toImage();
    v.scan = verifyQrCode(picture, record.scale, record.converse, content);
    return v;
}

// The text's own box, wider or narrower by the record's advance.
recordVerdict verifyTextRecord(const diagramTextItem &text, const QString &content)
{
    recordVerdict v;
    const QFontMetricsF metrics(text.font());
    const QRectF own = text.boundingRect();
    v.size = QSizeF(own.width() - metrics.horizontalAdvance(text.toPlainText()) +
                        metrics.horizontalAdvance(content),
                    own.height());
    return v;
}

// Characters the text's font cannot draw (the printer has no fallback font); each named once.
QString missingCharacters(const diagramTextItem &text, const QString &content)
{
    const QFontMetricsF metrics(text.font());
    QString missing;
    const QVector<uint> points = content.toUcs4();
    for (uint point : points) {
        const char32_t code = point;
        const QString character = QString::fromUcs4(&code, 1);
        if (!QChar::isSpace(point) && !metrics.inFontUcs4(point) && !missing.contains(character))
            missing += character;
    }
    return missing;
}

// Where the item's box with a record's size ends, when that is past the strip and its own box is not.
bool leavesStrip(const QGraphicsItem &item, const QSizeF &size, QRectF *box)
{
    const QRectF own = item.sceneBoundingRect();
    *box = item.sceneTransform().mapRect(QRectF(item.boundingRect().topLeft(), size));
    const auto past = [](const QRectF &r) { return r.right() > stripLength || r.bottom() > stripHeight; };
    return !size.isEmpty() && past(*box) && !past(own);
}

// The line of each data-file item's path key in file order, per kind; the section's own line when it has
// none. The reader builds one item per section header, so the n-th line of a kind is its n-th item.
QHash<int, QVector<int>> pathKeyLines(const QByteArray &data)
{
    QHash<int, QVector<int>> lines;
    int type = 0;
    forEachFileLine(data, [&](int number, const QString &line) {
        if (const sectionSpec *section = sectionForHeader(line)) {
            type = section->typeId;
            lines[type].append(number);
        } else if (type && !pathKey(type).isEmpty() &&
                   line.section(QLatin1Char('='), 0, 0).trimmed() == pathKey(type)) {
            lines[type].last() = number;
        }
        return true;
    });
    return lines;
}

void checkRange(const QGraphicsItem &item, const dataFileSettings &s, const QString &where, int line,
                const dataFileContents &file, QVector<sprFinding> &findings, recordTotals &totals)
{
    const qint64 count = file.lines.size();
    if (s.firstLine == 0 || s.firstLine > s.lastLine)
        findings.append({line, QCoreApplication::translate(
                                   "recordCheck", "%1：起始行 %2、结束行 %3 不是一个行范围（行号从 1 起）")
                                   .arg(where)
                                   .arg(s.firstLine)
                                   .arg(s.lastLine)});
    if (s.lastLine > count)
        findings.append(
            {line, QCoreApplication::translate("recordCheck", "%1：结束行 %2 超出数据文件的末尾（共 %3 行）")
                       .arg(where)
                       .arg(s.lastLine)
                       .arg(count)});
    const qint64 last = qMin<qint64>(s.lastLine, count);
    for (qint64 n = qMax<qint64>(s.firstLine, 1); n <= last; ++n) {
        ++totals.checked;
        const QByteArray &bytes = file.lines.at(int(n - 1));
        const QString at = QCoreApplication::translate("recordCheck", "%1 第 %2 行").arg(where).arg(n);
        QString content;
        QStringList problems;
        if (bytes.isEmpty())
            problems << QCoreApplication::translate("recordCheck", "%1：空行").arg(at);
        else if (!decodeRecord(bytes, &content))
            problems << QCoreApplication::translate("recordCheck", "%1：不是 UTF-8 文本").arg(at);
        else
            problems = recordProblems(item, content, at);
        if (problems.isEmpty())
            continue;
        ++totals.refused;
        for (const QString &problem : qAsConst(problems))
            findings.append({line, problem});
    }
}
} // namespace

QHash<const QGraphicsItem *, int> itemPathLines(const QGraphicsScene &scene, const QByteArray &data)
{
    const QHash<int, QVector<int>> lines = pathKeyLines(data);
    QHash<int, int> seen;
    QHash<const QGraphicsItem *, int> byItem;
    for (const QGraphicsItem *item : scene.items(Qt::DescendingOrder))
        if (lines.contains(item->type()))
            byItem.insert(item, lines.value(item->type()).value(seen[item->type()]++, 1));
    return byItem;
}

recordVerdict verifyRecord(const QGraphicsItem &item, const QString &content)
{
    switch (item.type()) {
    case barItemType:
        return verifyBarcodeRecord(static_cast<const diagramBarItem &>(item), content);
    case qrItemType:
        return verifyQrRecord(static_cast<const diagramQRCodeItem &>(item), content);
    case textItemType:
        return verifyTextRecord(static_cast<const diagramTextItem &>(item), content);
    default:
        return {};
    }
}

QStringList recordProblems(const QGraphicsItem &item, const QString &content, const QString &where)
{
    const recordVerdict v = verifyRecord(item, content);
    QStringList problems;
    if (v.refusal) {
        QString text = barcodeErrorMessage(*v.refusal);
        if (!v.refusedCharacter.isEmpty())
            text += QLatin1Char(' ') + v.refusedCharacter;
        problems << QCoreApplication::translate("recordCheck", "%1 %2：被拒绝（%3）：%4")
                        .arg(where, quoted(content))
                        .arg(*v.refusal)
                        .arg(text);
    }
    if (v.noSymbol)
        problems << QCoreApplication::translate("recordCheck", "%1 %2：没有能容纳它的二维码")
                        .arg(where, quoted(content));
    if (v.scan)
        problems << verdictFindings(*v.scan, where, content);
    if (item.type() == textItemType) {
        const QString missing = missingCharacters(static_cast<const diagramTextItem &>(item), content);
        if (!missing.isEmpty())
            problems << QCoreApplication::translate("recordCheck", "%1 %2：字体 %3 没有字符 %4")
                            .arg(where, quoted(content),
                                 static_cast<const diagramTextItem &>(item).font().family(), quoted(missing));
    }
    QRectF box;
    if (leavesStrip(item, v.size, &box))
        problems << QCoreApplication::translate("recordCheck", "%1 %2：项目伸到 x %3、y %4，超出打印条")
                        .arg(where, quoted(content), realText(box.right()), realText(box.bottom()));
    return problems;
}

void checkDataFileRecords(const QGraphicsScene &scene, const QByteArray &data, const QString &designDir,
                          const dataFileContents *override, QVector<sprFinding> &findings,
                          recordTotals &totals)
{
    const QHash<const QGraphicsItem *, int> lines = itemPathLines(scene, data);
    for (const QGraphicsItem *item : scene.items(Qt::DescendingOrder)) {
        const std::optional<dataFileSettings> s = dataFileSettingsOf(item);
        if (!s)
            continue;
        const int line = lines.value(item, 1);
        if (!s->isExtVariable)
            continue;
        ++totals.items;
        QString where = pathKey(item->type()) + QLatin1Char(' ') + quoted(s->path);
        if (override)
            where +=
                QCoreApplication::translate("recordCheck", "（代之以 %1）")
                    .arg(quoted(override->foundPath.isEmpty() ? QStringLiteral("-") : override->foundPath));
        const dataFileContents file = override ? *override : readDataFile(s->path, designDir);
        if (!file.problem.isEmpty()) {
            findings.append(
                {line, QCoreApplication::translate("recordCheck", "%1：%2").arg(where, file.problem)});
            continue;
        }
        checkRange(*item, *s, where, line, file, findings, totals);
    }
}

QString recordTotalsText(const recordTotals &totals)
{
    return QCoreApplication::translate("recordCheck", "数据文件：检查了 %1 行，%2 行有问题")
        .arg(totals.checked)
        .arg(totals.refused);
}
