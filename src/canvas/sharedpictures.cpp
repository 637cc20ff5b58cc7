#include "sharedpictures.h"

#include <QHash>

namespace sharedPictures
{
namespace
{
struct store {
    QHash<QString, QPixmap> pictures;
    int sweepAt = 256;

    // Drops the pictures only the store still holds; runs when the store has doubled since the last
    // sweep, so the cost per lookup stays constant.
    void sweep()
    {
        for (auto it = pictures.begin(); it != pictures.end();)
            it = it->isDetached() ? pictures.erase(it) : std::next(it);
        sweepAt = qMax(256, 2 * int(pictures.size()));
    }
};

store &theStore()
{
    static store s;
    return s;
}
} // namespace

QPixmap picture(const QString &key, const std::function<QPixmap()> &make)
{
    store &s = theStore();
    const auto known = s.pictures.constFind(key);
    if (known != s.pictures.constEnd())
        return *known;
    const QPixmap made = make();
    // A null picture costs nothing to make again and could never be dropped.
    if (made.isNull())
        return made;
    if (s.pictures.size() >= s.sweepAt)
        s.sweep();
    s.pictures.insert(key, made);
    return made;
}

} // namespace sharedPictures
