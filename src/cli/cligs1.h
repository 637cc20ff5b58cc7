#pragma once
// The GS1 Digital Link contents of a design's QR codes, checked as printed at a moment and counter
// value, for check (findings with their lines) and info (the AIs as JSON).
#include "printpreview.h"
#include "sprdocument.h"

#include <QJsonValue>

class QGraphicsItem;
class QGraphicsScene;

// One finding per problem of each QR code whose printed content is a Digital Link, at the line of its
// QRcodeContent key in data.
void addGs1Findings(const QGraphicsScene &scene, const QByteArray &data, const previewValues &values,
                    QVector<sprFinding> &findings);
// The Digital Link a QR item prints, or null when its content is none (or the item no QR code).
QJsonValue gs1Json(const QGraphicsItem &item, const previewValues &values);
