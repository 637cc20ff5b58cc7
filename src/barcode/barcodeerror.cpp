#include "barcodeerror.h"
#include "symbologytable.h"

#include <QCoreApplication>

namespace
{
// Refusal code mode + 1 belongs to that mode's row; 0 and codes beyond the table have no row.
const symbologyRow *rowOfRefusal(quint8 code)
{
    return code >= 1 && isBarcodeMode(code - 1) ? &barcodeSymbologies[code - 1] : nullptr;
}
} // namespace

QString barcodeErrorMessage(quint8 code)
{
    const symbologyRow *row = rowOfRefusal(code);
    if (row)
        return QCoreApplication::translate("QObject", row->refusalText);
    return QCoreApplication::translate("QObject", "条码格式错误！");
}

namespace
{
// The character at fault, by what the refusing symbology's row tells of it.
int refusedCharacterAt(quint8 code, const QString &content, int encodedCharacters)
{
    const symbologyRow *row = rowOfRefusal(code);
    switch (row ? row->refusedCharacter : refusedCharacterRule::none) {
    case refusedCharacterRule::stopsAtCharacter:
        return encodedCharacters >= 0 && encodedCharacters < content.size() ? encodedCharacters : -1;
    case refusedCharacterRule::digitsOnly:
        for (int i = 0; i < content.size(); ++i)
            if (content.at(i) < QLatin1Char('0') || content.at(i) > QLatin1Char('9'))
                return i;
        return -1;
    case refusedCharacterRule::none:
        break;
    }
    return -1;
}
} // namespace

QString barcodeRefusedCharacter(quint8 code, const QString &content, int encodedCharacters)
{
    const int at = refusedCharacterAt(code, content, encodedCharacters);
    if (at < 0)
        return QString();
    return QCoreApplication::translate("QObject", "第 %1 个字符“%2”无法用该码制编码。")
        .arg(at + 1)
        .arg(content.at(at));
}
