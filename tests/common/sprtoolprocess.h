#pragma once
// Runs the sprtool executable as a script would: arguments, standard input, environment; keeps both
// output streams and the exit code (-1 when it crashed or hung).
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct sprtoolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QString errText() const { return QString::fromUtf8(err); }
};

struct sprtoolOptions {
    QByteArray input;           // written to standard input, which is then closed
    QString locale = "C.UTF-8"; // LC_ALL: English messages unless a test asks for another language
    QStringList environment;    // extra NAME=VALUE entries
    QStringList unset;          // names removed from the environment
};

inline sprtoolRun runSprtool(const QStringList &args, const sprtoolOptions &options = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LC_ALL"), options.locale);
    for (const QString &name : options.unset)
        env.remove(name);
    for (const QString &entry : options.environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SPRTOOL_PATH), args);
    sprtoolRun result;
    if (!process.waitForStarted(60000))
        return result;
    process.write(options.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return result;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

struct sprtoolCost {
    int exitCode = -1; // -1 when it could not start or did not end by itself
    double cpuSeconds = 0;
    qint64 peakBytes = 0;
};

// Runs program with both output streams discarded, as a process of its own (not through QProcess, whose
// helper threads would count), so its CPU time and peak memory are its own.
inline sprtoolCost measureProgram(const QByteArray &program, const QStringList &args)
{
    QList<QByteArray> bytes{program};
    for (const QString &arg : args)
        bytes << QFile::encodeName(arg);
    std::vector<char *> argv;
    for (QByteArray &arg : bytes)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    sprtoolCost cost;
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
        return cost;
    cost.exitCode = WEXITSTATUS(status);
    cost.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    cost.peakBytes = qint64(usage.ru_maxrss) * 1024;
    return cost;
}

inline sprtoolCost measureSprtool(const QStringList &args)
{
    return measureProgram(QByteArray(SPRTOOL_PATH), args);
}

// The English warning line sprtool COMMAND prints for family when the font matching of this machine
// (which the test shares with sprtool) substitutes another family; empty when family is installed.
inline QString fontWarningLine(const QString &command, const QString &family)
{
    const QString used = QFontInfo(QFont(family)).family();
    if (used.compare(family, Qt::CaseInsensitive) == 0)
        return QString();
    return used.isEmpty()
               ? QStringLiteral("sprtool %1: font \"%2\" is not installed, and no font can stand in for it\n")
                     .arg(command, family)
               : QStringLiteral("sprtool %1: font \"%2\" is not installed, \"%3\" is used instead\n")
                     .arg(command, family, used);
}

// A fontconfig setup with no font at all, written to dir; every family is then substituted.
inline QString writeEmptyFontconfig(const QString &dir)
{
    const QString path = dir + QStringLiteral("/no-fonts.conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig><cachedir>" +
               dir.toUtf8() + "/fontcache</cachedir></fontconfig>\n");
    return path;
}
