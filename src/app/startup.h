#pragma once
#include <QString>

// The translation file named by the first line of "language.ini" in the working directory: the text
// after the first "=". Without the file the operator is told so (through the message-box hook) and the
// Chinese source texts stay; an unreadable file or a line without "=" gives an empty path.
QString chooseTranslationPath();
