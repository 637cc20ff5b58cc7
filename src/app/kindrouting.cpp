#include "kindrouting.h"
#include "ui_widget.h"

#include "diagramscene.h"
#include "itemfields.h"
#include "kindpanels.h"
#include "paneledit.h"

#include <QFileInfo>

namespace
{
// Where each kind sits in the form: its panel's scroll area and its tool button, in the order of
// itemKind.
const struct {
    QScrollArea *Ui::Widget::*area;
    QPushButton *Ui::Widget::*tool;
} formRows[itemKindCount] = {
    {&Ui::Widget::textScrollArea, &Ui::Widget::textPushButton},
    {&Ui::Widget::cntScrollArea, &Ui::Widget::cntPushButton},
    {&Ui::Widget::cnt2ScrollArea, &Ui::Widget::cnt2PushButton},
    {&Ui::Widget::timeScrollArea, &Ui::Widget::timePushButton},
    {&Ui::Widget::barScrollArea, &Ui::Widget::barPushButton},
    {&Ui::Widget::imageScrollArea, &Ui::Widget::imagePushButton},
    {&Ui::Widget::QRScrollArea, &Ui::Widget::QRCodePushButton},
};
} // namespace

kindRouting::kindRouting(Widget *window, itemKind kind)
    : window(window), ui(window->ui), kindRow(itemKindRowOf(kind))
{
}

kindRouting::~kindRouting() = default;

QScrollArea *kindRouting::area() const
{
    return ui->*formRows[int(kindRow.kind)].area;
}

QPushButton *kindRouting::toolButton() const
{
    return ui->*formRows[int(kindRow.kind)].tool;
}

void kindRouting::forget(const QGraphicsItem *gone)
{
    if (!gone || current() == gone)
        makeCurrent(initial());
}

void kindRouting::applyContent(const QString &) {}

void kindRouting::routeFields()
{
    const itemFieldList *fields = itemFieldsOf(kindRow.typeId);
    if (!fields)
        return;
    panelEdit::connectFields(*panelWidget(), *fields, this,
                             [this](const itemField &field, const QVariant &value, bool mergesRuns) {
                                 QGraphicsItem *item = current();
                                 const editScope scope(this, item, field.panel.name, mergesRuns);
                                 field.set(*item, value);
                                 kindRow.showEdit(*item);
                             });
}

void kindRouting::showPanel(int kind)
{
    window->kinds->show(kind);
}

void kindRouting::refreshPanel()
{
    window->kinds->refresh();
}

diagramScene *kindRouting::scene() const
{
    return window->scene;
}

QString kindRouting::documentFolder() const
{
    return window->isUntitled ? QStringLiteral(".") : QFileInfo(window->currentFilePath).absolutePath();
}
