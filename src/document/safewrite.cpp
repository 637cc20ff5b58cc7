#include "safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
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

// A save file that remembers the system's reason for its first failed write: the toolkit loses it, and a
// producer that keeps painting may change errno many times after.
class reasonKeepingSaveFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;
    bool shortWrite = false;
    int firstWriteErrno = 0;

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        errno = 0;
        const qint64 written = QSaveFile::writeData(data, length);
        if (written != length && !shortWrite) {
            shortWrite = true;
            firstWriteErrno = errno;
        }
        return written;
    }
};

} // namespace

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *errorText)
{
    return writeFileSafely(
        path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); }, errorText);
}

bool writeFileSafely(const QString &path, const std::function<bool(QIODevice &)> &produce, QString *errorText)
{
    if (path.isEmpty())
        return fail(errorText, QCoreApplication::translate("safeWrite", "没有文件名"));
    const QString problem = targetProblem(path);
    if (!problem.isEmpty())
        return fail(errorText, problem);
    reasonKeepingSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(errorText, file.errorString());
    // Unbuffered, so a full disk or a size limit shows in the write itself; the toolkit's commit does
    // not always notice an earlier failed flush.
    const bool produced = produce(file);
    const bool writeFailed = file.shortWrite || !file.flush() || file.error() != QFileDevice::NoError;
    if (!produced || writeFailed) {
        const QString reason = !writeFailed                ? QString() // the producer said why
                               : file.firstWriteErrno != 0 ? qt_error_string(file.firstWriteErrno)
                                                           : file.errorString();
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
