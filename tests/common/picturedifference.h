#pragma once
// How far two pictures of the same size are apart: the pixels that differ, and the largest difference
// of one colour channel.
#include <QImage>
#include <QtGlobal>
#include <algorithm>

struct pictureDifference {
    int differing = 0;
    int most = 0;
};

inline pictureDifference differenceOf(const QImage &a, const QImage &b)
{
    pictureDifference difference;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p == q)
                continue;
            ++difference.differing;
            difference.most = std::max({difference.most, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                        qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))});
        }
    return difference;
}
