#pragma once
// The item sections of a .spr file: a header per item kind, whose key lines are the keyed rows of the
// kind's field list (itemfields.h), and the text forms of their values. Writer, reader and checker all
// walk these tables.
#include "itemfields.h"

#include <QString>

class QFont;
class QGraphicsItem;

// The font as the printer's files carry it: the ten comma-separated fields of Qt 5's QFont::toString()
// (family, point size, pixel size, style hint, weight on the 0 to 99 scale, style, underline, strike-out,
// fixed pitch, 0), then the style name when there is one. Qt 6 writes sixteen fields with another weight
// scale, so the text is composed here for both.
QString fontDescription(const QFont &font);

// Values of a section that are not item fields; the reader applies them when it builds the item.
struct sectionPlacement {
    double x = 0;
    double y = 0;
    double rotation = 0;
    QString font;
    double fontSize = 0; // pixel size
    int spacing = 0;     // absolute letter spacing
    double width = 0;    // image: shown size
    double height = 0;
};

// A key line of a section: a keyed row of the kind's field list.
using keyRow = itemField;

struct sectionSpec {
    int typeId;
    const char *header; // "[TextItemInfo]"
    const char *kind;   // "text", as sprtool info names it
    int prefixLength;   // length of the key prefix ("Text")
    const keyRow *rows; // the keyed rows of the kind's field list
    int rowCount;
};

// The text of a key line's value, and a value read into the item or the placement.
QString writeValue(const keyRow &row, const QGraphicsItem &item);
void readValue(const keyRow &row, QGraphicsItem &item, sectionPlacement &place, const QString &value);

// The six sections, in the order the reader tries a pass's line against their headers.
const sectionSpec *sectionSpecs();
int sectionSpecCount();
const sectionSpec *sectionForType(int typeId);
const sectionSpec *sectionForHeader(const QString &line);

// Value text forms.
QString realText(double value);           // the shortest text that reads back exactly
QString valueOfLine(const QString &line); // everything after the first "="
double readReal(const QString &value, bool *ok = nullptr);
// Whether a value reads back in its form without falling back to 0.
bool valueParses(valueForm form, const QString &value, double *number);

// The folder the printer takes pictures from, and the written form of a picture path.
QString printerPicturePath(const QString &pixPath);
// The file name of a picture path, after its last "/" or "\\" (a path chosen on Windows).
QString pictureFileName(const QString &path);
