#pragma once
// Code 39 and Code 93 share one character set: digits, capitals and seven symbols, values 0 to 42.
#include "barcodesymbol.h"
#include <QString>
#include <utility>
#include <vector>

barcodeSymbol encodeCode39(const barcodeOptions &options, const QString &content);
barcodeSymbol encodeCode93(const barcodeOptions &options, const QString &content);

// The value 0 to 42 of a Latin-1 byte in the shared character set, or -1 when it is not part of it.
int code39Value(char c);
// Code 93 check characters C and K of the data values, in symbol order.
std::pair<int, int> code93CheckValues(const std::vector<int> &values);
