#pragma once
// EAN-13, EAN-8, UPC-A and UPC-E: the check digit is always computed here, never read from the content.
#include "barcodesymbol.h"
#include <QByteArray>
#include <QString>

barcodeSymbol encodeEan13(const barcodeOptions &options, const QString &content);
barcodeSymbol encodeEan8(const barcodeOptions &options, const QString &content);
barcodeSymbol encodeUpcA(const barcodeOptions &options, const QString &content);
barcodeSymbol encodeUpcE(const barcodeOptions &options, const QString &content);

// Check digit ('0' to '9') of ASCII data digits: weight 3 on the last digit and every second one before.
char eanUpcCheckDigit(const QByteArray &digits);
// The 11-digit UPC-A form of a UPC-E content: number system, six data digits (its first 7
// characters, which must be ASCII digits; empty otherwise).
QByteArray upcEExpansion(const QByteArray &digits);
// The UPC-E check digit: that of the UPC-A form of the first 7 characters.
char upcECheckDigit(const QByteArray &digits);
