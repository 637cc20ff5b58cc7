#include "scanverdictlabel.h"

#include "symbolverdict.h"

scanVerdictLabel::scanVerdictLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("scanVerdictLabel"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
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
