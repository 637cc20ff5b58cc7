#pragma once
// Files that are no design, made from a design's bytes: the window and every sprtool command refuse them
// alike. Beside them, the forms of the same design that the printer reads and that therefore still open.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace nonDesigns
{

using namedBytes = QList<QPair<QString, QByteArray>>;

inline QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    return bytes.replace(from, to);
}

inline QByteArray utf16(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char *>(text.utf16()), int(text.size() * sizeof(char16_t)));
}

// Random bytes, the same on every run.
inline QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 2463534242u;
    for (char &c : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        c = char(state);
    }
    return bytes;
}

inline namedBytes refused(const QByteArray &design)
{
    return {{QStringLiteral("CR-only line ends"), replaced(design, "\r\n", "\r")},
            {QStringLiteral("UTF-16"), utf16(design)},
            {QStringLiteral("blank line before the header"), "\r\n" + design},
            {QStringLiteral("header in lower case"), replaced(design, "[FileInfo]", "[fileinfo]")},
            {QStringLiteral("spaces around the header"), replaced(design, "[FileInfo]", " [FileInfo] ")},
            {QStringLiteral("empty file"), QByteArray()},
            {QStringLiteral("random bytes"), noise(4096)}};
}

inline namedBytes readByThePrinter(const QByteArray &design)
{
    return {{QStringLiteral("LF line ends"), replaced(design, "\r\n", "\n")},
            {QStringLiteral("CR CR LF line ends"), replaced(design, "\r\n", "\r\r\n")}};
}

} // namespace nonDesigns
