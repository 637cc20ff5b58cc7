// sprtool render: the design as the canvas shows it, unselected, on white.
#include "clifonts.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "printstrip.h"
#include "safewrite.h"
#include "sprdocument.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace
{
// Larger pictures are refused rather than attempted.
constexpr double maxPixels = 256.0 * 1024 * 1024;

bool parseScale(const commandArgs &args, double &scale)
{
    if (!args.isSet("scale"))
        return true;
    bool ok = false;
    scale = args.value("scale").toDouble(&ok);
    return ok && std::isfinite(scale) && scale > 0;
}
} // namespace

int runRenderCommand(const commandArgs &args)
{
    double scale = 1.0;
    if (!parseScale(args, scale))
        return args.usageError(cliText::badValue().arg(QStringLiteral("--scale"), args.value("scale"),
                                                       cliText::expectedScale()));
    const QString output = args.value("output");
    if (output.isEmpty())
        return args.usageError(cliText::noOutput());
    QGraphicsScene &scene = freshDesignScene();
    if (!readDesign(args.command(), args.arguments().at(0), scene, nullptr, false))
        return exitFailed;
    const QRectF source(0, 0, qMax<quint32>(1, designRightEdge(scene)), stripHeight);
    const double width = std::ceil(source.width() * scale);
    const double height = std::ceil(source.height() * scale);
    if (width * height > maxPixels || width < 1 || height < 1) {
        printError(args.command(), cliText::pictureTooLarge().arg(width, 0, 'f', 0).arg(height, 0, 'f', 0));
        return exitFailed;
    }
    warnAboutFonts(args.command(), designFontFamilies(scene));
    QImage picture(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    scene.clearSelection();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(0, 0, source.width() * scale, source.height() * scale), source,
                 Qt::IgnoreAspectRatio);
    painter.end();
    return writeOutput(args.command(), output, pngBytes(picture)) ? exitSuccess : exitFailed;
}
