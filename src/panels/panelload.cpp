#include "panelload.h"

#include "placement.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <climits>
#include <cmath>

namespace panelLoad
{

void loadSpin(QSpinBox *box, double value)
{
    if (std::isnan(value))
        value = 0;
    const double clamped = std::max<double>(INT_MIN, std::min<double>(INT_MAX, std::trunc(value)));
    box->setValue(static_cast<int>(clamped));
}

void loadY(QSpinBox *box, const QGraphicsItem &item)
{
    const int lowest = std::max(placementMaxY(item), int(std::min<qreal>(item.y(), placementYLimit)));
    {
        // Only the range: the value is loaded below, with its signal.
        const QSignalBlocker quiet(box);
        box->setMaximum(lowest);
    }
    loadSpin(box, item.y());
}

void loadComboIndex(QComboBox *combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

void loadComboIndexOrNone(QComboBox *combo, qint64 index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? static_cast<int>(index) : -1);
}

void loadComboByFamily(QComboBox *combo, const QStringList &families, const QString &family)
{
    loadComboIndex(combo, families.indexOf(family));
}

} // namespace panelLoad
