#include "barcodeencoders.h"

#include "code128.h"
#include "code3993.h"
#include "eanupc.h"

barcodeEncoder barcodeEncoderForMode(int mode)
{
    static const barcodeEncoder encoders[barcodeModeCount] = {
        encodeEan13, encodeEan8, encodeCode39, encodeCode93, encodeUpcA, encodeUpcE, encodeCode128,
    };
    return mode >= 0 && mode < barcodeModeCount ? encoders[mode] : nullptr;
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
