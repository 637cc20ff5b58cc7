// sprtool render: the design as the canvas shows it, unselected, on white; with --at or a counter, as the
// printer prints it. The output's extension chooses PNG, PDF or SVG.
#include "clifonts.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "designexport.h"
#include "printpreview.h"

#include <QGraphicsScene>
#include <cmath>

namespace
{
// Larger PNG pictures are refused rather than attempted.
constexpr double maxPixels = 256.0 * 1024 * 1024;

// A PNG page too large to draw, refused before any drawing; the vector formats scale freely.
bool pictureTooLarge(const commandArgs &args, const QGraphicsScene &scene, const exportOptions &options)
{
    if (options.format != exportFormat::png)
        return false;
    const QRectF page = exportPageRect(scene);
    const double width = std::ceil(page.width() * options.scale);
    const double height = std::ceil(page.height() * options.scale);
    if (width * height <= maxPixels)
        return false;
    printError(args.command(), cliText::pictureTooLarge().arg(width, 0, 'f', 0).arg(height, 0, 'f', 0));
    return true;
}

// A positive finite number, or the default when the option is not given.
bool parsePositive(const commandArgs &args, const char *name, double &value)
{
    if (!args.isSet(name))
        return true;
    bool ok = false;
    value = args.value(name).toDouble(&ok);
    return ok && std::isfinite(value) && value > 0;
}

bool parseCounter(const commandArgs &args, const char *name, int &value)
{
    if (!args.isSet(name))
        return true;
    bool ok = false;
    value = args.value(name).toInt(&ok);
    return ok && value >= 0 && value <= previewCounterMax;
}

QString optionName(const char *name)
{
    return QStringLiteral("--") + QLatin1String(name);
}

// The usage problem of the options, or an empty text when they are sound.
QString readOptions(const commandArgs &args, exportOptions &options)
{
    if (!parsePositive(args, "scale", options.scale))
        return cliText::badValue().arg(optionName("scale"), args.value("scale"), cliText::expectedScale());
    if (!parsePositive(args, "dpi", options.dpi))
        return cliText::badValue().arg(optionName("dpi"), args.value("dpi"), cliText::expectedScale());
    if (!args.isSet("at") && !args.isSet("counter1") && !args.isSet("counter2"))
        return QString();
    previewValues values;
    if (args.isSet("at")) {
        values.moment = QDateTime::fromString(args.value("at"), Qt::ISODate);
        if (!values.moment.isValid())
            return cliText::badValue().arg(optionName("at"), args.value("at"), cliText::expectedMoment());
    }
    for (const auto &counter :
         {std::make_pair("counter1", &values.counter1), std::make_pair("counter2", &values.counter2)}) {
        if (!parseCounter(args, counter.first, *counter.second))
            return cliText::badValue().arg(optionName(counter.first), args.value(counter.first),
                                           cliText::expectedCounter());
    }
    options.preview = values;
    return QString();
}
} // namespace

int runRenderCommand(const commandArgs &args)
{
    exportOptions options;
    const QString problem = readOptions(args, options);
    if (!problem.isEmpty())
        return args.usageError(problem);
    const QString output = args.value("output");
    if (output.isEmpty())
        return args.usageError(cliText::noOutput());
    // Standard output and names without a known extension get PNG, as they always did.
    options.format = exportFormatForPath(output).value_or(exportFormat::png);
    QGraphicsScene &scene = freshDesignScene();
    if (!readDesign(args.command(), args.arguments().at(0), scene, nullptr, false))
        return exitFailed;
    if (pictureTooLarge(args, scene, options))
        return exitFailed;
    warnAboutFonts(args.command(), designFontFamilies(scene));
    scene.clearSelection();
    scenePreview preview(scene);
    if (options.preview)
        preview.show(*options.preview);
    QString errorText;
    const QByteArray bytes = exportDesignBytes(scene, options, &errorText);
    if (bytes.isEmpty()) {
        printError(args.command(), errorText);
        return exitFailed;
    }
    return writeOutput(args.command(), output, bytes) ? exitSuccess : exitFailed;
}
