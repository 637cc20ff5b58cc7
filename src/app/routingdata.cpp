// The data-file controls of the text, barcode and QR code panels, applied to the current item of each
// kind. Every control is one undoable step on the very field the file carries; a run of one line box
// merges like every other spin box.
#include "widget.h"

#include "datafilefields.h"
#include "datafilegroup.h"
#include "kindpanels.h"
#include "routingmedia.h"
#include "routingtext.h"

#include <QGraphicsItem>
#include <functional>

void Widget::setupDataFileRouting()
{
    // The connections end with the kind's routing, which the window lets go before its panels.
    const auto route = [this](dataFileGroup *group, const kindRouting *routing, const char *kind) {
        using change = std::function<void(dataFileSettings &)>;
        const auto edit = [this, routing, kind](const char *control, const change &apply) {
            QGraphicsItem *item = routing->current();
            const QByteArray name = QByteArray(kind) + control;
            const editScope scope(this, item, name.constData());
            dataFileSettings s = *dataFileSettingsOf(item);
            apply(s);
            applyDataFileSettings(item, s);
        };
        connect(group, &dataFileGroup::extVariableChange, routing, [edit](bool on) {
            edit("ExtVariableChange", [on](dataFileSettings &s) { s.isExtVariable = on; });
        });
        connect(group, &dataFileGroup::extFilePathChange, routing, [edit](const QString &path) {
            edit("ExtFilePathChange", [path](dataFileSettings &s) { s.path = path; });
        });
        connect(group, &dataFileGroup::extStartLineChange, routing, [edit](int line) {
            edit("ExtStartLineChange", [line](dataFileSettings &s) { s.firstLine = quint32(line); });
        });
        connect(group, &dataFileGroup::extEndLineChange, routing, [edit](int line) {
            edit("ExtEndLineChange", [line](dataFileSettings &s) { s.lastLine = quint32(line); });
        });
        connect(group, &dataFileGroup::uartVariableChange, routing, [edit](bool on) {
            edit("UartVariableChange", [on](dataFileSettings &s) { s.isUartVariable = on; });
        });
    };
    const textRouting &text = kinds->get<textRouting>();
    const barRouting &bar = kinds->get<barRouting>();
    const qrRouting &qr = kinds->get<qrRouting>();
    route(text.panel->dataFile(), &text, "text");
    route(bar.panel->dataFile(), &bar, "bar");
    route(qr.panel->dataFile(), &qr, "QRCode");
}
