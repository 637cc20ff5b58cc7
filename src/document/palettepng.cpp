#include "palettepng.h"

#include <QImage>
#include <QtEndian>

#include <cstring>
#include <zlib.h>

namespace
{
// zlib level 2: symbols and pages are long runs that a light level packs nearly as well, and a batch of
// symbols is spent mostly compressing. A quarter of the usual hash table keeps the files as small, and
// zlib slides the whole table along its window every 32 KiB of rows.
constexpr int compressionLevel = 2;
constexpr int memoryLevel = 6;
constexpr uchar filterNone = 0;
constexpr uchar filterUp = 2;

void appendNumber(QByteArray &out, quint32 value)
{
    const quint32 bigEndian = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&bigEndian), 4);
}

// Closes the chunk whose length field starts at start: its length and the checksum of type and data.
void endChunk(QByteArray &out, int start)
{
    const quint32 length = quint32(out.size() - start - 8);
    const quint32 bigEndian = qToBigEndian(length);
    std::memcpy(out.data() + start, &bigEndian, 4);
    const auto *typeAndData = reinterpret_cast<const Bytef *>(out.constData() + start + 4);
    appendNumber(out, quint32(crc32(0, typeAndData, uInt(length + 4))));
}

void appendChunk(QByteArray &out, const char *type, const QByteArray &data)
{
    const int start = out.size();
    appendNumber(out, 0);
    out.append(type, 4).append(data);
    endChunk(out, start);
}

QByteArray header(const QImage &indexed)
{
    QByteArray data;
    appendNumber(data, quint32(indexed.width()));
    appendNumber(data, quint32(indexed.height()));
    // 8 bits per index, palette colour, deflate, adaptive filtering, no interlace.
    return data.append("\x08\x03\x00\x00\x00", 5);
}

// Compresses the rows into out. A row equal to the one above goes as "up", all zeros: a barcode is
// mostly such rows, and zeros pack faster and smaller than a repeat of the row before.
bool appendRows(QByteArray &out, const QImage &indexed)
{
    z_stream stream{};
    if (deflateInit2(&stream, compressionLevel, Z_DEFLATED, MAX_WBITS, memoryLevel, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return false;
    const int width = indexed.width();
    QByteArray plain(width + 1, char(filterNone));
    QByteArray repeated(width + 1, 0);
    repeated[0] = char(filterUp);
    char block[65536];
    int status = Z_OK;
    for (int y = 0; y < indexed.height() && status == Z_OK; ++y) {
        const uchar *row = indexed.constScanLine(y);
        const bool same = y > 0 && std::memcmp(row, indexed.constScanLine(y - 1), size_t(width)) == 0;
        if (!same)
            std::memcpy(plain.data() + 1, row, size_t(width));
        stream.next_in = reinterpret_cast<Bytef *>(same ? repeated.data() : plain.data());
        stream.avail_in = uInt(width + 1);
        const int flush = y + 1 == indexed.height() ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(block);
            stream.avail_out = sizeof block;
            status = deflate(&stream, flush);
            out.append(block, int(sizeof block - stream.avail_out));
        } while (stream.avail_out == 0 && status == Z_OK);
    }
    deflateEnd(&stream);
    return status == Z_STREAM_END;
}
} // namespace

QByteArray palettePng(const QImage &indexed, int dotsPerMetre)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.isNull())
        return {};
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    appendChunk(out, "IHDR", header(indexed));
    QByteArray colours;
    QByteArray alphas;
    int translucent = 0; // entries up to the last one that is not opaque
    for (const QRgb colour : indexed.colorTable()) {
        colours.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
        alphas.append(char(qAlpha(colour)));
        if (qAlpha(colour) != 255)
            translucent = alphas.size();
    }
    appendChunk(out, "PLTE", colours);
    if (translucent > 0)
        appendChunk(out, "tRNS", alphas.left(translucent));
    QByteArray resolution;
    appendNumber(resolution, quint32(dotsPerMetre));
    appendNumber(resolution, quint32(dotsPerMetre));
    appendChunk(out, "pHYs", resolution.append(char(1))); // unit: metre
    const int start = out.size();
    out.append("\0\0\0\0IDAT", 8);
    if (!appendRows(out, indexed))
        return {};
    endChunk(out, start);
    appendChunk(out, "IEND", QByteArray());
    return out;
}
