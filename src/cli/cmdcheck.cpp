// sprtool check: what would make the printer or the designer misread a design.
#include "cmddesign.h"
#include "commands.h"
#include "sprdocument.h"

#include <QGraphicsScene>
#include <algorithm>
#include <cstdio>

int runCheckCommand(const QStringList &args)
{
    if (args.size() != 1)
        return usageError("check FILE.spr");
    QGraphicsScene scene;
    sprReadResult read;
    if (!readDesign(args.first(), scene, &read, true))
        return 2;
    std::stable_sort(read.findings.begin(), read.findings.end(),
                     [](const sprFinding &a, const sprFinding &b) { return a.line < b.line; });
    for (const sprFinding &finding : read.findings)
        std::printf("%d: %s\n", finding.line, qUtf8Printable(finding.message));
    exitWithoutTeardown(read.findings.isEmpty() ? 0 : 1);
}
