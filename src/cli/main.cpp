#include "cliio.h"
#include "clilanguage.h"
#include "clitexts.h"
#include "commands.h"

#include <QApplication>
#include <csignal>
#include <cstdio>

namespace
{
const optionSpec outputOption{"o", "output", "FILE",
                              QT_TRANSLATE_NOOP("sprtool", "写入的文件；“-”表示标准输出")};
const optionSpec contentFileOption{nullptr, "content-file", "FILE",
                                   QT_TRANSLATE_NOOP("sprtool",
                                                     "从文件读取内容（“-”表示标准输入），最多 64 MiB；"
                                                     "去掉末尾的一个换行")};
const optionSpec batchOption{nullptr, "batch", "FILE",
                             QT_TRANSLATE_NOOP("sprtool",
                                               "每行一个内容（“-”表示标准输入），逐行写入 -o 给出的文件名："
                                               "{n} 为补零的行号，{content} 为改成可作文件名的内容")};

const optionSpec counter1Option{nullptr, "counter1", "N",
                                QT_TRANSLATE_NOOP("sprtool", "预览时序号 1 的值（默认 0）")};
// check and info judge GS1 Digital Link contents of QR codes as they print.
const optionSpec checkAtOption{
    nullptr, "at", "ISO-8601",
    QT_TRANSLATE_NOOP("sprtool", "按打印机在这一时刻（默认现在）填入二维码占位符后检查 GS1 数字链接")};

// check and render take every data-file item's records from this file instead of the one it names.
const optionSpec dataOption{
    nullptr, "data", "FILE",
    QT_TRANSLATE_NOOP("sprtool", "代替每个数据文件项目所指的数据文件（“-”表示标准输入）")};
// check and info give modules in millimetres at the printer's resolution.
const optionSpec dotsPerMmOption{
    nullptr, "dots-per-mm", "A[,B]",
    QT_TRANSLATE_NOOP("sprtool", "打印机每毫米的点数，横向（纸带的 300 点）和纵向；默认用设计软件中的设置")};

const QVector<commandSpec> &commandTable()
{
    static const QVector<commandSpec> table = {
        {"barcode",
         "SYMBOLOGY [CONTENT]",
         QT_TRANSLATE_NOOP("sprtool", "按条码项目的样子绘制一个条码，写成 PNG；SYMBOLOGY 为 %1"),
         {outputOption,
          contentFileOption,
          batchOption,
          {nullptr, "module", "D", QT_TRANSLATE_NOOP("sprtool", "模块宽度（像素）")},
          {nullptr, "height", "E", QT_TRANSLATE_NOOP("sprtool", "条高（像素）")},
          {nullptr, "no-text", nullptr, QT_TRANSLATE_NOOP("sprtool", "条下不显示文字")}},
         1,
         2,
         runBarcodeCommand},
        {"qr",
         "[CONTENT]",
         QT_TRANSLATE_NOOP("sprtool", "按二维码项目的样子绘制一个二维码，写成 PNG"),
         {outputOption,
          contentFileOption,
          batchOption,
          {nullptr, "level", "L|M|Q|H", QT_TRANSLATE_NOOP("sprtool", "纠错等级")},
          {nullptr, "version", "N", QT_TRANSLATE_NOOP("sprtool", "二维码版本（0 为自动）")},
          {nullptr, "scale", "N", QT_TRANSLATE_NOOP("sprtool", "每个模块的像素数")},
          {nullptr, "converse", nullptr, QT_TRANSLATE_NOOP("sprtool", "反色")}},
         0,
         1,
         runQrCommand},
        {"info",
         "FILE...",
         QT_TRANSLATE_NOOP("sprtool", "以 JSON Lines 输出设计的内容，每个文件一个对象"),
         {checkAtOption, counter1Option, dotsPerMmOption},
         1,
         -1,
         runInfoCommand},
        {"check",
         "FILE...",
         QT_TRANSLATE_NOOP("sprtool", "逐行报告会让打印机或设计软件误读设计的地方"),
         {checkAtOption, counter1Option, dotsPerMmOption, dataOption},
         1,
         -1,
         runCheckCommand},
        {"resave",
         "IN [OUT]",
         QT_TRANSLATE_NOOP("sprtool", "读入设计，用设计软件的写入方式重新保存（OUT 或 -o）"),
         {outputOption},
         1,
         2,
         runResaveCommand},
        {"render",
         "FILE",
         QT_TRANSLATE_NOOP("sprtool", "按画布的样子把设计绘制成 PNG，或按扩展名写成 PDF、SVG"),
         {outputOption,
          {nullptr, "scale", "F", QT_TRANSLATE_NOOP("sprtool", "PNG 的缩放比例（默认 1）")},
          {nullptr, "dpi", "D",
           QT_TRANSLATE_NOOP("sprtool", "每英寸的打印点数，决定 PDF、SVG 的页面大小（默认 72）")},
          {nullptr, "at", "ISO-8601",
           QT_TRANSLATE_NOOP("sprtool", "按打印机在这一时刻打印的样子绘制（时间、序号和二维码占位符）")},
          counter1Option,
          {nullptr, "counter2", "N", QT_TRANSLATE_NOOP("sprtool", "预览时序号 2 的值（默认 0）")},
          {nullptr, "record", "N",
           QT_TRANSLATE_NOOP("sprtool",
                             "内容来自数据文件的项目显示数据文件的第 N 行（限于各自的起始行和结束行）")},
          {nullptr, "records", "A-B",
           QT_TRANSLATE_NOOP("sprtool", "第 A 到 B 行每行一页，如 --record 所画（只用于 PDF）")},
          dataOption},
         1,
         1,
         runRenderCommand},
        {"pack",
         "DESIGN",
         QT_TRANSLATE_NOOP("sprtool",
                           "把设计、它用到的图片（bmp/）和数据文件按打印机U盘的布局写入 -o 给出的文件夹"),
         {{"o", "output", "DIR", QT_TRANSLATE_NOOP("sprtool", "写入的文件夹（打印机U盘）")},
          {nullptr, "force", nullptr, QT_TRANSLATE_NOOP("sprtool", "替换文件夹中已有的文件")}},
         1,
         1,
         runPackCommand},
    };
    return table;
}

// sprtool's own output is its printed lines; the toolkit's and the designer's diagnostics (debug lines of
// the reader, platform warnings) would only clutter standard error, so only critical messages pass.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printError(QString(), message);
}
} // namespace

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(translations);
    // Never needs a display, whatever platform the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A closed standard output then fails the write (reported, exit 2) instead of killing the process.
    std::signal(SIGPIPE, SIG_IGN);
    // Likewise a file size limit (ulimit -f) fails the write rather than ending sprtool with its temporary
    // file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(quietMessages);
    // The toolkit sees no arguments, so none of ours (-platform, -reverse, ...) is taken as its own.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    installLocaleTranslation(app);

    // Arguments are UTF-8 whatever the locale, as design files are.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
    const QString first = args.value(0);
    if (args.isEmpty()) {
        std::fputs(helpText(nullptr, commandTable()).toUtf8().constData(), stderr);
        return exitFailed;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return printOut(QString(), helpText(nullptr, commandTable()).toUtf8()) ? exitSuccess : exitFailed;
    if (first == QLatin1String("--version"))
        return printOut(QString(), QByteArray("sprtool " SPR_VERSION "\n")) ? exitSuccess : exitFailed;
    for (const commandSpec &command : commandTable()) {
        if (first == QLatin1String(command.name))
            return runCommand(command, args.mid(1));
    }
    printError(QString(), cliText::unknownCommand().arg(first));
    printError(QString(), QCoreApplication::translate("sprtool", "用“sprtool --help”查看用法"));
    return exitFailed;
}
