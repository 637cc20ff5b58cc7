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
