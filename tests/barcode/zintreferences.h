#pragma once
// libzint's counterpart of each symbology, by sprtool name, with what the differential test and the
// barcode benchmark draw for it. Test and benchmark data only: the symbology table knows nothing of
// libzint. A new symbology is one row here.
#include <QStringList>
#include <cstring>
#include <zint.h>

struct zintReference {
    const char *cliName; // the row of the symbology table
    int zintSymbology;
    int firstModule;      // where our layout starts the symbol zint encodes
    const char *alphabet; // of random contents; nullptr: printable ASCII but ' and backslash
    int shortestContent;  // of the digit symbologies: the shortest content our encoder accepts
    QStringList examples; // drawn beside the random contents by the differential test
};

namespace zintAlphabet
{
inline constexpr char digits[] = "0123456789";
inline constexpr char code39Set[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
} // namespace zintAlphabet

// Code 128 without code set C, as our encoder never uses it.
inline const zintReference zintReferences[] = {
    {"ean13",
     BARCODE_EANX,
     11,
     zintAlphabet::digits,
     13,
     {"6901234567892", "6901234567891", "8001234567895", "4006381333931", "012345678901X"}},
    {"ean8", BARCODE_EANX, 7, zintAlphabet::digits, 7, {"1234567", "12345670", "96385074"}},
    {"code39",
     BARCODE_CODE39,
     0,
     zintAlphabet::code39Set,
     0,
     {"ABC", "6901234567892", "HELLO WORLD", "CODE-39 $/+%."}},
    {"code93",
     BARCODE_CODE93,
     0,
     zintAlphabet::code39Set,
     0,
     {"ABC", "6901234567892", "TEST93", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", "A-B.C D$E/F+G%H"}},
    {"upca", BARCODE_UPCA, 9, zintAlphabet::digits, 11, {"03600029145", "036000291452", "12345678901"}},
    {"upce",
     BARCODE_UPCE,
     8,
     zintAlphabet::digits,
     7,
     {"0123456", "0123451", "0123453", "0123454", "0123450", "0123452", "0123457", "0123458", "0123459"}},
    {"code128",
     BARCODE_CODE128B,
     0,
     nullptr,
     0,
     {"ABC", "6901234567892", "M", "5H", " ", "az09~ !{|}", "Hello, World!"}},
};

// The reference of a sprtool name; nullptr when it has none.
inline const zintReference *zintReferenceFor(const char *cliName)
{
    for (const zintReference &reference : zintReferences)
        if (std::strcmp(reference.cliName, cliName) == 0)
            return &reference;
    return nullptr;
}
