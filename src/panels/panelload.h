#pragma once
// The one loading rule of every property panel: signals are NOT blocked while a panel loads an item.
// A control whose value changes emits its change signal, which the window applies back to the item being
// loaded, so loading normalises the item (truncated, clamped); a control that already shows the value
// emits nothing and leaves the item as it is.
#include <QStringList>

class QComboBox;
class QGraphicsItem;
class QSpinBox;
class QWidget;

namespace panelLoad
{

// Truncate toward zero and let the box clamp to its range. Values far outside int are clamped first, so
// that no value read from a file can overflow the conversion.
void loadSpin(QSpinBox *box, double value);

// A Y box reaches the place where the item ends on the strip's last row, or the item's own Y when it
// lies lower (from a file): loading never moves an item.
void loadY(QSpinBox *box, const QGraphicsItem &item);

// Select index when the combo has such a row; otherwise the combo stays as it is.
void loadComboIndex(QComboBox *combo, int index);

// Select index when the combo has such a row; otherwise select no row at all (the combo then reports -1).
void loadComboIndexOrNone(QComboBox *combo, qint64 index);

// Select the first row whose entry in families equals family (case-sensitive); unchanged when none does.
void loadComboByFamily(QComboBox *combo, const QStringList &families, const QString &family);

// Every control of the panel that the item kind's field list names, in the list's load order, by the
// rules above: spin boxes truncated and clamped (the Y box as loadY; decimal ones as they are), combos by row
// (the font combo by the family of the font the item shows, among fontFamilies), check boxes and line edits
// as they are.
void loadFields(QWidget &panel, const QGraphicsItem &item, const QStringList &fontFamilies = {});

} // namespace panelLoad
