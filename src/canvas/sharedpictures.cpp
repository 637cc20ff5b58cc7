#include "sharedpictures.h"

#include <QHash>

namespace sharedPictures
{
namespace
{
qint64 bytesOf(const QPixmap &picture)
{
    return qint64(picture.width()) * picture.height() * qMax(1, picture.depth()) / 8;
}

struct store {
    QHash<QString, QPixmap> pictures;
    qint64 bytes = 0;
    int sweepAt = 256;
    qint64 sweepAtBytes = minSweepBytes;
    static constexpr qint64 minSweepBytes = 64ll << 20;

    // Drops the pictures only the store still holds; runs when the store has doubled in count or in
    // bytes since the last sweep, so the cost per lookup stays constant and the pictures nobody holds
    // (large ones painted once for an export) never add up to more than the ones still in use.
    void sweep()
    {
        for (auto it = pictures.begin(); it != pictures.end();) {
            if (it->isDetached()) {
                bytes -= bytesOf(*it);
                it = pictures.erase(it);
            } else {
                ++it;
            }
        }
        sweepAt = qMax(256, 2 * int(pictures.size()));
        sweepAtBytes = qMax(minSweepBytes, 2 * bytes);
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
    if (s.pictures.size() >= s.sweepAt || s.bytes + bytesOf(made) > s.sweepAtBytes)
        s.sweep();
    s.pictures.insert(key, made);
    s.bytes += bytesOf(made);
    return made;
}

void dropUnheld()
{
    theStore().sweep();
}

} // namespace sharedPictures
