#include "panelload.h"

#include "itemfields.h"
#include "placement.h"
#include "textfamilyitem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

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

namespace
{
void loadControl(QWidget *control, const itemField &row, const QGraphicsItem &item,
                 const QStringList &fontFamilies)
{
    if (row.value == rowValue::font) {
        if (auto *combo = qobject_cast<QComboBox *>(control))
            loadComboByFamily(combo, fontFamilies, static_cast<const textFamilyItem &>(item).font().family());
    } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
        if (row.value == rowValue::y)
            loadY(spin, item);
        else
            loadSpin(spin, panelValue(row, item));
    } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(control)) {
        spin->setValue(panelValue(row, item));
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        const qint64 index = qint64(panelValue(row, item)) - row.panel.firstValue;
        if (row.panel.noRow)
            loadComboIndexOrNone(combo, index);
        else if (index >= 0 && index < combo->count())
            loadComboIndex(combo, int(index));
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        // Set from code it emits no click, so a switch never regenerates the item here.
        check->setChecked(panelValue(row, item) != 0);
    } else if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->setText(row.get(item).toString());
    }
}
} // namespace

void loadFields(QWidget &panel, const QGraphicsItem &item, const QStringList &fontFamilies)
{
    const itemFieldList *list = itemFieldsOf(item.type());
    if (!list)
        return;
    std::vector<const itemField *> shown;
    for (int r = 0; r < list->count; ++r)
        if (list->rows[r].panel.name && *list->rows[r].panel.name)
            shown.push_back(&list->rows[r]);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const itemField *a, const itemField *b) { return a->panel.step < b->panel.step; });
    for (const itemField *row : shown) {
        QWidget *control = panel.findChild<QWidget *>(QLatin1String(row->panel.name));
        Q_ASSERT_X(control, "loadFields", row->panel.name);
        if (control)
            loadControl(control, *row, item, fontFamilies);
    }
}

} // namespace panelLoad
