// sprtool resave: read a design and write it again with the designer's writer.
#include "cmddesign.h"
#include "commands.h"
#include "sprdocument.h"

#include <QGraphicsScene>
#include <cstdio>

int runResaveCommand(const QStringList &args)
{
    if (args.size() != 2)
        return usageError("resave IN.spr OUT.spr");
    QGraphicsScene scene;
    if (!readDesign(args.at(0), scene, nullptr, false))
        return 2;
    QString reason;
    if (!saveSprFile(args.at(1), scene, &reason)) {
        std::fprintf(stderr, "sprtool: cannot write %s: %s\n", qUtf8Printable(args.at(1)),
                     qUtf8Printable(reason));
        return 2;
    }
    exitWithoutTeardown(0);
}
