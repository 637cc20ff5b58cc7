// The data-file controls of the text, barcode and QR code panels, applied to the current item of each
// kind. Every control is one undoable step on the very field the file carries; a run of one line box
// merges like every other spin box.
#include "widget.h"

#include "barsetting.h"
#include "datafilefields.h"
#include "datafilegroup.h"
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "qrcodesetting.h"
#include "textsetting.h"

#include <QGraphicsItem>
#include <functional>

void Widget::setupDataFileRouting()
{
    const auto route = [this](dataFileGroup *group, auto current, const char *kind) {
        using change = std::function<void(dataFileSettings &)>;
        const auto edit = [this, current, kind](const char *control, const change &apply) {
            QGraphicsItem *item = this->*current;
            const QByteArray name = QByteArray(kind) + control;
            const editScope scope(this, item, name.constData());
            dataFileSettings s = *dataFileSettingsOf(item);
            apply(s);
            applyDataFileSettings(item, s);
        };
        connect(group, &dataFileGroup::extVariableChange, this, [edit](bool on) {
            edit("ExtVariableChange", [on](dataFileSettings &s) { s.isExtVariable = on; });
        });
        connect(group, &dataFileGroup::extFilePathChange, this, [edit](const QString &path) {
            edit("ExtFilePathChange", [path](dataFileSettings &s) { s.path = path; });
        });
        connect(group, &dataFileGroup::extStartLineChange, this, [edit](int line) {
            edit("ExtStartLineChange", [line](dataFileSettings &s) { s.firstLine = quint32(line); });
        });
        connect(group, &dataFileGroup::extEndLineChange, this, [edit](int line) {
            edit("ExtEndLineChange", [line](dataFileSettings &s) { s.lastLine = quint32(line); });
        });
        connect(group, &dataFileGroup::uartVariableChange, this, [edit](bool on) {
            edit("UartVariableChange", [on](dataFileSettings &s) { s.isUartVariable = on; });
        });
    };
    route(m_textSetting->dataFile(), &Widget::currentTextItem, "text");
    route(m_barSetting->dataFile(), &Widget::currentBarItem, "bar");
    route(m_QRCodeSetting->dataFile(), &Widget::currentQRCodeItem, "QRCode");
}
