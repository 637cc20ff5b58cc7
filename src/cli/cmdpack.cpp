// sprtool pack: a design with every picture and data file it uses, laid out as the printer's disk wants
// them. Nothing is written unless all of it can be.
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "designpack.h"
#include "sprdocument.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>

int runPackCommand(const commandArgs &args)
{
    const QString design = args.arguments().at(0);
    if (!args.isSet("output"))
        return args.usageError(cliText::noOutput());
    // Pictures and data files are found beside the design, and the disk's design takes its name.
    if (design == QLatin1String("-"))
        return args.usageError(QCoreApplication::translate("sprtool", "pack 需要设计的文件，不能读标准输入"));
    QGraphicsScene &scene = freshDesignScene();
    if (!readDesign(args.command(), design, scene, nullptr, false))
        return exitFailed;
    const QFileInfo info(design);
    const packPlan plan = planPack(scene, info.completeBaseName(), info.absolutePath());
    for (const packProblem &problem : plan.problems)
        printError(args.command(), problem.text);
    if (!plan.problems.isEmpty())
        return exitFailed;
    const QString dir = args.value("output");
    const QStringList replaced = packReplacements(plan, dir);
    if (!replaced.isEmpty() && !args.isSet("force")) {
        printError(args.command(), QCoreApplication::translate("sprtool", "%1 中已有 %2；用 --force 替换")
                                       .arg(dir, replaced.join(QStringLiteral(", "))));
        return exitFailed;
    }
    QString reason;
    if (!writePack(plan, dir, &reason)) {
        printError(args.command(), reason);
        return exitFailed;
    }
    QByteArray written;
    for (const packEntry &entry : plan.entries)
        written += entry.name.toUtf8() + '\n';
    return printOut(args.command(), written) ? exitSuccess : exitFailed;
}
