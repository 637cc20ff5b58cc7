// sprtool qr: draws a QR code to a PNG through the canvas item's own generator.
#include "clibatch.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "diagramqrcodeitem.h"

namespace
{
bool parseLevel(const QString &text, int &level)
{
    static const QString letters = QStringLiteral("LMQH");
    const int letter = text.size() == 1 ? letters.indexOf(text.at(0).toUpper()) : -1;
    if (letter >= 0) {
        level = letter;
        return true;
    }
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 0 || number > 3)
        return false;
    level = number;
    return true;
}

bool parseNumber(const QString &text, int &value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        value = number;
    return ok;
}

// Options that take a value: the setter refuses a value it cannot use, and the problem names it.
struct valueOption {
    const char *name;
    bool (*set)(const QString &value, diagramQRCodeItem &item);
    QString (*expected)();
};

const valueOption valueOptions[] = {
    {"level", [](const QString &v, diagramQRCodeItem &item) { return parseLevel(v, item.level); },
     cliText::expectedLevel},
    {"version", [](const QString &v, diagramQRCodeItem &item) { return parseNumber(v, item.version); },
     cliText::expectedInteger},
    {"scale", [](const QString &v, diagramQRCodeItem &item) { return parseNumber(v, item.scale); },
     cliText::expectedInteger},
};

// Returns an empty string when the options are sound, otherwise what is wrong with them.
QString applyOptions(const commandArgs &args, diagramQRCodeItem &item)
{
    for (const valueOption &option : valueOptions) {
        const QString value = args.value(option.name);
        if (args.isSet(option.name) && !option.set(value, item))
            return cliText::badValue().arg(QStringLiteral("--") + QLatin1String(option.name), value,
                                           option.expected());
    }
    item.converse = item.converse || args.isSet("converse");
    return QString();
}
} // namespace

int runQrCommand(const commandArgs &args)
{
    diagramQRCodeItem item; // starts with a new item's defaults
    const QString problem = applyOptions(args, item);
    if (!problem.isEmpty())
        return args.usageError(problem);
    return runSymbolCommand(args, args.arguments(), [&item](const QString &content) {
        item.content = content;
        item.regenerate();
        if (!item.qrPixmap.isNull())
            return symbolPicture{item.qrPixmap.toImage(), QString()};
        return symbolPicture{QImage(), content.isEmpty() ? cliText::qrEmpty() : cliText::qrNoSymbol()};
    });
}
