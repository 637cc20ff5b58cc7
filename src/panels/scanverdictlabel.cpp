#include "scanverdictlabel.h"

#include "symbolverdict.h"

scanVerdictLabel::scanVerdictLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("scanVerdictLabel"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    sizeLine = new QLabel(this);
    sizeLine->setObjectName(QStringLiteral("printedSizeLine"));
    sizeLine->setTextFormat(Qt::PlainText);
    sizeLine->setAccessibleName(tr("打印尺寸"));
    sizeLine->setToolTip(tr("按打印机分辨率计算的模块和符号尺寸"));
}

void scanVerdictLabel::showPrintedSize(const QStringList &lines)
{
    // A line longer than the panel (English, Turkish) ends in an ellipsis; the tooltip holds it whole.
    QStringList shown;
    for (const QString &line : lines)
        shown << sizeLine->fontMetrics().elidedText(line, Qt::ElideRight, sizeLine->width());
    sizeLine->setText(shown.join(QLatin1Char('\n')));
    sizeLine->setToolTip(lines.join(QLatin1Char('\n')));
    // Below the symbology's minimum is told in red.
    sizeLine->setStyleSheet(lines.size() > 1 ? QStringLiteral("color: #c00000;")
                                             : QStringLiteral("color: #404040;"));
}

void scanVerdictLabel::placePrintedSize(Qt::Alignment where)
{
    const int lines = where & Qt::AlignTop ? 1 : 2;
    const int height = lines * fontMetrics().height() + 2;
    sizeLine->setGeometry(0, where & Qt::AlignTop ? 0 : this->height() - height, width(), height);
    sizeLine->setAlignment(where & Qt::AlignTop ? Qt::AlignRight | Qt::AlignTop
                                                : Qt::AlignLeft | Qt::AlignBottom);
}

void scanVerdictLabel::showVerdict(const symbolVerdict &verdict)
{
    readable = verdict.readable;
    // Green for a symbol that reads as typed, orange when it reads differently, red when it does not.
    const char *colour = !verdict.readable ? "#c00000" : verdict.notes.isEmpty() ? "#007000" : "#b05000";
    setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
    setText(verdict.details());
    setToolTip(verdict.details());
}
