#include "clilanguage.h"

#include <QCoreApplication>
#include <QTranslator>

namespace
{
struct localeTranslation {
    const char *language; // the locale's language part
    const char *file;     // nullptr: the Chinese source texts
};

const localeTranslation translations[] = {
    {"zh", nullptr},
    {"tr", ":/translate/turkish.qm"},
    {"ar", ":/translate/arabic.qm"},
};
const char *const fallbackFile = ":/translate/en.qm";

// The first of the variables that is set and not empty decides, as for the C library.
QString localeName()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

const char *translationFile(const QString &locale)
{
    const QString language = locale.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0);
    for (const localeTranslation &entry : translations) {
        if (language == QLatin1String(entry.language))
            return entry.file;
    }
    return fallbackFile;
}
} // namespace

void installLocaleTranslation(QCoreApplication &app)
{
    const char *file = translationFile(localeName());
    if (!file)
        return;
    auto *translator = new QTranslator(&app);
    if (translator->load(QString::fromLatin1(file)))
        app.installTranslator(translator);
}
