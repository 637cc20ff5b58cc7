#pragma once
// An indexed picture as PNG bytes, written here rather than by the toolkit's writer, which offers no
// choice of row filter and checks every pixel's index against the colour table once more.
#include <QByteArray>

class QImage;

// The picture (QImage::Format_Indexed8, non-premultiplied colours) as an 8-bit palette PNG with its
// transparency and the given resolution; empty when it cannot be compressed.
QByteArray palettePng(const QImage &indexed, int dotsPerMetre);
