#include "clifonts.h"

#include "barcodetext.h"
#include "cliio.h"
#include "clitexts.h"
#include "diagrambaritem.h"
#include "itemtypes.h"
#include "textfamilyitem.h"

#include <QFontInfo>
#include <QGraphicsScene>

QVector<fontSubstitute> substitutedFonts(const QStringList &families)
{
    QVector<fontSubstitute> missing;
    QStringList seen;
    for (const QString &family : families) {
        if (family.isEmpty() || seen.contains(family, Qt::CaseInsensitive))
            continue;
        seen << family;
        const QString used = QFontInfo(QFont(family)).family();
        if (used.compare(family, Qt::CaseInsensitive) != 0)
            missing.append({family, used});
    }
    return missing;
}

QStringList designFontFamilies(const QGraphicsScene &scene)
{
    QStringList families;
    for (const QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (const auto *text = dynamic_cast<const textFamilyItem *>(item))
            families << text->font().family();
        else if (item->type() == barItemType && static_cast<const diagramBarItem *>(item)->isTextOn)
            families << barcodeTextFamily();
    }
    return families;
}

QString fontSubstituteText(const fontSubstitute &font)
{
    return font.used.isEmpty() ? cliText::noFontAtAll().arg(font.family)
                               : cliText::fontMissing().arg(font.family, font.used);
}

void warnAboutFonts(const QString &command, const QStringList &families)
{
    for (const fontSubstitute &font : substitutedFonts(families))
        printError(command, fontSubstituteText(font));
}
