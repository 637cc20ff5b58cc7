#pragma once
// What a scanner makes of the barcode and QR items of a design, for sprtool's check and info.
#include "symbolverdict.h"

#include <QStringList>
#include <optional>

class QGraphicsItem;

// The verdict on a barcode or QR item's picture as it stands; nullopt for other kinds.
std::optional<symbolVerdict> itemVerdict(const QGraphicsItem &item);
// The same verdict before any scan: the refusal, the text it should read as and the notes on the content,
// for a caller that reads the symbol elsewhere (where it is printed).
std::optional<symbolVerdict> itemDescription(const QGraphicsItem &item);
// The reader's findings about a barcode or QR item from its verdict (English, like the reader's others):
// a symbol that does not scan although it was drawn, a typed check digit the encoder replaced,
// characters replaced or not encoded. Refusals are the reader's own finding and are not repeated.
QStringList scanFindings(const QGraphicsItem &item, const symbolVerdict &verdict);
// The same findings from a verdict, each starting with key (what the content is) and the quoted content.
QStringList verdictFindings(const symbolVerdict &verdict, const QString &key, const QString &content);
