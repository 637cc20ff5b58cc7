#pragma once
// One picture for every item whose picture the same inputs shape: items holding copies of it share its
// pixels. Entries no item holds any more are dropped, so the store never outlives the items' need; what
// it gives never depends on what it holds, only how often a picture is drawn.
#include <QPixmap>
#include <QString>
#include <functional>

namespace sharedPictures
{

// The picture for key (which names everything that shapes it), made by make when no item holds one.
QPixmap picture(const QString &key, const std::function<QPixmap()> &make);
// Drops at once the pictures no item holds any more (the view's released ones).
void dropUnheld();

} // namespace sharedPictures
