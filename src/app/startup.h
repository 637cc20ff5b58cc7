#pragma once
#include <QString>

class QTranslator;

// The translation file named by the first line of "language.ini" in the working directory: the text
// after the first "=". Without the file the operator is told so (through the message-box hook) and the
// Chinese source texts stay; an unreadable file or a line without "=" gives an empty path.
QString chooseTranslationPath();

// Load exactly the file named by path: no ".qm" is added and no part of the name is stripped, so a path
// with a stray trailing blank names no file.
bool loadTranslation(QTranslator &translator, const QString &path);
