// The image panel's "查找图片…": a picture that was not where the design said when it was opened is
// found again by the operator, and the folder chosen is tried for every other missing picture.
#include "routingmedia.h"

#include "diagramimageitem.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "sprsections.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace
{
// The picture from path at the size and colours the item had; one undo step.
void relink(const kindRouting *window, diagramImageItem *item, const QString &path)
{
    const Widget::editScope scope(window, item, "imageLocateChange");
    const QSize size = item->pictureSize();
    const bool inverted = item->isColorConverse;
    item->setPictureFile(path);
    item->showSourceScaled(size.width(), size.height());
    if (inverted)
        item->invertColors();
}
} // namespace

void imageRouting::imageLocateChange()
{
    if (item->missingFile.isEmpty())
        return;
    QFileDialog dialog(window, Widget::tr("查找图片 %1").arg(pictureFileName(item->missingFile)),
                       documentFolder(), Widget::tr("Image Files(*.jpg *.jpeg *.bmp *.png)"));
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty())
        return;
    const QDir folder = QFileInfo(files.first()).absoluteDir();
    relink(this, item, files.first());
    for (QGraphicsItem *other : scene()->items()) {
        if (other->type() != imageItemType)
            continue;
        auto *image = static_cast<diagramImageItem *>(other);
        const QString candidate = folder.filePath(pictureFileName(image->missingFile));
        if (!image->missingFile.isEmpty() && QFileInfo(candidate).isFile())
            relink(this, image, candidate);
    }
    refreshPanel();
}
