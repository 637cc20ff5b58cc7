#pragma once
// Tests reach the main window's private state through this friend: its current items, its off-scene
// initial items, its form and its panels.
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
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
        w.languageFile = language;
        w.themeName = theme;
    }

    diagramTextItem *text() { return w.currentTextItem; }
    diagramCntItem *cnt() { return w.currentCntItem; }
    diagramCnt2Item *cnt2() { return w.currentCnt2Item; }
    diagramTimeItem *time() { return w.currentTimeItem; }
    diagramBarItem *bar() { return w.currentBarItem; }
    diagramImageItem *image() { return w.currentImageItem; }
    diagramQRCodeItem *qr() { return w.currentQRCodeItem; }
    QList<QGraphicsItem *> currents() const
    {
        return QList<QGraphicsItem *>()
               << w.currentTextItem << w.currentCntItem << w.currentCnt2Item << w.currentTimeItem
               << w.currentBarItem << w.currentImageItem << w.currentQRCodeItem;
    }
    QList<QGraphicsItem *> initials() const
    {
        return QList<QGraphicsItem *>()
               << w.initialTextItem << w.initialCntItem << w.initialCnt2Item << w.initialTimeItem
               << w.initialBarItem << w.initialImageItem << w.initialQRCodeItem;
    }

    textSetting *textPanel() { return w.m_textSetting; }
    timeSetting *timePanel() { return w.m_timeSetting; }
    cntSetting *cntPanel() { return w.m_cntSetting; }
    cnt2Setting *cnt2Panel() { return w.m_cnt2Setting; }
    QWidget *barPanel() { return w.ui->barScrollArea->widget(); }
    QWidget *imagePanel() { return w.ui->imageScrollArea->widget(); }
    QWidget *qrPanel() { return w.ui->QRScrollArea->widget(); }

    Widget &w;
};
