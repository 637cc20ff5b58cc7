#pragma once
// The font choices of the text-family panels: combo index -> display text and font family. The panels
// show the display texts (translated in their own context); the main window applies the families.
#include <QStringList>

class QComboBox;

struct fontRow {
    const char *displayText;
    const char *family;
};

struct fontTable {
    const fontRow *rows;
    int count;

    // The family of a row; any index outside the table selects "simsun".
    QString familyAt(int index) const;
    QStringList families() const;
    // The display texts translated in the given context (the panel's class name).
    QStringList displayTexts(const char *context) const;
    // Puts the display texts, translated again, into a combo filled from this table.
    void retranslate(QComboBox &combo, const char *context) const;
};

extern const fontTable textFontTable; // text panel, 16 rows
extern const fontTable cntFontTable;  // counter-1 and time panels, the first 15 rows of textFontTable
extern const fontTable cnt2FontTable; // counter-2 panel, 16 rows
