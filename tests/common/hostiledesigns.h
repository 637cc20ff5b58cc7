#pragma once
// Designs that push sprtool's bounds, as written by hand: for the tests that bound its memory and for
// the hostile-input benchmark. `variant` changes every content, so repeated runs never see the same file.
#include <QByteArray>

namespace hostileDesigns
{

inline QByteArray header(int items)
{
    return "[FileInfo]\r\nSceneWidth =76000\r\nSceneHeight =300\r\nDynamicItemNum =0\r\nTotalItemNum =" +
           QByteArray::number(items) + "\r\n";
}

// Nothing but counters, each section as the writer makes it.
inline QByteArray counters(int count, int variant = 0)
{
    QByteArray bytes = header(count);
    for (int i = 0; i < count; ++i)
        bytes += "[CntItemInfo]\r\nCntAtX =" + QByteArray::number((i * 37 + variant) % 76000) +
                 "\r\nCntAtY =" + QByteArray::number(i * 7 % 78) +
                 "\r\nCntRotate =0\r\nCntFont =simsun,-1,150,5,50,0,0,0,0,0\r\nCntFontSize =150\r\n"
                 "CntSpace =0\r\nCntMode =" +
                 QByteArray::number(1 + (i + variant) % 8) + "\r\nCntName =0\r\n";
    return bytes;
}

inline QByteArray timeItem(const QByteArray &format)
{
    return header(1) +
           "[TimeItemInfo]\r\nTimeAtX =0\r\nTimeAtY =0\r\nTimeRotate =0\r\n"
           "TimeFont =simsun,-1,150,5,50,0,0,0,0,0\r\nTimeFontSize =150\r\nTimeSpace =0\r\nTimeMode =" +
           format + "\r\nTimeValid =0\r\nTimeModeIndex =17\r\nTimeUserDefined =1\r\n";
}

inline QByteArray textItem(const QByteArray &content)
{
    return header(1) +
           "[TextItemInfo]\r\nTextAtX =0\r\nTextAtY =0\r\nTextRotate =0\r\n"
           "TextFont =simsun,-1,150,5,50,0,0,0,0,0\r\nTextFontSize =150\r\nTextSpace =0\r\nTextContent =" +
           content +
           "\r\nTextIsExtVariable =0\r\nTextIsAllPrinted =0\r\nTextExtDataStartLine =1\r\n"
           "TextExtDataEndLine =1\r\nTextExtDataFilePath =\r\nTextExtDataCurLine =1\r\n";
}

// Twenty QR codes of version 40 at 40 pixels a module and ten Code 128 symbols 2,000 pixels high:
// pictures of hundreds of megabytes in a file of a few kilobytes.
inline QByteArray largeSymbols(int variant = 0)
{
    QByteArray bytes = header(30);
    for (int i = 0; i < 20; ++i)
        bytes += "[QRcodeItemInfo]\r\nQRcodeAtX =" + QByteArray::number(i * 3000) +
                 "\r\nQRcodeAtY =0\r\nQRcodeRotate =0\r\nQRcodeContent =QR" +
                 QByteArray::number(i + 100 * variant) + QByteArray(200, 'x') +
                 "\r\nQRcodeLevel =3\r\nQRcodeScale =40\r\nQRcodeVersion =40\r\nQRcodeConverse =" +
                 QByteArray::number(i % 2) +
                 "\r\nQRcodeInsertCnt =0\r\nQRcodeCntMode =4\r\nQRcodeInsertCntPos =0\r\n"
                 "QRcodeInsertTime =0\r\nQRcodeTimeModeStr =yyMMdd\r\nQRcodeInsertTimePos =0\r\n"
                 "QRcodeIsInsVariable =0\r\nQRcodeIsExtVariable =0\r\nQRcodeExtStartLine =1\r\n"
                 "QRcodeExtEndLine =1\r\nQRcodeExtFilePath =\r\nQRcodeIsAllPrinted =0\r\n"
                 "QRcodeExtCurLine =1\r\nQRcodeIsUartVariable =0\r\n";
    for (int i = 0; i < 10; ++i)
        bytes += "[BarItemInfo]\r\nBarAtX =" + QByteArray::number(60000 + i * 100) +
                 "\r\nBarAtY =5\r\nBarHeight =275\r\nBarRotate =0\r\nBarContent =Lot " +
                 QByteArray::number(10000000 + i + 100 * variant) +
                 "\r\nBarMode =6\r\nBarIsTextOn =1\r\nBarLineWidth =20\r\nBarIsExtVariable =0\r\n"
                 "BarIsAllPrinted =0\r\nBarExtDataStartLine =1\r\nBarExtDataEndLine =1\r\n"
                 "BarExtDataFilePath =\r\nBarExtDataCurLine =1\r\nBarLineHeight =2000\r\n";
    return bytes;
}

} // namespace hostileDesigns
