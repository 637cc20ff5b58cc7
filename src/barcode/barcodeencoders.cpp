#include "barcodeencoders.h"

barcodeEncoder barcodeEncoderForMode(int mode)
{
    return isBarcodeMode(mode) ? barcodeSymbologies[mode].encoder : nullptr;
}

barcodeSymbol encodeBarcode(int mode, const barcodeOptions &options, const QString &content)
{
    const barcodeEncoder encoder = barcodeEncoderForMode(mode);
    if (!encoder) {
        barcodeSymbol none;
        none.options = options;
        return none;
    }
    return encoder(options, content);
}
