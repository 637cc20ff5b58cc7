// sprtool render: the design as the canvas shows it, unselected, on white.
#include "cmddesign.h"
#include "commands.h"
#include "printstrip.h"
#include "safewrite.h"
#include "sprdocument.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>

namespace
{
const char *const usage = "render FILE.spr -o OUT.png [--scale F]";
// Larger pictures are refused rather than attempted.
constexpr double maxPixels = 256.0 * 1024 * 1024;

struct renderArgs {
    QString input;
    QString output;
    double scale = 1.0;
};

bool parseArgs(const QStringList &args, renderArgs &out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if ((arg == "-o" || arg == "--scale") && i + 1 < args.size()) {
            const QString value = args.at(++i);
            if (arg == "-o") {
                out.output = value;
            } else {
                bool ok = false;
                out.scale = value.toDouble(&ok);
                if (!ok || !std::isfinite(out.scale) || out.scale <= 0)
                    return false;
            }
        } else if (out.input.isEmpty() && !arg.startsWith('-')) {
            out.input = arg;
        } else {
            return false;
        }
    }
    return !out.input.isEmpty() && !out.output.isEmpty();
}
} // namespace

int runRenderCommand(const QStringList &args)
{
    renderArgs options;
    if (!parseArgs(args, options))
        return usageError(usage);
    QGraphicsScene scene;
    if (!readDesign(options.input, scene, nullptr, false))
        return 2;
    const QRectF source(0, 0, qMax<quint32>(1, designRightEdge(scene)), stripHeight);
    const double width = std::ceil(source.width() * options.scale);
    const double height = std::ceil(source.height() * options.scale);
    if (width * height > maxPixels || width < 1 || height < 1) {
        std::fprintf(stderr,
                     "sprtool: a picture of %.0f x %.0f pixels is too large; choose a smaller --scale\n",
                     width, height);
        return 2;
    }
    QImage picture(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    scene.clearSelection();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(0, 0, source.width() * options.scale, source.height() * options.scale),
                 source, Qt::IgnoreAspectRatio);
    painter.end();
    QString reason;
    if (!writeFileSafely(options.output, pngBytes(picture), &reason)) {
        std::fprintf(stderr, "sprtool: cannot write %s: %s\n", qUtf8Printable(options.output),
                     qUtf8Printable(reason));
        return 2;
    }
    return 0;
}
