#pragma once
// Code 39 and Code 93 share one character set: digits, capitals and seven symbols, values 0 to 42.
#include <QPixmap>
#include <QString>
#include <utility>
#include <vector>

QPixmap drawCode39(bool isTextOn, int d, int e, const QString &content);
QPixmap drawCode93(bool isTextOn, int d, int e, const QString &content);

// The value 0 to 42 of a Latin-1 byte in the shared character set, or -1 when it is not part of it.
int code39Value(char c);
// Code 93 check characters C and K of the data values, in symbol order.
std::pair<int, int> code93CheckValues(const std::vector<int> &values);
