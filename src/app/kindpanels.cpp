#include "kindpanels.h"
#include "ui_widget.h"

#include "diagramscene.h"
#include "routingmedia.h"
#include "routingtext.h"
#include "widget.h"

namespace
{
template <typename Routing>
void add(std::array<std::unique_ptr<kindRouting>, itemKindCount> &routings, Widget *window)
{
    routings[int(Routing::kind)] = std::make_unique<Routing>(window);
}
} // namespace

kindPanels::kindPanels(Widget *window) : window(window)
{
    add<textRouting>(routings, window);
    add<timeRouting>(routings, window);
    add<cntRouting>(routings, window);
    add<cnt2Routing>(routings, window);
    add<barRouting>(routings, window);
    add<imageRouting>(routings, window);
    add<qrRouting>(routings, window);
}

kindPanels::~kindPanels() = default;

kindRouting *kindPanels::shown() const
{
    const itemKindRow *row = itemKindForPanel(currentPanel);
    return row ? routings[int(row->kind)].get() : nullptr;
}

void kindPanels::show(int panelKind)
{
    currentPanel = panelKind;
    for (const auto &routing : routings) {
        if (routing->row().panelKind == panelKind) {
            routing->area()->setEnabled(true);
            routing->area()->show();
            window->ui->editPushButton->setEnabled(routing->row().hasContent);
        } else {
            routing->area()->hide();
        }
    }
}

void kindPanels::disable()
{
    for (const auto &routing : routings)
        routing->area()->setEnabled(false);
    window->ui->editPushButton->setEnabled(false);
}

void kindPanels::select(QGraphicsItem *item)
{
    const itemKindRow *row = itemKindForType(item->type());
    // Kinds without a content leave nothing in the editor that "完成" could seem to apply.
    if (!row || !row->hasContent)
        window->ui->lineEdit->clear();
    if (!row)
        return;
    kindRouting &kind = *routings[int(row->kind)];
    show(row->panelKind);
    kind.makeCurrent(item);
    kind.loadPanel();
    if (const QString *content = kind.content())
        window->ui->lineEdit->setText(*content);
}

void kindPanels::refresh()
{
    if (loading)
        return;
    loading = true;
    if (kindRouting *kind = shown())
        kind->loadPanel();
    loading = false;
}

void kindPanels::showContent()
{
    const kindRouting *kind = shown();
    QString text;
    if (kind && kind->content() && kind->current()->scene() == window->scene)
        text = *kind->content();
    window->ui->lineEdit->setText(text);
}

void kindPanels::forget(const QGraphicsItem *gone)
{
    for (const auto &routing : routings)
        routing->forget(gone);
}
