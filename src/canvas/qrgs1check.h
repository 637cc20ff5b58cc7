#pragma once
// GS1 Digital Link contents of QR items, checked as the printer prints them: the counter and date/time
// placeholders filled in for a moment and counter value, the URI's AIs checked, and the symbol of that
// text read back to see that it carries the same AIs.
#include "gs1digitallink.h"
#include "printpreview.h"

#include <QDate>
#include <QStringList>

struct qrCodeRecord;

struct qrGs1Check {
    QString printed;     // the content as printed (as it stands when its placeholders are stale)
    gs1DigitalLink link; // what the printed content carries; link.recognised: it is a Digital Link
    bool readBackDiffers = false;
    gs1DigitalLink readBack; // what the printed symbol's decoded text carries, when it could be read

    // The problems as the operator reads them, one a line, the read-back difference last.
    QStringList problemTexts() const;
    // "GS1: (01) … (10) …", for the panel.
    QString elementsLine() const;
};

// readBack draws the printed symbol and decodes it, which costs as much as a scan verdict.
qrGs1Check checkQrGs1(const qrCodeRecord &record, const previewValues &values, bool readBack = true);

// What the GS1 Digital Link composer composes from; also what it reads back from a content it made.
struct gs1LinkFields {
    enum serialKind { noSerial, fixedSerial, counterSerial };
    QString domain;
    QString gtin;
    QString batch;
    bool productionDate = false; // AI 11 from the date/time placeholder
    QDate expiry;                // AI 17; invalid: none
    serialKind serial = noSerial;
    QString serialText;
    int counterWidth = 6;
};

// The composed content with its placeholders, described as the dynamic content dialog describes them.
struct gs1LinkContent {
    QString content;
    int cntMode = 0;
    int insertCntPos = 0;
    QString timeModeStr;
    int insertTimePos = 0;
};

gs1LinkContent composeGs1Link(const gs1LinkFields &fields);
// The fields of a content composeGs1Link() made (its placeholders described by record); false when the
// content is no Digital Link with a GTIN.
bool readGs1LinkFields(const qrCodeRecord &record, gs1LinkFields &fields);
