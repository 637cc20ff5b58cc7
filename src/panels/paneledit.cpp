#include "paneledit.h"

#include "itemfields.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

namespace panelEdit
{

namespace
{
// Whether the window sets this row's field from its control.
bool routedByRow(const itemField &row)
{
    return row.isField() && row.panel.name && *row.panel.name && !row.panel.ownSlot;
}

bool connectControl(QWidget *control, const itemField *row, QObject *context, const fieldEdit &edit)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QObject::connect(button, &QAbstractButton::toggled, context,
                         [row, edit](bool on) { edit(*row, on, false); });
    } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
        QObject::connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), context,
                         [row, edit](int value) { edit(*row, value, true); });
    } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(control)) {
        QObject::connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), context,
                         [row, edit](double value) { edit(*row, value, true); });
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        QObject::connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), context,
                         [row, edit](int index) { edit(*row, index + row->panel.firstValue, false); });
    } else if (auto *line = qobject_cast<QLineEdit *>(control); line && !line->isReadOnly()) {
        QObject::connect(line, &QLineEdit::editingFinished, context,
                         [row, edit, line] { edit(*row, line->text(), false); });
    } else {
        return false;
    }
    return true;
}
} // namespace

int connectFields(QWidget &panel, const itemFieldList &list, QObject *context, const fieldEdit &edit)
{
    int connected = 0;
    for (int r = 0; r < list.count; ++r) {
        const itemField &row = list.rows[r];
        if (!routedByRow(row))
            continue;
        QWidget *control = panel.findChild<QWidget *>(QLatin1String(row.panel.name));
        Q_ASSERT_X(control, "panelEdit::connectFields", row.panel.name);
        if (control && connectControl(control, &row, context, edit))
            ++connected;
    }
    return connected;
}

} // namespace panelEdit
