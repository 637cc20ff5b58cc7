#include "emptypicturelabel.h"

#include <QGridLayout>
#include <QLabel>

namespace emptyReasonLine
{

QLabel *add(QGridLayout *grid)
{
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("emptyPictureLabel"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #a02010;"));
    label->hide();
    grid->addWidget(label, grid->rowCount(), 0, 1, qMax(1, grid->columnCount()));
    return label;
}

void show(QLabel *label, bool showsFrame, const QString &reason)
{
    label->setText(showsFrame ? reason : QString());
    label->setVisible(showsFrame);
}

} // namespace emptyReasonLine
