#include "startup.h"

#include "designersettings.h"
#include "languagemenu.h"
#include "modalhooks.h"
#include "safewrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
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
    const QVector<interfaceLanguage> &languages = interfaceLanguages();
    QStringList names;
    for (const interfaceLanguage &language : languages)
        names << QString::fromUtf8(language.name);
    // Asked in every language at once: none is chosen yet.
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("语言 / Language / Dil / اللغة"));
    dialog.setLabelText(QStringLiteral("请选择界面语言 / Choose the language / Dili seçin / اختر اللغة"));
    dialog.setComboBoxItems(names);
    dialog.setComboBoxEditable(false);
    if (modalHooks::execDialog(dialog) != QDialog::Accepted)
        return QString::fromLatin1(languages.first().translation);
    const int chosen = std::max(0, int(names.indexOf(dialog.textValue())));
    const QString translation = QString::fromLatin1(languages[chosen].translation);
    storeLanguageChoice(translation);
    return translation;
}

bool storeLanguageChoice(const QString &translation, QString *reason)
{
    const QString path = perUserLanguageIni();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeFileSafely(path, "language=" + translation.toUtf8() + '\n', reason);
}

QTranslator &designerTranslator()
{
    static QTranslator translator;
    return translator;
}

void switchTranslation(const QString &translation)
{
    QTranslator &translator = designerTranslator();
    QCoreApplication::removeTranslator(&translator);
    loadTranslation(translator, translation);
    QCoreApplication::installTranslator(&translator);
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
