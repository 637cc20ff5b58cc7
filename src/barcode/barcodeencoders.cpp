#include "barcodeencoders.h"

#include "code128.h"
#include "code3993.h"
#include "eanupc.h"

barcodeEncoder barcodeEncoderForMode(int mode)
{
    static const barcodeEncoder encoders[barcodeModeCount] = {
        drawEan13, drawEan8, drawCode39, drawCode93, drawUpcA, drawUpcE, drawCode128,
    };
    return mode >= 0 && mode < barcodeModeCount ? encoders[mode] : nullptr;
}
