#include "barcodeerror.h"

#include <QCoreApplication>

QString barcodeErrorMessage(quint8 code)
{
    switch (code) {
    case 1:
        return QCoreApplication::translate("QObject", "条码格式错误，本条码为13位阿拉伯数字！");
    case 2:
    case 6:
        return QCoreApplication::translate("QObject", "条码格式错误，本条码为8位阿拉伯数字！");
    case 3:
    case 4:
        return QCoreApplication::translate("QObject",
                                           "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！");
    case 5:
        return QCoreApplication::translate("QObject", "条码格式错误，本条码为12位阿拉伯数字！");
    case 7:
        return QCoreApplication::translate("QObject",
                                           "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！");
    default:
        return QCoreApplication::translate("QObject", "条码格式错误！");
    }
}

namespace
{
// Code 39, 93 and 128 stop at the character they refuse; EAN and UPC take digits only.
int refusedCharacterAt(quint8 code, const QString &content, int encodedCharacters)
{
    switch (code) {
    case 3:
    case 7:
        return encodedCharacters >= 0 && encodedCharacters < content.size() ? encodedCharacters : -1;
    case 1:
    case 2:
    case 5:
    case 6:
        for (int i = 0; i < content.size(); ++i)
            if (content.at(i) < QLatin1Char('0') || content.at(i) > QLatin1Char('9'))
                return i;
        return -1;
    default:
        return -1;
    }
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
