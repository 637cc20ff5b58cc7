#include "previewbar.h"

#include "livetext.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

namespace
{
QSpinBox *counterSpin(QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(0, previewCounterMax);
    spin->setMinimumWidth(95);
    return spin;
}
} // namespace

previewBar::previewBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("previewBar"));
    toggle = new QCheckBox(this);
    liveText::set(toggle, "text", "previewBar", QT_TR_NOOP("打印预览"));
    toggle->setObjectName(QStringLiteral("previewToggle"));
    moment = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    moment->setObjectName(QStringLiteral("previewMoment"));
    moment->setDisplayFormat(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    moment->setCalendarPopup(true);
    moment->setMinimumWidth(175);
    counter1 = counterSpin(this);
    counter1->setObjectName(QStringLiteral("previewCounter1"));
    counter2 = counterSpin(this);
    counter2->setObjectName(QStringLiteral("previewCounter2"));
    record = new QSpinBox(this);
    record->setObjectName(QStringLiteral("previewRecord"));
    record->setRange(1, std::numeric_limits<int>::max());
    // A prefix rather than a label of its own: the row is full at the window's smallest width.
    liveText::set(record, "prefix", "previewBar", QT_TR_NOOP("数据行 "));
    staleLabel = new QLabel(this);
    staleLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
    // A long message must not squeeze the controls beside it; the whole text is in its tooltip.
    staleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    exportButton = new QPushButton(this);
    liveText::set(exportButton, "text", "previewBar", QT_TR_NOOP("导出…"));
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setAutoDefault(false);
    // Tooltip and accessible name of each control.
    const struct {
        QWidget *control;
        const char *tip;
        const char *name;
    } descriptions[] = {
        {toggle, QT_TR_NOOP("显示喷印出来的样子"), QT_TR_NOOP("打印预览")},
        {moment, QT_TR_NOOP("预览所用的时刻"), QT_TR_NOOP("预览时刻")},
        {counter1, QT_TR_NOOP("预览所用的计数器1的值"), QT_TR_NOOP("计数器1")},
        {counter2, QT_TR_NOOP("预览所用的计数器2的值"), QT_TR_NOOP("计数器2")},
        {record,
         QT_TR_NOOP("预览数据文件的第几行：每个内容来自数据文件的项目显示这一行，限于它自己的起始行和结束行"),
         QT_TR_NOOP("预览的数据文件行")},
        {exportButton, QT_TR_NOOP("把设计导出为 PNG、PDF 或 SVG"), QT_TR_NOOP("导出…")},
    };
    for (const auto &row : descriptions) {
        liveText::set(row.control, "toolTip", "previewBar", row.tip);
        liveText::set(row.control, "accessibleName", "previewBar", row.name);
    }

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(toggle);
    row->addWidget(moment);
    for (auto *spin : {counter1, counter2}) {
        auto *label = new QLabel(this);
        liveText::set(label, "text", "previewBar",
                      spin == counter1 ? QT_TR_NOOP("计数器1") : QT_TR_NOOP("计数器2"));
        row->addWidget(label);
        row->addWidget(spin);
    }
    row->addWidget(record);
    row->addWidget(staleLabel, 1);
    row->addWidget(exportButton);

    connect(toggle, &QCheckBox::toggled, this, &previewBar::previewChanged);
    connect(moment, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (isPreviewOn())
            emit previewChanged();
    });
    for (QSpinBox *spin : {counter1, counter2, record})
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this] {
            if (isPreviewOn())
                emit previewChanged();
        });
    connect(exportButton, &QPushButton::clicked, this, &previewBar::exportRequested);
}

bool previewBar::isPreviewOn() const
{
    return toggle->isChecked();
}

previewValues previewBar::values() const
{
    previewValues values;
    values.moment = moment->dateTime();
    values.counter1 = counter1->value();
    values.counter2 = counter2->value();
    values.record = quint32(record->value());
    return values;
}

void previewBar::showStaleCount(int count)
{
    staleCount = count;
    showCounts();
}

void previewBar::showGs1FaultCount(int count)
{
    gs1FaultCount = count;
    showCounts();
}

void previewBar::showCounts()
{
    QStringList parts;
    if (staleCount > 0)
        parts << tr("%1 个二维码的占位符位置与内容不符").arg(staleCount);
    if (gs1FaultCount > 0)
        parts << tr("%1 个二维码的 GS1 数字链接有误").arg(gs1FaultCount);
    staleLabel->setText(parts.join(QStringLiteral("；")));
    staleLabel->setToolTip(staleLabel->text());
}
