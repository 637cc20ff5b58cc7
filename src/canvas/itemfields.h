#pragma once
// One list of fields per item kind, keyed by the item type id: each row names a value an item keeps,
// its .spr key, the form and range of its text, the panel control that shows it, and how to read and
// write it on the item. The document's writer, reader and checker, sprtool info, the undo snapshot and
// the panels' loading all walk these lists, so a field is added here once (plus its control in the form).
// Rows with a key come first, in the order the key lines stand in the file; rows without one are
// fields no file carries (a counter's value, a time item's moment).
#include <QJsonValue>
#include <QString>
#include <QVariant>

class QGraphicsItem;

// What a value must look like to be read back as written.
enum class valueForm { real, integer, lineNumber, boolean, text, font, ignored };

// What a row carries: an item field as it is, the picture path (written as the printer's path), or a
// value of the item that the reader applies when it builds it (position, turn, font, shown size).
enum class rowValue {
    field,
    picturePath,
    x,
    y,
    rotation,
    font,
    fontSize,
    spacing,
    pictureWidth,
    pictureHeight
};

// The control of the kind's panel that shows a row (none when the name is null or empty). A combo shows
// value - firstValue as its row; a value without a row leaves it as it is, or with noRow, without any row;
// the font row's combo shows the family. Loading emits the controls' signals: the panel loads by
// ascending step, rows of one step in list order.
// The operator's edits of a field's control reach the item through the row itself: the window sets the
// field in one undo step and shows the item again. With ownSlot they go by a signal of the panel to a slot
// of the kind's routing instead, which does more than set the field.
struct panelControl {
    const char *name = nullptr;
    int firstValue = 0;
    bool noRow = false;
    int step = 0;
    bool ownSlot = false;
};

struct itemField {
    const char *key; // the .spr key without " ="; nullptr when no file carries the value
    valueForm form;
    rowValue value;
    double low; // the panels' range; low > high when there is none
    double high;
    // The panel control whose range low to high is (a spin box's minimum and maximum, or a combo box's
    // rows); nullptr for a plausibility range no panel sets. A test holds the two together.
    const char *control;
    panelControl panel;
    const char *name; // the field's name where no key gives it
    // Item fields only (nullptr otherwise): the value as its key line writes it, parsed from that text,
    // as JSON, and as a variant to keep and put back.
    QString (*text)(const QGraphicsItem &item);
    void (*parse)(QGraphicsItem &item, const QString &value);
    QJsonValue (*json)(const QGraphicsItem &item);
    QVariant (*get)(const QGraphicsItem &item);
    void (*set)(QGraphicsItem &item, const QVariant &value);

    bool hasRange() const { return low <= high; }
    bool isField() const { return get != nullptr; }
    // The field name: the given name, or the key without its item prefix, first letter lower case
    // ("TextIsExtVariable" gives "isExtVariable").
    QString fieldName(int prefixLength) const;
};

struct itemFieldList {
    const itemField *rows;
    int count;
    int keyed;        // the first keyed rows are the key lines of the kind's section
    int prefixLength; // length of the key prefix ("Text")
};

// The list of a kind; nullptr for a type id without one.
const itemFieldList *itemFieldsOf(int typeId);

// The number a panel shows for a row: the position, turn, font size or spacing of the working font,
// the shown picture's size, or the field's value.
double panelValue(const itemField &row, const QGraphicsItem &item);

// Bools are written "1" and "0"; line numbers unsigned, read as int and above the int range as unsigned.
int readInt(const QString &value, bool *ok = nullptr);
quint32 readLineNumber(const QString &value, bool *ok = nullptr);
