#include "palettepng.h"

#include <QImage>
#include <QtEndian>

#include <cstring>
#define ZLIB_CONST // input the stream only reads
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

// The checksum of the stream after length zero bytes: they leave the sum of the bytes as it is and add
// that sum length times to the sum of the sums.
uLong checksumAfterZeros(uLong checksum, int length)
{
    constexpr uLong modulus = 65521;
    const uLong sum = checksum & 0xFFFF;
    const uLong sums = ((checksum >> 16) + uLong(length) % modulus * sum) % modulus;
    return sums << 16 | sum;
}

// Compresses the rows into out as a zlib stream. A row equal to the one above goes as "up", all zeros: a
// barcode is mostly such rows, and zeros pack faster and smaller than a repeat of the row before. The
// stream's header and checksum are written here, so that the zeros are not read again to be summed.
bool appendRows(QByteArray &out, const QImage &indexed)
{
    z_stream stream{};
    if (deflateInit2(&stream, compressionLevel, Z_DEFLATED, -MAX_WBITS, memoryLevel, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return false;
    out.append("\x78\x5e", 2); // deflate with a 32 KiB window, a fast level; a multiple of 31
    const int width = indexed.width();
    QByteArray plain(width + 1, char(filterNone));
    QByteArray repeated(width + 1, 0);
    repeated[0] = char(filterUp);
    uLong checksum = adler32(0, nullptr, 0);
    char block[65536];
    int status = Z_OK;
    for (int y = 0; y < indexed.height() && status == Z_OK; ++y) {
        const uchar *row = indexed.constScanLine(y);
        const bool same = y > 0 && std::memcmp(row, indexed.constScanLine(y - 1), size_t(width)) == 0;
        const QByteArray &line = same ? repeated : plain;
        if (same) {
            checksum = checksumAfterZeros(
                adler32(checksum, reinterpret_cast<const Bytef *>(line.constData()), 1), width);
        } else {
            std::memcpy(plain.data() + 1, row, size_t(width));
            checksum = adler32(checksum, reinterpret_cast<const Bytef *>(line.constData()), uInt(width + 1));
        }
        stream.next_in = reinterpret_cast<const Bytef *>(line.constData());
        stream.avail_in = uInt(width + 1);
        const int flush = y + 1 == indexed.height() ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(block);
            stream.avail_out = sizeof block;
            status = deflate(&stream, flush);
            if (status == Z_BUF_ERROR) // nothing left to do with the space given: no fault
                status = Z_OK;
            out.append(block, int(sizeof block - stream.avail_out));
        } while (stream.avail_out == 0 && status == Z_OK);
    }
    deflateEnd(&stream);
    appendNumber(out, quint32(checksum));
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
