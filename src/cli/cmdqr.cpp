// sprtool qr: draws a QR code to a PNG through the canvas item's own generator.
#include "commands.h"
#include "diagramqrcodeitem.h"
#include "safewrite.h"

#include <QByteArray>
#include <cstdio>

namespace
{

const char usageLine[] =
    "usage: sprtool qr [--level L|M|Q|H] [--version N] [--scale N] [--converse] CONTENT -o OUT.png";

struct qrOptions {
    diagramQRCodeItem item; // starts with a new item's defaults
    QString content;
    QString output;
    bool haveContent = false;
};

int usageError(const QString &problem)
{
    std::fprintf(stderr, "sprtool qr: %s\n%s\n", problem.toLocal8Bit().constData(), usageLine);
    return 2;
}

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

bool setOutput(const QString &text, qrOptions &opt)
{
    opt.output = text;
    return true;
}

// Options that take a value: the setter refuses a value it cannot use, and the problem names it.
struct valueOption {
    const char *name;
    bool (*set)(const QString &value, qrOptions &opt);
    const char *problem;
};

const valueOption valueOptions[] = {
    {"--level", [](const QString &v, qrOptions &o) { return parseLevel(v, o.item.level); },
     "unknown level '%1'"},
    {"--version", [](const QString &v, qrOptions &o) { return parseNumber(v, o.item.version); },
     "version '%1' is not a number"},
    {"--scale", [](const QString &v, qrOptions &o) { return parseNumber(v, o.item.scale); },
     "scale '%1' is not a number"},
    {"-o", setOutput, ""},
    {"--output", setOutput, ""},
};

const valueOption *findValueOption(const QString &arg)
{
    for (const valueOption &option : valueOptions) {
        if (arg == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

QString takeContent(const QString &arg, qrOptions &opt)
{
    if (opt.haveContent)
        return QStringLiteral("more than one content given");
    opt.content = arg;
    opt.haveContent = true;
    return QString();
}

// Returns an empty string when the arguments are sound, otherwise what is wrong with them.
QString parseArguments(const QStringList &args, qrOptions &opt)
{
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const valueOption *option = optionsEnded ? nullptr : findValueOption(arg);
        QString problem;
        if (option && i + 1 >= args.size())
            problem = QStringLiteral("%1 needs a value").arg(arg);
        else if (option && !option->set(args.at(i + 1), opt))
            problem = QString::fromLatin1(option->problem).arg(args.at(i + 1));
        else if (option)
            ++i;
        else if (!optionsEnded && arg == QLatin1String("--converse"))
            opt.item.converse = true;
        else if (!optionsEnded && arg == QLatin1String("--"))
            optionsEnded = true;
        else if (!optionsEnded && arg.startsWith('-') && arg.size() > 1)
            problem = QStringLiteral("unknown option '%1'").arg(arg);
        else
            problem = takeContent(arg, opt);
        if (!problem.isEmpty())
            return problem;
    }
    if (!opt.haveContent)
        return QStringLiteral("no content given");
    if (opt.output.isEmpty())
        return QStringLiteral("no output file given (-o OUT.png)");
    return QString();
}

} // namespace

int runQrCommand(const QStringList &args)
{
    qrOptions opt;
    const QString problem = parseArguments(args, opt);
    if (!problem.isEmpty())
        return usageError(problem);
    opt.item.content = opt.content;
    opt.item.regenerate();
    if (opt.item.qrPixmap.isNull()) {
        std::fprintf(stderr,
                     "sprtool qr: no symbol: the content does not fit, or the version or scale is out "
                     "of range\n");
        return 1;
    }
    QString reason;
    if (!writeFileSafely(opt.output, pngBytes(opt.item.qrPixmap.toImage()), &reason)) {
        std::fprintf(stderr, "sprtool qr: cannot write '%s': %s\n", qUtf8Printable(opt.output),
                     qUtf8Printable(reason));
        return 2;
    }
    return 0;
}
