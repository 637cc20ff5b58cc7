#pragma once
// Runs the sprtool executable as a script would: arguments, standard input, environment; keeps both
// output streams and the exit code (-1 when it crashed or hung).
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

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
