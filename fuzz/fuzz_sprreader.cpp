// The .spr reader on arbitrary bytes: it must neither crash, hang nor exhaust memory, and what it
// builds must save, read and save again to the same bytes.
#include "barcodeerror.h"
#include "sprdocument.h"

#include <QApplication>
#include <QGraphicsScene>
#include <cstdint>
#include <cstdlib>

namespace
{
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

QByteArray saved(const QByteArray &data, const sprReadOptions &options)
{
    QGraphicsScene scene;
    setUpDesignScene(scene);
    readSprData(data, scene, options);
    return sprFileBytes(scene);
}
} // namespace

// Fontconfig's pattern caches, which the toolkit's font database keeps for the life of the process, are
// not this program's leaks.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the platform's objects stay reachable until the process ends.
    static QApplication *app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    sprReadOptions options;
    options.collectFindings = size % 2 == 0; // both the plain reader and the checker's path
    // Tighter than the designer's, so that the sanitizers' memory stays within the fuzzer's limit.
    options.limits.maxItems = 500;
    options.limits.maxPictureBytes = 16 * 1024 * 1024;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QByteArray first = saved(input, options);
    // What the writer produced reads back to the same design and saves to the same bytes, SceneWidth
    // included: reals are written exactly.
    if (saved(first, options) != first)
        std::abort();
    return 0;
}
