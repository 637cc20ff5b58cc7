// sprtool check: what would make the printer or the designer misread a design.
#include "barcodetext.h"
#include "clidata.h"
#include "clifonts.h"
#include "cligs1.h"
#include "cliio.h"
#include "cliscan.h"
#include "clitexts.h"
#include "commands.h"
#include "designpack.h"
#include "recordcheck.h"
#include "sprdocument.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace
{
// The line that names each substituted family, in one pass over the file whatever the number of
// families: the first font key line with it; for the barcode text font the first barcode that shows its
// text, when no font key names it before. Families no line names get line 1.
QHash<QString, int> fontLines(const QByteArray &data, const QVector<fontSubstitute> &fonts)
{
    QHash<QString, int> lines;
    QSet<QString> pending;
    for (const fontSubstitute &font : fonts)
        pending.insert(font.family.toCaseFolded());
    const QString barcodeFamily = barcodeTextFamily().toCaseFolded();
    forEachFileLine(data, [&](int number, const QString &line) {
        const int equals = line.indexOf(QLatin1Char('='));
        const QStringView key = QStringView(line).left(qMax(equals, 0)).trimmed();
        QString family;
        if (key.endsWith(QLatin1String("Font")))
            family = line.mid(equals + 1).section(QLatin1Char(','), 0, 0).trimmed().toCaseFolded();
        else if (key == QLatin1String("BarIsTextOn") && line.mid(equals + 1).toInt() != 0)
            family = barcodeFamily;
        if (pending.remove(family))
            lines.insert(family, number);
        return !pending.isEmpty();
    });
    for (const QString &family : qAsConst(pending))
        lines.insert(family, 1);
    return lines;
}

// Fonts this machine lacks are no fault of the design: notes, which leave the exit code alone.
QVector<sprFinding> fontNotes(const QGraphicsScene &scene, const QByteArray &data)
{
    const QVector<fontSubstitute> fonts = substitutedFonts(designFontFamilies(scene));
    const QHash<QString, int> lines = fontLines(data, fonts);
    QVector<sprFinding> notes;
    for (const fontSubstitute &font : fonts)
        notes.append({lines.value(font.family.toCaseFolded(), 1),
                      cliText::machineNote().arg(fontSubstituteText(font))});
    return notes;
}

// Two different pictures (or data files) that would be one file on the printer's disk.
void addNameClashes(const QGraphicsScene &scene, const QByteArray &data, const QString &designDir,
                    QVector<sprFinding> &findings)
{
    const packPlan plan = planPack(scene, QStringLiteral("design"), designDir);
    const QHash<const QGraphicsItem *, int> lines = itemPathLines(scene, data);
    for (const packProblem &problem : plan.problems)
        if (problem.what == packProblem::nameClash)
            findings.append({lines.value(problem.item, 1), problem.text});
}

bool byLine(const sprFinding &a, const sprFinding &b)
{
    return a.line < b.line;
}

// The findings of one file: 0 none, 1 some, 2 unreadable. Notes are listed among them by line.
int checkOne(const commandArgs &args, const QString &path, const previewValues &printAt,
             const PrinterResolution &printer, const dataFileContents *dataOverride, QByteArray &report)
{
    QGraphicsScene &scene = freshDesignScene();
    sprReadResult read;
    QByteArray data;
    // A design beyond a reader limit is refused (exit 2), but what was found up to the limit is listed.
    const bool readable = readDesign(args.command(), path, scene, &read, true, &data);
    QVector<sprFinding> notes;
    recordTotals records;
    if (readable) {
        notes = fontNotes(scene, data);
        addGs1Findings(scene, data, printAt, read.findings);
        const QString designDir = path == QLatin1String("-") ? QString() : QFileInfo(path).absolutePath();
        checkDataFileRecords(scene, data, designDir, dataOverride, read.findings, records);
        addNameClashes(scene, data, designDir, read.findings);
        addPlacedScanFindings(scene, data, printer, args.isSet("dots-per-mm") || printerResolutionStored(),
                              read.readAlone, read.findings);
    }
    QVector<sprFinding> lines = read.findings + notes;
    std::stable_sort(lines.begin(), lines.end(), byLine);
    // With several files each line names its file, as compilers do.
    const QString prefix = args.arguments().size() > 1 ? path + QLatin1Char(':') : QString();
    for (const sprFinding &line : lines)
        report += (prefix + QStringLiteral("%1: %2\n").arg(line.line).arg(line.message)).toUtf8();
    if (records.items > 0)
        report += (prefix + recordTotalsText(records) + QLatin1Char('\n')).toUtf8();
    if (!readable)
        return exitFailed;
    return read.findings.isEmpty() ? exitSuccess : exitRefused;
}
} // namespace

int runCheckCommand(const commandArgs &args)
{
    const bool dataFromStdin = args.value("data") == QLatin1String("-");
    if (args.arguments().count(QStringLiteral("-")) + (dataFromStdin ? 1 : 0) > 1)
        return args.usageError(cliText::stdinTwice());
    std::optional<previewValues> printAt;
    PrinterResolution printer;
    QString problem = readPreviewOptions(args, printAt);
    if (problem.isEmpty())
        problem = readPrinterOption(args, printer);
    if (!problem.isEmpty())
        return args.usageError(problem);
    std::optional<dataFileContents> dataOverride;
    if (args.isSet("data") && !readDataOption(args, dataOverride))
        return exitFailed;
    int worst = exitSuccess;
    for (const QString &path : args.arguments()) {
        QByteArray report;
        worst = qMax(worst, checkOne(args, path, printAt.value_or(previewValues()), printer,
                                     dataOverride ? &*dataOverride : nullptr, report));
        if (!printOut(args.command(), report))
            return exitFailed;
    }
    return worst;
}
