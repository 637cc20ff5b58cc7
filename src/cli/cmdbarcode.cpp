// sprtool barcode: draws one symbol exactly as a barcode item shows it and writes it as PNG.
#include "commands.h"
#include "safewrite.h"

#include "barcodeerror.h"
#include "diagrambaritem.h"

#include <cstdio>
#include <optional>

namespace
{
const char usageText[] =
    "usage: sprtool barcode [--module D] [--height E] [--no-text] SYMBOLOGY CONTENT -o OUT.png\n"
    "  SYMBOLOGY: ean13, ean8, code39, code93, upca, upce, code128 or 0 to 6\n";

// Module width and bar height stay the item's defaults unless given.
struct barcodeRequest {
    int mode = -1;
    std::optional<int> lineWidth;
    std::optional<int> lineHeight;
    bool isTextOn = true;
    QString content;
    QString output;
};

int usageError()
{
    std::fputs(usageText, stderr);
    return 2;
}

// Names in the order of the symbology index.
int symbologyMode(const QString &name)
{
    static const char *const names[] = {"ean13", "ean8", "code39", "code93", "upca", "upce", "code128"};
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number <= 6 ? number : -1;
    for (int mode = 0; mode <= 6; ++mode) {
        if (name.compare(QLatin1String(names[mode]), Qt::CaseInsensitive) == 0)
            return mode;
    }
    return -1;
}

bool positiveNumber(const QString &text, std::optional<int> &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && *value > 0;
}

std::optional<barcodeRequest> parseRequest(const QStringList &args)
{
    barcodeRequest request;
    QStringList positional;
    bool optionsDone = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (optionsDone || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-"))
            positional << arg;
        else if (arg == QLatin1String("--"))
            optionsDone = true;
        else if (arg == QLatin1String("--no-text"))
            request.isTextOn = false;
        else if (arg == QLatin1String("--module") && hasValue &&
                 positiveNumber(args.at(i + 1), request.lineWidth))
            ++i;
        else if (arg == QLatin1String("--height") && hasValue &&
                 positiveNumber(args.at(i + 1), request.lineHeight))
            ++i;
        else if (arg == QLatin1String("-o") && hasValue && request.output.isEmpty())
            request.output = args.at(++i);
        else
            return std::nullopt;
    }
    if (positional.size() != 2 || request.output.isEmpty())
        return std::nullopt;
    request.mode = symbologyMode(positional.at(0));
    request.content = positional.at(1);
    if (request.mode < 0)
        return std::nullopt;
    return request;
}
} // namespace

int runBarcodeCommand(const QStringList &args)
{
    const std::optional<barcodeRequest> request = parseRequest(args);
    if (!request)
        return usageError();
    diagramBarItem item;
    item.mode = request->mode;
    item.lineWidth = request->lineWidth.value_or(item.lineWidth);
    item.lineHeight = request->lineHeight.value_or(item.lineHeight);
    item.isTextOn = request->isTextOn;
    item.content = request->content;

    const std::optional<quint8> refusal = item.regenerate();

    // Refused content writes nothing: an existing output file stays as it was.
    if (refusal) {
        std::fprintf(stderr, "error code %d: %s\n", int(*refusal),
                     barcodeErrorMessage(*refusal).toUtf8().constData());
        return 1;
    }
    // A refused size leaves no picture at all, so there is nothing to write then.
    const bool hasPicture = !item.barPixmap.isNull();
    QString reason;
    if (hasPicture && !writeFileSafely(request->output, pngBytes(item.barPixmap.toImage()), &reason)) {
        std::fprintf(stderr, "sprtool: cannot write %s: %s\n", qUtf8Printable(request->output),
                     qUtf8Printable(reason));
        return 2;
    }
    return 0;
}
