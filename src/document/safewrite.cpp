#include "safewrite.h"

#include "palettepng.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstring>
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

namespace
{
// The picture as 8-bit grey when every pixel is opaque grey, and then as one bit per pixel when each is
// black or white: the same pixels when read back, a quarter or a thirty-second of the bytes to compress.
// Null when the picture needs its colours or its transparency.
QImage greyPicture(const QImage &picture)
{
    const QImage::Format format = picture.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return {};
    QImage grey(picture.size(), QImage::Format_Grayscale8);
    if (grey.isNull())
        return {};
    const bool opaqueFormat = format == QImage::Format_RGB32;
    bool bilevel = true;
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        uchar *out = grey.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = row[x];
            const int value = qRed(pixel);
            if ((!opaqueFormat && qAlpha(pixel) != 255) || qGreen(pixel) != value || qBlue(pixel) != value)
                return {};
            bilevel = bilevel && (value == 0 || value == 255);
            out[x] = uchar(value);
        }
    }
    return bilevel ? grey.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither) : grey;
}

// The colour table of an indexed picture being built: the index of each colour, found by hashing, in the
// order the colours first appear. A picture of text has a couple of hundred edge colours, too many to
// look each up in a list.
class colourIndex
{
public:
    colourIndex() { table.fill(empty); }
    // The colour's index, a new one when it is new; -1 once a 257th colour appears.
    int of(QRgb colour)
    {
        quint32 slot = (colour * 0x9E3779B1u) >> (32 - slotBits);
        for (;; slot = (slot + 1) & (slotCount - 1)) {
            if (table[slot] == empty) {
                if (colours.size() == 256)
                    return -1;
                table[slot] = colours.size();
                colours.append(colour);
                return table[slot];
            }
            if (colours.at(table[slot]) == colour)
                return table[slot];
        }
    }
    QVector<QRgb> colours; // as stored in the picture

private:
    static constexpr int slotBits = 10; // four times the most colours kept: probes stay short
    static constexpr int slotCount = 1 << slotBits;
    static constexpr qint16 empty = -1;
    std::array<qint16, slotCount> table;
};

// A picture of at most 256 colours (a barcode: transparent, black, white and the edges of its digits)
// as one byte per pixel and a table of its colours: the same pixels when read back, a quarter of the
// bytes to compress. Null when it has more colours. A row like the one above (the bars of a symbol) is
// copied rather than looked up again.
QImage palettePicture(const QImage &picture)
{
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_ARGB32_Premultiplied)
        return {};
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return {};
    colourIndex index;
    const int width = picture.width();
    const size_t rowBytes = size_t(width) * sizeof(QRgb);
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        if (y > 0 && std::memcmp(row, picture.constScanLine(y - 1), rowBytes) == 0) {
            std::memcpy(out, indexed.constScanLine(y - 1), size_t(width));
            continue;
        }
        QRgb last = row[0];
        int lastIndex = index.of(last);
        for (int x = 0; x < width; ++x) {
            if (row[x] != last) {
                last = row[x];
                lastIndex = index.of(last);
            }
            if (lastIndex < 0)
                return {};
            out[x] = uchar(lastIndex);
        }
    }
    QVector<QRgb> colours = std::move(index.colours);
    if (picture.format() == QImage::Format_ARGB32_Premultiplied) {
        for (QRgb &colour : colours)
            colour = qUnpremultiply(colour);
    }
    indexed.setColorTable(colours);
    return indexed;
}
} // namespace

QByteArray pngBytes(QImage picture, double dotsPerInch)
{
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    QImage compact = greyPicture(picture);
    if (compact.isNull()) {
        const QImage indexed = palettePicture(picture);
        if (!indexed.isNull())
            return palettePng(indexed, dotsPerMetre);
    }
    // Moved, not shared: setting the resolution on a shared picture would copy its pixels.
    if (!compact.isNull())
        picture = std::move(compact);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    // zlib level 2 (the writer's 0 to 100 scale maps onto levels 0 to 9), as for palette pictures.
    writer.setCompression(25);
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
