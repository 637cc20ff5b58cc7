// sprtool check: what would make the printer or the designer misread a design.
#include "barcodetext.h"
#include "clifonts.h"
#include "cligs1.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "sprdocument.h"

#include <QGraphicsScene>
#include <algorithm>

namespace
{
// The line that names a substituted family: the first font key line with it; for the barcode text font
// the first barcode that shows its text, when no font key names it before.
int fontLine(const QByteArray &data, const QString &family)
{
    const bool barcodeFamily = family.compare(barcodeTextFamily(), Qt::CaseInsensitive) == 0;
    const QList<QByteArray> lines = data.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        const QString key = line.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = line.section(QLatin1Char('='), 1).trimmed();
        const bool fontKey = key.endsWith(QLatin1String("Font")) &&
                             value.section(QLatin1Char(','), 0, 0).compare(family, Qt::CaseInsensitive) == 0;
        const bool barText = barcodeFamily && key == QLatin1String("BarIsTextOn") && value.toInt() != 0;
        if (fontKey || barText)
            return i + 1;
    }
    return 1;
}

void addFontFindings(const QGraphicsScene &scene, const QByteArray &data, QVector<sprFinding> &findings)
{
    for (const fontSubstitute &font : substitutedFonts(designFontFamilies(scene)))
        findings.append({fontLine(data, font.family), fontSubstituteText(font)});
}

// The findings of one file: 0 none, 1 some, 2 unreadable.
int checkOne(const commandArgs &args, const QString &path, const previewValues &printAt, QByteArray &report)
{
    QGraphicsScene &scene = freshDesignScene();
    sprReadResult read;
    QByteArray data;
    // A design beyond a reader limit is refused (exit 2), but what was found up to the limit is listed.
    const bool readable = readDesign(args.command(), path, scene, &read, true, &data);
    if (readable) {
        addFontFindings(scene, data, read.findings);
        addGs1Findings(scene, data, printAt, read.findings);
    }
    std::stable_sort(read.findings.begin(), read.findings.end(),
                     [](const sprFinding &a, const sprFinding &b) { return a.line < b.line; });
    // With several files each line names its file, as compilers do.
    const QString prefix = args.arguments().size() > 1 ? path + QLatin1Char(':') : QString();
    for (const sprFinding &finding : read.findings)
        report += (prefix + QStringLiteral("%1: %2\n").arg(finding.line).arg(finding.message)).toUtf8();
    if (!readable)
        return exitFailed;
    return read.findings.isEmpty() ? exitSuccess : exitRefused;
}
} // namespace

int runCheckCommand(const commandArgs &args)
{
    if (args.arguments().count(QStringLiteral("-")) > 1)
        return args.usageError(cliText::stdinTwice());
    std::optional<previewValues> printAt;
    const QString problem = readPreviewOptions(args, printAt);
    if (!problem.isEmpty())
        return args.usageError(problem);
    int worst = exitSuccess;
    for (const QString &path : args.arguments()) {
        QByteArray report;
        worst = qMax(worst, checkOne(args, path, printAt.value_or(previewValues()), report));
        if (!printOut(args.command(), report))
            return exitFailed;
    }
    return worst;
}
