#include "fonttables.h"

#include <QComboBox>

#include <QCoreApplication>
#include <iterator>

namespace
{

// The family names are the ones the font database is asked for, question marks included.
const fontRow textRows[] = {
    {QT_TRANSLATE_NOOP("textSetting", "宋体"), "simsun"},
    {QT_TRANSLATE_NOOP("textSetting", "黑体"), "simhei"},
    {QT_TRANSLATE_NOOP("textSetting", "微软雅黑"), "Microsoft Yahei"},
    {QT_TRANSLATE_NOOP("textSetting", "楷体"), "KaiTi_GB2312"},
    {QT_TRANSLATE_NOOP("textSetting", "Arial"), "Arial"},
    {QT_TRANSLATE_NOOP("textSetting", "华文彩云"), "STCaiyun"},
    {QT_TRANSLATE_NOOP("textSetting", "隶体"), "Lisu"},
    {QT_TRANSLATE_NOOP("textSetting", "方正超细"), "FZLanTingHeiS-UL-GB"},
    {QT_TRANSLATE_NOOP("textSetting", "方正古隶"), "FZGuLi-S12S"},
    {QT_TRANSLATE_NOOP("textSetting", "点阵繁体"), "MBitmapRoundHK"},
    {QT_TRANSLATE_NOOP("textSetting", "点阵汉字"), "AaSpot"},
    {QT_TRANSLATE_NOOP("textSetting", "7点阵圆点"), "000"},
    {QT_TRANSLATE_NOOP("textSetting", "7点阵方点"), "01 Digit"},
    {QT_TRANSLATE_NOOP("textSetting", "8点阵圆点"), "8Pin Matrix"},
    {QT_TRANSLATE_NOOP("textSetting", "常用点阵"), "??????01"},
    {QT_TRANSLATE_NOOP("textSetting", "Arabic"), "DejaVu Sans"},
};

const fontRow cnt2Rows[] = {
    {QT_TRANSLATE_NOOP("cnt2Setting", "宋体"), "simsun"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "黑体"), "simhei"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "微软雅黑"), "Microsoft Yahei"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "楷体"), "KaiTi_GB2312"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "点阵汉字"), "AaSpot"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "Arial"), "Arial"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "华文彩云"), "STCaiyun"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "隶体"), "Lisu"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "点阵繁体"), "MBitmapRoundHK"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "方正古隶"), "FZGuLi-S12S"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "7点阵圆点"), "000"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "7点阵方点"), "01 Digit"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "7点阵双点"), "Arcade"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "8点阵圆点"), "8Pin Matrix"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "11点阵圆点"), "??????2fzr"},
    {QT_TRANSLATE_NOOP("cnt2Setting", "常用点阵"), "??????01"},
};

static_assert(std::size(textRows) == 16 && std::size(cnt2Rows) == 16, "font lists have 16 rows");

} // namespace

const fontTable textFontTable = {textRows, int(std::size(textRows))};
// Counter 1 and time offer the text list without its last ("Arabic") row.
const fontTable cntFontTable = {textRows, int(std::size(textRows)) - 1};
const fontTable cnt2FontTable = {cnt2Rows, int(std::size(cnt2Rows))};

QString fontTable::familyAt(int index) const
{
    if (index < 0 || index >= count)
        return QStringLiteral("simsun");
    return QString::fromUtf8(rows[index].family);
}

QStringList fontTable::families() const
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::fromUtf8(rows[i].family);
    return list;
}

QStringList fontTable::displayTexts(const char *context) const
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QCoreApplication::translate(context, rows[i].displayText);
    return list;
}

void fontTable::retranslate(QComboBox &combo, const char *context) const
{
    const QStringList texts = displayTexts(context);
    for (int i = 0; i < texts.size() && i < combo.count(); ++i)
        combo.setItemText(i, texts[i]);
}
