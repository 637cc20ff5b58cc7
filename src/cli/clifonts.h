#pragma once
// Fonts a design or a barcode asks for that the machine lacks: the toolkit then draws with another
// family, which sprtool tells instead of letting glyphs change or vanish silently.
#include <QString>
#include <QVector>

class QGraphicsScene;

struct fontSubstitute {
    QString family; // asked for
    QString used;   // what the font matching picked instead (empty when no font is installed at all)
};

// The families asked for, each once, that are not installed.
QVector<fontSubstitute> substitutedFonts(const QStringList &families);
// The families the scene's items draw with: text-family fonts and the barcode text font.
QStringList designFontFamilies(const QGraphicsScene &scene);
// One warning on standard error per substituted family.
void warnAboutFonts(const QString &command, const QStringList &families);
QString fontSubstituteText(const fontSubstitute &font);
