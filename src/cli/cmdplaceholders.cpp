// Subcommands not built yet answer with a usage error; each moves to its own file when it lands.
#include "commands.h"

#include <cstdio>

static int notYet(const char *name)
{
    std::fprintf(stderr, "sprtool: '%s' is not available in this build\n", name);
    return 2;
}

int runInfoCommand(const QStringList &) { return notYet("info"); }
int runResaveCommand(const QStringList &) { return notYet("resave"); }
int runRenderCommand(const QStringList &) { return notYet("render"); }
int runCheckCommand(const QStringList &) { return notYet("check"); }
