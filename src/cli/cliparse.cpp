#include "cliparse.h"

#include "cliio.h"
#include "clitexts.h"
#include "printpreview.h"

#include <cmath>

namespace
{
const char *const exitCodeTable[] = {
    QT_TRANSLATE_NOOP("sprtool", "成功"),
    QT_TRANSLATE_NOOP("sprtool", "内容被拒绝（barcode、qr）或发现问题（check）"),
    QT_TRANSLATE_NOOP("sprtool", "用法错误、输入无法读取或输出失败；失败时不留下输出文件"),
};

const optionSpec helpOption{"h", "help", nullptr, QT_TRANSLATE_NOOP("sprtool", "显示本命令的用法")};

QStringList namesOf(const optionSpec &option)
{
    QStringList names;
    if (option.shortName)
        names << QString::fromLatin1(option.shortName);
    names << QString::fromLatin1(option.longName);
    return names;
}

QString optionLabel(const optionSpec &option)
{
    QString label = option.shortName ? QStringLiteral("-%1, ").arg(QLatin1String(option.shortName))
                                     : QStringLiteral("    ");
    label += QStringLiteral("--") + QLatin1String(option.longName);
    if (option.valueName)
        label += QLatin1Char(' ') + QLatin1String(option.valueName);
    return label;
}

// Two columns, the second starting after the longest label.
QString table(const QVector<QPair<QString, QString>> &rows)
{
    int width = 0;
    for (const auto &row : rows)
        width = qMax(width, row.first.size());
    QString out;
    for (const auto &row : rows)
        out += QStringLiteral("  ") + row.first.leftJustified(width + 2) + row.second + QLatin1Char('\n');
    return out;
}

QString exitCodes()
{
    QVector<QPair<QString, QString>> rows;
    for (int code = 0; code < 3; ++code)
        rows.append({QString::number(code), cliText::translated(exitCodeTable[code])});
    return QCoreApplication::translate("sprtool", "退出码：") + QLatin1Char('\n') + table(rows);
}

// An option given twice is refused rather than one of the values silently winning.
QString repeatedValueOption(const commandSpec &spec, const QCommandLineParser &parser)
{
    for (const optionSpec &option : spec.options) {
        if (option.valueName && parser.values(QLatin1String(option.longName)).size() > 1)
            return cliText::repeatedOption().arg(QStringLiteral("--") + QLatin1String(option.longName));
    }
    return QString();
}

// The parser's own errors are English only; each names the option in quotes, which our texts reuse.
QString parseProblem(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString &name = unknown.first();
        return cliText::unknownOption().arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
                                            name);
    }
    const QString error = parser.errorText();
    const QString name = error.section(QLatin1Char('\''), 1, 1);
    if (error.startsWith(QLatin1String("Missing value")))
        return cliText::missingValue().arg(name);
    if (error.startsWith(QLatin1String("Unexpected value")))
        return cliText::unexpectedValue().arg(name);
    return error;
}

QString argumentCountProblem(const commandSpec &spec, const QStringList &positional)
{
    if (positional.size() < spec.minArguments) {
        const QStringList names = QString::fromLatin1(spec.arguments).split(QLatin1Char(' '));
        return cliText::missingArgument().arg(names.value(positional.size()));
    }
    if (spec.maxArguments >= 0 && positional.size() > spec.maxArguments)
        return cliText::extraArgument().arg(positional.at(spec.maxArguments));
    return QString();
}
} // namespace

commandArgs::commandArgs(const commandSpec &spec, const QCommandLineParser &parser)
    : name(QString::fromLatin1(spec.name)), positional(parser.positionalArguments()), parser(parser)
{
    for (const optionSpec &option : spec.options)
        optionNames << QLatin1String(option.longName);
}

// Options shared by several commands are asked for by name; one this command lacks is never set.
bool commandArgs::isSet(const char *longName) const
{
    return optionNames.contains(QLatin1String(longName)) && parser.isSet(QLatin1String(longName));
}

QString commandArgs::value(const char *longName) const
{
    return parser.value(QLatin1String(longName));
}

int commandArgs::usageError(const QString &problem) const
{
    return usageProblem(name, problem);
}

int usageProblem(const QString &command, const QString &problem)
{
    printError(command, problem);
    printError(command, cliText::tryHelp().arg(command));
    return exitFailed;
}

QString helpText(const commandSpec *spec, const QVector<commandSpec> &all)
{
    QString out;
    if (!spec) {
        out = QCoreApplication::translate("sprtool", "用法：") +
              QStringLiteral(" sprtool COMMAND [OPTIONS] [ARGUMENTS]\n");
        out += QCoreApplication::translate("sprtool", "不需要显示器，绘制、查看、检查并重新保存标签设计。") +
               QStringLiteral("\n\n");
        QVector<QPair<QString, QString>> rows;
        for (const commandSpec &command : all)
            rows.append({QLatin1String(command.name), cliText::describe(command.description)});
        rows.append({QStringLiteral("--help"), QCoreApplication::translate("sprtool", "显示本用法")});
        rows.append({QStringLiteral("--version"), QCoreApplication::translate("sprtool", "显示版本")});
        out += QCoreApplication::translate("sprtool", "命令：") + QLatin1Char('\n') + table(rows) +
               QLatin1Char('\n');
        out += QCoreApplication::translate("sprtool", "用“sprtool COMMAND --help”查看命令的用法。") +
               QStringLiteral("\n\n");
        return out + exitCodes();
    }
    out = QCoreApplication::translate("sprtool", "用法：") +
          QStringLiteral(" sprtool %1 [OPTIONS] %2\n")
              .arg(QLatin1String(spec->name), QLatin1String(spec->arguments));
    out += cliText::describe(spec->description) + QStringLiteral("\n\n");
    QVector<QPair<QString, QString>> rows;
    for (const optionSpec &option : spec->options)
        rows.append({optionLabel(option), cliText::translated(option.description)});
    rows.append({optionLabel(helpOption), cliText::translated(helpOption.description)});
    out += QCoreApplication::translate("sprtool", "选项：") + QLatin1Char('\n') + table(rows) +
           QLatin1Char('\n');
    out += QCoreApplication::translate("sprtool",
                                       "文件名“-”表示标准输入或标准输出；“--”之后的参数都不是选项。") +
           QStringLiteral("\n\n");
    return out + exitCodes();
}

int runCommand(const commandSpec &spec, const QStringList &args)
{
    QCommandLineParser parser;
    for (const optionSpec &option : spec.options) {
        QCommandLineOption qtOption(namesOf(option));
        if (option.valueName)
            qtOption.setValueName(QLatin1String(option.valueName));
        parser.addOption(qtOption);
    }
    parser.addOption(QCommandLineOption(namesOf(helpOption)));
    const QString command = QString::fromLatin1(spec.name);
    if (!parser.parse(QStringList{QStringLiteral("sprtool")} + args))
        return usageProblem(command, parseProblem(parser));
    if (parser.isSet(QStringLiteral("help")))
        return printOut(command, helpText(&spec, {}).toUtf8()) ? exitSuccess : exitFailed;
    QString problem = repeatedValueOption(spec, parser);
    if (problem.isEmpty())
        problem = argumentCountProblem(spec, parser.positionalArguments());
    if (!problem.isEmpty())
        return usageProblem(command, problem);
    return spec.run(commandArgs(spec, parser));
}

bool integerOption(const commandArgs &args, const char *name, int low, int high, int &value)
{
    if (!args.isSet(name))
        return true;
    bool ok = false;
    const int number = args.value(name).toInt(&ok);
    if (!ok || number < low || number > high)
        return false;
    value = number;
    return true;
}

bool positiveOption(const commandArgs &args, const char *name, double &value)
{
    if (!args.isSet(name))
        return true;
    bool ok = false;
    const double number = args.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(number) || number <= 0)
        return false;
    value = number;
    return true;
}

QString readPreviewOptions(const commandArgs &args, std::optional<previewValues> &values)
{
    const auto optionName = [](const char *name) { return QStringLiteral("--") + QLatin1String(name); };
    if (!args.isSet("at") && !args.isSet("counter1") && !args.isSet("counter2"))
        return QString();
    previewValues read;
    if (args.isSet("at")) {
        read.moment = QDateTime::fromString(args.value("at"), Qt::ISODate);
        if (!read.moment.isValid())
            return cliText::badValue().arg(optionName("at"), args.value("at"), cliText::expectedMoment());
    }
    for (const auto &counter :
         {std::make_pair("counter1", &read.counter1), std::make_pair("counter2", &read.counter2)}) {
        if (!integerOption(args, counter.first, 0, previewCounterMax, *counter.second))
            return cliText::badValue().arg(optionName(counter.first), args.value(counter.first),
                                           cliText::expectedCounter());
    }
    values = read;
    return QString();
}
