#include "safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

namespace
{

bool fail(QString *errorText, const QString &reason)
{
    if (errorText)
        *errorText = reason;
    return false;
}

// The file a write to path would really replace: symbolic links followed as the save file does.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// Empty when the target may be replaced; otherwise why not.
QString targetProblem(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(finalTarget(path)).constData(), &status) != 0)
        return QString(); // does not exist yet (or cannot be seen): opening tells
    if (S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("safeWrite", "是一个文件夹");
    return QCoreApplication::translate("safeWrite", "不是普通文件（管道、设备或套接字），不会被替换");
}

} // namespace

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *errorText)
{
    if (path.isEmpty())
        return fail(errorText, QCoreApplication::translate("safeWrite", "没有文件名"));
    const QString problem = targetProblem(path);
    if (!problem.isEmpty())
        return fail(errorText, problem);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(errorText, file.errorString());
    // Unbuffered, so a full disk or a size limit shows in the write itself; the toolkit's commit does
    // not always notice an earlier failed flush.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        // The toolkit loses the system's reason on a short write.
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return fail(errorText, reason);
    }
    if (!file.commit())
        return fail(errorText, file.errorString());
    return true;
}

QByteArray pngBytes(QImage picture, double dotsPerInch)
{
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(picture))
        return QByteArray();
    return bytes;
}

bool readFileChecked(const QString &path, qint64 maxBytes, QByteArray *data, QString *errorText,
                     bool *tooLarge)
{
    data->clear();
    if (tooLarge)
        *tooLarge = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    // The size is checked before reading and again while reading, for a file that grows meanwhile or a
    // device that reports no size.
    bool large = file.size() > maxBytes;
    if (!large) {
        data->reserve(int(qMax<qint64>(file.size(), 0)));
        char block[65536];
        qint64 got = 0;
        while (!large && (got = file.read(block, sizeof block)) > 0) {
            data->append(block, int(got));
            large = data->size() > maxBytes;
        }
        if (got < 0) {
            data->clear();
            if (errorText)
                *errorText = file.errorString();
            return false;
        }
    }
    if (!large)
        return true;
    data->clear();
    if (tooLarge)
        *tooLarge = true;
    return false;
}
