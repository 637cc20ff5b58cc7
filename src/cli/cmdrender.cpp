// sprtool render: the design as the canvas shows it, unselected, on white; with --at or a counter, as the
// printer prints it. The output's extension chooses PNG, PDF or SVG.
#include "clidata.h"
#include "clifonts.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "datafilefields.h"
#include "designexport.h"
#include "printpreview.h"

#include <QFileInfo>
#include <QHash>

#include <QGraphicsScene>
#include <limits>

namespace
{
QString optionName(const char *name)
{
    return QStringLiteral("--") + QLatin1String(name);
}

// The usage problem of the options, or an empty text when they are sound.
QString readOptions(const commandArgs &args, exportOptions &options)
{
    if (!positiveOption(args, "scale", options.scale))
        return cliText::badValue().arg(optionName("scale"), args.value("scale"), cliText::expectedScale());
    if (!positiveOption(args, "dpi", options.dpi))
        return cliText::badValue().arg(optionName("dpi"), args.value("dpi"), cliText::expectedScale());
    const QString problem = readPreviewOptions(args, options.preview);
    int record = 0;
    if (!problem.isEmpty() || !args.isSet("record"))
        return problem;
    if (!integerOption(args, "record", 1, std::numeric_limits<int>::max(), record))
        return cliText::badValue().arg(optionName("record"), args.value("record"),
                                       cliText::expectedInteger());
    // A record is drawn as the printer prints it, as --at and the counters are.
    if (!options.preview)
        options.preview = previewValues();
    options.preview->record = quint32(record);
    return QString();
}
} // namespace

int runRenderCommand(const commandArgs &args)
{
    exportOptions options;
    const QString problem = readOptions(args, options);
    if (!problem.isEmpty())
        return args.usageError(problem);
    if (args.arguments().at(0) == QLatin1String("-") && args.value("data") == QLatin1String("-"))
        return args.usageError(cliText::stdinTwice());
    const QString output = args.value("output");
    if (output.isEmpty())
        return args.usageError(cliText::noOutput());
    // Standard output and names without a known extension get PNG, as they always did.
    options.format = exportFormatForPath(output).value_or(exportFormat::png);
    QGraphicsScene &scene = freshDesignScene();
    if (!readDesign(args.command(), args.arguments().at(0), scene, nullptr, false))
        return exitFailed;
    warnAboutFonts(args.command(), designFontFamilies(scene));
    scene.clearSelection();
    scenePreview preview(scene);
    std::optional<dataFileContents> dataOverride;
    if (args.isSet("data") && !readDataOption(args, dataOverride))
        return exitFailed;
    const QString designDir = args.arguments().at(0) == QLatin1String("-")
                                  ? QString()
                                  : QFileInfo(args.arguments().at(0)).absolutePath();
    QHash<QString, dataFileContents> files;
    preview.setRecordSource([&](const QGraphicsItem &item, quint32 line, QString *why) {
        const QString path = dataFileSettingsOf(&item)->path;
        if (dataOverride)
            return recordLine(*dataOverride, line, why);
        auto cached = files.find(path);
        if (cached == files.end())
            cached = files.insert(path, readDataFile(path, designDir));
        return recordLine(*cached, line, why);
    });
    if (options.preview)
        preview.show(*options.preview);
    QString errorText;
    if (output == QLatin1String("-")) {
        const QByteArray bytes = exportDesignBytes(scene, options, &errorText);
        if (bytes.isEmpty()) {
            printError(args.command(), errorText);
            return exitFailed;
        }
        return writeOutput(args.command(), output, bytes) ? exitSuccess : exitFailed;
    }
    // A file is written as it is painted: a vector page of tens of thousands of items is never held whole.
    bool writeFailed = false;
    if (exportDesignFile(output, scene, options, &errorText, &writeFailed))
        return exitSuccess;
    printError(args.command(), writeFailed ? cliText::cannotWrite().arg(output, errorText) : errorText);
    return exitFailed;
}
