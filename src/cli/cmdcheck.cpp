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
    // A design beyond a reader limit is refused (exit 2), but what was found up to the limit is listed.
    const bool readable = readDesign(args.first(), scene, &read, true);
    std::stable_sort(read.findings.begin(), read.findings.end(),
                     [](const sprFinding &a, const sprFinding &b) { return a.line < b.line; });
    for (const sprFinding &finding : read.findings)
        std::printf("%d: %s\n", finding.line, qUtf8Printable(finding.message));
    if (!readable)
        return 2;
    return read.findings.isEmpty() ? 0 : 1;
}
