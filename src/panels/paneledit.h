#pragma once
// The counterpart of panelLoad: the operator's edits of the controls that a kind's field list names, as
// values of their rows. A row whose control has no slot of its own (panelControl::ownSlot) needs no panel
// signal and no routing slot: naming the control in the row is enough.
#include <QVariant>
#include <functional>

class QGraphicsItem;
class QObject;
class QWidget;
struct itemField;
struct itemFieldList;

namespace panelEdit
{

// One edit: the row, the value in the field's own terms (a combo's row plus the row's firstValue), and
// whether a run of edits of the control is one undo step (a spin box's, typed or stepped).
using fieldEdit = std::function<void(const itemField &row, const QVariant &value, bool mergesRuns)>;

// Connects the change signal of each such control of panel (buttons toggled, spin boxes valueChanged,
// combos currentIndexChanged, editable line edits editingFinished) that a row of the kind's list names to
// edit; context owns the connections. Returns how many controls it connected.
int connectFields(QWidget &panel, const itemFieldList &list, QObject *context, const fieldEdit &edit);

} // namespace panelEdit
