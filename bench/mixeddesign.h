#pragma once
// Mixed designs of any size for the benchmarks and the large-design tests: one fifth each text,
// counter, time, barcode (the seven symbologies in turn) and QR code, spread along the strip. The file
// text is built from the section tables, so every key the reader expects is there; variant changes every
// content, so repeated runs never see the same design twice.
#include "sprsections.h"

#include "itemtypes.h"
#include "symbologytable.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QString>

namespace mixedDesign
{

inline QString barcodeContent(int mode, int n)
{
    const QString digits = QStringLiteral("%1").arg(n % 100000000, 8, 10, QLatin1Char('0'));
    switch (mode) {
    case 0: // EAN-13: thirteen characters; the check digit is computed from the first twelve
        return QStringLiteral("6901") + digits + QLatin1Char('0');
    case 1: // EAN-8: seven digits
        return digits.right(7);
    case 2: // Code 39
        return QStringLiteral("LOT-") + digits.right(6);
    case 3: // Code 93
        return QStringLiteral("LOT") + digits.right(6);
    case 4: // UPC-A: eleven digits
        return QStringLiteral("036") + digits;
    case 5: // UPC-E: number system 0 and six digits
        return QStringLiteral("0") + digits.right(6);
    default: // Code 128
        return QStringLiteral("Lot ") + digits;
    }
}

inline QString textFont()
{
    QFont font(QStringLiteral("simsun"));
    font.setPixelSize(150);
    return font.toString();
}

// The value of one key of item i of its kind; keys not named here are 0.
inline QString valueFor(int kind, const QString &key, int i, int variant)
{
    const int n = i * 7919 + variant * 104729;
    if (key.endsWith(QLatin1String("AtX")))
        return QString::number((i * 37) % 76000);
    if (key.endsWith(QLatin1String("AtY")))
        return QString::number((i * 7) % 78);
    if (key.endsWith(QLatin1String("Font")))
        return textFont();
    if (key.endsWith(QLatin1String("FontSize")))
        return QStringLiteral("150");
    if (key.contains(QLatin1String("Line")) && !key.startsWith(QLatin1String("BarLine")))
        return QStringLiteral("1"); // external data lines
    switch (kind) {
    case textItemType:
        if (key == QLatin1String("TextContent"))
            return QStringLiteral("Lot %1 A").arg(n % 1000000);
        break;
    case cntItemType:
        if (key == QLatin1String("CntMode"))
            return QString::number(1 + (i + variant) % 8);
        break;
    case timeItemType:
        if (key == QLatin1String("TimeMode"))
            return (i + variant) % 2 ? QStringLiteral("yyyy/MM/dd hh:mm:ss") : QStringLiteral("yyyy-MM-dd");
        if (key == QLatin1String("TimeModeIndex"))
            return QStringLiteral("17");
        break;
    case barItemType: {
        const int mode = (i / 5) % barcodeModeCount;
        if (key == QLatin1String("BarMode"))
            return QString::number(mode);
        if (key == QLatin1String("BarContent"))
            return barcodeContent(mode, n);
        if (key == QLatin1String("BarIsTextOn"))
            return QStringLiteral("1");
        if (key == QLatin1String("BarLineWidth"))
            return QString::number(2 + (i + variant) % 4);
        if (key == QLatin1String("BarLineHeight"))
            return QString::number(60 + (i + variant) % 5 * 40);
        break;
    }
    case qrItemType:
        if (key == QLatin1String("QRcodeContent"))
            return QStringLiteral("https://example.com/lot/%1").arg(n % 10000000);
        if (key == QLatin1String("QRcodeLevel"))
            return QString::number((i + variant) % 4);
        if (key == QLatin1String("QRcodeScale"))
            return QString::number(2 + (i + variant) % 5);
        if (key == QLatin1String("QRcodeVersion"))
            return QString::number(1 + (i + variant) % 5);
        break;
    default:
        break;
    }
    return QStringLiteral("0");
}

// The text of a design of count items. SceneWidth is left at 0: a design read and written once carries
// the writer's own header, which is what a resave must then reproduce.
inline QByteArray designBytes(int count, int variant = 0)
{
    static const int kinds[] = {textItemType, cntItemType, timeItemType, barItemType, qrItemType};
    QString out;
    out.reserve(count * 400);
    out += QStringLiteral("[FileInfo]\r\nSceneWidth =0\r\nSceneHeight =300\r\nDynamicItemNum =0\r\n");
    out += QStringLiteral("TotalItemNum =%1\r\n").arg(count);
    for (int i = 0; i < count; ++i) {
        const int kind = kinds[i % 5];
        const sectionSpec *section = sectionForType(kind);
        out += QLatin1String(section->header);
        out += QLatin1String("\r\n");
        for (int r = 0; r < section->rowCount; ++r) {
            const QString key = QLatin1String(section->rows[r].key);
            out += key + QStringLiteral(" =") + valueFor(kind, key, i, variant) + QStringLiteral("\r\n");
        }
    }
    return out.toUtf8();
}

} // namespace mixedDesign
