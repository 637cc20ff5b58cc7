#include "datafile.h"

#include "sprdocument.h"
#include "sprsections.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

QString locateDataFile(const QString &stored, const QString &designDir)
{
    if (stored.isEmpty())
        return QString();
    QStringList candidates{stored};
    if (!designDir.isEmpty())
        candidates << QDir(designDir).filePath(pictureFileName(stored));
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return QString();
}

dataFileContents readDataFile(const QString &stored, const QString &designDir)
{
    const QString found = locateDataFile(stored, designDir);
    if (found.isEmpty()) {
        dataFileContents none;
        none.problem = QCoreApplication::translate("dataFile", "找不到数据文件");
        return none;
    }
    QByteArray bytes;
    QString problem;
    // The same checked read as a design's, with its size limit: a failing disk never passes for a
    // shorter file.
    if (!readSprFileBytes(found, &bytes, &problem)) {
        dataFileContents unread;
        unread.problem = problem;
        return unread;
    }
    dataFileContents contents = dataFileFromBytes(bytes);
    contents.foundPath = found;
    return contents;
}

dataFileContents dataFileFromBytes(const QByteArray &bytes)
{
    dataFileContents contents;
    int start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    contents.lines.reserve(int(std::count(bytes.cbegin(), bytes.cend(), '\n')) + 1);
    while (start < bytes.size()) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const int length = end - start - (end > start && bytes.at(end - 1) == '\r' ? 1 : 0);
        contents.lines.append(bytes.mid(start, length));
        start = end + 1;
    }
    return contents;
}

bool decodeRecord(const QByteArray &bytes, QString *text)
{
    *text = QString::fromUtf8(bytes);
    // As the design reader decides: plain ASCII is UTF-8; otherwise the text must give the bytes back.
    return std::none_of(bytes.cbegin(), bytes.cend(), [](char c) { return c & 0x80; }) ||
           text->toUtf8() == bytes;
}

std::optional<QString> recordLine(const dataFileContents &file, quint32 line, QString *why)
{
    if (!file.problem.isEmpty()) {
        *why = file.problem;
        return std::nullopt;
    }
    if (line == 0 || line > quint32(file.lines.size())) {
        *why = QCoreApplication::translate("dataFile", "数据文件只有 %1 行").arg(file.lines.size());
        return std::nullopt;
    }
    QString text;
    if (!decodeRecord(file.lines.at(int(line - 1)), &text)) {
        *why = QCoreApplication::translate("dataFile", "第 %1 行不是 UTF-8 文本").arg(line);
        return std::nullopt;
    }
    return text;
}
