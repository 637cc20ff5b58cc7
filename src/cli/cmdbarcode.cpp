// sprtool barcode: draws one symbol exactly as a barcode item shows it and writes it as PNG.
#include "clibatch.h"
#include "clifonts.h"
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"

#include "barcodeerror.h"
#include "barcoderender.h"
#include "barcodetext.h"
#include "diagrambaritem.h"
#include "symbologytable.h"

#include <limits>
#include <optional>

namespace
{
// A symbology by its sprtool name (any case) or its mode number; -1 for neither.
int symbologyMode(const QString &name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return isBarcodeMode(number) ? number : -1;
    return barcodeModeNamed(name);
}

// Module width and bar height stay the item's defaults unless given.
std::optional<int> positiveOption(const commandArgs &args, const char *name, QString *problem)
{
    if (!args.isSet(name))
        return std::nullopt;
    int value = 0;
    if (!integerOption(args, name, 1, std::numeric_limits<int>::max(), value))
        *problem = cliText::badValue().arg(QStringLiteral("--") + QLatin1String(name), args.value(name),
                                           cliText::expectedPositive());
    return value;
}
} // namespace

int runBarcodeCommand(const commandArgs &args)
{
    diagramBarItem item;
    item.mode = symbologyMode(args.arguments().at(0));
    if (item.mode < 0)
        return args.usageError(cliText::badValue().arg(QStringLiteral("SYMBOLOGY"), args.arguments().at(0),
                                                       cliText::expectedSymbology()));
    QString problem;
    const std::optional<int> lineWidth = positiveOption(args, "module", &problem);
    const std::optional<int> lineHeight = positiveOption(args, "height", &problem);
    if (!problem.isEmpty())
        return args.usageError(problem);
    item.lineWidth = lineWidth.value_or(item.lineWidth);
    item.lineHeight = lineHeight.value_or(item.lineHeight);
    item.isTextOn = !args.isSet("no-text");

    // Refused content writes nothing: an existing output file stays as it was. A picture too large to
    // allocate is refused the same way, with the general format error.
    bool fontsChecked = !item.isTextOn;
    return runSymbolCommand(args, args.arguments().mid(1), [&](const QString &content) {
        if (!fontsChecked) // once, and only once there is something to draw
            warnAboutFonts(args.command(), {barcodeTextFamily()});
        fontsChecked = true;
        // Drawn straight into an image: nothing is shown, and a batch keeps no picture it has written.
        const barcodeSymbol made = item.symbol(content);
        QImage image = made.refusal ? QImage() : renderBarcodeImage(made);
        if (!image.isNull())
            return symbolPicture{std::move(image), QString()};
        const quint8 code = made.refusal.value_or(0);
        return symbolPicture{QImage(),
                             cliText::barcodeRefused().arg(int(code)).arg(barcodeErrorMessage(code))};
    });
}
