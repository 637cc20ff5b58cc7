#pragma once
// The line a barcode, QR code or image panel shows while its item has no picture: why, in the words
// the canvas frame uses. Hidden otherwise, when it takes no room in the grid.
class QGridLayout;
class QLabel;
class QString;

namespace emptyReasonLine
{
// A hidden label in a new last row of grid, across all its columns.
QLabel *add(QGridLayout *grid);
// Shown with reason while the item shows the canvas frame, hidden otherwise.
void show(QLabel *label, bool showsFrame, const QString &reason);
} // namespace emptyReasonLine
