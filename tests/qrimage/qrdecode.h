#pragma once
#include <QImage>
#include <QString>

// What a reader makes of a QR picture: its text and error-correction level ("L", "M", "Q", "H").
struct decodedQr {
    bool found = false;
    QString text;
    QString level;
};

// Flattens the picture onto white with a quiet zone of `quietZone` pixels and reads it. Pictures drawn
// light-on-dark are inverted first.
decodedQr decodeQr(const QImage &picture, int quietZone, bool inverted = false);
