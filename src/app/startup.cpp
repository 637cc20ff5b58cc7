#include "startup.h"

#include "designersettings.h"
#include "modalhooks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextStream>
#include <QTranslator>

namespace
{
const QString iniName = QStringLiteral("language.ini");
}

QString perUserLanguageIni()
{
    return QFileInfo(openDesignerSettings()->fileName()).absolutePath() + '/' + iniName;
}

QString findLanguageIni()
{
    if (QFile::exists(iniName))
        return iniName;
    if (QFile::exists(perUserLanguageIni()))
        return perUserLanguageIni();
    // Where it was looked for before the organisation's name was set.
    return QStandardPaths::locate(QStandardPaths::AppConfigLocation, iniName);
}

QString readTranslationPath(const QString &iniPath)
{
    QString path;
    QFile file(iniPath);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        path = stream.readLine().section("=", 1, -1);
    }
    return path;
}

QString chooseTranslationPath()
{
    const QString ini = findLanguageIni();
    if (!ini.isEmpty())
        return readTranslationPath(ini);
    QFile file(iniName);
    QMessageBox box;
    box.setIcon(QMessageBox::Information);
    box.setWindowFlags(Qt::WindowTitleHint);
    box.setWindowTitle("languageSettings");
    box.setText(QString("%1 error:%2").arg(iniName, file.errorString()));
    modalHooks::execMessageBox(box);
    return QStringLiteral(":/translate/cn.qm");
}

bool loadTranslation(QTranslator &translator, const QString &path)
{
    return translator.load(path, QString(), QStringLiteral(""), QStringLiteral(""));
}

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("startup", "喷码机标签设计软件"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("startup", "要打开的设计文件 (.spr)"),
                                 QStringLiteral("[file]"));
    CommandLineRequest request;
    if (!parser.parse(arguments)) {
        request.error = parser.errorText();
    } else if (parser.isSet(help)) {
        request.output = parser.helpText();
        request.exitCode = 0;
        return request;
    } else if (parser.isSet(version)) {
        request.output =
            QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() + '\n';
        request.exitCode = 0;
        return request;
    } else if (parser.positionalArguments().size() > 1) {
        request.error = QCoreApplication::translate("startup", "只能打开一个文件");
    } else {
        request.file = parser.positionalArguments().value(0);
        return request;
    }
    request.error += '\n' + parser.helpText();
    request.exitCode = 1;
    return request;
}
