#pragma once
// The item sections of a .spr file as data: each key line with how it is written from an item, how it
// is read back, which item field it names (for sprtool info) and the range the panels allow (for
// sprtool check). Writer, reader and checker all walk these tables.
#include <QJsonValue>
#include <QString>

class QFont;
class QGraphicsItem;

// The font as the printer's files carry it: the ten comma-separated fields of Qt 5's QFont::toString()
// (family, point size, pixel size, style hint, weight on the 0 to 99 scale, style, underline, strike-out,
// fixed pitch, 0), then the style name when there is one. Qt 6 writes sixteen fields with another weight
// scale, so the text is composed here for both.
QString fontDescription(const QFont &font);

// What a value must look like to be read back as written.
enum class valueForm { real, integer, lineNumber, boolean, text, font, ignored };

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

struct keyRow {
    const char *key; // the key without " ="
    valueForm form;
    QString (*write)(const QGraphicsItem &item);
    void (*read)(QGraphicsItem &item, sectionPlacement &place, const QString &value);
    // The item field the key carries, for item fields only (nullptr for position, font and sizes).
    QJsonValue (*json)(const QGraphicsItem &item);
    double low; // the panels' range; low > high when there is none
    double high;
    // The panel control whose range low to high is (a spin box's minimum and maximum, or a combo box's
    // rows); nullptr for a plausibility range no panel sets. A test holds the two together.
    const char *control = nullptr;

    bool hasRange() const { return low <= high; }
    // The field name: the key without its item prefix, first letter lower case ("TextIsExtVariable"
    // gives "isExtVariable").
    QString fieldName(int prefixLength) const;
};

struct sectionSpec {
    int typeId;
    const char *header; // "[TextItemInfo]"
    const char *kind;   // "text", as sprtool info names it
    int prefixLength;   // length of the key prefix ("Text")
    const keyRow *rows;
    int rowCount;
};

// The six sections, in the order the reader tries a pass's line against their headers.
const sectionSpec *sectionSpecs();
int sectionSpecCount();
const sectionSpec *sectionForType(int typeId);
const sectionSpec *sectionForHeader(const QString &line);

// Value text forms.
QString realText(double value);           // the shortest text that reads back exactly
QString valueOfLine(const QString &line); // everything after the first "="
double readReal(const QString &value, bool *ok = nullptr);
int readInt(const QString &value, bool *ok = nullptr);
// Line numbers are written unsigned and read as int; values above the int range are taken as
// unsigned too, so every written value reads back.
quint32 readLineNumber(const QString &value, bool *ok = nullptr);
// Whether a value reads back in its form without falling back to 0.
bool valueParses(valueForm form, const QString &value, double *number);

// The folder the printer takes pictures from, and the written form of a picture path.
QString printerPicturePath(const QString &pixPath);
// The file name of a picture path, after its last "/" or "\\" (a path chosen on Windows).
QString pictureFileName(const QString &path);
