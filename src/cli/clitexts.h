#pragma once
// Every text sprtool prints, in one place: Chinese sources looked up in the "sprtool" context of the
// compiled-in translations.
#include "symbologytable.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace cliText
{
// Texts kept as data (QT_TRANSLATE_NOOP in the "sprtool" context), looked up when shown.
inline QString translated(const char *source)
{
    return QCoreApplication::translate("sprtool", source);
}

// Messages; each takes its arguments through QString::arg.
inline QString unknownCommand()
{
    return QCoreApplication::translate("sprtool", "未知命令“%1”");
}
inline QString unknownOption()
{
    return QCoreApplication::translate("sprtool", "未知选项“%1”");
}
inline QString missingValue()
{
    return QCoreApplication::translate("sprtool", "选项 %1 缺少值");
}
inline QString unexpectedValue()
{
    return QCoreApplication::translate("sprtool", "选项 %1 不带值");
}
inline QString repeatedOption()
{
    return QCoreApplication::translate("sprtool", "选项 %1 只能给一次");
}
inline QString badValue()
{
    return QCoreApplication::translate("sprtool", "选项 %1 的值“%2”无效：%3");
}
inline QString missingArgument()
{
    return QCoreApplication::translate("sprtool", "缺少参数 %1");
}
inline QString extraArgument()
{
    return QCoreApplication::translate("sprtool", "多余的参数“%1”");
}
inline QString noOutput()
{
    return QCoreApplication::translate("sprtool", "没有给出输出（-o 文件，或 - 表示标准输出）");
}
inline QString batchAndContent()
{
    return QCoreApplication::translate("sprtool", "--batch 不能与内容参数或 --content-file 同时使用");
}
inline QString batchPattern()
{
    return QCoreApplication::translate("sprtool", "使用 --batch 时，-o 必须是含有 {n} 或 {content} 的文件名");
}
inline QString batchLine()
{
    return QCoreApplication::translate("sprtool", "第 %1 行：%2");
}
inline QString batchSameName()
{
    return QCoreApplication::translate("sprtool", "文件名 %1 已由第 %2 行写入，未覆盖");
}
inline QString contentTwice()
{
    return QCoreApplication::translate("sprtool", "内容只能给一次：参数或 --content-file 二选一");
}
inline QString outputTwice()
{
    return QCoreApplication::translate("sprtool", "输出只能给一次：参数或 -o 二选一");
}
inline QString stdinTwice()
{
    return QCoreApplication::translate("sprtool", "标准输入（-）只能读取一次");
}
inline QString tryHelp()
{
    return QCoreApplication::translate("sprtool", "用“sprtool %1 --help”查看用法");
}
inline QString cannotRead()
{
    return QCoreApplication::translate("sprtool", "无法读取 %1：%2");
}
inline QString cannotWrite()
{
    return QCoreApplication::translate("sprtool", "无法写入 %1：%2");
}
inline QString standardInput()
{
    return QCoreApplication::translate("sprtool", "标准输入");
}
inline QString standardOutput()
{
    return QCoreApplication::translate("sprtool", "标准输出");
}
inline QString inputTooLarge()
{
    return QCoreApplication::translate("sprtool", "超过 %1 字节");
}
inline QString notUtf8()
{
    return QCoreApplication::translate("sprtool", "不是 UTF-8 文本");
}
inline QString fontMissing()
{
    return QCoreApplication::translate("sprtool", "字体“%1”未安装，改用“%2”");
}
inline QString noFontAtAll()
{
    return QCoreApplication::translate("sprtool", "字体“%1”未安装，也没有可替代的字体");
}
// A check line about this machine rather than the design; it never changes the exit code.
inline QString machineNote()
{
    return QCoreApplication::translate("sprtool", "注（本机）：%1");
}
inline QString barcodeRefused()
{
    return QCoreApplication::translate("sprtool", "错误代码 %1：%2");
}
inline QString qrNoSymbol()
{
    return QCoreApplication::translate("sprtool", "没有生成二维码：内容太长，或版本、比例超出范围");
}
inline QString qrEmpty()
{
    return QCoreApplication::translate("sprtool", "没有生成二维码：内容为空");
}
inline QString expectedPositive()
{
    return QCoreApplication::translate("sprtool", "应为正整数");
}
inline QString expectedInteger()
{
    return QCoreApplication::translate("sprtool", "应为整数");
}
inline QString expectedScale()
{
    return QCoreApplication::translate("sprtool", "应为大于 0 的数");
}
inline QString expectedMoment()
{
    return QCoreApplication::translate("sprtool", "应为 ISO 8601 日期时间，例如 2024-02-29T23:59:00");
}
inline QString expectedDotsPerMm()
{
    return QCoreApplication::translate("sprtool",
                                       "应为 1 到 200 之间的一个数，或用逗号分开的两个数（横向,纵向）");
}
inline QString expectedCounter()
{
    return QCoreApplication::translate("sprtool", "应为 0 到 99999999 的整数");
}
inline QString expectedLevel()
{
    return QCoreApplication::translate("sprtool", "应为 L、M、Q、H 或 0 到 3");
}
// sprtool barcode's SYMBOLOGY: every name of the symbology table or a mode number.
inline QString symbologyChoices()
{
    QStringList names;
    for (const symbologyRow &row : barcodeSymbologies)
        names << QLatin1String(row.cliName);
    const QString separator = QCoreApplication::translate("sprtool", "、", "between symbology names");
    return QCoreApplication::translate("sprtool", "%1 或 0 到 %2")
        .arg(names.join(separator), QString::number(barcodeModeCount - 1));
}
inline QString expectedSymbology()
{
    return QCoreApplication::translate("sprtool", "应为 %1").arg(symbologyChoices());
}
// A command's description; "%1" in it stands for the symbology choices.
inline QString describe(const char *source)
{
    const QString text = translated(source);
    return text.contains(QLatin1String("%1")) ? text.arg(symbologyChoices()) : text;
}
} // namespace cliText
