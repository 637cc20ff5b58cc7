#pragma once
// What the benchmarks that read large designs share: a scratch folder, the process's CPU time and peak
// memory, and mixed-design files written before timing starts.
#include "mixeddesign.h"
#include "safewrite.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <malloc.h>

namespace benchProcess
{

inline QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

inline double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The process's peak resident memory since the last reset, in MiB.
inline double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

inline void resetPeak()
{
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// A file per variant, written before timing starts: the first variant read is the cold load.
inline QString designFile(int count, int variant)
{
    const QString path = workDir().filePath(QStringLiteral("mixed-%1-%2.spr").arg(count).arg(variant));
    if (!QFile::exists(path))
        writeFileSafely(path, mixedDesign::designBytes(count, variant));
    return path;
}

} // namespace benchProcess
