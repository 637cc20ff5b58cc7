// The one checked write: a failed or refused write leaves the old file as it was and nothing beside it.
#include "safewrite.h"
#include "sprdocument.h"

#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
const QByteArray oldBytes("[FileInfo]\r\nSceneWidth =0\r\n");

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool bindSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= int(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd); // the socket file stays
    return bound;
}

// Runs write with the process's file-size limit lowered to limit bytes, as on a nearly full disk.
bool underSizeLimit(rlim_t limit, const std::function<bool()> &write)
{
    rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit low = old;
    low.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &low);
    const bool written = write();
    setrlimit(RLIMIT_FSIZE, &old);
    return written;
}
} // namespace

class SafeWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        std::signal(SIGXFSZ, SIG_IGN); // the limit makes write() fail instead of ending the process
    }

    void init()
    {
        target = dir.filePath(QStringLiteral("design.spr"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(oldBytes);
    }

    void failedWriteKeepsTheOldFile()
    {
        const QByteArray large(64 * 1024, 'x');
        QString reason;
        QVERIFY(!underSizeLimit(4096, [&] { return writeFileSafely(target, large, &reason); }));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(contentsOf(target), oldBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("design.spr")});
    }

    // The save the window and sprtool resave use goes the same way.
    void failedSaveOfADesignKeepsTheOldFile()
    {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        QString reason;
        QVERIFY(!underSizeLimit(8, [&] { return saveSprFile(target, scene, &reason); }));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(contentsOf(target), oldBytes);
    }

    void specialTargetsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("socket") << "socket";
    }
    void specialTargetsAreRefused()
    {
        QFETCH(QString, kind);
        QString path = dir.filePath(kind);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkpath(kind));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(bindSocket(path));
        QString reason;
        QVERIFY(!writeFileSafely(path, oldBytes, &reason));
        QVERIFY(!reason.isEmpty());
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QVERIFY(!S_ISREG(status.st_mode)); // still what it was, not replaced by a file
    }

    // Grey pictures are stored as grey (one bit where black and white), others as they are; every
    // picture reads back with the same pixels.
    void pngKeepsEveryPixel_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("paper"); // QRgb of the background
        QTest::addColumn<int>("ink");
        QTest::addColumn<bool>("smooth"); // antialiased text adds grey levels
        QTest::addColumn<int>("bitDepth");
        QTest::addColumn<int>("colourType"); // 0 grey, 3 palette (up to 256 colours), 6 RGBA
        const int page = QImage::Format_ARGB32_Premultiplied;
        const int white = int(0xFFFFFFFF);
        const int black = int(0xFF000000);
        QTest::newRow("grey page") << page << white << black << true << 8 << 0;
        QTest::newRow("grey page, RGB32")
            << int(QImage::Format_RGB32) << white << int(0xFF808080) << true << 8 << 0;
        QTest::newRow("black and white") << page << white << black << false << 1 << 3;
        QTest::newRow("coloured ink") << page << white << int(0xFFFF0000) << true << 8 << 6;
        QTest::newRow("transparent paper") << page << 0 << black << false << 8 << 3;
        // Stored premultiplied, written with the colours unpremultiplied.
        QTest::newRow("half-transparent grey, premultiplied")
            << page << int(0x80808080) << black << false << 8 << 3;
        QTest::newRow("half-transparent grey")
            << int(QImage::Format_ARGB32) << int(0x80808080) << black << true << 8 << 3;
    }

    void pngKeepsEveryPixel()
    {
        QFETCH(int, format);
        QFETCH(int, paper);
        QFETCH(int, ink);
        QFETCH(bool, smooth);
        QFETCH(int, bitDepth);
        QFETCH(int, colourType);
        QImage picture(301, 77, QImage::Format(format));
        picture.fill(QColor::fromRgba(QRgb(paper)));
        QPainter painter(&picture);
        painter.fillRect(QRect(3, 5, 17, 60), QColor::fromRgba(QRgb(ink)));
        painter.fillRect(QRect(40, 0, 1, 77), QColor::fromRgba(QRgb(ink)));
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        painter.setRenderHint(QPainter::TextAntialiasing, smooth);
        painter.setBrush(QColor::fromRgba(QRgb(ink)));
        painter.drawEllipse(QRectF(60.5, 10.3, 90.4, 50.2));
        painter.end();
        const QByteArray png = pngBytes(picture, 300);
        QVERIFY(png.size() > 26);
        QCOMPARE(int(uchar(png.at(24))), bitDepth);
        QCOMPARE(int(uchar(png.at(25))), colourType);
        const QImage read = QImage::fromData(png, "PNG");
        QCOMPARE(read.dotsPerMeterX(), qRound(300 / 0.0254));
        QCOMPARE(read.convertToFormat(picture.format()), picture); // premultiplied ones as stored
    }

    void aLinkKeepsBeingALink()
    {
        const QString link = dir.filePath(QStringLiteral("link.spr"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(writeFileSafely(link, "new", nullptr));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contentsOf(target), QByteArray("new"));
    }

private:
    QTemporaryDir dir;
    QString target;
};

QTEST_MAIN(SafeWriteTest)
#include "test_safewrite.moc"
