#include "cmddesign.h"

#include <QGraphicsScene>
#include <cstdio>
#include <cstdlib>

int usageError(const char *usage)
{
    std::fprintf(stderr, "usage: sprtool %s\n", usage);
    return 2;
}

bool readDesign(const QString &path, QGraphicsScene &scene, sprReadResult *read, bool collectFindings)
{
    setUpDesignScene(scene);
    QString reason;
    if (loadSprFile(path, scene, read, &reason, collectFindings))
        return true;
    std::fprintf(stderr, "sprtool: cannot read %s: %s\n", qUtf8Printable(path), qUtf8Printable(reason));
    return false;
}

void exitWithoutTeardown(int code)
{
    std::fflush(nullptr);
    std::_Exit(code);
}
