#pragma once
#include <QString>

class QTranslator;

// The per-user "language.ini": beside the settings file, so that an installed designer started from a
// desktop menu finds it.
QString perUserLanguageIni();

// The "language.ini" that counts: the one in the working directory, else the per-user one (also looked
// for in QStandardPaths::AppConfigLocation); empty when neither exists.
QString findLanguageIni();

// The translation file named by the first line of the file at iniPath: the text after the first "=".
// An unreadable file or a line without "=" gives an empty path.
QString readTranslationPath(const QString &iniPath);

// The translation file named by the "language.ini" of findLanguageIni(). Without one the operator
// chooses the language (through the dialog hook); the choice is stored in the per-user language.ini.
// Cancelling keeps the Chinese source texts and asks again on the next start.
QString chooseTranslationPath();

// Writes the per-user language.ini naming translation; false with the reason when it fails.
bool storeLanguageChoice(const QString &translation, QString *reason = nullptr);

// The one translator of the interface, installed by main.
QTranslator &designerTranslator();
// Loads translation into it and has every window retranslate itself.
void switchTranslation(const QString &translation);

// Load exactly the file named by path: no ".qm" is added and no part of the name is stripped, so a path
// with a stray trailing blank names no file.
bool loadTranslation(QTranslator &translator, const QString &path);

// What the designer's command line asks for.
struct CommandLineRequest {
    QString file;      // the design to open at start; empty for none
    QString output;    // --help or --version text, for standard output
    QString error;     // a usage error, for standard error
    int exitCode = -1; // 0 or more: print output or error and end without opening the window
};

// Parses the arguments the application object left (it has already taken Qt's own, such as -platform).
// The application's name and version must be set before.
CommandLineRequest parseCommandLine(const QStringList &arguments);
