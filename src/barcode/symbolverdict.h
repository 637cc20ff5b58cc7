#pragma once
// What a scanner will make of a symbol, told to the operator: readable or not and why, and where the
// data read differ from what was typed (a typed check digit the encoder replaced, characters Code 128
// could not encode, characters never encoded). Texts are translated (context "symbolVerdict").
#include "barcodesymbol.h"
#include "symbolscan.h"

#include <QImage>
#include <QString>
#include <QStringList>

struct symbolVerdict {
    bool readable = false;
    QString decoded;   // the text read, when readable
    QString expected;  // the text the symbol should read as
    QString reason;    // why it cannot be read
    QStringList notes; // differences between the typed content and what the symbol holds
    QStringList facts; // what the data read mean (the AIs of a GS1 Digital Link), shown before the notes
    // The same differences for programs (sprtool's findings): the typed check digit where it differs from
    // the computed one, characters Code 128 replaced by "?", characters not encoded at all.
    QChar typedCheckDigit;
    QChar computedCheckDigit;
    QString replacedCharacters;
    QString unencodedCharacters;
    bool refused = false;        // the encoder refused the content
    bool failedScanOnly = false; // drawn in full, yet unreadable

    // "✓ text" or "✗ 无法识别：reason", for one line of the panel.
    QString summary() const;
    // The summary, the facts and the notes, one per line.
    QString details() const;
};

// A barcode as the encoder made it: the symbol (for its refusal and module width) and its picture.
symbolVerdict verifyBarcode(int mode, const QString &content, const barcodeSymbol &symbol,
                            const QImage &picture);
// The same verdict on the picture renderBarcodePixmap() would make, drawing only the rows scanned.
symbolVerdict verifyBarcodeSymbol(int mode, const QString &content, const barcodeSymbol &symbol);

// What is known of a barcode before any scan: its refusal, the text it should read as and how that
// differs from the typed content.
symbolVerdict describeBarcode(int mode, const QString &content, const barcodeSymbol &symbol);
// A verdict completed with what a scanner read: readable and decoded, the decoder's reason, and a note
// when the text read differs from the expected one. drawn: there was a picture to read, so a symbol that
// does not read failed on the scan alone.
void takeScanOf(symbolVerdict &verdict, const scanResult &scanned, bool drawn);

// A QR picture of moduleSize pixels per module that should read as expected; converse pictures are
// light on dark.
symbolVerdict verifyQrCode(const QImage &picture, int moduleSize, bool converse, const QString &expected);

// The decoder's reason in the operator's words.
QString scanFailureText(scanFailure failure);
