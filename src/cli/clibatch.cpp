#include "clibatch.h"

#include "clicontent.h"
#include "cliio.h"
#include "cliparse.h"
#include "clitexts.h"
#include "safewrite.h"

#include <QHash>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace
{
// As for --content-file: far more than a batch needs, only a guard against a runaway pipe.
constexpr qint64 maxBatchBytes = 64ll * 1024 * 1024;
// Bytes of a {content} name: file systems take 255, and the pattern adds its own.
constexpr int maxNameBytes = 160;

const QString numberField = QStringLiteral("{n}");
const QString contentField = QStringLiteral("{content}");

int writeOne(const commandArgs &args, const QString &output, const symbolPicture &picture)
{
    if (picture.image.isNull()) {
        printError(args.command(), picture.refusal);
        return exitRefused;
    }
    return writeOutput(args.command(), output, pngBytes(picture.image)) ? exitSuccess : exitFailed;
}

// The lines of a batch file: a last line end ends the last line, a carriage return before it is dropped.
QList<QByteArray> batchLines(QByteArray bytes)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    QList<QByteArray> lines = bytes.isEmpty() ? QList<QByteArray>() : bytes.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// A batch makes and drops pictures of one size a thousand times. Kept in the heap rather than mapped and
// unmapped for each one, their pages are not faulted in anew for every symbol.
void keepPicturesInHeap()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

int runBatch(const commandArgs &args, const QString &pattern, const symbolMaker &make)
{
    keepPicturesInHeap();
    if (pattern == QLatin1String("-") || (!pattern.contains(numberField) && !pattern.contains(contentField)))
        return args.usageError(cliText::batchPattern());
    QByteArray bytes;
    if (!readInput(args.command(), args.value("batch"), maxBatchBytes, &bytes))
        return exitFailed;
    const QList<QByteArray> lines = batchLines(bytes);
    const int digits = QString::number(lines.size()).size();
    QHash<QString, int> written; // file name -> the line that wrote it
    int result = exitSuccess;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString content = QString::fromUtf8(lines.at(i));
        QString name = pattern;
        name.replace(numberField, QStringLiteral("%1").arg(lineNumber, digits, 10, QLatin1Char('0')))
            .replace(contentField, fileNameSafe(content));
        symbolPicture picture;
        if (content.toUtf8() != lines.at(i))
            picture.refusal = cliText::notUtf8();
        else if (written.contains(name))
            picture.refusal = cliText::batchSameName().arg(name).arg(written.value(name));
        else
            picture = make(content);
        if (picture.image.isNull()) {
            printError(args.command(), cliText::batchLine().arg(lineNumber).arg(picture.refusal));
            result = qMax<int>(result, exitRefused);
            continue;
        }
        written.insert(name, lineNumber);
        result = qMax(result, writeOne(args, name, picture));
    }
    return result;
}
} // namespace

QString fileNameSafe(const QString &content)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : content)
        name += c.category() == QChar::Other_Control || forbidden.contains(c) ? QLatin1Char('_') : c;
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    while (name.toUtf8().size() > maxNameBytes)
        name.chop(name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name;
}

int runSymbolCommand(const commandArgs &args, const QStringList &contentArguments, const symbolMaker &make)
{
    const QString output = args.value("output");
    if (output.isEmpty())
        return args.usageError(cliText::noOutput());
    if (args.isSet("batch")) {
        if (!contentArguments.isEmpty() || args.isSet("content-file"))
            return args.usageError(cliText::batchAndContent());
        return runBatch(args, output, make);
    }
    QString content;
    const int taken = takeContent(args, contentArguments, &content);
    if (taken != exitSuccess)
        return taken;
    return writeOne(args, output, make(content));
}
