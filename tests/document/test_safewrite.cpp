// The one checked write: a failed or refused write leaves the old file as it was and nothing beside it.
#include "safewrite.h"
#include "sprdocument.h"

#include <QDir>
#include <QFile>
#include <QGraphicsScene>
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
