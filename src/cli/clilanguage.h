#pragma once
class QCoreApplication;

// Installs the compiled-in translation the locale asks for (LC_ALL, then LC_MESSAGES, then LANG):
// Chinese (the source texts) for zh, Turkish for tr, Arabic for ar, English for everything else.
void installLocaleTranslation(QCoreApplication &app);
