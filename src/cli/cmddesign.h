#pragma once
// What the design subcommands (info, resave, render, check) share.
#include "sprdocument.h"

class QGraphicsScene;

// Prints the subcommand's usage to stderr; returns the usage exit code 2.
int usageError(const char *usage);
// The design read into a fresh scene set up as the window's; false, after saying why on stderr, when
// the file cannot be read.
bool readDesign(const QString &path, QGraphicsScene &scene, sprReadResult *read, bool collectFindings);
// Ends sprtool with code once the command's output is written: standard streams are flushed, and the
// scene is left to the system, as destroying a large one item by item costs more than reading it.
[[noreturn]] void exitWithoutTeardown(int code);
