// sprtool render: the design as the canvas shows it, unselected, on white; with --at or a counter, as the
// printer prints it. The output's extension chooses PNG, PDF or SVG; --records A-B writes a PDF proof of
// one page per data-file record.
#include "clidata.h"
#include "clifonts.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "datafilefields.h"
#include "designexport.h"
#include "printpreview.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <QGraphicsScene>
#include <limits>

namespace
{
QString optionName(const char *name)
{
    return QStringLiteral("--") + QLatin1String(name);
}

// A proof of more records than this is taken for a typing error rather than run for hours.
constexpr quint32 maxRecordPages = 100000;

// --records A-B: first and last; the usage problem, or an empty text when the range is sound.
QString readRecordRange(const commandArgs &args, exportFormat format, quint32 &first, quint32 &last)
{
    const QString value = args.value("records");
    const QRegularExpressionMatch range =
        QRegularExpression(QStringLiteral("^\\s*(\\d{1,10})\\s*-\\s*(\\d{1,10})\\s*$")).match(value);
    const qint64 a = range.hasMatch() ? range.captured(1).toLongLong() : 0;
    const qint64 b = range.hasMatch() ? range.captured(2).toLongLong() : 0;
    if (a < 1 || b < a || b > std::numeric_limits<int>::max())
        return cliText::badValue().arg(
            optionName("records"), value,
            QCoreApplication::translate("sprtool", "应为两个行号 A-B，1 ≤ A ≤ B（例如 1-50）"));
    if (b - a + 1 > maxRecordPages)
        return cliText::badValue().arg(
            optionName("records"), value,
            QCoreApplication::translate("sprtool", "一次最多 %1 页").arg(maxRecordPages));
    if (args.isSet("record"))
        return QCoreApplication::translate("sprtool", "--record 与 --records 只能二选一");
    if (format != exportFormat::pdf)
        return QCoreApplication::translate("sprtool",
                                           "--records 每行写一页，只有 PDF 有多页：请用 -o 文件名.pdf");
    first = quint32(a);
    last = quint32(b);
    return QString();
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
    quint32 firstRecord = 0;
    quint32 lastRecord = 0;
    if (args.isSet("records")) {
        const QString rangeProblem = readRecordRange(args, options.format, firstRecord, lastRecord);
        if (!rangeProblem.isEmpty())
            return args.usageError(rangeProblem);
        if (!options.preview)
            options.preview = previewValues();
    }
    QGraphicsScene &scene = freshDesignScene();
    if (!readDesign(args.command(), args.arguments().at(0), scene, nullptr, false))
        return exitFailed;
    warnAboutFonts(args.command(), designFontFamilies(scene));
    scene.clearSelection();
    scenePreview preview(scene);
    std::optional<dataFileContents> dataOverride;
    if (args.isSet("data") && !readDataOption(args, dataOverride))
        return exitFailed;
    const QString designDir = designDirOf(args.arguments().at(0));
    QHash<QString, dataFileContents> files;
    QSet<QString> warned;
    preview.setRecordSource([&](const QGraphicsItem &item, quint32 line, QString *why) {
        const QString path = dataFileSettingsOf(&item)->path;
        auto cached = files.find(path);
        if (!dataOverride && cached == files.end())
            cached = files.insert(path, readDataFile(path, designDir));
        const std::optional<QString> record = recordLine(dataOverride ? *dataOverride : *cached, line, why);
        // The item then prints nothing, and the page cannot say why: said once per file and reason.
        const QString name = dataOverride ? args.value("data") : path;
        if (!record && !warned.contains(name + QLatin1Char('\n') + *why)) {
            warned.insert(name + QLatin1Char('\n') + *why);
            printError(args.command(),
                       QCoreApplication::translate("sprtool", "数据文件“%1”第 %2 行：%3；该项目不绘制")
                           .arg(name)
                           .arg(line)
                           .arg(*why));
        }
        return record;
    });
    if (firstRecord > 0) {
        // One page per record, each drawn as --record draws it.
        options.pages = int(lastRecord - firstRecord + 1);
        options.showPage = [&](int page) {
            options.preview->record = firstRecord + quint32(page);
            preview.show(*options.preview);
        };
    } else if (options.preview) {
        preview.show(*options.preview);
    }
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
