#include "cliio.h"

#include "clitexts.h"
#include "safewrite.h"
#include "sprdocument.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
const QString dash = QStringLiteral("-");

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Whole reads of standard input in blocks, so a pipe of any length is taken up to the limit.
bool readStandardInput(qint64 maxBytes, QByteArray *data, QString *reason)
{
    data->clear();
    char block[65536];
    for (;;) {
        const size_t got = std::fread(block, 1, sizeof block, stdin);
        data->append(block, int(got));
        if (data->size() > maxBytes) {
            *reason = cliText::inputTooLarge().arg(maxBytes);
            return false;
        }
        if (got < sizeof block) {
            if (std::ferror(stdin)) {
                *reason = systemError(errno);
                return false;
            }
            return true;
        }
    }
}

bool readFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *reason)
{
    bool tooLarge = false;
    if (readFileChecked(path, maxBytes, data, reason, &tooLarge))
        return true;
    if (tooLarge)
        *reason = cliText::inputTooLarge().arg(maxBytes);
    return false;
}
} // namespace

QString shownName(const QString &path, bool output)
{
    if (path != dash)
        return path;
    return output ? cliText::standardOutput() : cliText::standardInput();
}

void printError(const QString &command, const QString &message)
{
    const QString prefix =
        command.isEmpty() ? QStringLiteral("sprtool: ") : QStringLiteral("sprtool %1: ").arg(command);
    std::fputs((prefix + message + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

bool printOut(const QString &command, const QByteArray &bytes)
{
    errno = 0;
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    if (written && std::fflush(stdout) == 0)
        return true;
    const int error = errno ? errno : EIO;
    std::clearerr(stdout);
    printError(command, cliText::cannotWrite().arg(cliText::standardOutput(), systemError(error)));
    return false;
}

bool writeOutput(const QString &command, const QString &path, const QByteArray &bytes)
{
    if (path == dash)
        return printOut(command, bytes);
    QString reason;
    if (writeFileSafely(path, bytes, &reason))
        return true;
    printError(command, cliText::cannotWrite().arg(path, reason));
    return false;
}

bool readInput(const QString &command, const QString &path, qint64 maxBytes, QByteArray *data)
{
    QString reason;
    const bool read =
        path == dash ? readStandardInput(maxBytes, data, &reason) : readFile(path, maxBytes, data, &reason);
    if (!read)
        printError(command, cliText::cannotRead().arg(shownName(path, false), reason));
    return read;
}

QGraphicsScene &freshDesignScene()
{
    static QGraphicsScene *current = nullptr;
    delete current;
    current = new QGraphicsScene;
    return *current;
}

bool readDesign(const QString &command, const QString &path, QGraphicsScene &scene, sprReadResult *read,
                bool collectFindings, QByteArray *data)
{
    setUpDesignScene(scene);
    sprReadOptions options;
    options.collectFindings = collectFindings;
    QByteArray bytes;
    if (path == dash) {
        // Pictures named by a design on standard input are taken where the file says; there is no
        // document folder to look in besides.
        if (!readInput(command, path, options.limits.maxFileBytes, &bytes))
            return false;
    } else {
        options.documentDir = QFileInfo(path).absolutePath();
        QString reason;
        if (!readSprFileBytes(path, &bytes, &reason)) {
            printError(command, cliText::cannotRead().arg(path, reason));
            return false;
        }
    }
    // check lists what is wrong with any file, a missing header first; the other commands take only
    // what the window opens as a design.
    const sprFileStatus status = probeSprData(bytes);
    if (!collectFindings && status != sprFileStatus::ok) {
        printError(command, cliText::cannotRead().arg(shownName(path, false), sprFileStatusText(status)));
        return false;
    }
    const sprReadResult result = readSprData(bytes, scene, options);
    if (data)
        *data = bytes;
    if (read)
        *read = result;
    if (result.limitExceeded.isEmpty())
        return true;
    printError(command, cliText::cannotRead().arg(shownName(path, false), result.limitExceeded));
    return false;
}
