#pragma once
#include "itemtypes.h"
#include "textfamilyitem.h"

#include <QDateTime>

class diagramTimeItem : public textFamilyItem
{
public:
    explicit diagramTimeItem(QGraphicsItem *parent = nullptr);

    int type() const override { return timeItemType; }

    // The moment shown, formatted with mode; a non-zero month count shows the expiry date instead.
    // Only the first maxFormatLength characters of mode are used: the format dialog makes far shorter
    // ones, and the toolkit's formatting of a format of a million characters takes about a minute.
    QString timeText(const QDateTime &moment, int months) const;
    static constexpr int maxFormatLength = 256;

    // Apply itemFont and show the text the fields give (creation, loading and panel edits).
    void showFields();

    QDateTime dateTime;
    QString mode;
    int modeIndex = 17;
    // Months of validity: the printer prints the print date plus that many months, minus one day.
    int valid = 0;
    bool userDefined = false;
};
