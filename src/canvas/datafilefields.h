#pragma once
// The printer's external-data fields of text, barcode and QR code items, under one name: the three
// classes spell them differently, and the panels, the routing, the checks and the packing all need them.
#include <QString>
#include <optional>

class QGraphicsItem;

struct dataFileSettings {
    bool isExtVariable = false;
    QString path; // as stored: what the operator chose
    quint32 firstLine = 1;
    quint32 lastLine = 1;
    quint32 currentLine = 1;     // printer state, only shown
    bool isAllPrinted = false;   // printer state, only shown
    bool isUartVariable = false; // QR codes only
    bool hasUart = false;        // whether the item carries isUartVariable
};

// The fields of a text, barcode or QR code item; none for the other kinds.
std::optional<dataFileSettings> dataFileSettingsOf(const QGraphicsItem *item);
// Writes every field back; kinds without the fields are left alone.
void applyDataFileSettings(QGraphicsItem *item, const dataFileSettings &settings);
