// Asks Qt's reading of the shared-mime-info database (XDG_DATA_DIRS) to recognise designs by name and
// by content. Usage: spr-mimecheck MIME_TYPE; exit 0 when every case matches.
#include <QCoreApplication>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <cstdio>

namespace
{
struct mimeCase {
    const char *name;
    QByteArray content;
    QMimeDatabase::MatchMode mode;
    bool ours;
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s MIME_TYPE\n", argv[0]);
        return 2;
    }
    const QString expected = QString::fromLatin1(argv[1]);
    const QByteArray header = "[FileInfo]\r\nTotalNum = 0\r\n";
    const mimeCase cases[] = {
        {"design.spr", QByteArray(), QMimeDatabase::MatchExtension, true},
        {"design.SPR", QByteArray(), QMimeDatabase::MatchExtension, true},
        {"no-extension", header, QMimeDatabase::MatchContent, true},
        {"with-bom", "\xef\xbb\xbf" + header, QMimeDatabase::MatchContent, true},
        {"other-section", "[Other]\r\n", QMimeDatabase::MatchContent, false},
        {"header-later", "\r\n[FileInfo]\r\n", QMimeDatabase::MatchContent, false},
    };
    QTemporaryDir dir;
    const QMimeDatabase database;
    int failures = 0;
    for (const mimeCase &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (c.mode == QMimeDatabase::MatchContent) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(c.content) != c.content.size())
                return 2;
        }
        const QString found = database.mimeTypeForFile(path, c.mode).name();
        if ((found == expected) != c.ours) {
            std::printf("%s: %s\n", c.name, qPrintable(found));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
