#pragma once
// The routing of the text-like kinds (text, counter 1, counter 2, time): each panel signal to the slot
// of the same name, applied to the current item of the kind.
#include "kindrouting.h"

#include "cnt2setting.h"
#include "cntsetting.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "textsetting.h"
#include "timesetting.h"

class textRouting : public kindRoutingOf<diagramTextItem, textSetting>
{
public:
    static constexpr itemKind kind = itemKind::text;
    explicit textRouting(Widget *window);
    const QString *content() const override { return &item->content; }
    void applyContent(const QString &text) override;

public: // reached by the panel's signals of the same names
    void textXChange(int x);
    void textYChange(int y);
    void textRotateChange(int angle);
    void textFontChange(int index);
    void textSizeChange(int size);
    void textIntervalChange(int interval);
};

class cntRouting : public kindRoutingOf<diagramCntItem, cntSetting>
{
public:
    static constexpr itemKind kind = itemKind::cnt;
    explicit cntRouting(Widget *window);

public: // reached by the panel's signals of the same names
    void cntXChange(int x);
    void cntYChange(int y);
    void cntRotateChange(int angle);
    void cntFontChange(int index);
    void cntSizeChange(int size);
    void cntIntervalChange(int interval);
    void cntModeChange(int index);
    void cntNameChange(int index);
};

class cnt2Routing : public kindRoutingOf<diagramCnt2Item, cnt2Setting>
{
public:
    static constexpr itemKind kind = itemKind::cnt2;
    explicit cnt2Routing(Widget *window);

public: // reached by the panel's signals of the same names
    void cnt2XChange(int x);
    void cnt2YChange(int y);
    void cnt2RotateChange(int angle);
    void cnt2FontChange(int index);
    void cnt2SizeChange(int size);
    void cnt2IntervalChange(int interval);
    void cnt2ModeChange(int index);
};

class timeRouting : public kindRoutingOf<diagramTimeItem, timeSetting>
{
public:
    static constexpr itemKind kind = itemKind::time;
    explicit timeRouting(Widget *window);

public: // reached by the panel's signals of the same names
    void timeXChange(int x);
    void timeYChange(int y);
    void timeRotateChange(int angle);
    void timeFontChange(int index);
    void timeSizeChange(int size);
    void timeModeChange(QString timeModeStr);
    void timeSpacingChange(int value);
};
