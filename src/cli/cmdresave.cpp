// sprtool resave: read a design and write it again with the designer's writer.
#include "cliio.h"
#include "clitexts.h"
#include "commands.h"
#include "sprdocument.h"

#include <QGraphicsScene>

int runResaveCommand(const commandArgs &args)
{
    const bool outputArgument = args.arguments().size() == 2;
    if (outputArgument == args.isSet("output"))
        return args.usageError(outputArgument ? cliText::outputTwice() : cliText::noOutput());
    const QString output = outputArgument ? args.arguments().at(1) : args.value("output");
    QGraphicsScene &scene = freshDesignScene();
    if (!readDesign(args.command(), args.arguments().at(0), scene, nullptr, false))
        return exitFailed;
    const QByteArray bytes = sprFileBytes(scene);
    const QString refusal = sprWriteRefusal(scene, bytes);
    if (!refusal.isEmpty()) {
        printError(args.command(), cliText::cannotWrite().arg(shownName(output, true), refusal));
        return exitFailed;
    }
    return writeOutput(args.command(), output, bytes) ? exitSuccess : exitFailed;
}
