#pragma once
// Tests reach the main window's private state through this friend: its current items, its off-scene
// initial items, its form and its panels (each kind's, through the window's per-kind container).
#include "canvasedit.h"
#include "kindpanels.h"
#include "routingmedia.h"
#include "routingtext.h"
#include "ui_widget.h"
#include "widget.h"

#include <QList>

class WidgetTestAccess
{
public:
    explicit WidgetTestAccess(Widget &w) : w(w) {}

    Ui::Widget *ui() { return w.ui; }
    QMenu *fileMenu() { return w.fileMenu; }
    QLineEdit *editor() { return w.ui->lineEdit; }
    bool isUntitled() const { return w.isUntitled; }
    QString path() const { return w.currentFilePath; }
    void setTheme(const QString &language, const QString &theme)
    {
        w.kinds->get<qrRouting>().languageFile = language;
        w.kinds->get<qrRouting>().themeName = theme;
    }

    canvasEdit *canvas() { return w.canvas; }
    QWidget *panelOf(itemKind kind) { return (*w.kinds)[kind].panelWidget(); }
    template <typename Routing> Routing &kind() const { return w.kinds->get<Routing>(); }

    diagramTextItem *text() { return kind<textRouting>().currentItem(); }
    diagramCntItem *cnt() { return kind<cntRouting>().currentItem(); }
    diagramCnt2Item *cnt2() { return kind<cnt2Routing>().currentItem(); }
    diagramTimeItem *time() { return kind<timeRouting>().currentItem(); }
    diagramBarItem *bar() { return kind<barRouting>().currentItem(); }
    diagramImageItem *image() { return kind<imageRouting>().currentItem(); }
    diagramQRCodeItem *qr() { return kind<qrRouting>().currentItem(); }
    // In the order text, counter 1, counter 2, time, barcode, image, QR code.
    QList<QGraphicsItem *> currents() const
    {
        QList<QGraphicsItem *> items;
        for (const auto &routing : w.kinds->all())
            items << routing->current();
        return items;
    }
    QList<QGraphicsItem *> initials() const
    {
        QList<QGraphicsItem *> items;
        for (const auto &routing : w.kinds->all())
            items << routing->initial();
        return items;
    }

    textSetting *textPanel() { return kind<textRouting>().panel; }
    timeSetting *timePanel() { return kind<timeRouting>().panel; }
    cntSetting *cntPanel() { return kind<cntRouting>().panel; }
    cnt2Setting *cnt2Panel() { return kind<cnt2Routing>().panel; }
    QWidget *barPanel() { return kind<barRouting>().panel; }
    QWidget *imagePanel() { return kind<imageRouting>().panel; }
    QWidget *qrPanel() { return kind<qrRouting>().panel; }

    Widget &w;
};
